// list.h: LIST, the toolkit's ordered, growable array of untyped references.
//
// Stack-like at its end (LISTPush, LISTPop), random access by index (LISTGet,
// LISTSet; callers read `count` directly), insertion and removal anywhere.
//
// Ownership: a list never owns its items. LISTFree releases the slot array and
// the record, never what the slots refer to; an owner that owns the items frees
// them first. LISTNew, LISTClone and LISTSublist return lists the caller owns.
//
// Growth: capacity is 2 for a new list and only ever doubles (2, 4, 8, ...),
// never past 2^30 entries. A growth that cannot happen (no memory, or a
// capacity that would leave int32_t) reports and leaves the list exactly as it
// was: the item is not added.
//
// Failures: every operation checks its arguments. A null or inconsistent list,
// an index or range out of bounds, or a failed allocation calls the module's
// error report (switched off: silent, but counted by REPORTCount) and returns
// null, false, -1 or 0 as stated below, without changing anything.
//
// Null is a legal item, except as the key of LISTFind. Slots at and above count
// are not part of the list and may hold stale references. Not thread-safe.
#pragma once
#include <cstdint>
#include <type_traits>

struct LIST {
    int32_t capacity;  // slots in the slot array; 2 after LISTNew, only doubles
    int32_t count;     // items held, 0 .. capacity, at indices 0 .. count-1
    void** slots;      // owned, capacity entries, zero-filled when allocated
};
static_assert(std::is_trivially_copyable_v<LIST> && std::is_standard_layout_v<LIST>);

// {"LIST    ", "20110824", "Vaskoril", "C       ", "CODE    "}
extern const char* const LIST_IDENTITY[5];

// --- Life cycle and conversions
[[nodiscard]] LIST* LISTNew();                              // empty, capacity 2; null when out of memory
[[nodiscard]] bool LISTEqual(const LIST* a, const LIST* b);  // same references in the same order; see below
[[nodiscard]] LIST* LISTClone(const LIST* list);            // shallow copy, caller owns; null on failure
void LISTFree(LIST** ref);                                  // frees the list (not the items), *ref = nullptr
[[nodiscard]] char* LISTToASCII(const LIST* list);          // no text form: always null
[[nodiscard]] LIST* LISTFromASCII(const char* text);        // no text form: always null
// LISTEqual: true for the same reference (two nulls included), false when
// exactly one is null (not an error); otherwise true when the counts match and
// every slot 0 .. count-1 holds the identical reference.

// --- Stack use at the end
void LISTPush(LIST* list, void* item);  // appends at index count, doubling first when full
void* LISTPop(LIST* list);              // removes and returns the last item; null when empty

// --- Access by index (0 <= index < count unless stated)
void LISTInsert(LIST* list, void* item, int32_t index);  // 0 <= index <= count; items above move up
int32_t LISTRemove(LIST* list, int32_t index);           // items above move down; the new count (0 on failure)
[[nodiscard]] void* LISTGet(const LIST* list, int32_t index);  // the item; null on failure
void LISTSet(LIST* list, void* item, int32_t index);     // replaces the item
[[nodiscard]] int32_t LISTFind(const LIST* list, const void* item);  // lowest index of item, -1 when absent

// --- Ranges: from .. to-1, with 0 <= from < to <= count (empty ranges are refused)
[[nodiscard]] LIST* LISTSublist(const LIST* list, int32_t from, int32_t to);  // new list of the range; null on failure
void LISTRemoveRange(LIST* list, int32_t from, int32_t to);  // closes the gap; vacated slots keep stale references
// Inserts source's items from .. to-1, in order, into destination before index
// at (0 <= at <= destination count), growing the destination as needed. The
// source and the destination must be different lists; the same list twice is
// refused with the error report.
void LISTInsertRange(const LIST* source, LIST* destination, int32_t from, int32_t to, int32_t at);

// --- Capacity
bool LISTGrow(LIST* list);  // doubles the capacity; false (list unchanged) when it cannot
