// Tests of the line spiral: its draws of the random generator, the worked
// figures of its points, drawing, and counts and steps that leave 32 bits.
#include "effects/lspiral.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/rng_draws.h"
#include "tests/support/test_support.h"

namespace {
using Spiral = Owned<LSPIRAL, LSPIRALFree>;
using Img = Owned<IMG, IMGFree>;

// A spiral with fixed parameters: centre (128, 128), no turning.
void Fix(LSPIRAL* s, int32_t angleX, int32_t step, int32_t radiusStep) {
    s->centre = {128, 128, 0};
    s->angle = {angleX, (angleX + 256) & 1023, 0};
    s->speed = {0, 0, 0};
    s->pointStep = {step, step, 0};
    s->radiusStep = radiusStep;
}

TEST(LSpiral, NewSpendsTwoResetsOfDrawsAndHas128PointsAtTheOrigin) {
    const char* const want5[5] = {"LSPIRAL ", "20120707", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want5[i], LSPIRAL_IDENTITY[i]);
    const uint32_t want = StateAfter(99u, 12);
    RNGSeed(99u);
    Spiral s(LSPIRALNew());
    ASSERT_NE(nullptr, s.get());
    EXPECT_EQ(want, RNGState());
    EXPECT_EQ(128, s->count);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(0, s->points[i]);
    // Copy is a new spiral from New: two more resets' worth of draws.
    const uint32_t afterCopy = StateAfter(RNGState(), 12);
    Spiral c(LSPIRALCopy(s.get()));
    ASSERT_NE(nullptr, c.get());
    EXPECT_NE(s.get(), c.get());
    EXPECT_EQ(afterCopy, RNGState());
    EXPECT_FALSE(LSPIRALEqual(s.get(), s.get()));
}

TEST(LSpiral, ResetTakesSixDrawsInItsOrder) {
    // Six draws in order: angle, speed, its sign, point step, colour, radius step.
    RNGSeed(2024u);
    int32_t r[6];
    for (int32_t& v : r) v = RNGDraw();
    Spiral s(LSPIRALNew());
    s->count = 128;
    RNGSeed(2024u);
    LSPIRALReset(s.get());
    EXPECT_EQ(StateAfter(2024u, 6), RNGState());
    EXPECT_EQ(r[0] & 1023, s->angle.x);
    EXPECT_EQ((s->angle.x + 256) & 1023, s->angle.y);
    const int32_t speed = (r[1] & 15) + 1;
    EXPECT_EQ((r[2] & 1) != 0 ? -speed : speed, s->speed.x);
    EXPECT_EQ(s->speed.x, s->speed.y);
    EXPECT_EQ((r[3] & 63) + 4, s->pointStep.x);
    EXPECT_EQ(s->pointStep.x, s->pointStep.y);
    EXPECT_EQ((static_cast<uint32_t>(r[4]) & 0x7F7F7Fu) | 0x808080u, s->colour);
    EXPECT_EQ((r[5] & 7) + 1, s->radiusStep);
    EXPECT_EQ(128, s->centre.x);
    EXPECT_EQ(128, s->centre.y);
    EXPECT_EQ(256, s->size.x);
    EXPECT_EQ(256, s->size.y);
    EXPECT_EQ(128, s->count);  // untouched
}

TEST(LSpiral, UpdateFigures) {
    Spiral s(LSPIRALNew());
    Fix(s.get(), 0, 64, 8);
    LSPIRALUpdate(s.get());
    EXPECT_EQ(0, s->angle.x);
    EXPECT_EQ(256, s->angle.y);
    const int32_t* p = s->points;
    EXPECT_EQ(128, p[0]);  // point 0 is the centre
    EXPECT_EQ(128, p[1]);
    EXPECT_EQ(135, p[4]);  // point 2: rho 16, table indices 256 and 512
    EXPECT_EQ(128, p[5]);
    EXPECT_EQ(-229, p[254]);  // point 127: rho 1016, indices 896 and 128
    EXPECT_EQ(487, p[255]);

    // Unequal steps: y keeps index 256 at every point while x turns.
    s->pointStep.y = 0;
    LSPIRALUpdate(s.get());
    EXPECT_EQ(135, s->points[4]);  // point 2: x index 256, rho 16
    EXPECT_EQ(135, s->points[5]);
    EXPECT_EQ(-229, s->points[254]);
    EXPECT_EQ(635, s->points[255]);  // 128 + (32766 * 1016 >> 16)

    // With speed -16 from angle 5 the angle wraps to 1013 (and y with it).
    s->angle = {5, 261, 0};
    s->speed = {-16, -16, 0};
    LSPIRALUpdate(s.get());
    EXPECT_EQ(1013, s->angle.x);
    EXPECT_EQ(245, s->angle.y);
    // A moved centre moves every point by the same amount at the next update.
    const int32_t x127 = s->points[254];
    s->speed = {0, 0, 0};
    s->centre.x = 100;
    EXPECT_EQ(x127, s->points[254]);
    LSPIRALUpdate(s.get());
    EXPECT_EQ(x127 - 28, s->points[254]);
    EXPECT_EQ(100, s->points[0]);
}

TEST(LSpiral, CountsOfOneAndTwo) {
    Spiral s(LSPIRALNew());
    Img img(Sized(8, 4));
    LSPIRALSetCount(s.get(), 1);
    Fix(s.get(), 256, 0, 8);
    s->centre = {1, 1, 0};
    LSPIRALUpdate(s.get());
    LSPIRALDraw(s.get(), img.get());
    ExpectPicture(img.get(), {"........", "........"});

    // Count 2: one line from the centre to point 1, rho 8: index 256 gives
    // (32766 * 8) >> 16 = 3 pixels to the right.
    LSPIRALSetCount(s.get(), 2);
    Fix(s.get(), 256, 0, 8);
    s->centre = {1, 1, 0};
    LSPIRALUpdate(s.get());
    LSPIRALDraw(s.get(), img.get());
    // clang-format off
    ExpectPicture(img.get(), {"........",
                              ".####...",
                              "........"});
    // clang-format on
    EXPECT_EQ(s->colour, IMGGetPixel(img.get(), 2, 1));
}

TEST(LSpiral, HostileCountsAndNullArguments) {
    Spiral s(LSPIRALNew());
    int32_t* points = s->points;
    const uint64_t before = REPORTCount();
    const uint32_t state = RNGState();
    LSPIRALSetCount(s.get(), 0);
    LSPIRALSetCount(s.get(), -5);
    LSPIRALSetCount(s.get(), INT32_MIN);
    EXPECT_EQ(before + 3, REPORTCount());
    EXPECT_EQ(128, s->count);
    EXPECT_EQ(points, s->points);
    EXPECT_EQ(state, RNGState());  // a refused count does not reset

    Img img(Sized(4, 4));
    LSPIRAL bare{};
    bare.count = 5;  // no points array
    LSPIRALFree(nullptr);
    LSPIRAL* none = nullptr;
    LSPIRALFree(&none);
    EXPECT_EQ(nullptr, LSPIRALToASCII(nullptr));
    EXPECT_EQ(nullptr, LSPIRALFromASCII(nullptr));
    EXPECT_FALSE(LSPIRALEqual(nullptr, s.get()));
    EXPECT_EQ(nullptr, LSPIRALCopy(nullptr));
    LSPIRALCopyInto(nullptr, s.get());
    LSPIRALCopyInto(s.get(), nullptr);
    LSPIRALSetCount(nullptr, 4);
    LSPIRALReset(nullptr);
    LSPIRALUpdate(nullptr);
    LSPIRALUpdate(&bare);
    LSPIRALDraw(nullptr, img.get());
    LSPIRALDraw(s.get(), nullptr);
    LSPIRALDraw(&bare, img.get());
    EXPECT_EQ(before + 18, REPORTCount());
    EXPECT_EQ(state, RNGState());
    // CopyInto copies nothing.
    Spiral other(LSPIRALNew());
    const LSPIRAL saved = *other.get();
    LSPIRALCopyInto(s.get(), other.get());
    EXPECT_EQ(0, std::memcmp(&saved, other.get(), sizeof saved));
}

TEST(LSpiral, FarPointsWrapInsteadOfOverflowing) {
    // rho = k * 2^30 leaves 32 bits from k = 2 on; the sine of index 256 is
    // 32766, so the offset of point k is 32766 * k * 2^14.
    Spiral s(LSPIRALNew());
    LSPIRALSetCount(s.get(), 6);
    Fix(s.get(), 256, 0, 1 << 30);
    LSPIRALUpdate(s.get());
    EXPECT_EQ(128 + 1073676288, s->points[4]);  // k = 2
    EXPECT_EQ(128 + 2147352576, s->points[8]);  // k = 4: just below 2^31
    EXPECT_EQ(-1610776448, s->points[10]);      // k = 5: 2684190848 wrapped
    // The centre sum wraps too.
    s->centre.x = INT32_MAX;
    LSPIRALUpdate(s.get());
    EXPECT_EQ(INT32_MAX, s->points[0]);
    EXPECT_EQ(INT32_MIN + 536838143, s->points[2]);  // INT32_MAX + 536838144
    // Huge point steps and speeds: the angle sums wrap before the mask.
    s->pointStep = {INT32_MAX, INT32_MIN, 0};
    s->speed = {INT32_MAX, INT32_MIN, 0};
    s->radiusStep = INT32_MAX;
    LSPIRALUpdate(s.get());
    EXPECT_GE(s->angle.x, 0);
    EXPECT_LE(s->angle.x, 1023);
    Img img(Sized(16, 16));
    LSPIRALDraw(s.get(), img.get());  // far lines clip
}

}  // namespace
