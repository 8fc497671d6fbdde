// Tests of CSINE: the worked joints, the chaining of both updates, the
// randomisers' fields and draw counts, and the hostile values.
#include "vector/csine.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/seg2d.h"

namespace {
using Figure = Owned<CSINE, CSINEFree>;
using Img = Owned<IMG, IMGFree>;

SEG2D* Seg(const CSINE* f, int i) {
    return static_cast<SEG2D*>(LISTGet(f->segments, i));
}

// The RNG state after `draws` draws from `seed`.
uint32_t StateAfter(uint32_t seed, int draws) {
    RNGSeed(seed);
    for (int i = 0; i < draws; ++i) (void)RNGDraw();
    return RNGState();
}

TEST(Csine, IdentityAndDefaults) {
    const char* const want[5] = {"CSINE   ", "20120412", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], CSINE_IDENTITY[i]) << i;
    Figure f(CSINENew());
    ASSERT_NE(nullptr, f.get());
    EXPECT_EQ(256, f->width);
    EXPECT_EQ(256, f->height);
    EXPECT_EQ(0x80000, f->radiusSpeed);
    EXPECT_EQ(128, f->amplitude);
    EXPECT_EQ(0x500000, f->radiusStep);
    EXPECT_EQ(0x00FFFFFFu, f->colour);
    EXPECT_EQ(0x100000, f->angleSpeed);
    EXPECT_EQ(128, f->baseRadius);
    EXPECT_EQ(0x200000, f->angleStep);
    ASSERT_EQ(64, f->segments->count);
    const SEG2D* s = Seg(f.get(), 63);
    EXPECT_EQ(1, s->end->x);
    EXPECT_EQ(0x00FFFFFFu, s->start->colour);
}

TEST(Csine, OneUpdateWorkedJoints) {
    Figure f(CSINENew());
    CSINEUpdate(f.get());
    EXPECT_EQ(0x80000u, f->radiusPhase);
    EXPECT_EQ(0x100000u, f->anglePhase);
    EXPECT_EQ(134, Seg(f.get(), 0)->start->x);
    EXPECT_EQ(193, Seg(f.get(), 0)->start->y);
    EXPECT_EQ(151, Seg(f.get(), 1)->start->x);
    EXPECT_EQ(204, Seg(f.get(), 1)->start->y);
    EXPECT_EQ(151, Seg(f.get(), 0)->end->x);  // chained onto the next joint
    EXPECT_EQ(204, Seg(f.get(), 0)->end->y);
    const SEG2D* last = Seg(f.get(), 63);
    EXPECT_TRUE(last->start->x == last->end->x && last->start->y == last->end->y);  // open
}

TEST(Csine, RingGoesOnceRoundAndCloses) {
    Figure f(CSINENew());
    CSINESetSegmentCount(f.get(), 4);
    f->amplitude = 0;
    f->baseRadius = 256;  // 128 pixels
    f->anglePhase = 0x12345678;
    CSINEUpdateRing(f.get());
    EXPECT_EQ(0x12345678u, f->anglePhase);  // the ring leaves the angle alone
    const int want[4][2] = {{128, 255}, {255, 128}, {128, 0}, {0, 128}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(want[i][0], Seg(f.get(), i)->start->x) << i;
        EXPECT_EQ(want[i][1], Seg(f.get(), i)->start->y) << i;
    }
    EXPECT_EQ(128, Seg(f.get(), 3)->end->x);  // closed onto the first joint
    EXPECT_EQ(255, Seg(f.get(), 3)->end->y);
}

