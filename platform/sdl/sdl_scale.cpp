// sdl_scale.cpp: fitting the 256 x 256 picture to today's screens.
//
// The demo draws 256 x 256 and nothing else changes: the media library
// enlarges the window (or fills the full screen) itself, told through its
// SDL12COMPAT_WINDOW_SCALING and SDL12COMPAT_SCALE_METHOD settings, set in the
// environment only where the user has not set them already. The library reads
// them when a mode is set: the method and a chosen factor are in place before
// its video part starts, a factor that depends on the desktop just after.
#include <cstdio>
#include <cstdlib>

#include "platform/sdl/sdl_backend.h"

namespace {
constexpr int32_t kPictureSide = 256;     // what the demo draws
constexpr int32_t kMaxScale = 16;         // a 4096-pixel window is enough for any screen
constexpr const char* kScaleSetting = "MOXA7730_SCALE";
constexpr const char* kLibraryScaling = "SDL12COMPAT_WINDOW_SCALING";
constexpr const char* kLibraryMethod = "SDL12COMPAT_SCALE_METHOD";

// A window whose factor the desktop decides: set once the library's video
// part is up (it knows the desktop then) and before the first mode is set
// (which reads the setting). Starting the video part just to ask, and shutting
// it down again, leaves the library unable to set a mode now and then.
constinit bool fitPending = false;
}  // namespace

int32_t SDLEDGEParseScale(const char* text) {
    if (text == nullptr || *text == '\0') return 0;
    int32_t value = 0;
    for (const char* p = text; *p != '\0'; p++) {
        if (*p < '0' || *p > '9') return 0;
        value = value * 10 + (*p - '0');
        if (value > kMaxScale) return 0;
    }
    return value >= 1 ? value : 0;
}

int32_t SDLEDGEScaleFactor(int32_t desktopWidth, int32_t desktopHeight) {
    // Within three quarters of the desktop's height (and of its width, for a
    // screen turned upright): side * factor <= 3/4 * extent, in 64-bit.
    const int64_t extent = desktopWidth < desktopHeight ? desktopWidth : desktopHeight;
    if (extent <= 0) return 1;
    const int64_t factor = extent * 3 / (4 * kPictureSide);
    if (factor < 1) return 1;
    return factor > kMaxScale ? kMaxScale : static_cast<int32_t>(factor);
}

void SDLEDGEFitWindow(uint32_t modeFlags) {
    fitPending = false;
    // A web page's canvas stays 256 x 256 and the page enlarges it with CSS:
    // nothing to set, and no desktop to ask (the page's library would answer
    // with the canvas's size, from a block it allocates for every question).
    if (SDLEDGEInPage()) return;
    // Sharp pixels, full-screen or windowed.
    if (std::getenv(kLibraryMethod) == nullptr) setenv(kLibraryMethod, "nearest", 1);
    if ((modeFlags & SDL_FULLSCREEN) != 0 || std::getenv(kLibraryScaling) != nullptr) return;

    const char* setting = std::getenv(kScaleSetting);
    const int32_t factor = SDLEDGEParseScale(setting);
    if (setting != nullptr && factor == 0) {
        std::fprintf(stderr, "MOXA7730: %s must be a whole number from 1 to %d; ignored\n",
                     kScaleSetting, static_cast<int>(kMaxScale));
    }
    if (factor == 0) {
        fitPending = true;  // SDLEDGEFitToDesktop decides
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(factor));
    setenv(kLibraryScaling, text, 1);
}

void SDLEDGEFitToDesktop() {
    if (!fitPending || SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
    fitPending = false;
    if (std::getenv(kLibraryScaling) != nullptr) return;  // set meanwhile: kept
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info == nullptr || info->current_w <= 0 || info->current_h <= 0) return;
    char text[16];
    std::snprintf(text, sizeof text, "%d",
                  static_cast<int>(SDLEDGEScaleFactor(info->current_w, info->current_h)));
    setenv(kLibraryScaling, text, 1);
}
