// Tests of GRID2D: wrap-round, colour by depth, blocking, the random draws,
// and the checks that replaced unchecked indices, divisors and allocations.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/grid2d.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Grid = Owned<GRID2D, GRID2DFree>;
using Img = Owned<IMG, IMGFree>;

int32_t* ParticleOf(GRID2D* g, int32_t i) { return g->particles + 6 * i; }

// A grid of one particle at (x, y, z) with velocity (vx, vy, vz), 16.16, that
// has been given a black image to move over.
GRID2D* OneParticle(IMG* img, int32_t x, int32_t y, int32_t z, int32_t vx, int32_t vy,
                    int32_t vz) {
    GRID2D* g = GRID2DNew();
    GRID2DSetCount(g, 1);
    int32_t* p = ParticleOf(g, 0);
    p[0] = x;
    p[1] = y;
    p[2] = z;
    p[3] = vx;
    p[4] = vy;
    p[5] = vz;
    GRID2DDraw(g, img);
    IMGClear(img);
    return g;
}

TEST(Grid2d, IdentityNullArgumentsAndTheAlwaysPrintedFreeError) {
    const char* const want[4] = {"GRID2D  ", "20100922", "Vaskoril", "C       "};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(want[i], GRID2D_IDENTITY[i]);
    Img img(Sized(4, 4));
    StdoutCapture out;
    EXPECT_EQ(0u, ReportsDuring([&] {
        GRID2DSetCount(nullptr, 3);
        GRID2DReset(nullptr);
        GRID2DRandomPosition(nullptr, 0);
        GRID2DRandomVelocity(nullptr, 0);
        GRID2DMove(nullptr);
        GRID2DDraw(nullptr, img.get());
        GRID2DDrawSprites(nullptr, img.get(), img.get());
        EXPECT_EQ(nullptr, GRID2DToASCII(nullptr));
        EXPECT_EQ(nullptr, GRID2DFromASCII(nullptr));
        EXPECT_FALSE(GRID2DEqual(nullptr, nullptr));
        EXPECT_EQ(nullptr, GRID2DCopy(nullptr));
    }));
    EXPECT_EQ("", out.Take());
    StdoutCapture freeOut;
    GRID2D* none = nullptr;
    GRID2DFree(&none);
    EXPECT_EQ("GRID2D error\n", freeOut.Take());
}

TEST(Grid2d, NewScattersSixteenParticlesWithNineDrawsEach) {
    EXPECT_EQ(144, DrawsMade([] { Grid g(GRID2DNew()); }));
    Grid g(GRID2DNew());
    EXPECT_EQ(9 * 16, DrawsMade([&] { GRID2DReset(g.get()); }));
    EXPECT_EQ(27, DrawsMade([&] { GRID2DSetCount(g.get(), 3); }));
    EXPECT_EQ(0, DrawsMade([&] { Grid c(GRID2DCopy(g.get())); }));
    Grid c(GRID2DCopy(g.get()));
    EXPECT_TRUE(GRID2DEqual(g.get(), c.get()));
    ParticleOf(c.get(), 2)[5] ^= 1;
    EXPECT_FALSE(GRID2DEqual(g.get(), c.get()));
    for (uint32_t seed = 0; seed < 30; ++seed) {
        RNGSeed(seed);
        Grid h(GRID2DNew());
        ASSERT_EQ(16, h->count);
        for (int32_t i = 0; i < 16; ++i) {
            const int32_t* p = ParticleOf(h.get(), i);
            for (int k = 0; k < 3; ++k) {
                EXPECT_GE(p[k], 0);
                EXPECT_LT(p[k], 256 << 16);
                EXPECT_EQ(0, p[k] & 0xFFFF);  // whole pixels
                EXPECT_LT(std::abs(p[3 + k]), 0x40000);
            }
        }
    }
}

TEST(Grid2d, MoveWrapsRoundTheFaces) {
    struct Case {
        int32_t x, y, z, vx, vy, vz;
        int32_t wantX, wantY, wantZ;
    };
    const Case cases[] = {
        {0xFF8000, 0, 0, 0x10000, 0, 0, 0x8000, 0, 0},          // 255.5 + 1 -> 0.5
        {0x4000, 0x10000, 0, -0x8000, 0, 0, 0xFFC000, 0x10000, 0},  // 0.25 - 0.5 -> 255.75
        {0, 0xFFFFFF, 0xFF0000, 0, 1, 0x20000, 0, 0, 0x10000},  // y and z faces
        {0x800000, 0x800000, 0x800000, 5, -5, 0, 0x800005, 0x7FFFFB, 0x800000},
    };
    for (const Case& c : cases) {
        Img img(Sized(256, 256));
        Grid g(OneParticle(img.get(), c.x, c.y, c.z, c.vx, c.vy, c.vz));
        GRID2DMove(g.get());
        const int32_t* p = ParticleOf(g.get(), 0);
        EXPECT_EQ(c.wantX, p[0]) << std::hex << c.x;
        EXPECT_EQ(c.wantY, p[1]) << std::hex << c.y;
        EXPECT_EQ(c.wantZ, p[2]) << std::hex << c.z;
    }

    // A box of 40 x 20 x 10: each axis wraps at its own size, both ways.
    Img img(Sized(64, 64));
    Grid g(OneParticle(img.get(), 39 << 16, 19 << 16, 9 << 16, 0x10000, 0x10000, 0x10000));
    g->width = 40;
    g->height = 20;
    g->depth = 10;
    GRID2DMove(g.get());
    const int32_t* p = ParticleOf(g.get(), 0);
    EXPECT_EQ(0, p[0]);
    EXPECT_EQ(0, p[1]);
    EXPECT_EQ(0, p[2]);
    ParticleOf(g.get(), 0)[3] = ParticleOf(g.get(), 0)[4] = ParticleOf(g.get(), 0)[5] = -0x10000;
    GRID2DMove(g.get());
    EXPECT_EQ(39 << 16, p[0]);
    EXPECT_EQ(19 << 16, p[1]);
    EXPECT_EQ(9 << 16, p[2]);
}

