// int.h: INT, three free functions on 32-bit integers.
//
// No object type, hence no New, Free or conversions. INT's error report,
// "INT: ERROR.\n", is always printed on standard output; only INTSqrt uses it.
#pragma once
#include <cstdint>

// {"INT     ", "20120602", "Vaskoril", "C       ", "CODE    "}
extern const char* const INT_IDENTITY[5];

// Prints value as 32 base-2 digits, most significant first, one "1" or "0"
// text per bit on standard output, with no line end.
void INTPrintBinary(int32_t value);

// Position of the highest set bit plus one (1 -> 1, 255 -> 8, 256 -> 9,
// 2^31-1 -> 31); 0 for 0 and for every negative value.
[[nodiscard]] int32_t INTBitLength(int32_t value);

// The floor square root: the largest r with r * r <= value, found bit by bit
// without division, for every value 1 .. 2^32-1 (4294967295 -> 65535).
// For 0 it prints the error line and returns 0.
[[nodiscard]] uint32_t INTSqrt(uint32_t value);
