// lap_timer.h: timing several pieces of work inside one benchmark loop, so
// that ratios compare runs made under the same conditions.
#pragma once
#include <chrono>

struct LapTimer {
    std::chrono::steady_clock::time_point last = std::chrono::steady_clock::now();

    // Nanoseconds since construction or the previous lap.
    double Lap() {
        const auto now = std::chrono::steady_clock::now();
        const double ns = std::chrono::duration<double, std::nano>(now - last).count();
        last = now;
        return ns;
    }
};
