// cursorx.h: CURSORX, a cyclic index generator over a table of `size` entries.
//
// value = (position + offset) reduced into 0 .. size - 1, recomputed by every
// operation that changes position or offset. The demo sweeps the sine table
// with one: per frame CURSORXSetOffset(0), then CURSORXStepOffset once per item
// (each call yields the next index, offsetStep further on), and CURSORXStep
// once at the end to move the base position on by step.
//
// Reduction of x modulo n is the floor modulo: the result lies in 0 .. n - 1
// for every x. It is one operation in 64 bits, constant time whatever the step
// or the size; position + step and position + offset are widened, never
// overflowed. offset grows without bound and wraps modulo 2^32.
//
// CURSORXSetPosition keeps one documented quirk: a negative multiple of size
// gives position == size, which every later step and update still reduce.
//
// Failures: a null cursor, or a size below 1 where an operation reduces, calls
// the error report "CURSORX Error.\n" (compiled out: never printed, counted).
// With such a size, CURSORXStep, CURSORXSetPosition and CURSORXReset leave
// position and value alone and return 0; CURSORXStepOffset and
// CURSORXSetOffset store the offset and return the unchanged value.
// CURSORXSetSize refuses a negative size (0 is stored). A null cursor: every
// operation returns 0 (null where it returns a pointer).
//
// Ownership: CURSORXNew and CURSORXCopy return a cursor the caller owns;
// CURSORXFree releases it and clears the caller's reference.
#pragma once
#include <cstdint>
#include <type_traits>

struct CURSORX {
    int32_t size;        // the modulus; 1024 by default
    int32_t value;       // the output, 0 .. size - 1
    int32_t position;    // base index, 0 .. size - 1 (or size, see above)
    int32_t step;        // added to position by CURSORXStep; 1 by default
    int32_t offset;      // added to position to form value; never reduced
    int32_t offsetStep;  // added to offset by CURSORXStepOffset; 2 by default
};
static_assert(std::is_trivially_copyable_v<CURSORX> && std::is_standard_layout_v<CURSORX>);

// The older short record: {"CURSORX", "20090805", "VKR", "C"}
extern const char* const CURSORX_IDENTITY[4];

// [SECTION] Protocol
[[nodiscard]] CURSORX* CURSORXNew();           // size 1024, step 1, offsetStep 2, rest 0
void                   CURSORXFree(CURSORX** ref);  // *ref = nullptr
[[nodiscard]] char*    CURSORXToASCII(const CURSORX* cursor);  // no text form: always null
[[nodiscard]] CURSORX* CURSORXFromASCII(const char* text);     // no text form: always null
// A new cursor with the source's fields but value, which stays 0 until the
// copy's first recomputing operation. Null for a null source.
[[nodiscard]] CURSORX* CURSORXCopy(const CURSORX* src);
// Copies size, position, step, offset and offsetStep; dst's value is kept.
void CURSORXCopyInto(const CURSORX* src, CURSORX* dst);

// [SECTION] Setting
// CURSORXSetSize(size), CURSORXSetPosition(position), CURSORXSetOffset(offset),
// then stores step and offsetStep.
void CURSORXSet(CURSORX* cursor, int32_t size, int32_t position, int32_t step, int32_t offset,
                int32_t offsetStep);
// Stores size (negative: refused) and re-applies CURSORXSetPosition.
void    CURSORXSetSize(CURSORX* cursor, int32_t size);
int32_t CURSORXReset(CURSORX* cursor, int32_t p);  // offset = 0, then CURSORXSetPosition(p)
// position = p rem size, plus size when p < 0; then the update. Returns value.
int32_t CURSORXSetPosition(CURSORX* cursor, int32_t p);
int32_t CURSORXSetOffset(CURSORX* cursor, int32_t o);  // offset = o, then the update

// [SECTION] Stepping (each returns the new value)
int32_t CURSORXStep(CURSORX* cursor);        // position = (position + step) mod size
int32_t CURSORXStepOffset(CURSORX* cursor);  // offset += offsetStep (wrapping)
void    CURSORXUpdate(CURSORX* cursor);      // value = (position + offset) mod size
