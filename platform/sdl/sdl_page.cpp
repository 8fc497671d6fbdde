// sdl_page.cpp: what the SDL backend does differently when it runs in a web page
// (built by Emscripten over its own SDL 1.2), and the copy to a screen whose
// pixels are bytes R, G, B, A, which is the page's.
//
// In a page the program shares one thread with the browser, which needs it to
// show the canvas, deliver key events and feed the sound device. The program
// is built with Asyncify, so a sleep unwinds to the browser and resumes where
// it was. Two rules keep the page alive:
// - the frame wait sleeps that way (SDLEDGESleep), which gives the page a turn
//   once per frame while the demo keeps its rate;
// - a presentation first lets the page show the previous one if the page has
//   had no turn since (SDLEDGEShowPrevious): frames that overran their time and
//   did not wait, and the 32 presentations of a fade-out, are all shown, and
//   the page never freezes.
// The audio callback runs on that same thread, between turns, so the library's
// audio lock is a no-op there; it is Emscripten's own SDL_LockAudio.
// While the page is hidden, a turn does not end: the program waits, its clock
// and its sound paused, until the page is shown (sdl_page_pause.js).
// Natively a sleep is SDL_Delay and nothing else changes.
//
// The page's canvas keeps the picture's own 256 x 256 pixels, and the page
// enlarges it with CSS; the window fitting of sdl_scale.cpp stands aside there.
#include <cstddef>

#include "platform/sdl/sdl_backend.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

#ifdef __EMSCRIPTEN__
// sdl_page_pause.js: returns at once while the page is shown; while it is
// hidden, unwinds to the browser until it is shown again.
extern "C" void SDLEDGEHoldWhileHidden();

namespace {
// Whether the page has had a turn since the last presentation.
constinit bool pageHadTurn = true;

// Gives the page a turn of at least ms, and the whole time it is hidden.
void PageTurn(uint32_t ms) {
    emscripten_sleep(ms);
    SDLEDGEHoldWhileHidden();
    pageHadTurn = true;
}
}  // namespace
#endif

bool SDLEDGEInPage() {
#ifdef __EMSCRIPTEN__
    return true;
#else
    return false;
#endif
}

void SDLEDGESleep(uint32_t ms) {
#ifdef __EMSCRIPTEN__
    PageTurn(ms);
#else
    SDL_Delay(ms);
#endif
}

void SDLEDGEShowPrevious() {
#ifdef __EMSCRIPTEN__
    if (!pageHadTurn) PageTurn(0);
    pageHadTurn = false;
#endif
}

bool SDLEDGEIsRGBA32(const SDL_Surface* surface) {
    const SDL_PixelFormat* f = surface != nullptr ? surface->format : nullptr;
    return f != nullptr && f->BitsPerPixel == 32 && f->Rmask == 0x000000FFu &&
           f->Gmask == 0x0000FF00u && f->Bmask == 0x00FF0000u;
}

void SDLEDGECopyRowsRGBA(SDL_Surface* surface, const uint32_t* pixels, int32_t width,
                         int32_t height, int32_t pitch) {
    // The page's screen has its pixel store only while locked, and the lock and
    // unlock are what move it to the canvas: always lock.
    if (SDL_LockSurface(surface) < 0) return;
    auto* rows = static_cast<uint8_t*>(surface->pixels);
    if (rows != nullptr) {
        for (int32_t y = 0; y < height; ++y) {
            auto* out = reinterpret_cast<uint32_t*>(rows + static_cast<size_t>(y) * surface->pitch);
            const uint32_t* in = pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch);
            int32_t x = 0;
#if defined(__wasm_simd128__)
            // Four pixels a step: bytes B, G, R, 0 reordered to R, G, B, then A set.
            const v128_t opaque = wasm_i32x4_splat(static_cast<int32_t>(0xFF000000u));
            for (; x + 4 <= width; x += 4) {
                const v128_t p = wasm_v128_load(in + x);
                const v128_t swapped = wasm_i8x16_shuffle(p, p, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8,
                                                          11, 14, 13, 12, 15);
                wasm_v128_store(out + x, wasm_v128_or(swapped, opaque));
            }
#endif
            for (; x < width; ++x) {
                // 0x00RRGGBB to bytes R, G, B, A (little-endian 0xAABBGGRR), opaque.
                const uint32_t p = in[x];
                out[x] = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
            }
        }
    }
    SDL_UnlockSurface(surface);
}
