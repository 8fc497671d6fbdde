// draws.h: counting the random generator's draws that a piece of work makes.
#pragma once
#include <cstdint>

#include "core/report.h"
#include "core/rng.h"

// Runs work from a fixed seed and returns how many draws it made: the number
// of plain draws from the same seed that reach the same generator state, or
// -1 when more than limit would be needed.
template <typename Work>
int DrawsMade(Work work, int limit = 2000) {
    constexpr uint32_t kSeed = 0x1234567u;
    RNGSeed(kSeed);
    work();
    const uint32_t after = RNGState();
    RNGSeed(kSeed);
    for (int n = 0; n <= limit; ++n) {
        if (RNGState() == after) return n;
        (void)RNGDraw();
    }
    return -1;
}

// The number of failed checks counted while work runs.
template <typename Work>
uint64_t ReportsDuring(Work work) {
    const uint64_t before = REPORTCount();
    work();
    return REPORTCount() - before;
}
