// Tests of SEG2D: ownership of the endpoints, drawing, transforms, and the
// box, span and crossing tests on hand-worked pairs.
#include <gtest/gtest.h>

#include <cstring>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/seg2d.h"

namespace {
using Seg = Owned<SEG2D, SEG2DFree>;
using Img = Owned<IMG, IMGFree>;

SEG2D* Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    SEG2D* s = SEG2DNew();
    s->start->x = x1;
    s->start->y = y1;
    s->end->x = x2;
    s->end->y = y2;
    return s;
}

TEST(Seg2d, IdentityRecord) {
    const char* const want[5] = {"SEG2D   ", "20120515", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], SEG2D_IDENTITY[i]) << i;
}

TEST(Seg2d, NewSegmentDrawsTwoWhitePixels) {
    Seg s(SEG2DNew());
    ASSERT_NE(nullptr, s.get());
    Img img(Sized(3, 3));
    SEG2DDraw(s.get(), img.get());
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(img.get(), 0, 0));
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(img.get(), 1, 1));
    ExpectPicture(img.get(), {"#..",
                              ".#.",
                              "..."});
}

TEST(Seg2d, LineTakesTheStartColourAndEndsTheirOwn) {
    Seg s(Line(0, 0, 3, 0));
    s->start->colour = 0x00FF0000u;
    s->end->colour = 0x000000FFu;
    Img img(Sized(4, 1));
    SEG2DDraw(s.get(), img.get());
    EXPECT_EQ(0x00FF0000u, IMGGetPixel(img.get(), 3, 0));
    Img ends(Sized(4, 1));
    SEG2DDrawEnds(s.get(), ends.get());
    EXPECT_EQ(0x00FF0000u, IMGGetPixel(ends.get(), 0, 0));
    EXPECT_EQ(0u, IMGGetPixel(ends.get(), 1, 0));
    EXPECT_EQ(0x000000FFu, IMGGetPixel(ends.get(), 3, 0));
}

TEST(Seg2d, CopyCloneAndEqualCoverBothEndpoints) {
    Seg a(Line(1, 2, 3, 4));
    Seg b(SEG2DClone(a.get()));
    ASSERT_NE(nullptr, b.get());
    EXPECT_NE(a->start, b->start);  // new endpoints, not shared ones
    EXPECT_TRUE(SEG2DEqual(a.get(), b.get()));
    b->end->colour = 1u;
    EXPECT_FALSE(SEG2DEqual(a.get(), b.get()));
    Seg c(SEG2DNew());
    VEC2D* start = c->start;
    SEG2DCopy(a.get(), c.get());
    EXPECT_EQ(start, c->start);  // endpoints are modified in place
    EXPECT_TRUE(SEG2DEqual(a.get(), c.get()));
    EXPECT_EQ(nullptr, SEG2DToASCII(a.get()));
    EXPECT_EQ(nullptr, SEG2DFromASCII("s"));
}

TEST(Seg2d, FreeShellLeavesTheEndpoints) {
    SEG2D* s = SEG2DNew();
    VEC2D* start = s->start;
    VEC2D* end = s->end;
    SEG2DFreeShell(&s);
    EXPECT_EQ(nullptr, s);
    start->x = 5;  // still alive (the sanitizer build would object otherwise)
    VEC2DFree(&start);
    VEC2DFree(&end);

    SEG2D* t = SEG2DNew();
    SEG2DFree(&t);
    EXPECT_EQ(nullptr, t);
    const uint64_t before = REPORTCount();
    SEG2DFree(&t);
    SEG2DFreeShell(&t);
    EXPECT_EQ(before + 2, REPORTCount());
}