TEST(Grid2d, MoveWaitsForAnImageAndTurnsAwayFromLitPixels) {
    Grid g(GRID2DNew());
    Grid before(GRID2DCopy(g.get()));
    GRID2DMove(g.get());
    EXPECT_TRUE(GRID2DEqual(g.get(), before.get()));  // no image yet

    Img img(Sized(256, 256));
    Grid one(OneParticle(img.get(), 10 << 16, 10 << 16, 0, 0x10000, 0, 0));
    IMGSetPixel(img.get(), 11, 10, 0x000001u);
    EXPECT_EQ(6, DrawsMade([&] { GRID2DMove(one.get()); }));
    EXPECT_EQ(10 << 16, ParticleOf(one.get(), 0)[0]);
    EXPECT_EQ(10 << 16, ParticleOf(one.get(), 0)[1]);
}

TEST(Grid2d, DotsAreYellowByDepth) {
    struct Case {
        int32_t z;
        uint32_t colour;
    };
    const Case cases[] = {
        {0, 0xFFFF00u}, {255 << 16, 0x000000u}, {128 << 16, 0x7F7F00u}, {(256 + 1) << 16, 0xFEFE00u},
    };
    for (const Case& c : cases) {
        Img img(Sized(8, 8));
        Grid g(OneParticle(img.get(), 3 << 16, 4 << 16, c.z, 0, 0, 0));
        GRID2DDraw(g.get(), img.get());
        EXPECT_EQ(c.colour, IMGGetPixel(img.get(), 3, 4)) << c.z;
    }
}

TEST(Grid2d, SpritesAreCentredOnTheParticles) {
    Img img(Sized(8, 8));
    Grid g(OneParticle(img.get(), 4 << 16, 3 << 16, 0, 0, 0, 0));
    Img sprite(Sized(3, 3));
    IMGSetPixel(sprite.get(), 1, 1, 0x00FF00u);
    IMGSetPixel(sprite.get(), 0, 0, 0x0000FFu);
    GRID2DDrawSprites(g.get(), img.get(), sprite.get());
    EXPECT_EQ(0x00FF00u, IMGGetPixel(img.get(), 4, 3));
    EXPECT_EQ(0x0000FFu, IMGGetPixel(img.get(), 3, 2));
}

TEST(Grid2d, RefusesBadIndicesSizesAndCounts) {
    StdoutCapture out;
    Grid g(GRID2DNew());
    int32_t* particles = g->particles;
    EXPECT_EQ(0, DrawsMade([&] {
        GRID2DRandomPosition(g.get(), -1);
        GRID2DRandomPosition(g.get(), 16);
        GRID2DRandomVelocity(g.get(), 16);
        GRID2DSetCount(g.get(), -1);
        GRID2DSetCount(g.get(), INT32_MAX / 6 + 1);
    }));
    EXPECT_EQ(16, g->count);
    EXPECT_EQ(particles, g->particles);
    // A box side of 0 would divide by zero: positions are refused, the
    // velocities still drawn.
    g->depth = 0;
    EXPECT_EQ(6 * 16, DrawsMade([&] { GRID2DReset(g.get()); }));
    Img img(Sized(16, 16));
    GRID2DDraw(g.get(), img.get());
    EXPECT_EQ(1u, ReportsDuring([&] { GRID2DMove(g.get()); }));
    const std::string printed = out.Take();
    EXPECT_NE(std::string::npos, printed.find("GRID2D error\n"));
}

TEST(Grid2d, EmptyGridMovesAndDrawsNothing) {
    Grid g(GRID2DNew());
    EXPECT_EQ(0, DrawsMade([&] { GRID2DSetCount(g.get(), 0); }));
    EXPECT_EQ(0, g->count);
    Img img(Sized(8, 8));
    GRID2DDraw(g.get(), img.get());
    GRID2DMove(g.get());
    ExpectPicture(img.get(), {"........"});
}

TEST(Grid2d, WideBoxesWrapWithinTheFixedPointRange) {
    // 100000 pixels wide: the old range width * 65536 overflowed; positions
    // wrap at 32768 pixels, the most a signed 16.16 word holds.
    Img img(Sized(16, 16));
    Grid g(OneParticle(img.get(), (32767 << 16) + 0xFFFF, 0, 0, 2, 0, 0));
    g->width = 100000;
    GRID2DMove(g.get());
    EXPECT_EQ(1, ParticleOf(g.get(), 0)[0]);
}
}  // namespace
