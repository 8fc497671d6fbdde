// The display over the SDL backend with the dummy video driver: what lands on
// the screen surface, the size checks, the singleton.
#include "platform/sdldpy.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/report.h"
#include "image/img.h"
#include "platform/sdl/sdl_backend.h"
#include "tests/platform/sdl/sdl_test_env.h"
#include "tests/support/test_support.h"

// This test program's mode flag word (a program defines it in demo/modes/).
extern const uint32_t SDLDPY_MODE_FLAGS = SDLDPY_FLAGS_WINDOW;

// The media library keeps (and, on a mode change, drops) a few small blocks of
// its own; the leak checker of a sanitizer build is told to look past them.
extern "C" const char* __lsan_default_suppressions() { return "leak:libSDL2-2.0.so\n"; }

namespace {

using Image = Owned<IMG, IMGFree>;

IMG* Filled(int32_t w, int32_t h, uint32_t colour) {
    IMG* img = IMGNew();
    IMGSetSize(img, w, h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) IMGSetPixel(img, x, y, colour);
    }
    return img;
}

constexpr uint32_t kGrey = 0x404040;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

// Paints the whole screen grey through the display.
void Background(SDLDPY* dpy) {
    Image grey(Filled(256, 256, kGrey));
    SDLDPYPresent(dpy, grey.get());
}

TEST(SdlDisplay, NewOpensTheModeWithCaptionAndDepth) {
    SDLDPY* dpy = TestDisplay();
    ASSERT_NE(dpy, nullptr);
    SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(dpy->width, 256);
    EXPECT_EQ(dpy->height, 256);
    EXPECT_EQ(screen->w, 256);
    EXPECT_EQ(screen->h, 256);
    EXPECT_EQ(dpy->depth, screen->format->BitsPerPixel);
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    ASSERT_NE(title, nullptr);
    ASSERT_NE(icon, nullptr);
    EXPECT_STREQ(title, "MOXA7730");
    EXPECT_STREQ(icon, "MOXA7730");
}

TEST(SdlDisplay, PresentShowsEveryPixelOfAFullImage) {
    SDLDPY* dpy = TestDisplay();
    Image img(Filled(256, 256, 0x010203));
    IMGSetPixel(img.get(), 0, 0, kRed);
    IMGSetPixel(img.get(), 255, 0, 0x00FF00);
    IMGSetPixel(img.get(), 0, 255, kBlue);
    IMGSetPixel(img.get(), 255, 255, 0xFFFFFF);
    IMGSetPixel(img.get(), 17, 33, 0x123456);
    SDLDPYPresent(dpy, img.get());
    EXPECT_EQ(ScreenPixel(0, 0), kRed);
    EXPECT_EQ(ScreenPixel(255, 0), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(0, 255), kBlue);
    EXPECT_EQ(ScreenPixel(255, 255), 0xFFFFFFu);
    EXPECT_EQ(ScreenPixel(17, 33), 0x123456u);
    EXPECT_EQ(ScreenPixel(18, 33), 0x010203u);
    EXPECT_EQ(ScreenPixel(128, 200), 0x010203u);
}

TEST(SdlDisplay, SmallerImageLandsTopLeftAndLeavesTheRest) {
    SDLDPY* dpy = TestDisplay();
    Background(dpy);
    Image small(Filled(4, 3, kRed));
    IMGSetPixel(small.get(), 1, 1, kBlue);
    SDLDPYPresent(dpy, small.get());
    const std::vector<std::string> want = {
        "RRRR..",
        "RBRR..",
        "RRRR..",
        "......",
        "......",
    };
    EXPECT_EQ(ScreenCorner(6, 5, {{kGrey, '.'}, {kRed, 'R'}, {kBlue, 'B'}}), want);
    EXPECT_EQ(ScreenPixel(255, 255), kGrey);
}

TEST(SdlDisplay, LargerImageShowsItsTopLeftCornerRowByRow) {
    SDLDPY* dpy = TestDisplay();
    Image big(Filled(300, 260, kGrey));
    IMGSetPixel(big.get(), 0, 1, 0xABCDEF);      // second row: rows are 300 pixels apart
    IMGSetPixel(big.get(), 255, 255, 0x112233);
    IMGSetPixel(big.get(), 256, 0, kRed);        // outside the display
    IMGSetPixel(big.get(), 0, 256, kRed);
    SDLDPYPresent(dpy, big.get());
    EXPECT_EQ(ScreenPixel(0, 1), 0xABCDEFu);
    EXPECT_EQ(ScreenPixel(255, 255), 0x112233u);
    EXPECT_EQ(ScreenPixel(1, 1), kGrey);
    EXPECT_EQ(ScreenPixel(0, 0), kGrey);
}