TEST(Seg2d, TransformsMoveBothEndpoints) {
    Seg s(Line(1, 2, -3, 4));
    Seg k(SEG2DNew());
    SEG2DScale(s.get(), 2);
    EXPECT_EQ(2, s->start->x);
    EXPECT_EQ(-6, s->end->x);
    k->start->x = 3;
    k->start->y = -1;
    SEG2DMul(s.get(), k->start);
    EXPECT_EQ(6, s->start->x);
    EXPECT_EQ(-4, s->start->y);
    EXPECT_EQ(-18, s->end->x);
    EXPECT_EQ(-8, s->end->y);
    SEG2DTranslate(s.get(), k->start);
    EXPECT_EQ(9, s->start->x);
    EXPECT_EQ(-5, s->start->y);
    EXPECT_EQ(-15, s->end->x);
    EXPECT_EQ(-9, s->end->y);

    Seg r(Line(100, 0, 0, 100));  // about the origin, not the middle
    SEG2DRotate(r.get(), 256);
    EXPECT_EQ(0, r->start->x);
    EXPECT_EQ(99, r->start->y);
    EXPECT_EQ(-100, r->end->x);
    EXPECT_EQ(0, r->end->y);
}

TEST(Seg2d, DrawRotatedLeavesTheSegmentAlone) {
    // (0,0)-(4,0) a quarter turn is (0,0)-(0,3); moved by (1,1): (1,1)-(1,4).
    Seg s(Line(0, 0, 4, 0));
    Seg offset(Line(1, 1, 0, 0));
    Img img(Sized(4, 6));
    SEG2DDrawRotated(s.get(), 256, offset->start, img.get());
    ExpectPicture(img.get(), {"....",
                              ".#..",
                              ".#..",
                              ".#..",
                              ".#..",
                              "...."});
    EXPECT_EQ(4, s->end->x);
    EXPECT_EQ(0, s->end->y);
}

TEST(Seg2d, BoxOverlapCountsTouchingBoxes) {
    Seg a(Line(0, 0, 2, 2));
    Seg corner(Line(2, 2, 5, 0));
    Seg apart(Line(3, 0, 5, 0));
    Seg inside(Line(1, 1, 1, 1));
    Seg reversed(Line(5, 5, -5, -5));
    EXPECT_EQ(1, SEG2DBoxOverlap(a.get(), corner.get()));
    EXPECT_EQ(0, SEG2DBoxOverlap(a.get(), apart.get()));
    EXPECT_EQ(1, SEG2DBoxOverlap(a.get(), inside.get()));
    EXPECT_EQ(1, SEG2DBoxOverlap(inside.get(), reversed.get()));
    EXPECT_EQ(1, SEG2DOverlaps(a.get(), corner.get()));
    EXPECT_EQ(0, SEG2DOverlaps(a.get(), apart.get()));
}

TEST(Seg2d, SpanOverlapTakesEndpointsInTheirOrder) {
    Seg a(Line(0, 0, 4, 0));
    Seg beyond(Line(5, 0, 8, 0));
    Seg over(Line(2, 0, 8, 0));
    Seg touching(Line(4, 0, 9, 0));
    EXPECT_EQ(0, SEG2DSpanOverlap(a.get(), beyond.get()));
    EXPECT_EQ(1, SEG2DSpanOverlap(a.get(), over.get()));
    EXPECT_EQ(1, SEG2DSpanOverlap(a.get(), touching.get()));
    // Apart on x but sharing y spans: the x test alone decides.
    Seg stacked(Line(6, -3, 9, 3));
    EXPECT_EQ(0, SEG2DSpanOverlap(a.get(), stacked.get()));
    // Overlapping on x, apart on y.
    Seg above(Line(1, -5, 3, -2));
    EXPECT_EQ(0, SEG2DSpanOverlap(a.get(), above.get()));
    // Reversed endpoints: (4,0)->(0,0) against (2,0)->(3,0) still overlaps.
    Seg back(Line(4, 0, 0, 0));
    Seg small(Line(2, 0, 3, 0));
    EXPECT_EQ(1, SEG2DSpanOverlap(back.get(), small.get()));
    EXPECT_EQ(0, SEG2DSpanOverlap(back.get(), beyond.get()));
}

