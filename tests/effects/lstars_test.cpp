// Tests of LSTARS: the wrap-round rows, the random draws, streaks and the
// character stars, and sums that used to overflow.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/lstars.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "text/font.h"

namespace {
using Stars = Owned<LSTARS, LSTARSFree>;
using Img = Owned<IMG, IMGFree>;
using Font = Owned<FONT, FONTFree>;

// A field of one star at pixel (x, y) with velocity (vx, vy) in 16.16.
LSTARS* OneStar(int32_t x, int32_t y, int32_t vx, int32_t vy) {
    LSTARS* s = LSTARSNew();
    LSTARSSetCount(s, 1);
    s->stars[0] = x * 65536;
    s->stars[1] = y * 65536;
    s->velocity = VEC2D{vx, vy, 0};
    return s;
}

TEST(LStars, IdentityAndNullArguments) {
    const char* const want[5] = {"LSTARS  ", "20120327", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], LSTARS_IDENTITY[i]);
    StdoutCapture out;
    Img img(Sized(4, 4));
    const uint64_t reports = ReportsDuring([&] {
        LSTARSFree(nullptr);
        EXPECT_EQ(nullptr, LSTARSToASCII(nullptr));
        EXPECT_EQ(nullptr, LSTARSFromASCII(nullptr));
        EXPECT_FALSE(LSTARSEqual(nullptr, nullptr));
        EXPECT_EQ(nullptr, LSTARSCopy(nullptr));
        LSTARSCopyInto(nullptr, nullptr);
        LSTARSSetCount(nullptr, 3);
        LSTARSScatter(nullptr);
        LSTARSPlaceStar(nullptr, 0);
        LSTARSMove(nullptr);
        LSTARSDrawDots(nullptr, img.get());
        LSTARSDrawStreaks(nullptr, img.get());
        LSTARSDrawChars(nullptr, img.get());
        Stars s(LSTARSNew());
        LSTARSDrawDots(s.get(), nullptr);
        LSTARSDrawChars(s.get(), img.get());  // no font
        LSTARSPlaceStar(s.get(), 16);
    });
    EXPECT_EQ(16u, reports);
    EXPECT_EQ("", out.Take());
}

TEST(LStars, NewScattersSixteenWholePixelStarsLastFirst) {
    EXPECT_EQ(32, DrawsMade([] { Stars s(LSTARSNew()); }));
    Stars s(LSTARSNew());
    EXPECT_EQ(32, DrawsMade([&] { Stars c(LSTARSCopy(s.get())); }));
    EXPECT_EQ(6, DrawsMade([&] { LSTARSSetCount(s.get(), 3); }));
    // The last star takes the first two draws, x before y.
    RNGSeed(99);
    const int32_t x = RNGDraw() % 256;
    const int32_t y = RNGDraw() % 256;
    RNGSeed(99);
    Stars t(LSTARSNew());
    EXPECT_EQ(x << 16, t->stars[30]);
    EXPECT_EQ(y << 16, t->stars[31]);
    for (int32_t i = 0; i < 32; ++i) {
        EXPECT_EQ(0, t->stars[i] & 0xFFFF);
        EXPECT_GE(t->stars[i], 0);
        EXPECT_LT(t->stars[i], 256 << 16);
    }
}

TEST(LStars, MoveWrapsRoundTheWorkedRows) {
    struct Case {
        int32_t x, y, vx, vy;
        int32_t wantX, wantY;  // pixels after one move
    };
    const Case cases[] = {
        {10, 257, 0, 0x10000, 10, -1},    // row 258 = height + 2: back to row -1
        {10, -1, 0, 0x10000, 10, 0},      // ... and the next move reaches row 0
        {10, 2, 0, -0x10000, 10, 253},    // moving up: gone below row 2, back at 253
        {10, 3, 0, -0x10000, 10, 2},
        {-1, 5, 0, 0, 255, 5},            // velocity 0: column below 0 -> width - 1
        {256, 5, 0, 0, 1, 5},             // column width or more -> 1
        {255, 5, 0x10000, 0, 256, 5},     // inside the margin of 2: kept
        {256, 5, 0x10000, 0, 257, 5},
        {257, 5, 0x10000, 0, -1, 5},      // column 258: back at -1
        {257, 5, 0x18000, 0, 258, 5},     // 1.5 pixels a move: margin 3 keeps 258.5
        {258, 5, 0x18000, 0, -2, 5},      // 259.5: back at 1 - 3
        {4, 5, -0x18000, 0, 252, 5},      // margin -3: column 2.5 is gone, back at 256 - 3 - 1
    };
    for (const Case& c : cases) {
        Stars s(OneStar(c.x, c.y, c.vx, c.vy));
        LSTARSMove(s.get());
        EXPECT_EQ(c.wantX, s->stars[0] >> 16) << c.x << "," << c.y;
        EXPECT_EQ(c.wantY, s->stars[1] >> 16) << c.x << "," << c.y;
    }
}

