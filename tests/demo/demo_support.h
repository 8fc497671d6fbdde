// demo_support.h: one start-up per test process, and the generator's state
// after a number of draws, for the demo program's tests.
#pragma once
#include <cstdint>

#include "core/rng.h"
#include "demo/moxa7730.h"

// The program's objects are process-wide and never released: start up once,
// however many tests of the process need them.
inline void StartOnce() {
    static bool started = false;
    if (!started) {
        MOXA7730StartUp();
        started = true;
    }
}

// The generator's state after `draws` draws from `state`.
inline uint32_t StateAfter(uint32_t state, int32_t draws) {
    const uint32_t saved = RNGState();
    RNGSeed(state);
    for (int32_t i = 0; i < draws; ++i) (void)RNGDraw();
    const uint32_t after = RNGState();
    RNGSeed(saved);
    return after;
}

// The value of draw number `index` (from 1) after `state`.
inline int32_t DrawAfter(uint32_t state, int32_t index) {
    const uint32_t saved = RNGState();
    RNGSeed(state);
    int32_t r = 0;
    for (int32_t i = 0; i < index; ++i) r = RNGDraw();
    RNGSeed(saved);
    return r;
}