TEST(Csine, StillFigureAndEmptyFigure) {
    Figure f(CSINENew());
    f->radiusSpeed = f->angleSpeed = f->radiusStep = f->angleStep = 0;
    CSINEUpdate(f.get());
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(128, Seg(f.get(), i)->start->x);
        EXPECT_EQ(191, Seg(f.get(), i)->start->y);  // (32766 * 128) >> 16 straight down
    }

    CSINESetSegmentCount(f.get(), 0);
    ASSERT_NE(nullptr, f->segments);
    EXPECT_EQ(0, f->segments->count);
    f->radiusSpeed = 5;
    f->angleSpeed = 7;
    CSINEUpdate(f.get());
    CSINEUpdateRing(f.get());  // no joints: the ring step divides nothing
    EXPECT_EQ(10u, f->radiusPhase);
    EXPECT_EQ(7u, f->anglePhase);
    Img img(Sized(8, 8));
    CSINEDraw(f.get(), img.get());
    CSINEDrawRays(f.get(), img.get());
    Img black(Sized(8, 8));
    EXPECT_TRUE(IMGEqual(black.get(), img.get()));
}

TEST(Csine, RaysStartAtTheImageCentre) {
    Figure f(CSINENew());
    CSINEUpdate(f.get());
    Img img(Sized(256, 256));
    CSINEDrawRays(f.get(), img.get());
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(128, Seg(f.get(), i)->start->x);
        EXPECT_EQ(128, Seg(f.get(), i)->start->y);
    }
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(img.get(), 128, 128));
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(img.get(), 151, 204));  // a ray's far end

    // The centre is the image's, not the figure's (still 256 x 256).
    Img small(Sized(100, 60));
    CSINEDrawRays(f.get(), small.get());
    EXPECT_EQ(50, Seg(f.get(), 0)->start->x);
    EXPECT_EQ(30, Seg(f.get(), 0)->start->y);
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(small.get(), 50, 30));
}

TEST(Csine, RandomizedFieldsAfterSeeding) {
    struct Want {
        bool ring;
        uint32_t seed, radiusPhase;
        int32_t radiusSpeed, radiusStep, amplitude;
        uint32_t colour, anglePhase;
        int32_t angleSpeed, angleStep, baseRadius, segments;
    };
    const Want cases[] = {
        {false, RNG_DEMO_SEED, 347, 35 << 16, 81 << 16, 210, 0x7623, 248, 43 << 16, -3 * 65536, 105,
         97},
        {false, 1, 41, -9 * 65536, 93 << 16, 148, 0x4AE1, 364, 29 << 16, 21 << 16, 98, 208},
        // k = 10 lobes over 155 joints: radius step (10 << 26) / 155
        {true, RNG_DEMO_SEED, 120, 3 << 16, 4329604, 51, 0x24F8, 637, 19 << 16, 41 << 16, 49, 155},
        // k = 4 over 105
        {true, 1, 190, 5 << 16, 2556528, 241, 0x3D6C, 214, 15 << 16, 34 << 16, 160, 105},
    };
    for (const Want& w : cases) {
        SCOPED_TRACE(testing::Message() << (w.ring ? "ring, seed " : "open, seed ") << w.seed);
        Figure f(CSINENew());
        f->width = 17;
        f->xOffset = 3;
        CSINESetColor(f.get(), 0x00FF0000);
        RNGSeed(w.seed);
        if (w.ring) {
            CSINERandomizeRing(f.get());
        } else {
            CSINERandomize(f.get());
        }
        EXPECT_EQ(StateAfter(w.seed, 10), RNGState()) << "exactly ten draws";
        EXPECT_EQ(256, f->width);
        EXPECT_EQ(0, f->xOffset);
        EXPECT_EQ(w.radiusPhase, f->radiusPhase);
        EXPECT_EQ(w.radiusSpeed, f->radiusSpeed);
        EXPECT_EQ(w.radiusStep, f->radiusStep);
        EXPECT_EQ(w.amplitude, f->amplitude);
        EXPECT_EQ(w.colour, f->colour);
        EXPECT_EQ(w.anglePhase, f->anglePhase);
        EXPECT_EQ(w.angleSpeed, f->angleSpeed);
        EXPECT_EQ(w.angleStep, f->angleStep);
        EXPECT_EQ(w.baseRadius, f->baseRadius);
        ASSERT_EQ(w.segments, f->segments->count);
        EXPECT_EQ(0x00FFFFFFu, Seg(f.get(), 0)->start->colour);  // new white segments
    }
}

