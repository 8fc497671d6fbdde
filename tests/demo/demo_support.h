// demo_support.h: one start-up per test process, for the demo program's tests.
#pragma once
#include "demo/moxa7730.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "tests/support/rng_draws.h"

// The program's objects are process-wide and never released: start up once,
// however many tests of the process need them. Tests that build the sound bank
// or the palette on their own may have run first: start-up replaces those.
inline void StartOnce() {
    static bool started = false;
    if (!started) {
        if (music != nullptr) MUSICFree(&music);
        if (palette != nullptr) SAMPLEFree(&palette);
        MOXA7730StartUp();
        started = true;
    }
}
