#include "platform/fps.h"

#include "platform/edge.h"

const char* const FPS_IDENTITY[5] = {"FPS     ", "20101122", "Vaskoril", "C       ", "CODE    "};

int32_t frameRate = 25;
int32_t frameCount = 0;
int32_t fpsMeasured = 0;

namespace {
constexpr uint32_t kMicrosPerSecond = 1000000u;
constexpr uint32_t kMicrosPerMilli = 1000u;

constinit FPSState pacing{};  // the process-wide state behind FPSTick and FPSWait
}  // namespace

int32_t FPSTickAt(FPSState* state, uint32_t nowMs) {
    if (state == nullptr) return 0;
    // Frames since start wrap rather than overflow (after years, at 25 per second).
    state->count = static_cast<int32_t>(static_cast<uint32_t>(state->count) + 1u);
    if (state->rate <= 0) state->rate = 1;
    state->frameUs = kMicrosPerSecond / static_cast<uint32_t>(state->rate);

    // The clock in microseconds wraps at 2^32 (after about 71.6 minutes); the
    // difference modulo 2^32 is still the true duration across the wrap.
    state->nowUs = nowMs * kMicrosPerMilli;
    state->lastUs = state->nowUs - state->previousUs;
    state->previousUs = state->nowUs;

    state->windowUs += state->lastUs;
    if (state->windowUs >= FPS_WINDOW_US) {
        state->measured = state->windowFrames;
        state->windowFrames = 0;
        state->windowUs = 0;
    }
    state->windowFrames += 1;  // the frame that closed a window opens the next
    return state->measured;
}

uint32_t FPSSleepMs(FPSState* state) {
    if (state == nullptr) return 0;
    const uint32_t last = state->lastUs;
    const uint32_t frame = state->frameUs;
    if (last > frame) {
        state->slackUs -= static_cast<int64_t>(last - frame);
        if (state->slackUs <= 0) state->slackUs = 0;
    } else {
        state->slackUs += static_cast<int64_t>(frame - last);
    }
    if (state->slackUs <= 0) return 0;
    const int64_t ms = state->slackUs / kMicrosPerMilli;
    return ms > static_cast<int64_t>(UINT32_MAX) ? UINT32_MAX : static_cast<uint32_t>(ms);
}

int32_t FPSTick() {
    pacing.rate = frameRate;
    pacing.count = frameCount;
    FPSTickAt(&pacing, EDGETicks());
    frameRate = pacing.rate;
    frameCount = pacing.count;
    fpsMeasured = pacing.measured;
    return fpsMeasured;
}

void FPSWait() {
    const uint32_t ms = FPSSleepMs(&pacing);
    if (pacing.slackUs > 0) EDGEDelay(ms);
}
