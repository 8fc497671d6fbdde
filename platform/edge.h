// edge.h: the platform layer's device edge.
//
// The display, keyboard, audio output and frame pacing modules (sdldpy, sdlkbd,
// sdlsnd, fps) hold everything that does not depend on a device: singletons,
// Equal/Copy rules, the key byte, the audio queue and its callback algorithm, the
// pacing arithmetic. What touches a device is this small set of functions. Each
// backend implements all of them: platform/sdl/ over SDL 1.2 for the two
// deliverables, platform/capture/ on a virtual clock for demo_capture. A program
// links exactly one backend; the choice is made by the build, not at run time.
#pragma once
#include <cstdint>

// [SECTION] Video
// Opens (or re-opens) the mode. On success stores the screen's pixel depth and
// whether the screen is double-buffered, and returns true.
[[nodiscard]] bool EDGEVideoOpen(int32_t width, int32_t height, uint32_t flags,
                                 int32_t* depth, bool* doubleBuffered);
// Shows a width x height rectangle of 0x00RRGGBB pixels (rows pitch pixels
// apart) at the screen's top-left corner, leaving the rest of the screen as it
// was, then flips or updates the whole screen.
void EDGEVideoPresent(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch);
void EDGEVideoClose();  // forgets the screen (the mode stays until shutdown)

// [SECTION] Events
enum : int32_t {
    EDGE_EVENT_KEY_DOWN = 2,  // sym holds the key symbol
    EDGE_EVENT_KEY_UP = 3,
    EDGE_EVENT_QUIT = 12,     // close button, SIGINT, SIGTERM
    EDGE_EVENT_OTHER = 99,    // anything else (to be dropped)
};
struct EDGEEvent {
    int32_t type;  // one of the EDGE_EVENT_ values
    int32_t sym;   // key symbol for key events, else 0
};
[[nodiscard]] bool EDGEPollEvent(EDGEEvent* event);  // false when the queue is empty

// [SECTION] Time
[[nodiscard]] uint32_t EDGETicks();  // milliseconds since start, wrapping
void EDGEDelay(uint32_t ms);          // sleeps (or, virtually, does not)

// [SECTION] Audio
// Opens the device for 44100 Hz, 16-bit signed little-endian mono, buffers of
// 4096 values, and arranges for SDLSNDCallback(userdata, buffer, bytes) to be
// called whenever it needs data (with the buffer pre-filled with silence).
// Initialises the whole media library first. False when either fails.
[[nodiscard]] bool EDGEAudioOpen(void* userdata);
void EDGEAudioPause(bool pause);
void EDGEAudioLock();    // the lock the device holds around each callback
void EDGEAudioUnlock();
void EDGEAudioClose();
