// moxa7730.cpp: start-up, the scene loop's common layers and the key commands.
#include "demo/moxa7730.h"

#include <cstdio>
#include <cstdlib>

#include "core/list.h"
#include "core/report.h"
#include "core/rng.h"
#include "effects/raster.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe.h"
#include "platform/fps.h"
#include "platform/sdldpy.h"
#include "platform/sdlkbd.h"
#include "platform/sdlsnd.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "text/cursorx.h"
#include "text/lscroll.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/sine.h"
#include "vector/texts.h"
#include "vector/vec2d.h"

const char* const MOXA7730_IDENTITY[8] = {
    "MOXA7730", "20120707", "Vaskoril", "C       ", "PROGRAM ",
    "MOXA    ", "7730    ", "256x256 ",
};

namespace {
constexpr bool kReport = false;
void MOXA7730Error() { REPORTError("MOXA7730 Error.\n", kReport); }

// The word the title layer bounces, one letter after another.
constexpr char kTitle[] = "MOXA";
constexpr int32_t kTitleLetters = 4;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "MOXA7730: %s\n", what);
    std::exit(1);
}

// A line-font writer over a parsed glyph list: cell size, glyphs and image.
LFONT* NewWriter(LIST* glyphs, int32_t cell, IMG* image) {
    LFONT* writer = LFONTNew();
    if (writer == nullptr) return nullptr;
    writer->cellSize->x = cell;
    writer->cellSize->y = cell;
    writer->glyphs = glyphs;
    writer->image = image;
    return writer;
}

// Keys u and i: the first scroller's speed, one pixel per step more or less
// (wrapping rather than overflowing, however long a key is hammered).
void ChangeFirstScrollerSpeed(int32_t delta) {
    if (scrollers[0] == nullptr) return;
    scrollers[0]->speed = static_cast<int32_t>(static_cast<uint32_t>(scrollers[0]->speed) +
                                               static_cast<uint32_t>(delta));
}

IMG* NewScreenImage(int32_t width, int32_t height) {
    IMG* img = IMGNew();
    IMGSetSize(img, width, height);
    return img;
}

}  // namespace

// Information overlay: the measured rate and the frame counter, top left.
void MOXA7730DrawOverlay() {
    if ((infoFlags & 1) == 0 || writer16 == nullptr) return;
    writer16->scale->x = 1;
    writer16->scale->y = 1;
    writer16->angle = 0;
    writer16->image = imgWork;
    writer16->position->x = 0;
    writer16->position->y = 0;
    LFONTDrawHex8(writer16, fpsMeasured & 0xFF);
    writer16->position->x = 0;
    writer16->position->y = 16;
    LFONTDrawHex32(writer16, frameCount);
}

// The bouncing title: each letter in its own palette colour, bouncing on the
// bottom edge with its top between y = 209 and 240, 32 sine steps behind the
// letter before it.
void MOXA7730DrawTitle() {
    // A palette that could not grow to its full length (start-up keeps the
    // 32-entry one then) has no entry for most frames: no title.
    if (writer16 == nullptr || palette == nullptr || palette->values == nullptr ||
        palette->length < PALETTE_SIZE) {
        return;
    }
    writer16->angle = 0;
    writer16->scale->x = 1;
    writer16->scale->y = 1;
    // Each letter drawn as if the font had its colour; the font takes the
    // last letter's colour once, as recolouring it before every letter would
    // leave it.
    const uint32_t f = static_cast<uint32_t>(frameCount);
    uint32_t colour = 0;
    for (int32_t k = 0; k < kTitleLetters; ++k) {
        const uint32_t entry = (f + 192u - 64u * static_cast<uint32_t>(k)) % PALETTE_SIZE;
        colour = static_cast<uint32_t>(palette->values[entry]);
        const uint32_t phase = (17u * f + 96u - 32u * static_cast<uint32_t>(k)) & 511u;
        writer16->position->x = SCREEN_W - 64 + 16 * k;
        writer16->position->y = SCREEN_H - (SINE_TABLE[phase] >> 10) - 16;
        LFONTDrawCycleInColour(writer16, kTitle + k, 1, 0, 1, colour);
    }
    LFONTSetColor(writer16, colour);
}

// Compose and present: glow and blur passes (copies while off), then the fade
// or clear that leaves the next frame's background. With both passes on,
// they and the fade run as one walk over the rows (the same pixels in all
// three images); a fade of white is the clear.
void MOXA7730ComposeAndPresent() {
    if ((glowOn & 1) != 0 && (blurOn & 1) != 0) {
        IMGFXGlowBlurFade(imgWork, imgGlow, imgOut, 3, (fadeOn & 1) != 0 ? fadeColour : 0xFFFFFFu);
        SDLDPYPresent(dpy, imgOut);
        return;
    }
    if ((glowOn & 1) != 0) {
        IMGFXGlow5(imgWork, imgGlow, 3);
    } else {
        IMGCopy(imgWork, imgGlow);
    }
    if ((blurOn & 1) != 0) {
        IMGFXBlur5(imgGlow, imgOut);
    } else {
        IMGCopy(imgGlow, imgOut);
    }
    SDLDPYPresent(dpy, ((glowOn | blurOn) & 1) != 0 ? imgOut : imgWork);
    if ((fadeOn & 1) != 0) {
        IMGSubtract(imgWork, fadeColour);
    } else {
        IMGClear(imgWork);
    }
}

