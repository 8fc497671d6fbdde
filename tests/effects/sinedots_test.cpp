// Tests of SINEDOTS: the dots are the sine line's vertices, the draws match
// the line's, and failures are counted but never printed.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/sinedots.h"
#include "effects/sineline.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Dots = Owned<SINEDOTS, SINEDOTSFree>;
using Img = Owned<IMG, IMGFree>;

int CountLit(const IMG* img) {
    int n = 0;
    for (int32_t i = 0; i < img->width * img->height; ++i) n += img->pixels[i] != 0 ? 1 : 0;
    return n;
}

TEST(SineDots, IdentityAndSilentNullArguments) {
    const char* const want[4] = {"SINEDOTS", "20100924", "Vaskoril", "C       "};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(want[i], SINEDOTS_IDENTITY[i]);
    StdoutCapture out;
    const uint64_t reports = ReportsDuring([] {
        Img img(Sized(4, 4));
        SINEDOTSFree(nullptr);
        EXPECT_EQ(nullptr, SINEDOTSToASCII(nullptr));
        EXPECT_EQ(nullptr, SINEDOTSFromASCII(nullptr));
        EXPECT_FALSE(SINEDOTSEqual(nullptr, nullptr));
        EXPECT_EQ(nullptr, SINEDOTSCopy(nullptr));
        SINEDOTSCopyInto(nullptr, nullptr);
        SINEDOTSSetCount(nullptr, 4);
        SINEDOTSReset(nullptr);
        SINEDOTSMove(nullptr);
        SINEDOTSDraw(nullptr, img.get());
    });
    EXPECT_EQ(10u, reports);
    EXPECT_EQ("", out.Take());
}

TEST(SineDots, DrawsMatchTheSineLine) {
    EXPECT_EQ(18, DrawsMade([] { Dots d(SINEDOTSNew()); }));
    Dots d(SINEDOTSNew());
    EXPECT_EQ(18, DrawsMade([&] { SINEDOTSReset(d.get()); }));
    EXPECT_EQ(18, DrawsMade([&] { Dots c(SINEDOTSCopy(d.get())); }));
    // The same seed gives the same figure as a sine line.
    RNGSeed(5);
    Dots a(SINEDOTSNew());
    RNGSeed(5);
    Owned<SINELINE, SINELINEFree> b(SINELINENew());
    EXPECT_EQ(b->phaseC.y, a->phaseC.y);
    EXPECT_EQ(b->stepB.x, a->stepB.x);
    EXPECT_EQ(b->speedA.y, a->speedA.y);
}

TEST(SineDots, DotsLieOnTheLinesVertices) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        RNGSeed(seed);
        Dots d(SINEDOTSNew());
        RNGSeed(seed);
        Owned<SINELINE, SINELINEFree> line(SINELINENew());
        Img dots(Sized(256, 256));
        Img lines(Sized(256, 256));
        for (int frame = 0; frame < 5; ++frame) {
            SINEDOTSMove(d.get());
            SINELINEMove(line.get());
        }
        SINEDOTSDraw(d.get(), dots.get());
        SINELINEDraw(line.get(), lines.get());
        const int lit = CountLit(dots.get());
        EXPECT_GE(lit, 1);
        EXPECT_LE(lit, 16);
        for (int32_t i = 0; i < 256 * 256; ++i) {
            if (dots->pixels[i] == 0) continue;
            ASSERT_NE(0u, lines->pixels[i]) << seed << " at " << i;
        }
    }
}

}  // namespace
