// array.h: ARRAY, the toolkit's older growable array.
//
// The same design and operations as LIST (core/list.h), under its own name:
// a dense, ordered sequence of untyped entries with capacity doubling (2, 4,
// 8, ..., never past 2^30 entries). Entries are untyped references (void*), so
// an entry holds a pointer whole on every machine; the zero entry is nullptr.
//
// Ownership: an array never owns its entries. ARRAYNew, ARRAYClone and
// ARRAYSublist return arrays the caller owns; ARRAYFree releases the slot array
// and the record and clears the caller's reference.
//
// Failures: exactly as LIST (a null or inconsistent array, an index or range
// out of bounds, a failed allocation: no change, and the zero entry, false, -1
// or 0), except that ARRAY's error report is compiled out: a failing ARRAY
// operation never prints. Failures are still counted by REPORTCount.
// Not thread-safe.
#pragma once
#include <cstdint>
#include <type_traits>

struct ARRAY {
    int32_t capacity;  // slots in the slot array; 2 after ARRAYNew, only doubles
    int32_t count;     // entries held, 0 .. capacity, at indices 0 .. count-1
    void** slots;      // owned, capacity entries, zero-filled when allocated
};
static_assert(std::is_trivially_copyable_v<ARRAY> && std::is_standard_layout_v<ARRAY>);

// The older short record: {"ARRAY", "20090803", "VKR", "C"}
extern const char* const ARRAY_IDENTITY[4];

// --- Life cycle and conversions
[[nodiscard]] ARRAY* ARRAYNew();                                // empty, capacity 2; null when out of memory
[[nodiscard]] bool ARRAYEqual(const ARRAY* a, const ARRAY* b);  // rules of LISTEqual
[[nodiscard]] ARRAY* ARRAYClone(const ARRAY* array);            // shallow copy, caller owns; null on failure
void ARRAYFree(ARRAY** ref);                                    // frees the array (not the entries), *ref = nullptr
[[nodiscard]] char* ARRAYToASCII(const ARRAY* array);           // no text form: always null
[[nodiscard]] ARRAY* ARRAYFromASCII(const char* text);          // no text form: always null

// --- Stack use at the end
void ARRAYPush(ARRAY* array, void* entry);  // appends at index count, doubling first when full
void* ARRAYPop(ARRAY* array);               // removes and returns the last entry; the zero entry when empty

// --- Access by index (0 <= index < count unless stated)
void ARRAYInsert(ARRAY* array, void* entry, int32_t index);  // 0 <= index <= count; entries above move up
int32_t ARRAYRemove(ARRAY* array, int32_t index);            // entries above move down; the new count (0 on failure)
[[nodiscard]] void* ARRAYGet(const ARRAY* array, int32_t index);  // the entry; the zero entry on failure
void ARRAYSet(ARRAY* array, void* entry, int32_t index);     // replaces the entry
[[nodiscard]] int32_t ARRAYFind(const ARRAY* array, const void* entry);  // lowest index, -1 when absent

// --- Ranges: from .. to-1, with 0 <= from < to <= count (empty ranges are refused)
[[nodiscard]] ARRAY* ARRAYSublist(const ARRAY* array, int32_t from, int32_t to);  // new array; null on failure
void ARRAYRemoveRange(ARRAY* array, int32_t from, int32_t to);  // closes the gap; vacated slots keep stale entries
// Inserts source's entries from .. to-1 into destination before index at; the
// same array as source and destination is refused.
void ARRAYInsertRange(const ARRAY* source, ARRAY* destination, int32_t from, int32_t to, int32_t at);

// --- Capacity
bool ARRAYGrow(ARRAY* array);  // doubles the capacity; false (array unchanged) when it cannot
