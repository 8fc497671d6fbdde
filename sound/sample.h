// sample.h: SAMPLE, the system's growable array of signed 32-bit values.
//
// A sample carries mono audio (one value per frame, nominally -32768..32767, at
// 44100 values per second) and serves as a plain table of integers elsewhere.
// Its operations are whole-buffer arithmetic, element access, range copies, a
// text form and raw PCM file input and output.
//
// Ownership: SAMPLENew, SAMPLEClone, SAMPLESub, SAMPLEFromASCII and SAMPLERead
// return a sample the caller owns; SAMPLEFree releases it and clears the caller's
// reference. SAMPLEToASCII returns text the caller frees with std::free.
//
// Failures: every operation checks its samples (non-null, with a value array and
// 0 <= length <= capacity) and its other arguments. A refused call counts one
// "SAMPLE error\n" report (silent in this build) and leaves every sample as it
// was; value results are then 0, sample and text results null, and SAMPLEFind
// gives -1. An allocation failure takes the same path.
//
// Arithmetic never clamps: sums, products and left shifts wrap modulo 2^32 (the
// audio output keeps only the low 16 bits of each value anyway). Right shifts
// are arithmetic. Not thread-safe: the owner of a sample that another thread
// reads must order the writes itself.
#pragma once
#include <cstdint>
#include <cstdio>
#include <type_traits>

struct SAMPLE {
    int32_t  length;    // values in use
    int32_t  capacity;  // values allocated
    int32_t* values;    // owned, capacity entries, zero-filled when allocated
};
static_assert(std::is_trivially_copyable_v<SAMPLE> && std::is_standard_layout_v<SAMPLE>);

extern const char* const SAMPLE_IDENTITY[5];  // name, date, author, language, kind

// Protocol
[[nodiscard]] SAMPLE* SAMPLENew();                     // length 0, capacity 32
void                  SAMPLEFree(SAMPLE** ref);        // frees, sets *ref = nullptr
[[nodiscard]] char*   SAMPLEToASCII(const SAMPLE* s);  // "SAMPLE { n\nv0\n...}\n", caller frees
[[nodiscard]] SAMPLE* SAMPLEFromASCII(const char* text);             // parse, or null (count > INT32_MAX too)
[[nodiscard]] bool    SAMPLEEqual(const SAMPLE* a, const SAMPLE* b);  // same length and values
[[nodiscard]] SAMPLE* SAMPLEClone(const SAMPLE* s);  // capacity = length (32 when empty)

// Size and element access
void SAMPLEReserve(SAMPLE* s, int32_t n);    // capacity = n > 0; length cut to n; zeroed tail
void SAMPLESetLength(SAMPLE* s, int32_t n);  // n >= 0; grows capacity to n when short;
                                             // values inside the old capacity reappear
[[nodiscard]] int32_t SAMPLEGet(const SAMPLE* s, int32_t index);  // 0 outside 0..length-1
void SAMPLESet(SAMPLE* s, int32_t index, int32_t value);         // ignored outside the length
void SAMPLEClear(SAMPLE* s);                                      // values in use = 0

// Ranges
// Copies count values from src[srcIndex..] to dst[dstIndex..]; both ranges must
// lie inside their samples' lengths. Overlap within one sample is safe.
void SAMPLECopyRange(const SAMPLE* src, SAMPLE* dst, int32_t count, int32_t srcIndex,
                     int32_t dstIndex);
// Opens a gap of src->length values at index (0..length) and copies src into it;
// capacity becomes the new length. src may be dst itself.
void SAMPLEInsert(SAMPLE* dst, const SAMPLE* src, int32_t index);
// New sample of the values from..to-1, the range clipped to 0..length; null when to < from.
[[nodiscard]] SAMPLE* SAMPLESub(const SAMPLE* s, int32_t from, int32_t to);
// Inserts value at index (0..length), doubling the capacity when full; returns the value.
int32_t SAMPLEInsertValue(SAMPLE* s, int32_t value, int32_t index);
int32_t SAMPLERemove(SAMPLE* s, int32_t index);  // removes index (0..length-1); new length
// First index >= start (start >= 0) holding value, or -1.
[[nodiscard]] int32_t SAMPLEFind(const SAMPLE* s, int32_t value, int32_t start);

// Whole-buffer arithmetic (wrapping)
void SAMPLEAdd(SAMPLE* dst, const SAMPLE* src);   // dst[i] += src[i] below the shorter length
void SAMPLEMul(SAMPLE* dst, const SAMPLE* src);   // dst[i] *= src[i] below the shorter length
void SAMPLEScale(SAMPLE* s, int32_t k);           // every value *= k
void SAMPLEShiftRight(SAMPLE* s, int32_t shift);  // >>= (shift & 31) for any shift <= 32 (32 acts as 0)
void SAMPLEShiftLeft(SAMPLE* s, int32_t shift);   // <<= (shift & 31) for any shift <= 32 (32 acts as 0)
// Rotations take any amount (negative ones too) modulo the length; an empty
// sample is refused. Left: new[j] = old[(j + a) mod L]; right: new[j] = old[(j - a) mod L].
void SAMPLERotateLeft(SAMPLE* s, int32_t amount);
void SAMPLERotateRight(SAMPLE* s, int32_t amount);
void SAMPLEReverse(SAMPLE* s);
[[nodiscard]] int32_t SAMPLEMin(const SAMPLE* s);  // smallest value; 0 (refused) when empty
[[nodiscard]] int32_t SAMPLEMax(const SAMPLE* s);  // largest value; 0 (refused) when empty
// Maps the sample's range min..max linearly onto lo..hi (exact at both ends,
// truncating toward zero in between; hi < lo turns it upside down). A constant
// sample becomes lo. Refused when empty.
void SAMPLEMapRange(SAMPLE* s, int32_t lo, int32_t hi);

// Nearest-value resampling of L values to n > 0 values; length = capacity = n.
// Growing repeats values evenly (L=2 -> n=4: a a b b). Shrinking keeps n of the
// values, evenly spread, the first one included (L=4 -> n=2: a c).
// n == L changes nothing; an empty sample is refused. Returns the new length.
int32_t SAMPLEResample(SAMPLE* s, int32_t n);

// Alignment: b laid over a with b[0] at a[offset], offset 1-len(b) .. len(a)-1.
[[nodiscard]] int32_t SAMPLEMatches(const SAMPLE* a, const SAMPLE* b, int32_t offset);
// Offset with the most matches, the lowest on a tie; -len(b) when nothing matches.
[[nodiscard]] int32_t SAMPLEBestOffset(const SAMPLE* a, const SAMPLE* b);

// Raw PCM input: bits 8 or 16, order 'b' or 'l', sign 's' or 'u'; reads to the
// end of the stream (a trailing half value is dropped). Unsigned data is
// centred (8-bit: byte*256 - 0x8000, 16-bit: word - 0x8000); signed data is
// NOT sign-extended (8-bit: byte*256, 16-bit: word 0..65535), which plays the
// same since the output keeps the low 16 bits. A stream left in error (a read
// that failed, not the end of the data) gives null, not a short sample.
[[nodiscard]] SAMPLE* SAMPLERead(FILE* in, int32_t bits, char order, char sign);
// Raw PCM output at 8, 16, 24 or 32 bits, clamped to the width (32 bits: -2^31
// is written as -2^31 + 1), big-endian for 'b', little-endian otherwise.
// Returns the number of values written.
int32_t SAMPLEWrite(const SAMPLE* s, FILE* out, int32_t bits, char order);
