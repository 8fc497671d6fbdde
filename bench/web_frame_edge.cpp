// web_frame_edge.cpp: the device edge of web_frame_bench, with nothing behind
// it, so that the same frame loop runs natively and in WebAssembly under node
// (no media library, no files). Like the capture backend it keeps a screen the
// presentations copy into and a virtual clock that moves on by one frame's
// time at each new frame's first reading, and it pulls the sound due by then
// through the audio callback, as a device would; it never waits.
#include <cstring>

#include "platform/edge.h"
#include "platform/fps.h"
#include "platform/sdlsnd.h"

namespace {
constexpr int32_t kSide = 256;
constexpr uint64_t kAudioRate = 44100u;
constexpr int32_t kChunkValues = 4096;

constinit uint32_t screen[kSide * kSide];
constinit int16_t chunk[kChunkValues];
constinit void* audioUser = nullptr;
constinit bool audioPaused = true;
constinit bool ticked = false;
constinit int32_t tickFrame = 0;
constinit uint64_t clockUs = 0;
constinit uint64_t audioValues = 0;

void PullAudio() {
    const uint64_t due = clockUs * kAudioRate / 1000000u;
    while (audioValues < due) {
        const uint64_t left = due - audioValues;
        const int32_t n = left < kChunkValues ? static_cast<int32_t>(left) : kChunkValues;
        std::memset(chunk, 0, sizeof chunk);
        if (audioUser != nullptr && !audioPaused) {
            SDLSNDCallback(audioUser, reinterpret_cast<uint8_t*>(chunk), n * 2);
        }
        audioValues += static_cast<uint64_t>(n);
    }
}
}  // namespace

bool EDGEVideoOpen(int32_t width, int32_t height, uint32_t, int32_t* depth,
                   bool* doubleBuffered) {
    if (width != kSide || height != kSide) return false;
    if (depth != nullptr) *depth = 32;
    if (doubleBuffered != nullptr) *doubleBuffered = false;
    return true;
}

void EDGEVideoPresent(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch) {
    if (pixels == nullptr || width > kSide || height > kSide || pitch < width) return;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* from = pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch);
        uint32_t* to = screen + static_cast<size_t>(y) * kSide;
        for (int32_t x = 0; x < width; ++x) to[x] = from[x] & 0x00FFFFFFu;
    }
}

void EDGEVideoClose() {}

bool EDGEPollEvent(EDGEEvent*) {
    return false;
}

uint32_t EDGETicks() {
    if (!ticked || frameCount != tickFrame) {
        ticked = true;
        tickFrame = frameCount;
        clockUs += 1000000u / static_cast<uint64_t>(frameRate > 0 ? frameRate : 1);
        PullAudio();
    }
    return static_cast<uint32_t>(clockUs / 1000u);
}

void EDGEDelay(uint32_t) {}

bool EDGEAudioOpen(void* userdata) {
    if (userdata == nullptr) return false;
    audioUser = userdata;
    audioPaused = true;
    return true;
}
void EDGEAudioPause(bool pause) {
    audioPaused = pause;
}
void EDGEAudioLock() {}  // one thread: the callback runs inside EDGETicks
void EDGEAudioUnlock() {}
void EDGEAudioClose() {
    audioUser = nullptr;
    audioPaused = true;
}