TEST(Csine, PhasesWrapAndWideValuesStayDefined) {
    Figure f(CSINENew());
    f->radiusPhase = 0xFFFF0000u;
    f->anglePhase = 0xFFFFFFFFu;
    f->radiusSpeed = INT32_MAX;
    f->angleSpeed = INT32_MAX;
    f->radiusStep = INT32_MIN;
    f->angleStep = INT32_MAX;
    f->amplitude = INT32_MAX;
    f->baseRadius = INT32_MAX;
    f->width = INT32_MAX;
    f->xOffset = INT32_MAX;
    for (int i = 0; i < 3; ++i) CSINEUpdate(f.get());  // sanitizers watch the arithmetic
    EXPECT_EQ(0xFFFF0000u + 3u * 0x7FFFFFFFu, f->radiusPhase);
    for (int i = 0; i < 3; ++i) CSINEUpdateRing(f.get());
    Img img(Sized(16, 16));
    CSINEDraw(f.get(), img.get());
}

TEST(Csine, SegmentCountColourAndClone) {
    Figure f(CSINENew());
    CSINESetColor(f.get(), 0x00102030);
    EXPECT_EQ(0x00102030u, f->colour);
    EXPECT_EQ(0x00102030u, Seg(f.get(), 10)->end->colour);
    LIST* before = f->segments;
    const uint64_t n = REPORTCount();
    CSINESetSegmentCount(f.get(), -1);  // refused: the list stays
    EXPECT_EQ(n + 1, REPORTCount());
    EXPECT_EQ(before, f->segments);
    CSINESetSegmentCount(f.get(), 3);
    EXPECT_EQ(3, f->segments->count);
    EXPECT_EQ(0x00FFFFFFu, Seg(f.get(), 2)->start->colour);

    f->amplitude = 5;
    Figure clone(CSINEClone(f.get()));  // a new default figure, nothing copied
    ASSERT_NE(nullptr, clone.get());
    EXPECT_EQ(128, clone->amplitude);
    EXPECT_EQ(64, clone->segments->count);
    EXPECT_FALSE(CSINEEqual(f.get(), f.get()));

    CSINEFreeSegments(f.get());
    EXPECT_EQ(nullptr, f->segments);
    const uint64_t m = REPORTCount();
    CSINEUpdate(f.get());
    CSINEUpdateRing(f.get());
    CSINESetColor(f.get(), 1);
    CSINEFreeSegments(f.get());
    EXPECT_EQ(m + 4, REPORTCount());
    CSINESetSegmentCount(f.get(), 2);  // a figure without a list gets one again
    EXPECT_EQ(2, f->segments->count);
}

TEST(Csine, FreeAndNullArguments) {
    Figure f(CSINENew());
    CSINEFree(f.ref());
    EXPECT_EQ(nullptr, f.get());
    Img img(Sized(4, 4));
    Figure g(CSINENew());
    const uint64_t n = REPORTCount();
    CSINEFree(f.ref());
    CSINEFree(nullptr);
    EXPECT_EQ(nullptr, CSINEToASCII(nullptr));
    EXPECT_EQ(nullptr, CSINEFromASCII(nullptr));
    EXPECT_FALSE(CSINEEqual(nullptr, g.get()));
    CSINECopy(g.get(), nullptr);
    EXPECT_EQ(nullptr, CSINEClone(nullptr));
    CSINESetSegmentCount(nullptr, 1);
    CSINEFreeSegments(nullptr);
    CSINESetColor(nullptr, 1);
    CSINEUpdate(nullptr);
    CSINEUpdateRing(nullptr);
    CSINERandomize(nullptr);
    CSINERandomizeRing(nullptr);
    CSINEDraw(nullptr, img.get());
    CSINEDraw(g.get(), nullptr);
    CSINEDrawRays(nullptr, img.get());
    CSINEDrawRays(g.get(), nullptr);
    EXPECT_EQ(n + 18, REPORTCount());
}
}  // namespace
