// imgfx_pipe.h: the frame's compose filters in one pass over the rows.
//
// IMGFXGlowBlurFade(work, glow, out, shift, fade) leaves exactly what
//     IMGFXGlow5(work, glow, shift);
//     IMGFXBlur5(glow, out);
//     IMGSubtract(work, fade);
// leave in all three images (glow and out hold the passes, work is faded),
// but walks the rows once: each row of work is glowed into glow, that row
// blurred into out, and the row of work faded while it is still in the
// cache. A fade colour of 0xFFFFFF clears work (IMGClear's result).
//
// The one pass needs three images of one size, at most IMGFX_PIPE_WIDTH
// wide, whose pixel arrays do not overlap, and a shift of at least 0; any
// other arguments run the three calls above in turn (with their reports).
// Null images report "IMGFX error\n" and change nothing. No allocation.
#pragma once
#include <cstdint>

#include "image/img.h"

constexpr int32_t IMGFX_PIPE_WIDTH = 512;  // widest row of the one pass

void IMGFXGlowBlurFade(IMG* work, IMG* glow, IMG* out, int32_t shift, uint32_t fade);
