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
