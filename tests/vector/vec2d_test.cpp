// Tests of the sine table and VEC2D: the table's rule, rotation by the table,
// arithmetic directions, wrapping, and the module's printed error report.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/seg2d.h"
#include "vector/sine.h"
#include "vector/vec2d.h"

namespace {
using Vec = Owned<VEC2D, VEC2DFree>;
using Img = Owned<IMG, IMGFree>;

VEC2D* At(int32_t x, int32_t y, uint32_t colour = 0x00FFFFFFu) {
    VEC2D* v = VEC2DNew();
    v->x = x;
    v->y = y;
    v->colour = colour;
    return v;
}

TEST(SineTable, FirstQuarterIsTheRoundedSineWithTwoEntriesOneHigher) {
    // The table is data; this checks every literal of its first quarter (the
    // other three are checked against it at compile time).
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < 256; ++i) {
        long want = std::lround(32767.0 * std::sin(2.0 * pi * i / 1024.0));
        if (i == 129 || i == 183) ++want;
        EXPECT_EQ(want, SINE_TABLE[i]) << "entry " << i;
    }
    EXPECT_EQ(23312, SINE_TABLE[129]);
    EXPECT_EQ(29535, SINE_TABLE[183]);
}

TEST(SineTable, NegativeAnglesIndexThroughTheMask) {
    // -1 is entry 1023 = -(entry 511) = 0: the mirrored quarters repeat the
    // peak and the zero, so -2 is the first step below zero.
    EXPECT_EQ(0, SINE_TABLE[-1 & SINE_MASK]);
    EXPECT_EQ(-201, SINE_TABLE[-2 & SINE_MASK]);
    EXPECT_EQ(-32766, SINE_TABLE[-256 & SINE_MASK]);
    EXPECT_EQ(SINE_TABLE[1], SINE_TABLE[1025 & SINE_MASK]);
}

TEST(Vec2d, IdentityRecord) {
    const char* const want[5] = {"VEC2D   ", "20120518", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], VEC2D_IDENTITY[i]) << i;
}

TEST(Vec2d, NewCloneCopyAndEqual) {
    Vec v(VEC2DNew());
    ASSERT_NE(nullptr, v.get());
    EXPECT_EQ(0, v->x);
    EXPECT_EQ(0, v->y);
    EXPECT_EQ(0x00FFFFFFu, v->colour);

    v->x = -3;
    v->y = 7;
    v->colour = 0x123456u;
    Vec c(VEC2DClone(v.get()));
    ASSERT_NE(nullptr, c.get());
    EXPECT_NE(v.get(), c.get());
    EXPECT_TRUE(VEC2DEqual(v.get(), c.get()));
    c->colour = 0x123457u;  // the colour takes part in equality
    EXPECT_FALSE(VEC2DEqual(v.get(), c.get()));

    Vec d(VEC2DNew());
    VEC2DCopy(v.get(), d.get());
    EXPECT_EQ(-3, d->x);
    EXPECT_EQ(7, d->y);
    EXPECT_EQ(0x123456u, d->colour);
    EXPECT_EQ(nullptr, VEC2DToASCII(v.get()));
    EXPECT_EQ(nullptr, VEC2DFromASCII("1 2"));
}

TEST(Vec2d, RotationFollowsTheTable) {
    // (100, 0) by a quarter turn: x = 0, y = (100 * 32766) >> 15 = 99.
    Vec v(At(100, 0));
    VEC2DRotate(v.get(), 256);
    EXPECT_EQ(0, v->x);
    EXPECT_EQ(99, v->y);
    EXPECT_EQ(0x00FFFFFFu, v->colour);

    Vec still(At(100, 0));
    VEC2DRotate(still.get(), 0);
    EXPECT_EQ(100, still->x);
    EXPECT_EQ(0, still->y);

    Vec full(At(100, 0));  // a full turn still shrinks
    VEC2DRotate(full.get(), 1024);
    EXPECT_EQ(99, full->x);
    EXPECT_EQ(0, full->y);

    Vec back(At(100, 0));  // the arithmetic shift rounds -99.99 down to -100
    VEC2DRotate(back.get(), -256);
    EXPECT_EQ(0, back->x);
    EXPECT_EQ(-100, back->y);

    Vec half(At(10, 20));  // a half turn: (10 * -32766) >> 15 rounds down to -10
    VEC2DRotate(half.get(), 512);
    EXPECT_EQ(-10, half->x);
    EXPECT_EQ(-20, half->y);
}

