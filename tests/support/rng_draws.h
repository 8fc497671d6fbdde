// rng_draws.h: what the shared random generator gives, without disturbing it,
// for tests that check how many draws an operation makes and in what order.
#pragma once
#include <cstdint>

#include "core/rng.h"

// The generator's state after `draws` draws from `state`. The current state is
// left as it was, so the call may stand beside RNGState() in one expression.
inline uint32_t StateAfter(uint32_t state, int32_t draws) {
    const uint32_t saved = RNGState();
    RNGSeed(state);
    for (int32_t i = 0; i < draws; ++i) (void)RNGDraw();
    const uint32_t after = RNGState();
    RNGSeed(saved);
    return after;
}

// The value of draw number `index` (counted from 1) after `state`; the current
// state is left as it was.
inline int32_t DrawAfter(uint32_t state, int32_t index) {
    const uint32_t saved = RNGState();
    RNGSeed(state);
    int32_t r = 0;
    for (int32_t i = 0; i < index; ++i) r = RNGDraw();
    RNGSeed(saved);
    return r;
}
