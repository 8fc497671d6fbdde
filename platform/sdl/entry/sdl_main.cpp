// The process entry of the SDL programs. On this platform the media library
// has no start-up glue of its own, so main hands over to the demo directly,
// after arranging for the library to shut down on every way out (which also
// gives back a full-screen mode), for the picture to be enlarged to fit the
// screen, and for the window to show the program's icon.
#include <cstdio>
#include <cstring>

#include "demo/icon.h"
#include "image/img.h"
#include "platform/entry.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdldpy.h"

namespace {
constexpr int32_t kIconSize = 64;

// Drawn once here, before the first mode; a page has no window icon.
void SetWindowIcon() {
    if (SDLEDGEInPage()) return;
    IMG* icon = MOXA7730DrawIcon(kIconSize);
    if (icon != nullptr) SDLEDGESetIcon(icon->pixels, icon->width, icon->height, icon->width);
    IMGFree(&icon);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        const bool fullScreen = (SDLDPY_MODE_FLAGS & SDL_FULLSCREEN) != 0;
        std::printf("%s %s\n", fullScreen ? "demo_fullscreen" : "demo_window", MOXA7730_VERSION);
        return 0;
    }
    SDLEDGEQuitAtExit();
    SDLEDGEFitWindow(SDLDPY_MODE_FLAGS);
    SetWindowIcon();
    return MOXA7730Main(argc, argv);
}
