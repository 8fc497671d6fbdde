// wrap_impl.h: the one reduction the cyclic indices of text/ use (private).
#pragma once
#include <cstdint>

// x reduced into 0 .. n - 1 for n >= 1: the floor modulo, one operation in 64
// bits, so a sum of two 32-bit values never overflows and no step, however
// large, costs more than another.
inline int32_t TextWrap(int64_t x, int32_t n) {
    int64_t r = x % n;
    if (r < 0) r += n;
    return static_cast<int32_t>(r);
}
