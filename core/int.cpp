#include "core/int.h"

#include <cstdio>

#include "core/report.h"

const char* const INT_IDENTITY[5] = {"INT     ", "20120602", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = true;  // INT's report has no switch: always printed
void INTError() { REPORTError("INT: ERROR.\n", kReport); }

// Bit length of the full unsigned range. INTBitLength reads its argument as
// signed, so it would call every value of 2^31 and above "0 bits" and the
// square root would start its trial at mask 1; this one sees all 32 bits.
int32_t BitLengthUnsigned(uint32_t value) {
    int32_t bits = 0;
    while (value != 0) {
        value >>= 1;
        bits++;
    }
    return bits;
}
}  // namespace

void INTPrintBinary(int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int32_t i = 31; i >= 0; --i) {
        std::fputs(((bits >> i) & 1u) != 0 ? "1" : "0", stdout);
    }
}

int32_t INTBitLength(int32_t value) {
    if (value <= 0) return 0;
    return BitLengthUnsigned(static_cast<uint32_t>(value));
}

uint32_t INTSqrt(uint32_t value) {
    if (value == 0) {
        INTError();
        return 0;
    }
    // The first mask sits at or one position above the root's highest bit, so
    // at most 17 trials. Squares are taken in 64 bits: from 2^31 up the first
    // candidate is 65536, whose square does not fit 32 bits.
    uint32_t mask = 1u << (BitLengthUnsigned(value) >> 1);
    uint32_t result = 0;
    while (mask > 0) {
        const uint32_t candidate = result | mask;
        if (static_cast<uint64_t>(candidate) * candidate <= value) result = candidate;
        mask >>= 1;
    }
    return result;
}