TEST(Seg2d, CrossingTest) {
    Seg a(Line(0, 0, 10, 10));
    Seg x(Line(0, 10, 10, 0));          // crosses at x = 5
    Seg far(Line(20, 0, 30, -10));      // its line meets a's at x = 10, outside it
    Seg parallel(Line(0, 5, 10, 15));   // same slope, other intercept
    Seg onLine(Line(5, 5, 15, 15));     // the same line, overlapping
    Seg offLine(Line(20, 20, 30, 30));  // the same line, apart
    EXPECT_EQ(1, SEG2DCrosses(a.get(), x.get()));
    EXPECT_EQ(0, SEG2DCrosses(a.get(), far.get()));
    EXPECT_EQ(0, SEG2DCrosses(a.get(), parallel.get()));
    EXPECT_EQ(1, SEG2DCrosses(a.get(), onLine.get()));
    EXPECT_EQ(0, SEG2DCrosses(a.get(), offLine.get()));

    // A vertical segment reads dx 0 as 1: slope 2560, intercept -12800; it
    // meets the horizontal one at xi = 14080 / 2560 = 5.
    Seg vertical(Line(5, 0, 5, 10));
    Seg horizontal(Line(0, 5, 10, 5));
    EXPECT_EQ(1, SEG2DCrosses(vertical.get(), horizontal.get()));

    // xi = 2816 / -512 truncates to -5, just past b's end at -6: no crossing
    // (rounding down to -6 would claim one).
    Seg down(Line(-10, 0, 0, -10));
    Seg up(Line(-10, -9, -6, -5));
    EXPECT_EQ(0, SEG2DCrosses(down.get(), up.get()));
}

TEST(Seg2d, CrossingIsExactForHugeCoordinates) {
    // 32-bit intermediates would overflow here; the crossing is at x = 0.
    Seg a(Line(-100000000, -100000000, 100000000, 100000000));
    Seg b(Line(-100000000, 100000000, 100000000, -100000000));
    EXPECT_EQ(1, SEG2DCrosses(a.get(), b.get()));
    Seg c(Line(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    Seg d(Line(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN));
    EXPECT_EQ(1, SEG2DCrosses(c.get(), d.get()));
}

TEST(Seg2d, EveryOperationAcceptsNullAndMissingEndpoints) {
    StdoutCapture out;
    const uint64_t before = REPORTCount();
    Seg s(Line(1, 1, 2, 2));
    SEG2D* hollow = SEG2DNew();
    VEC2D* end = hollow->end;
    hollow->end = nullptr;  // a segment that lost an endpoint
    Img img(Sized(3, 3));
    SEG2D* none = nullptr;
    SEG2DFree(nullptr);
    SEG2DFree(&none);
    SEG2DFreeShell(nullptr);
    EXPECT_EQ(nullptr, SEG2DToASCII(nullptr));
    EXPECT_EQ(nullptr, SEG2DFromASCII(nullptr));
    EXPECT_FALSE(SEG2DEqual(s.get(), hollow));
    SEG2DCopy(s.get(), hollow);
    EXPECT_EQ(nullptr, SEG2DClone(hollow));
    SEG2DDraw(hollow, img.get());
    SEG2DDraw(s.get(), nullptr);
    SEG2DDrawEnds(nullptr, img.get());
    SEG2DDrawRotated(s.get(), 3, nullptr, img.get());
    SEG2DRotate(hollow, 3);
    SEG2DTranslate(s.get(), nullptr);
    SEG2DScale(hollow, 2);
    SEG2DMul(s.get(), nullptr);
    EXPECT_EQ(0, SEG2DBoxOverlap(s.get(), hollow));
    EXPECT_EQ(0, SEG2DOverlaps(hollow, s.get()));
    EXPECT_EQ(0, SEG2DSpanOverlap(s.get(), hollow));
    EXPECT_EQ(0, SEG2DCrosses(hollow, s.get()));
    EXPECT_EQ(before + 20, REPORTCount());
    EXPECT_EQ("", out.Take());  // the segment module's report is silent
    EXPECT_EQ(0, hollow->start->x);
    EXPECT_EQ(1, s->start->x);
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 0, 0));
    SEG2DFree(&hollow);  // frees the start it still has
    VEC2DFree(&end);
}
}  // namespace
