// The device edge over SDL 1.2: video, events and the clock, audio, and the
// library's shutdown. One file, so that the entry's reference to it brings the
// whole backend into a program whatever order the libraries are linked in.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/edge.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdlsnd.h"

// [SECTION] Shutdown, events and the clock

namespace {
constinit bool quitRegistered = false;
constexpr unsigned kShutdownSeconds = 3;

// The status the watchdog ends the process with: the one the way out chose.
volatile std::sig_atomic_t watchdogStatus = 0;

extern "C" void WatchdogFired(int /*signal*/) { _exit(watchdogStatus); }

// Shuts the library down on the way out (which also gives back a full-screen
// mode). When the way out is the display's own death (the X library exits the
// process once its server has gone), the shutdown would wait on the dead
// server for ever; the watchdog ends the process if it takes that long.
void QuitLibrary(int status) {
    SDLEDGEArmWatchdog(kShutdownSeconds, status);
    SDL_Quit();
    SDLEDGEDisarmWatchdog();
}

#if defined(__GLIBC__)
// glibc hands the exit status to handlers registered this way.
void QuitLibraryWithStatus(int status, void* /*unused*/) { QuitLibrary(status); }
bool RegisterQuit() { return on_exit(QuitLibraryWithStatus, nullptr) == 0; }
#else
void QuitLibraryAtExit() { QuitLibrary(0); }  // the status is not known here
bool RegisterQuit() { return std::atexit(QuitLibraryAtExit) == 0; }
#endif
}  // namespace

void SDLEDGEQuitAtExit() {
    if (quitRegistered) return;
    quitRegistered = RegisterQuit();
}

void SDLEDGEArmWatchdog(unsigned seconds, int status) {
    // What the program has written so far reaches its files now: the watchdog
    // leaves without the exit path's flushing.
    std::fflush(nullptr);
    watchdogStatus = status;
    // Installed every time, so that an ignored SIGALRM inherited from the
    // parent (or a handler set since) cannot disable it.
    struct sigaction action {};
    action.sa_handler = WatchdogFired;
    sigemptyset(&action.sa_mask);
    sigaction(SIGALRM, &action, nullptr);
    alarm(seconds);
}

void SDLEDGEDisarmWatchdog() { alarm(0); }

bool EDGEPollEvent(EDGEEvent* event) {
    if (event == nullptr) return false;
    SDL_Event e;
    if (SDL_PollEvent(&e) == 0) return false;
    switch (e.type) {
        case SDL_KEYDOWN:
            *event = EDGEEvent{EDGE_EVENT_KEY_DOWN, static_cast<int32_t>(e.key.keysym.sym)};
            break;
        case SDL_KEYUP:
            *event = EDGEEvent{EDGE_EVENT_KEY_UP, static_cast<int32_t>(e.key.keysym.sym)};
            break;
        case SDL_QUIT:  // the close button, SIGINT and SIGTERM
            *event = EDGEEvent{EDGE_EVENT_QUIT, 0};
            break;
        default:
            *event = EDGEEvent{EDGE_EVENT_OTHER, 0};
            break;
    }
    return true;
}

uint32_t EDGETicks() { return SDL_GetTicks(); }

void EDGEDelay(uint32_t ms) { SDLEDGESleep(ms); }

// [SECTION] Video

namespace {
constexpr const char* kCaption = "MOXA7730";  // window title and icon title
constexpr int32_t kMaxPitchBytes = 0xFFFF;   // SDL 1.2 keeps a surface's pitch in 16 bits

// The screen of the open mode; the library owns it. Null while none is held.
constinit SDL_Surface* screen = nullptr;

// The window's icon (SDLEDGESetIcon): owned pixels, and the surface over them
// made at the first mode that shows it, kept for the run.
constexpr int32_t kMaxIconSide = 1024;
constinit uint32_t* iconPixels = nullptr;
constinit int32_t iconSide[2] = {0, 0};
constinit SDL_Surface* iconSurface = nullptr;

void ForgetIcon() {
    if (iconSurface != nullptr) SDL_FreeSurface(iconSurface);
    iconSurface = nullptr;
    std::free(iconPixels);
    iconPixels = nullptr;
    iconSide[0] = iconSide[1] = 0;
}

// Before a mode is set: the library takes the icon only then.
void ShowIcon() {
    if (iconPixels == nullptr) return;
    if (iconSurface == nullptr) {
        iconSurface = SDL_CreateRGBSurfaceFrom(iconPixels, iconSide[0], iconSide[1], 32,
                                               iconSide[0] * 4, 0x00FF0000u, 0x0000FF00u,
                                               0x000000FFu, 0);
    }
    if (iconSurface != nullptr) SDL_WM_SetIcon(iconSurface, nullptr);
}

bool IsPlain32(const SDL_Surface* surface) {
    const SDL_PixelFormat* f = surface->format;
    return f != nullptr && f->BitsPerPixel == 32 && f->Rmask == 0x00FF0000u &&
           f->Gmask == 0x0000FF00u && f->Bmask == 0x000000FFu && f->Amask == 0;
}

void CopyRows(SDL_Surface* surface, const uint32_t* pixels, int32_t width, int32_t height,
              int32_t pitch) {
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) < 0) return;
    auto* rows = static_cast<uint8_t*>(surface->pixels);
    if (rows != nullptr) {
        for (int32_t y = 0; y < height; ++y) {
            std::memcpy(rows + static_cast<size_t>(y) * surface->pitch,
                        pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch),
                        static_cast<size_t>(width) * 4);
        }
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

