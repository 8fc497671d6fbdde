// slots_impl.h: the growable slot array behind LIST and ARRAY (private to core/).
//
// LIST and ARRAY are two public records with the same three fields (capacity,
// count, slots) and the same operations; only their names, identity records and
// error reports differ. The algorithms live here once, as small function
// templates over "any record with those three fields", so neither module casts
// between unrelated types and both compile to direct field access.
//
// Every function checks its arguments and returns false (or null) on any failed
// check, leaving the record untouched; the calling module then makes its own
// error report. Nothing here prints, allocates on success paths other than
// growth, cloning and sub-listing, or owns the items.
//
// Growth doubles the capacity (2, 4, 8, ...). A target capacity is computed
// first and allocated in one step, so a failed growth leaves the record exactly
// as it was, and doubling never passes INT32_MAX or what size_t can address.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/report.h"

constexpr int32_t SLOTS_INITIAL_CAPACITY = 2;
// The largest capacity that may still be doubled without leaving int32_t.
constexpr int32_t SLOTS_MAX_DOUBLABLE = INT32_MAX / 2;

// The capacity that repeated doubling of `capacity` first brings to at least
// `needed`; 0 when the answer would not fit int32_t or a size_t byte count.
[[nodiscard]] inline int32_t SLOTSTargetCapacity(int32_t capacity, int64_t needed) {
    if (capacity <= 0) return 0;
    int64_t target = capacity;
    while (target < needed) {
        if (target > SLOTS_MAX_DOUBLABLE) return 0;
        target *= 2;
    }
    if (static_cast<uint64_t>(target) > SIZE_MAX / sizeof(void*)) return 0;
    return static_cast<int32_t>(target);
}

// A record is usable when it exists and its fields are consistent; a zeroed
// record that never went through New (slots null, capacity 0) is not.
template <typename C>
[[nodiscard]] inline bool SLOTSUsable(const C* c) {
    return c != nullptr && c->slots != nullptr && c->capacity > 0 && c->count >= 0 &&
           c->count <= c->capacity;
}

// Makes room for at least `needed` slots, in one allocation.
template <typename C>
[[nodiscard]] inline bool SLOTSReserve(C* c, int64_t needed) {
    if (needed <= c->capacity) return true;
    const int32_t target = SLOTSTargetCapacity(c->capacity, needed);
    if (target == 0) return false;
    void** fresh = static_cast<void**>(REPORTZeroAlloc(static_cast<size_t>(target), sizeof(void*)));
    if (fresh == nullptr) return false;
    if (c->count > 0) std::memcpy(fresh, c->slots, static_cast<size_t>(c->count) * sizeof(void*));
    std::free(c->slots);
    c->slots = fresh;
    c->capacity = target;
    return true;
}

template <typename C>
[[nodiscard]] inline C* SLOTSNew() {
    C* c = static_cast<C*>(REPORTZeroAlloc(1, sizeof(C)));
    if (c == nullptr) return nullptr;
    c->slots = static_cast<void**>(REPORTZeroAlloc(SLOTS_INITIAL_CAPACITY, sizeof(void*)));
    if (c->slots == nullptr) {
        std::free(c);
        return nullptr;
    }
    c->capacity = SLOTS_INITIAL_CAPACITY;
    c->count = 0;
    return c;
}

// Releases the slot array and the record, never the items; clears *ref.
template <typename C>
[[nodiscard]] inline bool SLOTSFree(C** ref) {
    if (ref == nullptr || *ref == nullptr) return false;
    C* c = *ref;
    std::free(c->slots);
    c->slots = nullptr;
    c->count = 0;
    c->capacity = 0;
    std::free(c);
    *ref = nullptr;
    return true;
}

// Identity of references, slot by slot over 0 .. count-1; stale slots above
// count never matter. Sets *equal; false only for an inconsistent record.
template <typename C>
[[nodiscard]] inline bool SLOTSEqual(const C* a, const C* b, bool* equal) {
    *equal = false;
    if (a == b) {
        *equal = true;
        return true;
    }
    if (a == nullptr || b == nullptr) return true;  // unequal, but not a failure
    if (!SLOTSUsable(a) || !SLOTSUsable(b)) return false;
    if (a->count != b->count) return true;
    for (int32_t i = 0; i < a->count; ++i) {
        if (a->slots[i] != b->slots[i]) return true;
    }
    *equal = true;
    return true;
}

// A new record holding items from .. to-1 of c, with the capacity that pushing
// them one by one onto a new record would give.
template <typename C>
[[nodiscard]] inline C* SLOTSSublist(const C* c, int32_t from, int32_t to) {
    if (!SLOTSUsable(c) || from < 0 || from >= to || to > c->count) return nullptr;
    C* out = SLOTSNew<C>();
    if (out == nullptr) return nullptr;
    const int32_t n = to - from;
    if (!SLOTSReserve(out, n)) {
        C* doomed = out;
        (void)SLOTSFree(&doomed);
        return nullptr;
    }
    std::memcpy(out->slots, c->slots + from, static_cast<size_t>(n) * sizeof(void*));
    out->count = n;
    return out;
}

