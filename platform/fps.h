// fps.h: FPS, frame pacing: holds the demo at frameRate frames per second,
// counts frames and measures the achieved rate once a second.
//
// The demo calls FPSTick, then FPSWait, once per frame. All arithmetic is in
// integer microseconds over the millisecond clock (EDGETicks); the clock in
// microseconds wraps as a 32-bit value, and every difference is taken modulo
// 2^32, so the pacing stays right across the wrap.
//
// The arithmetic is in pure functions over an FPSState that take the clock
// reading as an argument (FPSTickAt, FPSSleepMs); FPSTick and FPSWait run them
// over one process-wide state, reading the clock and sleeping at the edge.
//
// Pacing: a persistent slack (the sleep) is adjusted by each frame's error
// against the frame time: a short frame raises it, a long one lowers it, never
// below 0. In steady state work plus sleep equals the frame time.
#pragma once
#include <cstdint>
#include <type_traits>

// Public pacing variables, read and written by the demo.
extern int32_t frameRate;    // target frames per second (25 at start); <= 0 becomes 1
extern int32_t frameCount;   // frames since start
extern int32_t fpsMeasured;  // frames of the last completed one-second window; 0 before

// {"FPS     ", "20101122", "Vaskoril", "C       ", "CODE    "}
extern const char* const FPS_IDENTITY[5];

struct FPSState {
    int32_t rate;          // target frames per second (the demo's frameRate)
    int32_t count;         // frames since start (frameCount)
    int32_t measured;      // frames of the last completed window (fpsMeasured)
    uint32_t frameUs;      // frame time: 1000000 / rate
    uint32_t nowUs;        // clock at the last tick, ms * 1000 modulo 2^32
    uint32_t previousUs;   // clock at the tick before
    uint32_t lastUs;       // duration of the last frame, modulo 2^32
    uint64_t windowUs;     // time accumulated in the current window
    int32_t windowFrames;  // frames counted in the current window
    int64_t slackUs;       // the sleep carried from frame to frame, >= 0
};
static_assert(std::is_trivially_copyable_v<FPSState> && std::is_standard_layout_v<FPSState>);

constexpr uint32_t FPS_WINDOW_US = 1000000u;  // one measuring window, one second

// [SECTION] Pure pacing arithmetic (state zeroed to start; null does nothing)
// Counts the frame and measures it at the clock reading nowMs; returns the
// measured rate. A rate <= 0 is first replaced by 1. The frame that closes a
// window is counted into the next one.
int32_t FPSTickAt(FPSState* state, uint32_t nowMs);
// Adjusts the slack by the last frame's error and returns the whole
// milliseconds to sleep (slack / 1000, truncated). A sleep is due only while the
// slack is above 0; a slack below one millisecond asks for a sleep of 0 ms.
uint32_t FPSSleepMs(FPSState* state);

// [SECTION] The process-wide pacing the demo uses
int32_t FPSTick();  // FPSTickAt over the clock; updates the three public variables
void FPSWait();     // FPSSleepMs, then sleeps when a sleep is due
