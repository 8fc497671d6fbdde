// img_internal.h: builders shared by the image module and the image-effects
// module, each of which reports its own failures. Not part of the interface.
#pragma once
#include <cstdint>

// Run table of lengths a and b (see IMGRunTable): lo + 1 entries, or lo
// entries filled from both ends when `symmetric`. The error term starts at hi,
// or at hi >> 1 when `halfTerm`. Null when a length's magnitude is INT32_MAX
// or more (a run could not be held in an entry) or memory runs out.
[[nodiscard]] int32_t* IMGRunsBuild(int32_t a, int32_t b, bool halfTerm, bool symmetric);

// The points of the line walk from (x0, y0) to (x1, y1) (see IMGLinePoints).
// Null when the count does not fit in an entry or memory runs out.
[[nodiscard]] int32_t* IMGPointsBuild(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