// [SECTION] Objects of the run
SDLDPY* dpy = nullptr;
SDLKBD* kbd = nullptr;
SDLSND* snd = nullptr;
IMG* imgWork = nullptr;
IMG* imgGlow = nullptr;
IMG* imgOut = nullptr;
LIST* font8 = nullptr;
LFONT* writer8 = nullptr;
LIST* font16 = nullptr;
LFONT* writer16 = nullptr;
LIST* shapes = nullptr;
LFONT* shapeWriter = nullptr;
MUSIC* music = nullptr;
SAMPLE* palette = nullptr;
CURSORX* barCursor = nullptr;
RASTER* barRaster = nullptr;
LSCROLL* scrollers[SCROLLER_COUNT] = {};
uint32_t fadeColour = 0x00010101u;

uint8_t runFlags = 0;
uint8_t fadeOn = 1;
uint8_t blurOn = 0;
uint8_t glowOn = 0;
uint8_t radialsOn = 0;
uint8_t infoFlags = 0;
uint8_t overlayFlags = 1;
uint8_t spare1 = 1;
uint8_t spare2 = 1;
uint8_t spare4 = 3;

void MOXA7730StartUp() {
    dpy = SDLDPYNew();
    if (dpy == nullptr || dpy->width == 0) Fail("cannot open the 256 x 256 display");
    kbd = SDLKBDNew();
    if (kbd == nullptr) Fail("cannot set up the keyboard");
    snd = SDLSNDNew();  // null without an audio device: the demo runs silent
    SDLDPYOpen(dpy, SCREEN_W, SCREEN_H);
    if (dpy->width == 0) Fail("cannot open the 256 x 256 display");

    imgWork = NewScreenImage(dpy->width, dpy->height);
    imgGlow = NewScreenImage(SCREEN_W, SCREEN_H);
    imgOut = NewScreenImage(SCREEN_W, SCREEN_H);
    if (imgWork == nullptr || imgGlow == nullptr || imgOut == nullptr) Fail("out of memory");

    RNGSeed(RNG_DEMO_SEED);

    barCursor = CURSORXNew();
    barRaster = RASTERNew();
    RASTERSetSize(barRaster, imgWork->width);

    font8 = OBJ2DListFromASCII(FONT8_TEXT);
    writer8 = NewWriter(font8, 8, imgWork);
    font16 = OBJ2DListFromASCII(FONT16_TEXT);
    writer16 = NewWriter(font16, 16, imgWork);

    // The rows of the scroller wall; LSCROLLSet puts a scroller at y = 0, so
    // the row's y is written after it.
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        LSCROLL* row = LSCROLLNew();
        LSCROLLSet(row, scrollText, writer8, imgWork);
        if (row != nullptr) {
            row->speed = SCROLLER_SPEED;
            row->y = 8 * i;
        }
        scrollers[i] = row;
    }
    shapes = OBJ2DListFromASCII(OBJLIB_TEXT);
    shapeWriter = NewWriter(shapes, 16, nullptr);

    MOXA7730BuildSoundBank();
    frameRate = 25;
    MOXA7730BuildPalette();
}

void MOXA7730FadeOut() {
    for (int32_t pass = 0; pass < FADE_OUT_PASSES; ++pass) {
        IMGSubtract(imgWork, FADE_OUT_COLOUR);
        SDLDPYPresent(dpy, imgWork);
    }
}

void MOXA7730Quit() {
    runFlags |= RUN_QUIT;
    MOXA7730FadeOut();
    std::exit(0);
}

void MOXA7730HandleKey(int8_t code) {
    switch (code) {
        case 27:   // Escape (also the window's close request)
        case 81:   // Q
        case 113:  // q
            MOXA7730Quit();
            break;
        case 32: runFlags |= RUN_NEXT_SCENE; break;
        case 49: spare1 ^= 1; break;
        case 50: spare2 ^= 1; break;
        case 51: overlayFlags ^= 1; break;
        case 52: spare4 ^= 1; break;
        case 53: frameRate = 25; break;
        case 54: frameRate = 50; break;
        case 55: overlayFlags ^= 4; break;
        case 56: infoFlags ^= 1; break;
        case 57: infoFlags ^= 2; break;
        case 98: blurOn ^= 1; break;
        case 103: glowOn ^= 1; break;
        case 105: ChangeFirstScrollerSpeed(-1); break;  // i
        case 109: fadeOn ^= 1; break;
        case 114: radialsOn ^= 1; break;
        case 117: ChangeFirstScrollerSpeed(1); break;   // u
        default: break;  // 0 and every other code do nothing
    }
}

void MOXA7730Pace() {
    FPSTick();
    FPSWait();
}

void MOXA7730CommonLayers() {
    MOXA7730Pace();
    MOXA7730DrawOverlay();
    MOXA7730DrawTitle();
    MOXA7730ComposeAndPresent();
    MOXA7730MusicStep();
    MOXA7730PollKeys();
}

void MOXA7730PollKeys() {
    if (kbd == nullptr) {
        MOXA7730Error();
        return;
    }
    SDLKBDGetKey(kbd);
    MOXA7730HandleKey(static_cast<int8_t>(kbd->keys[0]));
    kbd->keys[0] = 0;
}

bool MOXA7730SceneShouldEnd() {
    if ((runFlags & RUN_NEXT_SCENE) == 0) return false;
    runFlags = static_cast<uint8_t>(runFlags & ~RUN_NEXT_SCENE);
    return true;
}

int MOXA7730Main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    MOXA7730StartUp();
    for (;;) {
        MOXA7730SceneA();
        MOXA7730SceneB();
        MOXA7730SceneC();
        MOXA7730SceneD();
        if ((RNGDraw() & 0x1FF) == 0) MOXA7730SceneE();  // one chance in 512
    }
}
