// edge.h: the platform layer's device edge.
//
// The display, keyboard, audio output and frame pacing modules (sdldpy, sdlkbd,
// sdlsnd, fps) hold everything that does not depend on a device: singletons,
// Equal/Copy rules, the key byte, the audio queue and its callback algorithm, the
// pacing arithmetic. What touches a device is this small set of functions. Each
// backend implements all of them: platform/sdl/ over SDL 1.2 for the two
// deliverables, platform/capture/ on a virtual clock for demo_capture. A program
// links exactly one backend; the choice is made by the build, not at run time.
//
// Every function accepts being called in any state: before anything is open,
// after a failed open, or after a close; a device call that finds nothing open
// does nothing (and returns false). All of them belong to the main thread,
// except the audio callback, which runs on the device's thread.
#pragma once
#include <cstdint>

// [SECTION] Video
// Opens (or re-opens) the mode with the given mode flag word (the display
// passes SDLDPY_MODE_FLAGS), bringing the video part up on demand. On success stores the screen's
// pixel depth and whether the screen is double-buffered, and returns true. On
// failure holds no screen (presents then draw nothing) and returns false.
[[nodiscard]] bool EDGEVideoOpen(int32_t width, int32_t height, uint32_t flags,
                                 int32_t* depth, bool* doubleBuffered);
// Shows a width x height rectangle of 0x00RRGGBB pixels (rows pitch pixels
// apart) at the screen's top-left corner, leaving the rest of the screen as it
// was, then flips or updates the whole screen. pixels is read only for the
// width x height rectangle: row y starts at pixels + y * pitch. A width or height of 0
// draws nothing. Does nothing while no screen is held.
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
// The device starts paused; EDGEAudioPause(false) starts it.
//
// Locking: the device holds EDGEAudioLock around every call of SDLSNDCallback,
// and SDLSNDCallback never takes the lock itself (so the lock need not be
// recursive). EDGEAudioLock/Unlock must work whether or not the device is
// open, so that code and tests can guard shared audio state unconditionally.
[[nodiscard]] bool EDGEAudioOpen(void* userdata);
void EDGEAudioPause(bool pause);
void EDGEAudioLock();    // the lock the device holds around each callback
void EDGEAudioUnlock();
// Closes the device; waits for the device's thread to end. Call it without
// holding EDGEAudioLock: that thread takes the lock on every pass.
void EDGEAudioClose();
