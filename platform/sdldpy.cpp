#include "platform/sdldpy.h"

#include <cstdlib>

#include "core/report.h"
#include "platform/edge.h"

const char* const SDLDPY_IDENTITY[4] = {"SDLDPY  ", "20100924", "Vaskoril", "C SDL   "};

namespace {
constexpr bool kReport = false;  // compiled out: failures are only counted
void SDLDPYError() { REPORTError("SDLDPY error\n", kReport); }

// Module state beside the record. The screen itself is held by the backend.
constinit SDLDPY* instance = nullptr;
constinit bool doubleBuffered = false;
constinit uint32_t modeFlags = 0;  // the flag word of the last mode request

bool IsInstance(const SDLDPY* dpy) { return dpy != nullptr && dpy == instance; }

// The checks every presentation shares: the instance and an image with pixels.
bool CanPresent(const SDLDPY* dpy, const IMG* img) {
    if (!IsInstance(dpy) || img == nullptr || img->pixels == nullptr || img->width < 0 ||
        img->height < 0) {
        SDLDPYError();
        return false;
    }
    return true;
}

// Shows the top-left corner of img, clipped to the display.
void PresentClipped(const SDLDPY* dpy, const IMG* img) {
    const int32_t w = img->width < dpy->width ? img->width : dpy->width;
    const int32_t h = img->height < dpy->height ? img->height : dpy->height;
    EDGEVideoPresent(img->pixels, w < 0 ? 0 : w, h < 0 ? 0 : h, img->width);
}

// PresentDirect and PresentCopy show only an image of exactly the display's size.
bool SameSize(const SDLDPY* dpy, const IMG* img) {
    if (img->width != dpy->width || img->height != dpy->height) {
        SDLDPYError();
        return false;
    }
    return true;
}
}  // namespace

SDLDPY* SDLDPYNew() {
    if (instance != nullptr) {
        SDLDPYError();  // a second display is never made
        return instance;
    }
    auto* dpy = static_cast<SDLDPY*>(REPORTZeroAlloc(1, sizeof(SDLDPY)));
    if (dpy == nullptr) {
        SDLDPYError();
        return nullptr;
    }
    instance = dpy;
    SDLDPYOpen(dpy, SDLDPY_DEFAULT_SIZE, SDLDPY_DEFAULT_SIZE);  // the instance even if this fails
    return dpy;
}

void SDLDPYFree(SDLDPY** ref) {
    if (ref == nullptr || !IsInstance(*ref)) {
        SDLDPYError();
        return;
    }
    EDGEVideoClose();
    doubleBuffered = false;
    std::free(instance);
    instance = nullptr;
    *ref = nullptr;
}

const char* SDLDPYToASCII(const SDLDPY* dpy) {
    if (!IsInstance(dpy)) {
        SDLDPYError();
        return nullptr;
    }
    return "";
}

SDLDPY* SDLDPYFromASCII(const char* text) {
    if (text == nullptr) SDLDPYError();
    return nullptr;
}

bool SDLDPYEqual(const SDLDPY* a, const SDLDPY* b) {
    if (a == nullptr || b == nullptr) {
        SDLDPYError();
        return false;
    }
    return IsInstance(a) && IsInstance(b);
}

SDLDPY* SDLDPYCopy(const SDLDPY* dpy) {
    if (!IsInstance(dpy)) {
        SDLDPYError();
        return nullptr;
    }
    return instance;
}

SDLDPY* SDLDPYInstance() { return instance; }

bool SDLDPYIsDoubleBuffered() { return instance != nullptr && doubleBuffered; }

bool SDLDPYOpen(SDLDPY* dpy, int32_t width, int32_t height) {
    if (!IsInstance(dpy) || width < 0 || height < 0) {
        SDLDPYError();
        return false;
    }
    EDGEVideoClose();  // the former screen is the library's; forget it first
    doubleBuffered = false;
    modeFlags = SDLDPY_MODE_FLAGS;
    int32_t depth = 0;
    bool flip = false;
    if (!EDGEVideoOpen(width, height, modeFlags, &depth, &flip)) {
        // No screen is held any more: the record says so (0 x 0), so that a
        // caller checking the size sees the failure instead of the former mode.
        SDLDPYError();
        dpy->width = 0;
        dpy->height = 0;
        dpy->depth = 0;
        return false;
    }
    dpy->width = width;
    dpy->height = height;
    dpy->depth = depth;
    doubleBuffered = flip;
    return true;
}

void SDLDPYPresent(SDLDPY* dpy, const IMG* img) {
    if (!CanPresent(dpy, img)) return;
    PresentClipped(dpy, img);
}

// The image's pixel array is never lent to the screen: a screen whose pixel
// reference is swapped is not shown by every media library, so all three
// presentations hand the pixels to the same device path.
void SDLDPYPresentDirect(SDLDPY* dpy, const IMG* img) {
    if (!CanPresent(dpy, img) || !SameSize(dpy, img)) return;
    PresentClipped(dpy, img);
}

void SDLDPYPresentCopy(SDLDPY* dpy, const IMG* img) {
    if (!CanPresent(dpy, img) || !SameSize(dpy, img)) return;
    PresentClipped(dpy, img);
}