TEST(LStars, HugeVelocitiesAndSizesWrapWithoutOverflow) {
    Stars s(OneStar(100, 100, INT32_MAX, INT32_MIN));
    for (int i = 0; i < 4; ++i) LSTARSMove(s.get());
    s->size.x = INT32_MAX;
    s->size.y = INT32_MAX;
    s->velocity = VEC2D{-0x10000, -0x10000, 0};
    s->stars[0] = INT32_MIN;  // column -32768: below -margin, wraps to width + m - 1
    LSTARSMove(s.get());
    Img img(Sized(8, 8));
    LSTARSDrawStreaks(s.get(), img.get());
    EXPECT_EQ(8, s->size.x);
}

TEST(LStars, DotsAndStreaks) {
    Stars s(OneStar(2, 3, 0, 0x10000));
    Img img(Sized(5, 5));
    LSTARSDrawStreaks(s.get(), img.get());
    ExpectPicture(img.get(), {".....",
                              "..#..",
                              "..#..",
                              "..#..",
                              "....."});
    Img dots(Sized(5, 5));
    LSTARSDrawDots(s.get(), dots.get());
    ExpectPicture(dots.get(), {".....",
                               ".....",
                               ".....",
                               "..#..",
                               "....."});
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(dots.get(), 2, 3));
    EXPECT_EQ(5, s->size.x);
}

// A font whose glyph sheet is 64 cells of 1 x 1 pixel, cell c holding the
// value c + 1, so the drawn pixel tells the character.
FONT* CodeFont() {
    FONT* font = FONTNew();
    font->cellWidth = 1;
    font->cellHeight = 1;
    font->sheet = Sized(64, 1);
    for (int32_t c = 0; c < 64; ++c) IMGSetPixel(font->sheet, c, 0, static_cast<uint32_t>(c + 1));
    return font;
}

TEST(LStars, CharactersFollowTheRow) {
    struct Case {
        int32_t x, y;
        uint32_t want;  // character + 1 at (x - 16, y - 16), 0 when clipped
    };
    const Case cases[] = {
        {20, 70, 6 + 1},   // 70 rem 64
        {30, 16, 16 + 1},
        {17, 63, 63 + 1},
        {40, 64, 0 + 1},
    };
    Font font(CodeFont());
    for (const Case& c : cases) {
        Stars s(OneStar(c.x, c.y, 0, 0x10000));
        s->font = font.get();
        Img img(Sized(80, 80));
        LSTARSDrawChars(s.get(), img.get());
        EXPECT_EQ(c.want, IMGGetPixel(img.get(), c.x - 16, c.y - 16)) << c.y;
        EXPECT_EQ(img.get(), font->target);
    }
    // A star at row -3 selects character -3, outside the sheet: nothing drawn.
    Stars s(OneStar(20, -3, 0, 0x10000));
    s->font = font.get();
    Img img(Sized(80, 80));
    LSTARSDrawChars(s.get(), img.get());
    EXPECT_EQ(-3, font->character);
    EXPECT_EQ(5, font->penX);  // placed at 20 - 16, then one cell on
}

TEST(LStars, CountsThatCannotBeHeldAreRefused) {
    Stars s(LSTARSNew());
    int32_t* stars = s->stars;
    for (int32_t n : {0, -2, INT32_MAX / 2 + 1}) {
        EXPECT_EQ(0, DrawsMade([&] {
            EXPECT_EQ(1u, ReportsDuring([&] { LSTARSSetCount(s.get(), n); })) << n;
        }));
        EXPECT_EQ(16, s->count);
        EXPECT_EQ(stars, s->stars);
    }
    s->size.x = 0;
    EXPECT_EQ(0, DrawsMade([&] { LSTARSScatter(s.get()); }));
}
}  // namespace
