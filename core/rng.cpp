#include "core/rng.h"

namespace {
constinit uint32_t rngState = 1;
}  // namespace

void RNGSeed(uint32_t seed) { rngState = seed; }

int32_t RNGDraw() {
    rngState = rngState * 214013u + 2531011u;  // unsigned: wraps by definition
    return static_cast<int32_t>((rngState >> 16) & 0x7FFFu);
}

uint32_t RNGState() { return rngState; }
