// The window's icon in the SDL backend: what SDLEDGESetIcon refuses, that it
// keeps its own copy (the caller's pixels may be gone before the mode opens),
// and that modes open with an icon set and without one.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/sdl_backend.h"
#include "platform/sdldpy.h"
#include "tests/platform/sdl/sdl_test_env.h"

namespace {

TEST(SdlIcon, RefusesWhatIsNoPicture) {
    const uint32_t pixels[4] = {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFFFFu};
    EXPECT_FALSE(SDLEDGESetIcon(nullptr, 2, 2, 2));
    EXPECT_FALSE(SDLEDGESetIcon(pixels, 0, 2, 2));
    EXPECT_FALSE(SDLEDGESetIcon(pixels, 2, 0, 2));
    EXPECT_FALSE(SDLEDGESetIcon(pixels, -2, 2, 2));
    EXPECT_FALSE(SDLEDGESetIcon(pixels, 2, 2, 1));  // rows would overlap
    EXPECT_FALSE(SDLEDGESetIcon(pixels, 1025, 1, 1025));
    EXPECT_TRUE(SDLEDGESetIcon(pixels, 2, 2, 2));
    EXPECT_TRUE(SDLEDGESetIcon(pixels, 1, 2, 2));  // the left column of the same picture
}

TEST(SdlIcon, ModesOpenWithTheIconsCopyAfterTheCallersPixelsAreGone) {
    {
        std::vector<uint32_t> pixels(64 * 70, 0x30C8FFu);  // 64 x 64 inside rows of 70
        ASSERT_TRUE(SDLEDGESetIcon(pixels.data(), 64, 64, 70));
    }  // freed: a backend that kept the pointer reads freed memory below
    SDLDPY* dpy = TestDisplay();
    ASSERT_NE(dpy, nullptr);
    EXPECT_TRUE(SDLDPYOpen(dpy, 256, 256));
    EXPECT_TRUE(SDLDPYOpen(dpy, 256, 256));  // again: the icon is handed over again
    EXPECT_FALSE(SDLEDGESetIcon(nullptr, 0, 0, 0));  // forgets it
    EXPECT_TRUE(SDLDPYOpen(dpy, 256, 256));
    EXPECT_EQ(dpy->width, 256);
}

}  // namespace
