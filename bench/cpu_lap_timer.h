// cpu_lap_timer.h: LapTimer's laps in the calling thread's CPU time, for
// ratios that must not move when the machine is busy: a lap measured on the
// wall clock also counts the time the thread spent descheduled, which on a
// shared machine dwarfs a pass of a few microseconds.
#pragma once
#include <ctime>

struct CpuLapTimer {
    double last = Now();

    static double Now() {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
    }

    // CPU nanoseconds since construction or the previous lap.
    double Lap() {
        const double now = Now();
        const double ns = now - last;
        last = now;
        return ns;
    }
};
