// Shared set-up of the SDL backend tests: headless drivers, the display, and
// reading the screen back.
#pragma once
#include <SDL/SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdldpy.h"

// Headless drivers, set before anything starts the library (CTest sets them
// too; a run by hand must not fall back to a real window or sound card).
inline const bool kDummyDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

// The display instance, created (256 x 256) when there is none.
inline SDLDPY* TestDisplay() {
    SDLDPY* dpy = SDLDPYInstance();
    return dpy != nullptr ? dpy : SDLDPYNew();
}

// A surface's pixel at (x, y) as stored, in the surface's own format.
inline uint32_t RawPixel(SDL_Surface* s, int x, int y) {
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch +
                       x * s->format->BytesPerPixel;
    uint32_t raw = 0;
    switch (s->format->BytesPerPixel) {
        case 1: raw = *p; break;
        case 2: raw = *reinterpret_cast<const uint16_t*>(p); break;
        case 3: raw = p[0] | (p[1] << 8) | (p[2] << 16); break;
        default: raw = *reinterpret_cast<const uint32_t*>(p); break;
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return raw;
}

// A surface's pixel at (x, y) as 0x00RRGGBB, whatever the surface's format.
inline uint32_t SurfacePixel(SDL_Surface* s, int x, int y) {
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(RawPixel(s, x, y), s->format, &r, &g, &b);
    return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

inline uint32_t ScreenPixel(int x, int y) { return SurfacePixel(SDL_GetVideoSurface(), x, y); }

// The screen's top-left w x h corner as rows of characters: each colour is
// looked up in `legend` (pairs of colour and character), '?' for any other.
inline std::vector<std::string> ScreenCorner(int w, int h,
                                             const std::vector<std::pair<uint32_t, char>>& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            char c = '?';
            for (const auto& [colour, ch] : legend) {
                if (ScreenPixel(x, y) == colour) c = ch;
            }
            row += c;
        }
        rows.push_back(row);
    }
    return rows;
}
