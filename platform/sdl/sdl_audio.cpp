// The audio output's device edge over SDL 1.2's audio functions.
#include "platform/edge.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdlsnd.h"

namespace {
constexpr Uint32 kInitEverything = 0xFFFF;  // every subsystem of the library

// The device request, kept for as long as the device may be open: the library
// fills in its derived fields and keeps reading it.
constinit SDL_AudioSpec request{};
}  // namespace

// The library calls back through a C function; it holds the audio lock around
// each call.
extern "C" {
static void SDLEDGEAudioCallback(void* userdata, Uint8* stream, int len) {
    SDLSNDCallback(userdata, stream, len);
}
}

bool EDGEAudioOpen(void* userdata) {
    SDLEDGEQuitAtExit();
    // Brings up every part of the library not yet up; fails as a whole when any
    // part cannot start (a bad audio driver name, for one).
    if (SDL_Init(kInitEverything) < 0) return false;
    request = SDL_AudioSpec{};
    request.freq = SDLSND_RATE;
    request.format = AUDIO_S16LSB;
    request.channels = 1;
    request.samples = SDLSND_DEVICE_VALUES;
    request.callback = SDLEDGEAudioCallback;
    request.userdata = userdata;
    // No obtained format: the library converts to whatever the device needs.
    // The device opens paused.
    return SDL_OpenAudio(&request, nullptr) >= 0;
}

void EDGEAudioPause(bool pause) { SDL_PauseAudio(pause ? 1 : 0); }

void EDGEAudioLock() { SDL_LockAudio(); }

void EDGEAudioUnlock() { SDL_UnlockAudio(); }

void EDGEAudioClose() { SDL_CloseAudio(); }