TEST(SdlDisplay, DirectAndCopyShowOnlyAnImageOfTheDisplaySize) {
    SDLDPY* dpy = TestDisplay();
    for (auto present : {SDLDPYPresentDirect, SDLDPYPresentCopy}) {
        Background(dpy);
        for (auto [w, h] : {std::pair{255, 256}, {256, 255}, {257, 256}, {4, 4}}) {
            Image wrong(Filled(w, h, kRed));
            const uint64_t reports = REPORTCount();
            present(dpy, wrong.get());
            EXPECT_EQ(REPORTCount(), reports + 1) << w << " x " << h;
            EXPECT_EQ(ScreenPixel(0, 0), kGrey) << w << " x " << h;
        }
        Image right(Filled(256, 256, kBlue));
        present(dpy, right.get());
        EXPECT_EQ(ScreenPixel(0, 0), kBlue);
        EXPECT_EQ(ScreenPixel(255, 255), kBlue);
    }
}

TEST(SdlDisplay, PresentationsRefuseBadArguments) {
    SDLDPY* dpy = TestDisplay();
    Background(dpy);
    Image red(Filled(256, 256, kRed));
    IMG noPixels{256, 256, nullptr};
    SDLDPY stranger{256, 256, 32};
    for (auto present : {SDLDPYPresent, SDLDPYPresentDirect, SDLDPYPresentCopy}) {
        const uint64_t reports = REPORTCount();
        present(dpy, nullptr);
        present(dpy, &noPixels);
        present(nullptr, red.get());
        present(&stranger, red.get());
        EXPECT_EQ(REPORTCount(), reports + 4);
    }
    EXPECT_EQ(ScreenPixel(0, 0), kGrey);
}

TEST(SdlDisplay, OpenChangesTheModeAndRefusesNegativeSizes) {
    SDLDPY* dpy = TestDisplay();
    SDLDPYOpen(dpy, 128, 64);
    EXPECT_EQ(dpy->width, 128);
    EXPECT_EQ(dpy->height, 64);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 128);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 64);
    // A 256 x 256 image is clipped to the smaller mode.
    Image img(Filled(256, 256, kRed));
    SDLDPYPresent(dpy, img.get());
    EXPECT_EQ(ScreenPixel(127, 63), kRed);

    const uint64_t reports = REPORTCount();
    SDLDPYOpen(dpy, -1, 64);
    SDLDPYOpen(dpy, 64, -1);
    SDLDPYOpen(nullptr, 64, 64);
    EXPECT_EQ(REPORTCount(), reports + 3);
    EXPECT_EQ(dpy->width, 128);
    EXPECT_EQ(dpy->height, 64);

    SDLDPYOpen(dpy, 256, 256);
    EXPECT_EQ(dpy->width, 256);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 256);
}

TEST(SdlDisplay, SingletonProtocol) {
    SDLDPY* dpy = TestDisplay();
    ASSERT_NE(dpy, nullptr);
    EXPECT_EQ(SDLDPYNew(), dpy);  // a second display is never made
    EXPECT_EQ(SDLDPYCopy(dpy), dpy);
    EXPECT_TRUE(SDLDPYEqual(dpy, dpy));

    SDLDPY stranger{256, 256, 32};  // same fields, but not the instance
    EXPECT_FALSE(SDLDPYEqual(dpy, &stranger));
    EXPECT_FALSE(SDLDPYEqual(&stranger, &stranger));
    EXPECT_FALSE(SDLDPYEqual(dpy, nullptr));
    EXPECT_FALSE(SDLDPYEqual(nullptr, nullptr));
    EXPECT_EQ(SDLDPYCopy(&stranger), nullptr);
    EXPECT_EQ(SDLDPYCopy(nullptr), nullptr);
    ASSERT_NE(SDLDPYToASCII(dpy), nullptr);
    EXPECT_STREQ(SDLDPYToASCII(dpy), "");
    EXPECT_EQ(SDLDPYToASCII(&stranger), nullptr);
    EXPECT_EQ(SDLDPYFromASCII(""), nullptr);
    EXPECT_EQ(SDLDPYFromASCII(nullptr), nullptr);

    // Free refuses anything but the instance.
    SDLDPY* other = &stranger;
    uint64_t reports = REPORTCount();
    SDLDPYFree(&other);
    SDLDPYFree(nullptr);
    EXPECT_EQ(other, &stranger);
    EXPECT_EQ(REPORTCount(), reports + 2);
    EXPECT_EQ(SDLDPYInstance(), dpy);

    // Free, then New makes a new, working display.
    SDLDPY* ref = dpy;
    SDLDPYFree(&ref);
    EXPECT_EQ(ref, nullptr);
    EXPECT_EQ(SDLDPYInstance(), nullptr);
    reports = REPORTCount();
    SDLDPYFree(&ref);  // already null: reported, nothing else
    EXPECT_EQ(REPORTCount(), reports + 1);
    // With no display a present has nothing to draw on.
    SDLDPYPresent(dpy = nullptr, nullptr);

    SDLDPY* fresh = SDLDPYNew();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(SDLDPYInstance(), fresh);
    EXPECT_EQ(fresh->width, 256);
    EXPECT_EQ(fresh->height, 256);
    Image img(Filled(256, 256, kBlue));
    SDLDPYPresent(fresh, img.get());
    EXPECT_EQ(ScreenPixel(100, 100), kBlue);
}

