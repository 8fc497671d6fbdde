// The program's icon: the sizes it is drawn at, each letter in its own
// quarter and colour, a black border, and no random draw (the window programs
// draw it before the demo starts, so a draw would shift every scene).
#include "demo/icon.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/rng.h"
#include "image/img.h"
#include "tests/support/test_support.h"

namespace {
using Image = Owned<IMG, IMGFree>;

struct Channels {
    uint64_t r, g, b;
};

Channels Sum(const IMG* img, int32_t x0, int32_t y0, int32_t side) {
    Channels c{0, 0, 0};
    for (int32_t y = y0; y < y0 + side; ++y) {
        for (int32_t x = x0; x < x0 + side; ++x) {
            const uint32_t p = IMGGetPixel(img, x, y);
            c.r += (p >> 16) & 0xFF;
            c.g += (p >> 8) & 0xFF;
            c.b += p & 0xFF;
        }
    }
    return c;
}

TEST(Icon, DrawnOnlyAtItsSizesAlikeEachTimeWithoutARandomDraw) {
    for (int32_t size : {-64, 0, MOXA7730_ICON_MIN - 1, MOXA7730_ICON_MAX + 1})
        EXPECT_EQ(MOXA7730DrawIcon(size), nullptr) << size;
    RNGSeed(RNG_DEMO_SEED);
    const int32_t next = RNGDraw();
    RNGSeed(RNG_DEMO_SEED);
    for (int32_t size : {MOXA7730_ICON_MIN, 48, 256, MOXA7730_ICON_MAX}) {
        Image icon(MOXA7730DrawIcon(size)), again(MOXA7730DrawIcon(size));
        ASSERT_NE(icon.get(), nullptr) << size;
        EXPECT_EQ(icon->width, size);
        EXPECT_EQ(icon->height, size);
        EXPECT_TRUE(IMGEqual(icon.get(), again.get())) << size;
    }
    EXPECT_EQ(RNGDraw(), next);
}

TEST(Icon, EachLetterInItsQuarterAndColourOnABlackBorder) {
    for (int32_t size : {48, 256}) {
        Image icon(MOXA7730DrawIcon(size));
        ASSERT_NE(icon.get(), nullptr);
        const int32_t h = size / 2;
        const Channels m = Sum(icon.get(), 0, 0, h);  // orange
        const Channels o = Sum(icon.get(), h, 0, h);  // yellow
        const Channels x = Sum(icon.get(), 0, h, h);  // cyan
        const Channels a = Sum(icon.get(), h, h, h);  // green
        // Orange and yellow differ in green: under and over three quarters of red.
        EXPECT_LT(4 * m.g, 3 * m.r) << size;
        EXPECT_LT(16 * m.b, m.r) << size;
        EXPECT_GT(4 * o.g, 3 * o.r) << size;
        EXPECT_LT(16 * o.b, o.r) << size;
        EXPECT_GT(x.b, x.g) << size;
        EXPECT_LT(16 * x.r, x.b) << size;
        EXPECT_GT(a.g, 2 * a.r) << size;
        EXPECT_GT(a.g, 2 * a.b) << size;
        for (int32_t i = 0; i < size; ++i) {  // the outermost rows and columns
            const IMG* c = icon.get();
            const uint32_t edges = IMGGetPixel(c, i, 0) | IMGGetPixel(c, i, size - 1) |
                                   IMGGetPixel(c, 0, i) | IMGGetPixel(c, size - 1, i);
            EXPECT_EQ(edges, 0u) << size << " " << i;
        }
    }
}
}  // namespace
