// Events, the clock and the library's shutdown, over SDL 1.2.
#include <cstdlib>

#include "platform/edge.h"
#include "platform/sdl/sdl_backend.h"

namespace {
constinit bool quitRegistered = false;
}  // namespace

void SDLEDGEQuitAtExit() {
    if (quitRegistered) return;
    quitRegistered = std::atexit(SDL_Quit) == 0;
}

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

void EDGEDelay(uint32_t ms) { SDL_Delay(ms); }
