// The process entry of the SDL programs. On this platform the media library
// has no start-up glue of its own, so main hands over to the demo directly,
// after arranging for the library to shut down on every way out (which also
// gives back a full-screen mode), and for the picture to be enlarged to fit
// the screen.
#include "platform/entry.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdldpy.h"

int main(int argc, char** argv) {
    SDLEDGEQuitAtExit();
    SDLEDGEFitWindow(SDLDPY_MODE_FLAGS);
    return MOXA7730Main(argc, argv);
}