TEST(Vec2d, RotationMixesBothCoordinates) {
    // Both coordinates non-zero, angles whose sine and cosine are both
    // non-zero, so every cross term counts: x' = (x c - y s) >> 15 and
    // y' = (x s + y c) >> 15 with s = table[a & 1023], c = table[(a + 256) & 1023].
    // Expected values worked out apart from the code from the table's rule.
    struct Case {
        int32_t x, y, angle;
        int32_t s, c;  // the two table entries, for the record
        int32_t wantX, wantY;
    };
    const Case cases[] = {
        {100, 50, 128, 23170, 23027, 34, 105},  // cosine of 45 degrees is entry 127
        {-37, 81, 100, 18868, 26674, -77, 44},
        {1000, -700, -300, -31580, -8545, -936, -782},
        {-5, -9, 700, -29956, -13094, -7, 8},
        {20000, -30000, 333, 29085, -14912, 17526, 31404},
        {100, 50, INT32_MAX, 0, 32766, 99, 49},  // the cosine's index wraps: 1023 + 256
    };
    for (const Case& k : cases) {
        EXPECT_EQ(k.s, SINE_TABLE[k.angle & SINE_MASK]);
        EXPECT_EQ(k.c, SINE_TABLE[(static_cast<uint32_t>(k.angle) + 256u) & SINE_MASK]);
        Vec v(At(k.x, k.y, 0x00ABCDEFu));
        VEC2DRotate(v.get(), k.angle);
        EXPECT_EQ(k.wantX, v->x) << k.x << ", " << k.y << " by " << k.angle;
        EXPECT_EQ(k.wantY, v->y) << k.x << ", " << k.y << " by " << k.angle;
        EXPECT_EQ(0x00ABCDEFu, v->colour);
    }
}

TEST(Vec2d, ArithmeticChangesTheDocumentedArgument) {
    Vec a(At(1, 2));
    Vec b(At(10, 20));
    VEC2DAdd(a.get(), b.get());  // b receives the sum
    EXPECT_EQ(1, a->x);
    EXPECT_EQ(2, a->y);
    EXPECT_EQ(11, b->x);
    EXPECT_EQ(22, b->y);
    VEC2DSub(a.get(), b.get());  // a receives the difference
    EXPECT_EQ(-10, a->x);
    EXPECT_EQ(-20, a->y);
    EXPECT_EQ(11, b->x);

    VEC2DNeg(a.get());
    EXPECT_EQ(10, a->x);
    EXPECT_EQ(20, a->y);
    VEC2DScale(a.get(), -3);
    EXPECT_EQ(-30, a->x);
    EXPECT_EQ(-60, a->y);
    Vec k(At(2, -1));
    VEC2DMul(a.get(), k.get());
    EXPECT_EQ(-60, a->x);
    EXPECT_EQ(60, a->y);
    EXPECT_EQ(0x00FFFFFFu, a->colour);

    EXPECT_EQ(-71, VEC2DCompareX(a.get(), b.get()));
    EXPECT_EQ(38, VEC2DCompareY(a.get(), b.get()));
    Vec p(At(3, -4));
    EXPECT_EQ(25, VEC2DLengthSquared(p.get()));
}

TEST(Vec2d, OverflowWrapsInsteadOfFaulting) {
    Vec v(At(INT32_MAX, INT32_MIN));
    VEC2DScale(v.get(), 2);
    EXPECT_EQ(-2, v->x);
    EXPECT_EQ(0, v->y);
    Vec m(At(INT32_MIN, 5));
    VEC2DNeg(m.get());
    EXPECT_EQ(INT32_MIN, m->x);
    Vec big(At(INT32_MAX, INT32_MAX));
    VEC2DRotate(big.get(), 100);  // defined, whatever it gives
    (void)VEC2DLengthSquared(big.get());
}

