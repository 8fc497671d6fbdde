// imgfx_pipe_internal.h: the one pass of IMGFXGlowBlurFade on arguments it
// accepts (three images of one size at most IMGFX_PIPE_WIDTH wide, apart, a
// shift of at least 0), with the SIMD lanes or, `simd` false, the scalar
// forms alone (what a build without SIMD runs). Not part of the interface:
// the tests compare both with the three separate filters.
#pragma once
#include <cstdint>

#include "image/img.h"

void IMGFXGlowBlurFadeRows(IMG* work, IMG* glow, IMG* out, int32_t shift, uint32_t fade, bool simd);