TEST(SdlDisplay, IdentityRecord) {
    const char* const want[4] = {"SDLDPY  ", "20100924", "Vaskoril", "C SDL   "};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(SDLDPY_IDENTITY[i], want[i]);
}

// The blit path for screens that are not 0x00RRGGBB words: a 5-6-5 surface.
constexpr uint32_t k565Red = 0xF800;
constexpr uint32_t k565Green = 0x07E0;
constexpr uint32_t k565Blue = 0x001F;
constexpr uint32_t k565Grey = 0x4208;  // 0x404040: 01000 010000 01000

SDL_Surface* Surface565(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
    if (s != nullptr) SDL_FillRect(s, nullptr, k565Grey);
    return s;
}

TEST(SdlDraw, ConvertsToOtherFormatsAndKeepsTheRest) {
    SDL_Surface* s = Surface565(8, 4);
    ASSERT_NE(s, nullptr);
    const uint32_t pixels[2 * 3] = {kRed, 0x00FF00, kBlue,  //
                                    0xFFFFFF, 0x000000, kRed};
    SDLEDGEDraw(s, pixels, 2, 2, 3);  // a 2 x 2 corner of a 3-wide image
    EXPECT_EQ(RawPixel(s, 0, 0), k565Red);
    EXPECT_EQ(RawPixel(s, 1, 0), k565Green);
    EXPECT_EQ(RawPixel(s, 0, 1), 0xFFFFu);
    EXPECT_EQ(RawPixel(s, 1, 1), 0u);  // black is copied too: the copy is opaque
    EXPECT_EQ(RawPixel(s, 2, 0), k565Grey);
    EXPECT_EQ(RawPixel(s, 0, 2), k565Grey);
    SDL_FreeSurface(s);
}

TEST(SdlDraw, TakesRowsTooFarApartForOneSurfaceOneByOne) {
    SDL_Surface* s = Surface565(4, 4);
    ASSERT_NE(s, nullptr);
    constexpr int32_t kWide = 20000;  // 80000 bytes a row: more than a 16-bit pitch
    std::vector<uint32_t> pixels(static_cast<size_t>(kWide) * 3, 0);
    pixels[0] = kRed;
    pixels[kWide + 1] = kBlue;
    pixels[2 * kWide + 2] = kRed;
    SDLEDGEDraw(s, pixels.data(), 3, 3, kWide);
    const std::vector<std::vector<uint32_t>> want = {
        {k565Red, 0, 0, k565Grey},
        {0, k565Blue, 0, k565Grey},
        {0, 0, k565Red, k565Grey},
        {k565Grey, k565Grey, k565Grey, k565Grey},
    };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(RawPixel(s, x, y), want[y][x]) << x << "," << y;
    }
    SDL_FreeSurface(s);
}

TEST(SdlDraw, IgnoresEmptyAndInconsistentRectangles) {
    SDL_Surface* s = Surface565(4, 4);
    ASSERT_NE(s, nullptr);
    const uint32_t pixels[4] = {kRed, kRed, kRed, kRed};
    SDLEDGEDraw(s, pixels, 0, 2, 2);
    SDLEDGEDraw(s, pixels, 2, 0, 2);
    SDLEDGEDraw(s, pixels, 2, 2, 1);  // rows narrower than the rectangle
    SDLEDGEDraw(s, nullptr, 2, 2, 2);
    SDLEDGEDraw(nullptr, pixels, 2, 2, 2);
    EXPECT_EQ(RawPixel(s, 0, 0), k565Grey);
    SDL_FreeSurface(s);
}

}  // namespace