TEST(Vec2d, DrawAndDrawRotated) {
    Img img(Sized(6, 6));
    Vec p(At(1, 2, 0x00FF0000u));
    VEC2DDraw(p.get(), img.get());
    EXPECT_EQ(0x00FF0000u, IMGGetPixel(img.get(), 1, 2));

    // (3, 0) by a quarter turn is (0, 2); moved by (2, 2) it lands at (2, 4).
    Vec q(At(3, 0, 0x0000FF00u));
    Vec offset(At(2, 2));
    VEC2DDrawRotated(q.get(), 256, offset.get(), img.get());
    EXPECT_EQ(0x0000FF00u, IMGGetPixel(img.get(), 2, 4));
    EXPECT_EQ(3, q->x);  // the vector itself is unchanged
    EXPECT_EQ(0, q->y);
    ExpectPicture(img.get(), {"......",
                              "......",
                              ".#....",
                              "......",
                              "..#...",
                              "......"});
}

TEST(Vec2d, FailuresPrintTheReportWhileSegmentFailuresStaySilent) {
    {
        StdoutCapture out;
        const uint64_t before = REPORTCount();
        EXPECT_EQ(-1, VEC2DLengthSquared(nullptr));
        EXPECT_EQ("VEC2D error\n", out.Take());
        EXPECT_EQ(before + 1, REPORTCount());
    }
    {
        StdoutCapture out;
        const uint64_t before = REPORTCount();
        EXPECT_EQ(0, SEG2DBoxOverlap(nullptr, nullptr));
        SEG2DRotate(nullptr, 3);
        EXPECT_EQ("", out.Take());
        EXPECT_EQ(before + 2, REPORTCount());
    }
}

TEST(Vec2d, EveryOperationAcceptsNull) {
    StdoutCapture out;
    const uint64_t before = REPORTCount();
    Vec v(At(1, 1));
    Img img(Sized(2, 2));
    VEC2D* none = nullptr;
    VEC2DFree(nullptr);
    VEC2DFree(&none);
    EXPECT_EQ(nullptr, VEC2DToASCII(nullptr));
    EXPECT_EQ(nullptr, VEC2DFromASCII(nullptr));
    EXPECT_FALSE(VEC2DEqual(v.get(), nullptr));
    VEC2DCopy(nullptr, v.get());
    EXPECT_EQ(nullptr, VEC2DClone(nullptr));
    VEC2DDraw(nullptr, img.get());
    VEC2DDraw(v.get(), nullptr);
    VEC2DDrawRotated(v.get(), 1, nullptr, img.get());
    VEC2DAdd(nullptr, v.get());
    VEC2DSub(v.get(), nullptr);
    VEC2DNeg(nullptr);
    VEC2DRotate(nullptr, 1);
    VEC2DScale(nullptr, 2);
    VEC2DMul(v.get(), nullptr);
    EXPECT_EQ(0, VEC2DCompareX(nullptr, v.get()));
    EXPECT_EQ(0, VEC2DCompareY(v.get(), nullptr));
    EXPECT_EQ(-1, VEC2DLengthSquared(nullptr));
    const std::string printed = out.Take();
    EXPECT_EQ(before + 19, REPORTCount());
    std::string want;
    for (int i = 0; i < 19; ++i) want += "VEC2D error\n";
    EXPECT_EQ(want, printed);
    EXPECT_EQ(1, v->x);  // nothing changed
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 1, 1));
}

TEST(Vec2d, FreeClearsTheReference) {
    VEC2D* v = VEC2DNew();
    VEC2DFree(&v);
    EXPECT_EQ(nullptr, v);
    StdoutCapture out;
    VEC2DFree(&v);
    EXPECT_EQ("VEC2D error\n", out.Take());
}
}  // namespace
