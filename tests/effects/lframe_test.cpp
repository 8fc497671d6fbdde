// Tests of LFRAME: the worked endpoint moves, the three resets' draws and
// edges, and the ownership of segment pairs shared between copies.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/lframe.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Frame = Owned<LFRAME, LFRAMEFree>;
using Img = Owned<IMG, IMGFree>;

bool OnBorder(const VEC2D* v, int32_t w, int32_t h) {
    return v->x == 0 || v->y == 0 || v->x == w - 1 || v->y == h - 1;
}

// The edges a point lies on: bit 0 left, 1 top, 2 right, 3 bottom.
int Edges(const VEC2D* v, int32_t w, int32_t h) {
    return (v->x == 0 ? 1 : 0) | (v->y == 0 ? 2 : 0) | (v->x == w - 1 ? 4 : 0) |
           (v->y == h - 1 ? 8 : 0);
}

TEST(LFrame, IdentityAndNullArguments) {
    const char* const want[5] = {"LFRAME  ", "20120517", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], LFRAME_IDENTITY[i]);
    StdoutCapture out;
    Img img(Sized(4, 4));
    const uint64_t reports = ReportsDuring([&] {
        LFRAMEFree(nullptr);
        EXPECT_EQ(nullptr, LFRAMEToASCII(nullptr));
        EXPECT_EQ(nullptr, LFRAMEFromASCII(nullptr));
        EXPECT_FALSE(LFRAMEEqual(nullptr, nullptr));
        LFRAMECopyInto(nullptr, nullptr);
        EXPECT_EQ(nullptr, LFRAMECopy(nullptr));
        LFRAMEReset(nullptr);
        LFRAMEResetParallel(nullptr);
        LFRAMEResetAcross(nullptr);
        LFRAMEMove(nullptr);
        LFRAMEDraw(nullptr, img.get());
        LFRAMEDrawEnds(nullptr, img.get());
    });
    EXPECT_EQ(12u, reports);
    EXPECT_EQ("", out.Take());
}

TEST(LFrame, EndpointsTurnAtTheWorkedEdges) {
    struct Case {
        int32_t x, y, vx, vy, speed;
        int32_t wantX, wantY, wantVx, wantVy;
    };
    const Case cases[] = {
        {250, 0, 1, 0, 10, 255, 10, 0, 1},    // right edge on the top row: turns down
        {3, 255, -1, 0, 4, 0, 251, 0, -1},    // left edge on the bottom row: turns up
        {0, 2, 0, -1, 5, 0, 0, 1, 0},         // top edge at column 0: turns right
        {255, 3, 0, -1, 5, 255, 0, -1, 0},    // top edge at the right: turns left
        {2, 250, 0, 1, 8, 2, 255, -1, 0},     // bottom edge away from column 0: turns left
        {100, 100, 1, -1, 7, 107, 93, 1, -1}, // inside: a diagonal step
        {200, 100, 1, 1, INT32_MAX, 255, 0, -1, 0},  // huge speed: clamped twice, no overflow
    };
    for (const Case& c : cases) {
        Frame f(LFRAMENew());
        f->positions->start->x = c.x;
        f->positions->start->y = c.y;
        f->velocities->start->x = c.vx;
        f->velocities->start->y = c.vy;
        f->velocities->end->x = 0;
        f->velocities->end->y = 0;
        f->speed = c.speed;
        LFRAMEMove(f.get());
        EXPECT_EQ(c.wantX, f->positions->start->x) << c.x << "," << c.y;
        EXPECT_EQ(c.wantY, f->positions->start->y) << c.x << "," << c.y;
        EXPECT_EQ(c.wantVx, f->velocities->start->x) << c.x << "," << c.y;
        EXPECT_EQ(c.wantVy, f->velocities->start->y) << c.x << "," << c.y;
    }
}

TEST(LFrame, ResetsMakeTheirDraws) {
    EXPECT_EQ(11, DrawsMade([] { Frame f(LFRAMENew()); }));
    Frame f(LFRAMENew());
    EXPECT_EQ(11, DrawsMade([&] { LFRAMEReset(f.get()); }));
    EXPECT_EQ(7, DrawsMade([&] { LFRAMEResetParallel(f.get()); }));
    EXPECT_EQ(7, DrawsMade([&] { LFRAMEResetAcross(f.get()); }));
    EXPECT_EQ(11, DrawsMade([&] { Frame c(LFRAMECopy(f.get())); }));
    EXPECT_EQ(0, DrawsMade([&] { LFRAMEMove(f.get()); }));
}

