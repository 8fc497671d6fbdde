// imgfx.h: IMGFX, neighbourhood filters over IMG images (blurs and glows), and
// the image operations again under this module's own error report.
//
// Filters read a source S and write a destination D. The walk covers S's size,
// rows from the bottom, columns from the right; a tap outside S reads 0
// (black), a result outside D is dropped, and pixels of a larger D outside S's
// size are left alone. Channels are red (bits 16-23), green (8-15) and blue
// (0-7); the top byte of a source pixel is ignored and every result has it 0.
// S and D may be the same image: a pixel then sees already-filtered pixels to
// its right and below, unfiltered ones to its left and above.
//
//   blurs: weighted sum of the taps per channel, then a shift or a division
//          (floor); the weights of the fixed blurs add up to the divisor.
//   glows: the centre channel plus every neighbour's channel >> shift,
//          limited to 255. A shift below 0 is refused; a shift of 8 or more
//          leaves nothing of a neighbour.
//
// Radii are unbounded: taps outside S count 0 and are never visited, and the
// divisors and sums are 64-bit, so a radius of INT32_MAX is exact and quick.
// A negative radius is refused. No filter allocates.
//
// Every operation accepts null: it reports "IMGFX error\n" (switch off in the
// build) and does nothing. Failures inside the IMG operations that the second
// half of this module passes on to report "IMG error\n".
#pragma once
#include <cstddef>
#include <cstdint>

#include "image/img.h"

extern const char* const IMGFX_IDENTITY[5];

// [SECTION] Blurs
void IMGFXBoxBlur(const IMG* src, IMG* dst, int32_t radius);  // (2r+1)^2 taps, sum / (2r+1)^2
void IMGFXBlurH(const IMG* src, IMG* dst, int32_t radius);    // dx -r..r, sum / (2r+1)
void IMGFXBlur3(const IMG* src, IMG* dst);       // -1, 0, +1: sum / 3
void IMGFXBlur121(const IMG* src, IMG* dst);     // 1 2 1: sum >> 2
void IMGFXBlur5(const IMG* src, IMG* dst);       // 1 1 4 1 1: sum >> 3 (the demo's blur)
void IMGFXBlur7(const IMG* src, IMG* dst);       // 1 1 1 2 1 1 1: sum >> 3
void IMGFXSmooth3x3(const IMG* src, IMG* dst);   // 1 2 1 / 2 4 2 / 1 2 1: sum >> 4

// [SECTION] Glows
void IMGFXGlow5(const IMG* src, IMG* dst, int32_t shift);   // dx -2..2 (the demo's glow)
void IMGFXGlow7(const IMG* src, IMG* dst, int32_t shift);   // dx -3..3
void IMGFXGlowH(const IMG* src, IMG* dst, int32_t radius, int32_t shift);
    // centre, plus every dx from -r to r (the centre again among them) >> shift
void IMGFXGlow3x3(const IMG* src, IMG* dst, int32_t shift);  // the 8 neighbours >> shift

// [SECTION] Checks, line walk, points and run tables (arrays freed with std::free)
// True when all three are non-null and a is at least as wide and as high as b;
// otherwise reports. The reference is only tested for null.
bool IMGFXCheckFit(const IMG* a, const void* reference, const IMG* b);
// IMGDrawLine's clipped walk: the same pixels, and far-away lines cost nothing.
void IMGFXDrawLine(IMG* img, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);
// IMGRunTable and IMGRunTableSym with the error term starting at hi >> 1; the
// last entry takes every step that would run past it ((0, 1) gives 2; (2, 4)
// gives 1, 2, 2, whose first entries do not add up to the longer length).
[[nodiscard]] int32_t* IMGFXRunTable(int32_t a, int32_t b);
[[nodiscard]] int32_t* IMGFXRunTableSym(int32_t a, int32_t b);
[[nodiscard]] int32_t* IMGFXLinePoints(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
[[nodiscard]] size_t IMGFXFindMarker(const char* text, const char* marker);

// [SECTION] The image operations again, with null images and pixel arrays
// reported as "IMGFX error\n". IMGFXScale is IMGScale (built on IMGRunTable,
// so every destination pixel is written).
void IMGFXScale(const IMG* src, IMG* dst);
[[nodiscard]] IMG* IMGFXRotoZoom(const IMG* src, int32_t angle);
void IMGFXSubtract(IMG* img, uint32_t colour);
void IMGFXBlitHalf(const IMG* src, IMG* dst, int32_t x, int32_t y);
void IMGFXCopyRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset);
void IMGFXOrRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset);
void IMGFXAnd(const IMG* mask, IMG* dst);
void IMGFXCopyColumnWrap(const IMG* src, IMG* dst, int32_t srcColumn, int32_t dstColumn,
                         int32_t offset);
void IMGFXBlitSpaced(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                     int32_t w, int32_t h, int32_t stepX, int32_t stepY);
void IMGFXFillRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour);
void IMGFXDrawRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour);
void IMGFXCopyRow(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow);
void IMGFXDrawCircle(IMG* img, int32_t cx, int32_t cy, int32_t r, uint32_t colour);
void IMGFXBlitAdd(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                  int32_t w, int32_t h);
void IMGFXBlitOpaque(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                     int32_t w, int32_t h);
void IMGFXBlitAddSat(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                     int32_t w, int32_t h);
void IMGFXInvert(IMG* img);
void IMGFXInvertRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h);
