// glow_window: opens the toolkit's 256 x 256 display, draws spiralling
// particles with fading trails and a glow pass, and ends at the first key
// (or the window's close button). An optional argument ends it after that
// many frames instead, for runs without a keyboard.
//
// usage: glow_window [FRAMES]
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <moxa7730/core/report.h>
#include <moxa7730/effects/spirals.h>
#include <moxa7730/image/img.h>
#include <moxa7730/image/imgfx.h>
#include <moxa7730/platform/fps.h>
#include <moxa7730/platform/sdldpy.h>
#include <moxa7730/platform/sdlkbd.h>

// Every program that uses the display names the mode it opens.
extern const uint32_t SDLDPY_MODE_FLAGS = SDLDPY_FLAGS_WINDOW;

int main(int argc, char** argv) {
    const long frames = argc > 1 ? std::strtol(argv[1], nullptr, 10) : -1;  // -1: until a key

    // Create: the display (it opens a 256 x 256 mode), then the keyboard,
    // which needs a display, two images and the effect.
    SDLDPY* dpy = SDLDPYNew();
    if (dpy == nullptr || dpy->width == 0) {
        std::fputs("glow_window: cannot open the display\n", stderr);
        return 1;
    }
    SDLKBD* kbd = SDLKBDNew();
    IMG* trails = IMGNew();  // what the particles leave, fading a little each frame
    IMG* shown = IMGNew();   // trails with the glow, as presented
    SPIRALS* spirals = SPIRALSNew();
    int status = 0;
    if (kbd == nullptr || trails == nullptr || shown == nullptr || spirals == nullptr) {
        std::fputs("glow_window: out of memory\n", stderr);
        status = 1;
    } else {
        IMGSetSize(trails, dpy->width, dpy->height);  // black
        IMGSetSize(shown, dpy->width, dpy->height);
        spirals->image = trails;
        spirals->colour = 0x4080FFu;
        spirals->speed.x = 3;  // unequal speeds: ellipses that turn
        SPIRALSSetCount(spirals, 300);
        frameRate = 50;

        // Use: one frame per pass, paced by the frame clock.
        for (long frame = 0; frames < 0 || frame < frames; ++frame) {
            SPIRALSMove(spirals);
            SPIRALSDraw(spirals);
            IMGFXGlow5(trails, shown, 1);  // each pixel plus half its neighbours
            SDLDPYPresent(dpy, shown);
            IMGSubtract(trails, 0x0C0C0Cu);
            FPSTick();
            FPSWait();
            SDLKBDGetKey(kbd);
            if (kbd->keys[0] != 0) break;  // a key (or the close button) was pressed
        }
    }

    // Free: every object, the display last; each call clears its reference.
    SPIRALSFree(&spirals);
    IMGFree(&shown);
    IMGFree(&trails);
    SDLKBDFree(&kbd);
    SDLDPYFree(&dpy);
    // Operations refuse bad arguments without stopping the program; the
    // report counter says whether any did.
    if (status == 0 && REPORTCount() != 0) {
        std::fputs("glow_window: a toolkit call refused its arguments\n", stderr);
        status = 1;
    }
    return status;
}