TEST(LFrame, ParallelAndAcrossStartsPickTheirEdges) {
    constexpr int32_t w = 200;
    constexpr int32_t h = 120;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        RNGSeed(seed);
        Frame f(LFRAMENew());
        f->size.x = w;
        f->size.y = h;
        LFRAMEResetParallel(f.get());
        EXPECT_NE(0, Edges(f->positions->start, w, h) & Edges(f->positions->end, w, h)) << seed;
        EXPECT_TRUE(VEC2DEqual(f->velocities->start, f->velocities->end));
        LFRAMEResetAcross(f.get());
        const int a = Edges(f->positions->start, w, h);
        const int b = Edges(f->positions->end, w, h);
        EXPECT_NE(0, a);
        EXPECT_NE(0, b);
        EXPECT_NE(a, b) << seed;
        // Both run round the same way: seen from the centre, the cross product
        // of place and velocity has one sign for the two ends.
        const auto turn = [](const VEC2D* p, const VEC2D* v) {
            const int64_t cross = (2 * int64_t{p->x} - (w - 1)) * v->y -
                                  (2 * int64_t{p->y} - (h - 1)) * v->x;
            return (cross > 0) - (cross < 0);
        };
        EXPECT_NE(0, turn(f->positions->start, f->velocities->start));
        EXPECT_EQ(turn(f->positions->start, f->velocities->start),
                  turn(f->positions->end, f->velocities->end)) << seed;
        // Both endpoints then circulate on the border, inside the frame.
        for (int step = 0; step < 300; ++step) {
            LFRAMEMove(f.get());
            for (const VEC2D* v : {f->positions->start, f->positions->end}) {
                ASSERT_TRUE(OnBorder(v, w, h)) << seed << " step " << step;
                ASSERT_TRUE(v->x >= 0 && v->x < w && v->y >= 0 && v->y < h);
            }
        }
    }
}

TEST(LFrame, CopiesShareThePairAndOutliveEachOther) {
    Frame a(LFRAMENew());
    Frame b(LFRAMENew());
    EXPECT_FALSE(LFRAMEEqual(a.get(), b.get()));
    Frame c(LFRAMECopy(a.get()));
    EXPECT_TRUE(LFRAMEEqual(a.get(), c.get()));
    EXPECT_EQ(2, *a->shares);
    a->origin.x = 9;
    LFRAMECopyInto(a.get(), b.get());  // b lets go of its own pair
    EXPECT_TRUE(LFRAMEEqual(a.get(), b.get()));
    EXPECT_EQ(9, b->origin.x);
    EXPECT_EQ(3, *a->shares);
    LFRAMECopyInto(a.get(), a.get());  // itself: nothing changes
    LFRAMECopyInto(b.get(), c.get());  // already sharing
    EXPECT_EQ(3, *a->shares);
    LFRAMEFree(a.ref());
    EXPECT_EQ(nullptr, a.get());
    LFRAMEReset(b.get());  // b takes a new pair; c still holds the old one
    EXPECT_EQ(1, *c->shares);
    Img img(Sized(256, 256));
    LFRAMEMove(c.get());
    LFRAMEDraw(c.get(), img.get());
    LFRAMEDrawEnds(b.get(), img.get());
    // The sanitizer build checks that nothing leaks and nothing is freed twice.
}

TEST(LFrame, SizesThatCannotDivideAreRefused) {
    Frame f(LFRAMENew());
    SEG2D* positions = f->positions;
    for (int32_t w : {0, -4}) {
        f->size.x = w;
        EXPECT_EQ(0, DrawsMade([&] {
            EXPECT_EQ(3u, ReportsDuring([&] {
                LFRAMEReset(f.get());
                LFRAMEResetParallel(f.get());
                LFRAMEResetAcross(f.get());
            }));
        }));
        EXPECT_EQ(1u, ReportsDuring([&] { LFRAMEMove(f.get()); }));
        EXPECT_EQ(positions, f->positions);
    }
}

TEST(LFrame, DrawJoinsTheEndpointsInTheFirstColour) {
    Frame f(LFRAMENew());
    Img img(Sized(5, 2));
    *f->positions->start = VEC2D{0, 1, 0x00AA00u};
    *f->positions->end = VEC2D{3, 1, 0x0000BBu};
    LFRAMEDraw(f.get(), img.get());
    ExpectPicture(img.get(), {".....",
                              "####."});
    EXPECT_EQ(0x00AA00u, IMGGetPixel(img.get(), 3, 1));
    Img ends(Sized(5, 2));
    LFRAMEDrawEnds(f.get(), ends.get());
    ExpectPicture(ends.get(), {".....",
                               "#..#."});
    EXPECT_EQ(0x0000BBu, IMGGetPixel(ends.get(), 3, 1));
}
}  // namespace
