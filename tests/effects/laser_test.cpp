// Tests of LASER: the worked bounces, the draws LASERSet makes, the wander
// staying inside, and the divisions by zero it used to risk.
#include <gtest/gtest.h>

#include "core/report.h"
#include "effects/laser.h"
#include "image/img.h"
#include "tests/effects/draws.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Laser = Owned<LASER, LASERFree>;
using Img = Owned<IMG, IMGFree>;

TEST(Laser, IdentityAndNullArguments) {
    const char* const want[5] = {"LASER   ", "20110905", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], LASER_IDENTITY[i]);
    StdoutCapture out;
    const uint64_t reports = ReportsDuring([] {
        LASERFree(nullptr);
        EXPECT_EQ(nullptr, LASERToASCII(nullptr));
        EXPECT_EQ(nullptr, LASERFromASCII(nullptr));
        EXPECT_FALSE(LASEREqual(nullptr, nullptr));
        LASERCopy(nullptr, nullptr);
        EXPECT_EQ(0, LASERRandomSpeed(nullptr));
        LASERBounce(nullptr);
        LASERWander(nullptr);
        LASERDraw(nullptr);
        LASERDrawRandom(nullptr);
    });
    EXPECT_EQ(10u, reports);
    // LASERSet ignores null arguments without a report
    Laser l(LASERNew());
    EXPECT_EQ(0u, ReportsDuring([&] {
        LASERSet(nullptr, nullptr);
        LASERSet(l.get(), nullptr);
    }));
    EXPECT_EQ(nullptr, l->image);
    EXPECT_EQ("", out.Take());
}

TEST(Laser, SetChoosesABeamWithEightDraws) {
    Img img(Sized(256, 256));
    for (uint32_t seed = 0; seed < 40; ++seed) {
        Laser l(LASERNew());
        RNGSeed(seed);
        LASERSet(l.get(), img.get());
        EXPECT_EQ(img.get(), l->image);
        EXPECT_EQ(0, l->endY);
        EXPECT_LT(l->endX, 256);
        EXPECT_LT(l->sourceY, 256);
        for (int32_t v : {l->velocityX, l->velocityY}) {
            EXPECT_GE(std::abs(v), 2);
            EXPECT_LE(std::abs(v), 5);
        }
        EXPECT_EQ(0u, l->colour >> 24);
    }
    Laser l(LASERNew());
    EXPECT_EQ(8, DrawsMade([&] { LASERSet(l.get(), img.get()); }));
    EXPECT_EQ(2, DrawsMade([&] { (void)LASERRandomSpeed(l.get()); }));
    EXPECT_EQ(1, DrawsMade([&] { LASERDrawRandom(l.get()); }));
    EXPECT_EQ(0, DrawsMade([&] { LASERDraw(l.get()); }));
}

TEST(Laser, BounceTurnsAlongTheEdges) {
    struct Case {
        int32_t x, y, vx, vy;
        int32_t wantX, wantY, wantVx, wantVy;
    };
    const Case cases[] = {
        {250, 10, 8, 0, 255, 18, 0, 8},      // right edge, upper half: turns down
        {250, 200, 8, 0, 255, 192, 0, -8},   // right edge, lower half: turns up
        {3, 10, -8, 0, 0, 18, 0, 8},         // left edge, upper half: turns down
        {3, 200, -8, 0, 0, 192, 0, -8},      // left edge, lower half: turns up
        {10, 250, 0, 8, 10, 255, 8, 0},      // bottom, left half: turns right
        {200, 3, 0, -8, 200, 0, -8, 0},      // top, right half: turns left
        {100, 100, 3, -4, 103, 96, 3, -4},   // inside: a plain step
        {254, 254, 5, 5, 255, 249, 0, -5},   // right edge first; the y step uses the new vy
        {250, 128, 8, 0, 255, 120, 0, -8},   // the middle row belongs to the lower half
        {128, 250, 0, 8, 128, 255, -8, 0},   // the middle column to the right half
    };
    Img img(Sized(256, 256));
    for (const Case& c : cases) {
        Laser l(LASERNew());
        l->image = img.get();
        l->endX = c.x;
        l->endY = c.y;
        l->velocityX = c.vx;
        l->velocityY = c.vy;
        LASERBounce(l.get());
        EXPECT_EQ(c.wantX, l->endX) << c.x << "," << c.y;
        EXPECT_EQ(c.wantY, l->endY) << c.x << "," << c.y;
        EXPECT_EQ(c.wantVx, l->velocityX) << c.x << "," << c.y;
        EXPECT_EQ(c.wantVy, l->velocityY) << c.x << "," << c.y;
    }
}

TEST(Laser, WanderNeverLeavesTheImage) {
    Img img(Sized(40, 30));
    Laser l(LASERNew());
    RNGSeed(3);
    LASERSet(l.get(), img.get());
    l->velocityX = l->velocityY = 0;  // both zero: two new speeds first
    EXPECT_EQ(4, DrawsMade([&] {
        l->velocityX = l->velocityY = 0;
        l->endX = 20;
        l->endY = 15;
        LASERWander(l.get());
    }));
    for (int step = 0; step < 2000; ++step) {
        LASERWander(l.get());
        ASSERT_TRUE(l->endX >= 0 && l->endX < 40 && l->endY >= 0 && l->endY < 30) << step;
    }
    // exactly at the right edge counts as beyond it, as in the bounce
    l->endX = 35;
    l->endY = 10;
    l->velocityX = 5;
    l->velocityY = 0;
    LASERWander(l.get());
    EXPECT_EQ(39, l->endX);
    EXPECT_EQ(0, l->velocityX);
    EXPECT_NE(0, l->velocityY);
}

TEST(Laser, RefusesWhatWouldDivideByZero) {
    Laser l(LASERNew());
    Img empty(Sized(0, 0));
    EXPECT_EQ(0, DrawsMade([&] { EXPECT_EQ(1u, ReportsDuring([&] { LASERSet(l.get(), empty.get()); })); }));
    EXPECT_EQ(nullptr, l->image);
    EXPECT_EQ(0, DrawsMade([&] { EXPECT_EQ(0, LASERRandomSpeed(l.get())); }));  // unbound
    EXPECT_EQ(1u, ReportsDuring([&] { LASERBounce(l.get()); }));
    EXPECT_EQ(1u, ReportsDuring([&] { LASERWander(l.get()); }));
    EXPECT_EQ(1u, ReportsDuring([&] { LASERDraw(l.get()); }));
}

TEST(Laser, HugeVelocitiesAreClampedWithoutOverflow) {
    Img img(Sized(256, 256));
    Laser l(LASERNew());
    l->image = img.get();
    l->endX = 200;
    l->endY = 100;
    l->velocityX = INT32_MAX;
    l->velocityY = INT32_MIN;
    LASERBounce(l.get());
    EXPECT_EQ(255, l->endX);
    EXPECT_EQ(255, l->endY);  // the x turn gave vy = vx, then the bottom turned it
    EXPECT_EQ(-INT32_MAX, l->velocityX);
    EXPECT_EQ(0, l->velocityY);
}
}  // namespace
