// report.h: the toolkit's one error mechanism, and its zeroed allocation.
//
// Every module has one error report: a fixed line such as "LIST error\n" that is
// printed on standard output when the module's build-time switch is on. Modules
// call REPORTError from an unnamed-namespace helper with their text and switch:
//
//     constexpr bool kReport = false;                        // build-time switch
//     void LISTError() { REPORTError("LIST error\n", kReport); }
//
// Every call is counted, printed or not, so tests can see a failed check even
// when the module is silent. Nothing aborts and nothing throws.
#pragma once
#include <cstddef>
#include <cstdint>

void REPORTError(const char* line, bool print);  // counts; prints line when print
[[nodiscard]] uint64_t REPORTCount();            // failed checks since start

// calloc with the product checked: null (never a short block) when
// count * size overflows or memory runs out. Free with std::free.
[[nodiscard]] void* REPORTZeroAlloc(size_t count, size_t size);

// REPORTZeroAlloc on a 64-byte boundary, for the large arrays that are copied
// whole every frame (pixels, samples). With both ends of a copy on cache-line
// boundaries, no allocation order can put a destination a few bytes past a
// 4 KiB alias of its source, where the C library's copy slows down many times
// on some processors. At least one byte is allocated. Free with std::free.
[[nodiscard]] void* REPORTZeroAllocAligned(size_t count, size_t size);