template <typename C>
[[nodiscard]] inline C* SLOTSClone(const C* c) {
    if (!SLOTSUsable(c)) return nullptr;
    if (c->count == 0) return SLOTSNew<C>();
    return SLOTSSublist(c, 0, c->count);
}

template <typename C>
[[nodiscard]] inline bool SLOTSInsert(C* c, void* item, int32_t index) {
    if (!SLOTSUsable(c) || index < 0 || index > c->count) return false;
    if (!SLOTSReserve(c, static_cast<int64_t>(c->count) + 1)) return false;
    void** s = c->slots;
    std::memmove(s + index + 1, s + index, static_cast<size_t>(c->count - index) * sizeof(void*));
    s[index] = item;
    c->count++;
    return true;
}

template <typename C>
[[nodiscard]] inline bool SLOTSPush(C* c, void* item) {
    if (!SLOTSUsable(c)) return false;
    return SLOTSInsert(c, item, c->count);
}

template <typename C>
[[nodiscard]] inline bool SLOTSPop(C* c, void** item) {
    *item = nullptr;
    if (!SLOTSUsable(c) || c->count == 0) return false;
    c->count--;
    *item = c->slots[c->count];
    return true;
}

// Closes the gap at index; the slot the last item left is cleared.
template <typename C>
[[nodiscard]] inline bool SLOTSRemove(C* c, int32_t index) {
    if (!SLOTSUsable(c) || index < 0 || index >= c->count) return false;
    void** s = c->slots;
    std::memmove(s + index, s + index + 1, static_cast<size_t>(c->count - index - 1) * sizeof(void*));
    c->count--;
    s[c->count] = nullptr;
    return true;
}

template <typename C>
[[nodiscard]] inline bool SLOTSGet(const C* c, int32_t index, void** item) {
    *item = nullptr;
    if (!SLOTSUsable(c) || index < 0 || index >= c->count) return false;
    *item = c->slots[index];
    return true;
}

template <typename C>
[[nodiscard]] inline bool SLOTSSet(C* c, void* item, int32_t index) {
    if (!SLOTSUsable(c) || index < 0 || index >= c->count) return false;
    c->slots[index] = item;
    return true;
}

// Lowest index holding exactly `item`, or -1 in *index when absent. Null is a
// legal item but not a legal key: searching for it is refused.
template <typename C>
[[nodiscard]] inline bool SLOTSFind(const C* c, const void* item, int32_t* index) {
    *index = -1;
    if (!SLOTSUsable(c) || item == nullptr) return false;
    for (int32_t i = 0; i < c->count; ++i) {
        if (c->slots[i] == item) {
            *index = i;
            return true;
        }
    }
    return true;
}

// Closes the gap from .. to-1 in one pass; the vacated top slots keep their
// stale references.
template <typename C>
[[nodiscard]] inline bool SLOTSRemoveRange(C* c, int32_t from, int32_t to) {
    if (!SLOTSUsable(c) || from < 0 || from >= to || to > c->count) return false;
    void** s = c->slots;
    std::memmove(s + from, s + to, static_cast<size_t>(c->count - to) * sizeof(void*));
    c->count -= to - from;
    return true;
}

// Copies src's items from .. to-1, in order, into dst before index at. The same
// record as both source and destination is refused: growth would free the
// source's slot array while it is still being read.
template <typename C>
[[nodiscard]] inline bool SLOTSInsertRange(const C* src, C* dst, int32_t from, int32_t to, int32_t at) {
    if (!SLOTSUsable(src) || !SLOTSUsable(dst) || src == dst) return false;
    if (src->slots == dst->slots) return false;  // two records over one array: same hazard
    if (from < 0 || from >= to || to > src->count) return false;
    if (at < 0 || at > dst->count) return false;
    const int32_t n = to - from;
    if (!SLOTSReserve(dst, static_cast<int64_t>(dst->count) + n)) return false;
    void** d = dst->slots;
    std::memmove(d + at + n, d + at, static_cast<size_t>(dst->count - at) * sizeof(void*));
    std::memcpy(d + at, src->slots + from, static_cast<size_t>(n) * sizeof(void*));
    dst->count += n;
    return true;
}

// Doubles the capacity once.
template <typename C>
[[nodiscard]] inline bool SLOTSGrow(C* c) {
    if (!SLOTSUsable(c)) return false;
    return SLOTSReserve(c, static_cast<int64_t>(c->capacity) + 1);
}
