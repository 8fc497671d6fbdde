// The process entry of the SDL programs. On this platform the media library
// has no start-up glue of its own, so main hands over to the demo directly,
// after arranging for the library to shut down on every way out (which also
// gives back a full-screen mode).
#include "platform/entry.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv) {
    SDLEDGEQuitAtExit();
    return MOXA7730Main(argc, argv);
}