// Blits from temporary surfaces that borrow the pixels (no copy); the library
// converts to the surface's format and drops the unused top byte, so the result
// is opaque. A pitch too wide for a surface is taken one row at a time.
void BlitRows(SDL_Surface* surface, const uint32_t* pixels, int32_t width, int32_t height,
              int32_t pitch) {
    const int64_t pitchBytes = static_cast<int64_t>(pitch) * 4;
    const int32_t band = pitchBytes <= kMaxPitchBytes ? height : 1;
    for (int32_t y = 0; y < height; y += band) {
        const int32_t rows = band < height - y ? band : height - y;
        const int32_t rowBytes = rows > 1 ? static_cast<int32_t>(pitchBytes) : width * 4;
        const uint32_t* first = pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch);
        SDL_Surface* borrowed =
            SDL_CreateRGBSurfaceFrom(const_cast<uint32_t*>(first), width, rows, 32, rowBytes,
                                     0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
        if (borrowed == nullptr) return;
        SDL_Rect at{0, static_cast<Sint16>(y), static_cast<Uint16>(width), static_cast<Uint16>(rows)};
        SDL_UpperBlit(borrowed, nullptr, surface, &at);
        SDL_FreeSurface(borrowed);
    }
}
}  // namespace

void SDLEDGEDraw(SDL_Surface* surface, const uint32_t* pixels, int32_t width, int32_t height,
                 int32_t pitch) {
    if (surface == nullptr || pixels == nullptr || width <= 0 || height <= 0 || pitch < width) return;
    if (width > surface->w) width = surface->w;
    if (height > surface->h) height = surface->h;
    if (width <= 0 || height <= 0) return;
    if (IsPlain32(surface)) {
        CopyRows(surface, pixels, width, height, pitch);
    } else if (SDLEDGEIsRGBA32(surface)) {
        SDLEDGECopyRowsRGBA(surface, pixels, width, height, pitch);
    } else {
        BlitRows(surface, pixels, width, height, pitch);
    }
}

bool SDLEDGESetIcon(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch) {
    ForgetIcon();
    if (pixels == nullptr || width < 1 || height < 1 || width > kMaxIconSide ||
        height > kMaxIconSide || pitch < width) {
        return false;
    }
    iconPixels = static_cast<uint32_t*>(std::malloc(static_cast<size_t>(width) * height * 4));
    if (iconPixels == nullptr) return false;
    for (int32_t y = 0; y < height; ++y) {
        std::memcpy(iconPixels + static_cast<size_t>(y) * width,
                    pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch),
                    static_cast<size_t>(width) * 4);
    }
    iconSide[0] = width;
    iconSide[1] = height;
    return true;
}

bool EDGEVideoOpen(int32_t width, int32_t height, uint32_t flags, int32_t* depth,
                   bool* doubleBuffered) {
    screen = nullptr;
    SDLEDGEQuitAtExit();
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) < 0) return false;
    SDLEDGEFitToDesktop();  // the desktop is known now, and no mode is set yet
    ShowIcon();
    screen = SDL_SetVideoMode(width, height, 0, flags);
    if (screen == nullptr) return false;
    SDL_WM_SetCaption(kCaption, kCaption);
    if (depth != nullptr) *depth = screen->format != nullptr ? screen->format->BitsPerPixel : 0;
    if (doubleBuffered != nullptr) *doubleBuffered = (screen->flags & SDL_DOUBLEBUF) != 0;
    return true;
}

void EDGEVideoPresent(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch) {
    if (screen == nullptr) return;
    SDLEDGEShowPrevious();
    SDLEDGEDraw(screen, pixels, width, height, pitch);
    if ((screen->flags & SDL_DOUBLEBUF) != 0) {
        SDL_Flip(screen);
    } else {
        SDL_UpdateRect(screen, 0, 0, 0, 0);  // the whole screen
    }
}

// The screen surface belongs to the library (freeing it is a no-op there); the
// mode itself stays until the library shuts down.
void EDGEVideoClose() { screen = nullptr; }

// [SECTION] Audio

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
