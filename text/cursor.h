// cursor.h: CURSOR, a reading head that walks a text with wrap-around.
//
// A cursor holds an index into a text of `length` elements and moves it by
// `step`; every move is reduced modulo the length, so the element after the
// last is the first and a scrolled text repeats with no gap and no end state.
// Any step, negative or far larger than the text, wraps in one reduction
// (64-bit floor modulo: constant time whatever the step or the length).
// The scrollers keep one cursor each: they write `step` directly, step, and
// save and restore the position around drawing with CURSORMark/CURSORRestore.
//
// Invariant: 0 <= position < length after every operation. CURSORSet refuses
// a length below 1 (and a null text), so the modulus is never 0; an operation
// that finds a length below 1 written into the public field reports and
// changes nothing.
//
// Ownership: CURSORNew returns a cursor the caller owns; CURSORFree releases
// it and clears the caller's reference. The text is never owned. A new cursor
// walks the module's default text "MOXA" (the sixth identity entry).
//
// Failures: a null cursor (or a refused argument) calls the error report
// "CURSOR Error.\n" (switch off: silent, only counted) and does nothing else.
//
// Not provided: an element-address operation (text + position * length
// words), which points past the text for any position >= 1.
#pragma once
#include <cstdint>
#include <type_traits>

struct CURSOR {
    int32_t     position;  // index of the current element, 0 .. length - 1
    int32_t     step;      // elements moved by CURSORStep, negative backwards; 1 by default
    int32_t     unit;      // kept from CURSORSet; no operation reads it
    int32_t     length;    // elements in the text: the modulus of every wrap, >= 1
    const char* text;      // walked text; not owned, no terminator needed
    int32_t     mark;      // a saved position; 0 in a new cursor
};
static_assert(std::is_trivially_copyable_v<CURSOR> && std::is_standard_layout_v<CURSOR>);

// {"CURSOR  ", "20120327", "Vaskoril", "C       ", "CODE    ", "MOXA"}
extern const char* const CURSOR_IDENTITY[6];

// [SECTION] Protocol (no text form, no equality, no copy)
[[nodiscard]] CURSOR* CURSORNew();  // CURSORSet(cursor, "MOXA", 4, 1, 1); null when out of memory
// A null address reports; a null reference is simply set to null again.
void CURSORFree(CURSOR** ref);

// [SECTION] Walking
// Stores text, length, unit and step, position 0; the mark is kept. A null
// text or a length below 1 reports and changes nothing.
void CURSORSet(CURSOR* cursor, const char* text, int32_t length, int32_t unit, int32_t step);
void CURSORStep(CURSOR* cursor);                      // position = (position + step) mod length
void CURSORSetPosition(CURSOR* cursor, int32_t p);    // position = p mod length
void CURSORMark(CURSOR* cursor);                      // mark = position
// position = mark (reduced modulo the length, so a mark kept across a
// CURSORSet to a shorter text still lands inside it).
void CURSORRestore(CURSOR* cursor);
