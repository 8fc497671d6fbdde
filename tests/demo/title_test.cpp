// The bouncing title of the common layers, checked at chosen frames against a
// picture composed here from the positions and colours worked out by hand;
// only the letters' shapes come from the line font. Runs on the capture
// backend after the real start-up.
#include <gtest/gtest.h>

#include <cstdint>

#include "demo/moxa7730.h"
#include "image/img.h"
#include "platform/fps.h"
#include "sound/sample.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/lfont.h"
#include "vector/vec2d.h"

namespace {
using Image = Owned<IMG, IMGFree>;

struct Letter {
    char code;
    int32_t x, y;     // the cell's top-left corner
    uint32_t colour;  // the palette entry's colour
};

void StartOnce() {
    if (dpy == nullptr) MOXA7730StartUp();
}

// One frame of the common layers at frame count `frame`, over a black work
// image that the frame's fade leaves as drawn (fade colour 0).
void RunFrameAt(int32_t frame) {
    IMGClear(imgWork);
    fadeOn = 1;
    fadeColour = 0;
    infoFlags = 0;
    glowOn = 0;
    blurOn = 0;
    frameCount = frame - 1;  // the frame pacing counts this frame first
    MOXA7730CommonLayers();
    ASSERT_EQ(frameCount, frame);
}

// The four letters drawn in order at their cells in their colours, each as
// the line font draws it at (0, 0), moved.
IMG* Expected(const Letter (&letters)[4]) {
    IMG* want = Sized(SCREEN_W, SCREEN_H);
    Image glyph(Sized(32, 32));
    IMG* const saved = writer16->image;
    for (const Letter& l : letters) {
        IMGClear(glyph.get());
        writer16->image = glyph.get();
        writer16->position->x = 0;
        writer16->position->y = 0;
        writer16->code = static_cast<unsigned char>(l.code);
        LFONTSetColor(writer16, 0xFFFFFF);
        LFONTDrawChar(writer16);
        for (int32_t y = 0; y < 32; ++y)
            for (int32_t x = 0; x < 32; ++x)
                if (IMGGetPixel(glyph.get(), x, y) != 0) IMGSetPixel(want, l.x + x, l.y + y, l.colour);
    }
    writer16->image = saved;
    return want;
}

void ExpectSame(const IMG* want, const IMG* got) {
    int32_t lit = 0;
    int32_t wrong = 0;
    for (int32_t y = 0; y < SCREEN_H; ++y) {
        for (int32_t x = 0; x < SCREEN_W; ++x) {
            const uint32_t w = IMGGetPixel(want, x, y);
            if (w != 0) ++lit;
            if (w != IMGGetPixel(got, x, y) && wrong++ < 5) {
                ADD_FAILURE() << "(" << x << ", " << y << "): want " << std::hex << w << ", got "
                              << IMGGetPixel(got, x, y);
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(lit, 4 * 8) << "every letter draws something";
}

TEST(Title, FrameAtTheLowPointOfTheFirstLetter) {
    StartOnce();
    RunFrameAt(416);
    // Phases (17 * 416 + 96 - 32k) & 511 = 0, 480, 448, 416: sines 0, 6195,
    // 12353, 18037, >> 10 = 0, 6, 12, 17, so y = 240, 234, 228, 223. Palette
    // entries 608, 544, 480, 416: blue to magenta 0x0000FF + (96 << 16) and
    // + (32 << 16), cyan to blue 0x00FFFF - 256 * 224 and - 256 * 160.
    const Letter letters[4] = {{'M', 192, 240, 0x6000FF},
                               {'O', 208, 234, 0x2000FF},
                               {'X', 224, 228, 0x001FFF},
                               {'A', 240, 223, 0x005FFF}};
    Image want(Expected(letters));
    ExpectSame(want.get(), imgWork);
}

TEST(Title, FrameAtTheHighPointOfTheFirstLetter) {
    StartOnce();
    RunFrameAt(1696);
    // Phases (17 * 1696 + 96 - 32k) & 511 = 256, 224, 192, 160: sines 32766,
    // 32137, 30273, 27245, >> 10 = 31, 31, 29, 26. Entries (1696 + 192 - 64k)
    // mod 1536 = 352, 288, 224, 160: cyan to blue at 96 and 32, then green to
    // cyan at 224 and 160.
    const Letter letters[4] = {{'M', 192, 209, 0x00FFFF - 256 * 96},
                               {'O', 208, 209, 0x00FFFF - 256 * 32},
                               {'X', 224, 211, 0x00FF00 + 224},
                               {'A', 240, 214, 0x00FF00 + 160}};
    Image want(Expected(letters));
    ExpectSame(want.get(), imgWork);
}

TEST(Title, IsLeftOutWhenThePaletteIsShort) {
    StartOnce();
    // Start-up keeps a 32-entry palette when growing it fails; the title must
    // not read past its length. Here the array behind it is full-size and
    // white, so a read past the length draws (a 32-value array would only
    // show it under the address sanitizer).
    SAMPLE* const full = palette;
    Owned<SAMPLE, SAMPLEFree> shortPalette(SAMPLENew());
    SAMPLESetLength(shortPalette.get(), PALETTE_SIZE);
    for (int32_t i = 0; i < PALETTE_SIZE; ++i) shortPalette->values[i] = 0xFFFFFF;
    SAMPLESetLength(shortPalette.get(), 32);
    palette = shortPalette.get();
    RunFrameAt(416);
    palette = full;
    Image black(Sized(SCREEN_W, SCREEN_H));
    EXPECT_TRUE(IMGEqual(black.get(), imgWork));
}

}  // namespace
