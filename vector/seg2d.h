// seg2d.h: SEG2D, a line segment made of two VEC2D endpoints.
//
// The start point's colour is the colour of the drawn line; the end point's
// colour is used only when the endpoints are plotted as points. A new segment
// runs from (0, 0) to (1, 1) with both endpoints white.
//
// Ownership: a segment owns its two endpoint vectors. SEG2DNew and SEG2DClone
// return a segment the caller owns; SEG2DFree releases the endpoints and the
// segment, SEG2DFreeShell only the segment record (for endpoints owned
// elsewhere). Other modules keep references to the endpoints (a 2D object
// lists them as its points), so endpoints are modified in place, never
// replaced.
//
// Failures: every operation checks the segment, its endpoints and its other
// references. A missing one calls the error report, whose switch is off (the
// failure is only counted, nothing is printed), and the operation does nothing
// and returns 0 or false.
//
// Arithmetic: the crossing test uses wide intermediates, so it is exact (and
// defined) for any int32_t coordinates; for coordinates up to about +-8
// million its results are those of 32-bit arithmetic.
#pragma once
#include <cstdint>
#include <type_traits>

#include "vector/vec2d.h"

struct IMG;

struct SEG2D {
    VEC2D* start;  // owned; its colour is the line's colour
    VEC2D* end;    // owned
};
static_assert(std::is_trivially_copyable_v<SEG2D> && std::is_standard_layout_v<SEG2D>);

// {"SEG2D   ", "20120515", "Vaskoril", "C       ", "CODE    "}
extern const char* const SEG2D_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] SEG2D* SEG2DNew();                        // (0,0)->(1,1), white; null when out of memory
void                 SEG2DFree(SEG2D** ref);            // frees endpoints (if any) and segment
void                 SEG2DFreeShell(SEG2D** ref);       // frees the record only, not the endpoints
[[nodiscard]] char*  SEG2DToASCII(const SEG2D* s);      // no text form: always null
[[nodiscard]] SEG2D* SEG2DFromASCII(const char* text);  // no text form: always null
[[nodiscard]] bool   SEG2DEqual(const SEG2D* a, const SEG2D* b);  // starts equal, then ends equal
void                 SEG2DCopy(const SEG2D* src, SEG2D* dst);    // both endpoints, with colours
[[nodiscard]] SEG2D* SEG2DClone(const SEG2D* s);                 // new endpoints; caller owns

// [SECTION] Drawing
void SEG2DDraw(const SEG2D* s, IMG* img);      // IMGDrawLine start -> end in start's colour
void SEG2DDrawEnds(const SEG2D* s, IMG* img);  // plots start, then end, each in its colour
// Draws a rotated and translated copy (temporaries on the stack); s is unchanged.
void SEG2DDrawRotated(const SEG2D* s, int32_t angle, const VEC2D* offset, IMG* img);

// [SECTION] Transforms (both endpoints, in place)
void SEG2DRotate(SEG2D* s, int32_t angle);            // about the origin, not the middle
void SEG2DTranslate(SEG2D* s, const VEC2D* offset);  // += offset
void SEG2DScale(SEG2D* s, int32_t k);                 // *= k
void SEG2DMul(SEG2D* s, const VEC2D* k);              // component-wise *= k

// [SECTION] Tests between two segments (0 or 1)
// Bounding boxes overlap; boxes that only touch count.
[[nodiscard]] int32_t SEG2DBoxOverlap(const SEG2D* a, const SEG2D* b);
[[nodiscard]] int32_t SEG2DOverlaps(const SEG2D* a, const SEG2D* b);  // box overlap as 0 / 1
// Projection test. With outside(v, p, q) = (v >= p) xor (v <= q), p and q a
// segment's start and end coordinate in that order: 0 when all four endpoint
// tests hold on x, or else all four hold on y; otherwise 1.
[[nodiscard]] int32_t SEG2DSpanOverlap(const SEG2D* a, const SEG2D* b);
// Crossing test on 8.8 fixed-point slopes (m = dy * 256 / dx, dx 0 read as 1,
// c = start.y * 256 - m * start.x, divisions truncating): equal slopes give 0
// for different intercepts and the span test for equal ones; otherwise
// xi = (cB - cA) / (mA - mB) must lie within both segments' x ranges, where xi
// lies within S unless (xi >= S.start.x) xor (xi <= S.end.x).
[[nodiscard]] int32_t SEG2DCrosses(const SEG2D* a, const SEG2D* b);
