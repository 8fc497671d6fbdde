// demo_support.h: one start-up per test process, for the demo program's tests.
#pragma once
#include "demo/moxa7730.h"
#include "tests/support/rng_draws.h"

// The program's objects are process-wide and never released: start up once,
// however many tests of the process need them.
inline void StartOnce() {
    static bool started = false;
    if (!started) {
        MOXA7730StartUp();
        started = true;
    }
}
