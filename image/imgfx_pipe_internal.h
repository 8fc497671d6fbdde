// imgfx_pipe_internal.h: the one pass of IMGFXGlowBlurFade on arguments it
// accepts (three images of one size at most IMGFX_PIPE_WIDTH wide, apart, a
// shift of at least 0), with the widest SIMD lanes the machine has of at
// most `lanes` pixels: 16 (AVX-512), 8 (AVX2), 4 (SSE2 or WebAssembly), 0
// (the scalar forms alone, what a build without SIMD runs). Not part of the
// interface: the tests compare every width with the three separate filters.
#pragma once
#include <cstdint>

#include "image/img.h"

constexpr int32_t IMGFX_PIPE_LANES_WIDEST = 16;

void IMGFXGlowBlurFadeRows(IMG* work, IMG* glow, IMG* out, int32_t shift, uint32_t fade,
                           int32_t lanes);
// The lane width the one pass runs at most `lanes` wide on this machine and
// build (for the benchmarks' labels).
int32_t IMGFXGlowBlurFadeLanes(int32_t lanes);
