// Tests of SINELINE: the worked vertices, the random draws, phase wrapping,
// sizes that overflowed 32-bit sums, and refused counts.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/sineline.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Line = Owned<SINELINE, SINELINEFree>;
using Img = Owned<IMG, IMGFree>;

void SetPhases(SINELINE* s, int32_t a, int32_t b, int32_t c) {
    s->phaseA = VEC2D{a, a, 0};
    s->phaseB = VEC2D{b, b, 0};
    s->phaseC = VEC2D{c, c, 0};
}

// The one lit pixel of img, or (-1, -1) when there is not exactly one.
void OnlyPixel(const IMG* img, int32_t* x, int32_t* y) {
    int lit = 0;
    *x = *y = -1;
    for (int32_t j = 0; j < img->height; ++j) {
        for (int32_t i = 0; i < img->width; ++i) {
            if (IMGGetPixel(img, i, j) == 0) continue;
            ++lit;
            *x = i;
            *y = j;
        }
    }
    if (lit != 1) *x = *y = -1;
}

TEST(SineLine, IdentityAndNullArguments) {
    const char* const want[5] = {"SINELINE", "20110909", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], SINELINE_IDENTITY[i]);
    StdoutCapture out;
    const uint64_t reports = ReportsDuring([] {
        Img img(Sized(4, 4));
        SINELINEFree(nullptr);
        SINELINE* none = nullptr;
        SINELINEFree(&none);
        EXPECT_EQ(nullptr, SINELINEToASCII(nullptr));
        EXPECT_EQ(nullptr, SINELINEFromASCII(nullptr));
        EXPECT_FALSE(SINELINEEqual(nullptr, nullptr));
        EXPECT_EQ(nullptr, SINELINECopy(nullptr));
        SINELINECopyInto(nullptr, nullptr);
        SINELINESetCount(nullptr, 4);
        SINELINEReset(nullptr);
        SINELINEMove(nullptr);
        SINELINEDraw(nullptr, img.get());
        Line s(SINELINENew());
        SINELINEDraw(s.get(), nullptr);
    });
    EXPECT_EQ(12u, reports);
    EXPECT_EQ("", out.Take());  // the switch is off
}

TEST(SineLine, EachConstructorMakesItsDraws) {
    EXPECT_EQ(18, DrawsMade([] { Line s(SINELINENew()); }));
    Line s(SINELINENew());
    EXPECT_EQ(18, DrawsMade([&] { SINELINEReset(s.get()); }));
    EXPECT_EQ(18, DrawsMade([&] { Line c(SINELINECopy(s.get())); }));
    EXPECT_EQ(0, DrawsMade([&] { SINELINESetCount(s.get(), 40); }));  // no reset
    Img img(Sized(256, 256));
    EXPECT_EQ(0, DrawsMade([&] {
        SINELINEMove(s.get());
        SINELINEDraw(s.get(), img.get());
    }));
}

TEST(SineLine, FirstVertexAtTheWorkedPhases) {
    struct Case {
        int32_t a, b, c;  // the same phase in x and y for each wave
        int32_t want;     // the vertex's x and y
    };
    const Case cases[] = {
        {0, 0, 0, 128},      // every sine 0: the centre
        {256, 0, 0, 191},    // 128 + (128 * 32766 >> 16)
        {0, 256, 0, 159},    // 128 + (64 * 32766 >> 16)
        {768, 0, 0, 64},     // the shift floors: 128 - 64, not 128 - 63
        {512, 512, 512, 128},
    };
    for (const Case& c : cases) {
        Line s(SINELINENew());
        SINELINESetCount(s.get(), 1);  // count 1: the first vertex joined to itself
        SetPhases(s.get(), c.a, c.b, c.c);
        Img img(Sized(256, 256));
        SINELINEDraw(s.get(), img.get());
        int32_t x = 0;
        int32_t y = 0;
        OnlyPixel(img.get(), &x, &y);
        EXPECT_EQ(c.want, x) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(c.want, y) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(0x00FF0000u, IMGGetPixel(img.get(), x, y));
    }
}

TEST(SineLine, DrawTakesSizeAndAmplitudesFromTheImage) {
    Line s(SINELINENew());
    Img img(Sized(128, 64));
    SINELINEDraw(s.get(), img.get());
    EXPECT_EQ(64, s->size.y);
    EXPECT_EQ(64, s->amplitudeA.x);
    EXPECT_EQ(16, s->amplitudeB.y);
    EXPECT_EQ(8, s->amplitudeC.y);
}

TEST(SineLine, MoveWrapsPhasesWhateverTheyHold) {
    Line s(SINELINENew());
    s->phaseA.x = 1020;
    s->speedA.x = 10;
    s->phaseB.y = INT32_MAX;  // a caller's wild value: the add must not overflow
    s->speedB.y = 1;
    s->phaseC.x = 3;
    s->speedC.x = -5;
    SINELINEMove(s.get());
    EXPECT_EQ(6, s->phaseA.x);
    EXPECT_EQ(0, s->phaseB.y);  // 2^31 modulo 1024
    EXPECT_EQ(1022, s->phaseC.x);
}

TEST(SineLine, FigureStaysWithinSevenSixteenthsOfTheCentre) {
    RNGSeed(77);
    Line s(SINELINENew());
    Img img(Sized(256, 256));
    for (int frame = 0; frame < 300; ++frame) {
        SINELINEMove(s.get());
        SINELINEDraw(s.get(), img.get());
    }
    for (int32_t y = 0; y < 256; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            if (IMGGetPixel(img.get(), x, y) == 0) continue;
            ASSERT_TRUE(x >= 16 && x <= 239 && y >= 16 && y <= 239) << x << ", " << y;
        }
    }
}

TEST(SineLine, WideImagesDoNotOverflowTheSum) {
    // 100000 pixels wide: the three products sum to about 2.9e9, past int32.
    Line s(SINELINENew());
    SINELINESetCount(s.get(), 1);
    SetPhases(s.get(), 256, 256, 256);
    Img img(Sized(100000, 1));
    SINELINEDraw(s.get(), img.get());
    EXPECT_NE(0u, IMGGetPixel(img.get(), 93747, 0));
}

TEST(SineLine, SetCountRefusesWhatCannotBeHeld) {
    Line s(SINELINENew());
    int32_t* scratch = s->scratch;
    for (int32_t n : {0, -1, INT32_MIN, INT32_MAX / 4 + 1, INT32_MAX}) {
        EXPECT_EQ(1u, ReportsDuring([&] { SINELINESetCount(s.get(), n); })) << n;
        EXPECT_EQ(16, s->count);
        EXPECT_EQ(scratch, s->scratch);
    }
    SINELINESetCount(s.get(), 3);
    EXPECT_EQ(3, s->count);
}

TEST(SineLine, LinesJoinEachVertexToThePreviousOne) {
    Line s(SINELINENew());
    SINELINESetCount(s.get(), 2);
    SetPhases(s.get(), 0, 0, 0);
    s->stepA = VEC2D{256, 0, 0};  // second vertex: x 191, y still 128
    s->stepB = VEC2D{0, 0, 0};
    s->stepC = VEC2D{0, 0, 0};
    Img img(Sized(256, 256));
    SINELINEDraw(s.get(), img.get());
    for (int32_t x = 128; x <= 191; ++x) EXPECT_NE(0u, IMGGetPixel(img.get(), x, 128)) << x;
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 127, 128));
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 192, 128));
}
}  // namespace
