// Tests of OBJ2D: the worked square, posed drawing, extent and proximity, text
// ownership of copies, and the object text format on its tricky inputs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/obj2d.h"

namespace {
using Obj = Owned<OBJ2D, OBJ2DFree>;
using Objs = Owned<LIST, OBJ2DListFree>;
using Img = Owned<IMG, IMGFree>;

OBJ2D* Entry(const LIST* list, int32_t i) { return static_cast<OBJ2D*>(LISTGet(list, i)); }
SEG2D* SegmentOf(const OBJ2D* obj, int32_t i) {
    return static_cast<SEG2D*>(LISTGet(obj->segments, i));
}
VEC2D* PointOf(const OBJ2D* obj, int32_t i) {
    return static_cast<VEC2D*>(LISTGet(obj->points, i));
}

// The segment as "(x1,y1)-(x2,y2)" for compact expectations.
std::string Text(const SEG2D* s) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "(%d,%d)-(%d,%d)", s->start->x, s->start->y, s->end->x,
                  s->end->y);
    return buf;
}

OBJ2D* WithSegment(OBJ2D* obj, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    SEG2D* s = SEG2DNew();
    s->start->x = x1;
    s->start->y = y1;
    s->end->x = x2;
    s->end->y = y2;
    EXPECT_TRUE(OBJ2DAddSegment(obj, s));
    return obj;
}

const char kSquare[] =
    "color $00ffffff\n"
    "{ name square1\n"
    "s 0, 0, 0, 14\n"
    "s 0, 14, 14, 14\n"
    "s 14, 14, 14, 0\n"
    "s 14, 0, 0, 0\n"
    "}\n";

TEST(Obj2d, IdentityRecord) {
    const char* const want[5] = {"OBJ2D   ", "20120515", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], OBJ2D_IDENTITY[i]) << i;
}

TEST(Obj2d, NewObjectDefaults) {
    Obj o(OBJ2DNew());
    ASSERT_NE(nullptr, o.get());
    EXPECT_EQ(nullptr, o->name);
    EXPECT_EQ(0, o->position->x);
    EXPECT_EQ(16, o->size->x);
    EXPECT_EQ(16, o->size->y);
    EXPECT_EQ(1, o->scale->x);
    EXPECT_EQ(1, o->scale->y);
    EXPECT_EQ(0, o->angle);
    EXPECT_EQ(0u, o->colour);
    EXPECT_EQ(-1, o->farthest);
    EXPECT_EQ(0, o->points->count);
    EXPECT_EQ(0, o->segments->count);
    EXPECT_EQ(nullptr, OBJ2DToASCII(o.get()));
    EXPECT_EQ(nullptr, OBJ2DFromASCII("{ }\n"));
    EXPECT_FALSE(OBJ2DEqual(o.get(), o.get()));
}

TEST(Obj2d, WorkedSquare) {
    Objs list(OBJ2DListFromASCII(kSquare));
    ASSERT_NE(nullptr, list.get());
    ASSERT_EQ(1, list->count);
    OBJ2D* sq = Entry(list.get(), 0);
    ASSERT_NE(nullptr, sq);
    EXPECT_STREQ("square1", sq->name);
    ASSERT_EQ(4, sq->segments->count);
    ASSERT_EQ(8, sq->points->count);
    EXPECT_EQ("(0,0)-(0,14)", Text(SegmentOf(sq, 0)));
    EXPECT_EQ("(14,0)-(0,0)", Text(SegmentOf(sq, 3)));
    for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(0x00FFFFFFu, PointOf(sq, i)->colour) << i;
    // The points are the endpoints themselves.
    EXPECT_EQ(SegmentOf(sq, 1)->start, PointOf(sq, 2));
    EXPECT_EQ(SegmentOf(sq, 1)->end, PointOf(sq, 3));
    // (14,14) ends segment 1; point 4 is as far but starts are not compared.
    EXPECT_EQ(3, sq->farthest);

    sq->position->x = 10;
    sq->position->y = 20;
    sq->scale->x = 2;
    sq->scale->y = 2;
    Img img(Sized(50, 50));
    OBJ2DDraw(sq, img.get());
    int set = 0;
    for (int32_t y = 0; y < 50; ++y) {
        for (int32_t x = 0; x < 50; ++x) {
            const bool edge = (x == 10 || x == 38) ? (y >= 20 && y <= 48)
                              : (y == 20 || y == 48) ? (x >= 10 && x <= 38)
                                                     : false;
            const uint32_t p = IMGGetPixel(img.get(), x, y);
            set += p != 0 ? 1 : 0;
            if (edge) {
                EXPECT_EQ(0x00FFFFFFu, p) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(4 * 28, set);  // the outline and nothing else
    EXPECT_EQ(14, PointOf(sq, 3)->x);  // drawing leaves the model alone

    // Without the colour line every point is black.
    Objs dark(OBJ2DListFromASCII(kSquare + std::strlen("color $00ffffff\n")));
    ASSERT_EQ(1, dark->count);
    for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(0u, PointOf(Entry(dark.get(), 0), i)->colour);
}

TEST(Obj2d, PosedDrawingRotatesAboutTheModelOrigin) {
    Obj o(WithSegment(OBJ2DNew(), 0, 0, 3, 0));
    OBJ2DSetColor(o.get(), 0x00FF0000u);
    EXPECT_EQ(0x00FF0000u, o->colour);
    o->angle = 256;  // (3,0) turns to (0,2)
    o->position->x = 2;
    o->position->y = 1;
    Img img(Sized(5, 5));
    OBJ2DDraw(o.get(), img.get());
    ExpectPicture(img.get(), {".....",
                              "..#..",
                              "..#..",
                              "..#..",
                              "....."});
    EXPECT_EQ(0x00FF0000u, IMGGetPixel(img.get(), 2, 3));

    Img raw(Sized(5, 5));  // model coordinates, pose ignored
    OBJ2DDrawRaw(o.get(), raw.get());
    ExpectPicture(raw.get(), {"####.",
                              "....."});
    Img points(Sized(5, 5));
    OBJ2DDrawPoints(o.get(), points.get());
    ExpectPicture(points.get(), {"#..#.",
                                 "....."});
    Img posed(Sized(5, 5));
    OBJ2DDrawPointsPosed(o.get(), posed.get());
    ExpectPicture(posed.get(), {".....",
                                "..#..",
                                ".....",
                                "..#..",
                                "....."});
    EXPECT_EQ(3, PointOf(o.get(), 1)->x);
}

TEST(Obj2d, PosedDrawingEqualsTheSegmentSteps) {
    // OBJ2DDraw against its definition: per segment, last to first, a copy
    // multiplied by scale, rotated, translated and drawn.
    std::mt19937 rng(515u);
    auto in = [&rng](int32_t lo, int32_t hi) {
        return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
    };
    Img got(Sized(64, 48));
    Img want(Sized(64, 48));
    for (int round = 0; round < 300; ++round) {
        Obj o(OBJ2DNew());
        const int n = in(1, 12);
        for (int i = 0; i < n; ++i) WithSegment(o.get(), in(0, 15), in(0, 15), in(0, 15), in(0, 15));
        OBJ2DSetColor(o.get(), static_cast<uint32_t>(round + 1));
        PointOf(o.get(), 0)->colour = 0x00ABCDEFu;  // segments keep their own colours
        o->scale->x = in(-4, 4);
        o->scale->y = in(-4, 4);
        o->angle = round % 3 == 0 ? 0 : in(-3000, 3000);
        if (round % 10 == 1) o->angle = INT32_MAX - in(0, 255);  // the cosine's index wraps
        o->position->x = in(-20, 80);
        o->position->y = in(-20, 70);
        OBJ2DDraw(o.get(), got.get());
        for (int32_t i = o->segments->count - 1; i >= 0; --i) {
            Owned<SEG2D, SEG2DFree> copy(SEG2DClone(SegmentOf(o.get(), i)));
            SEG2DMul(copy.get(), o->scale);
            SEG2DRotate(copy.get(), o->angle);
            SEG2DTranslate(copy.get(), o->position);
            SEG2DDraw(copy.get(), want.get());
        }
        ASSERT_TRUE(IMGEqual(got.get(), want.get())) << "round " << round;
    }
}

TEST(Obj2d, LaterSegmentsAreDrawnFirst) {
    // Two segments over the same pixel: the first one in the list wins.
    Obj o(OBJ2DNew());
    WithSegment(o.get(), 0, 0, 2, 0);
    WithSegment(o.get(), 2, 0, 0, 0);
    PointOf(o.get(), 0)->colour = 1u;
    PointOf(o.get(), 2)->colour = 2u;
    Img img(Sized(3, 1));
    OBJ2DDraw(o.get(), img.get());
    EXPECT_EQ(1u, IMGGetPixel(img.get(), 1, 0));
}

TEST(Obj2d, TransformAppliesThePoseForGood) {
    Obj o(WithSegment(OBJ2DNew(), 1, 2, 3, 4));
    o->scale->x = 2;
    o->scale->y = 3;
    o->position->x = 10;
    o->position->y = -1;
    OBJ2DTransform(o.get());
    EXPECT_EQ("(12,5)-(16,11)", Text(SegmentOf(o.get(), 0)));
}

TEST(Obj2d, FarthestPointRules) {
    Obj o(OBJ2DNew());
    WithSegment(o.get(), 5, 0, 1, 1);  // end (1,1) is the first compared point
    EXPECT_EQ(1, o->farthest);
    WithSegment(o.get(), 9, 9, 0, 2);  // the far start is never compared
    EXPECT_EQ(3, o->farthest);
    WithSegment(o.get(), 0, 0, 2, 0);  // a tie does not move it
    EXPECT_EQ(3, o->farthest);
    EXPECT_EQ(1, OBJ2DIsFarther(o.get(), 2));
    EXPECT_EQ(0, OBJ2DIsFarther(o.get(), 5));
    const uint64_t before = REPORTCount();
    EXPECT_EQ(0, OBJ2DIsFarther(o.get(), 6));
    EXPECT_EQ(0, OBJ2DIsFarther(o.get(), -1));
    EXPECT_EQ(before + 2, REPORTCount());

    OBJ2DFindFarthest(o.get());  // a full scan finds the start (9,9)
    EXPECT_EQ(2, o->farthest);
    PointOf(o.get(), 4)->x = 9;  // (9,9) twice: the higher index wins
    PointOf(o.get(), 4)->y = 9;
    OBJ2DFindFarthest(o.get());
    EXPECT_EQ(4, o->farthest);

    Obj zero(WithSegment(OBJ2DNew(), 0, 0, 0, 0));
    zero->farthest = -1;
    OBJ2DFindFarthest(zero.get());  // every point at the origin: unchanged
    EXPECT_EQ(-1, zero->farthest);
    EXPECT_EQ(1, OBJ2DIsFarther(zero.get(), 0));  // an unset farthest is beaten
}

TEST(Obj2d, NearAndCollide) {
    // Placed objects: a has radius squared 9 about (0,0), b radius squared 4
    // about (7,0). Near while c <= 9 + 4 + 9 * 4 = 49.
    Obj a(WithSegment(OBJ2DNew(), 0, 0, 3, 0));
    Obj b(WithSegment(OBJ2DNew(), 7, 0, 7, 2));
    b->position->x = 7;
    EXPECT_EQ(1, b->farthest);
    EXPECT_EQ(1, OBJ2DNear(a.get(), b.get()));  // c = 49
    EXPECT_EQ(0, OBJ2DCollide(a.get(), b.get()));  // near, but the boxes are apart
    auto moveB = [&b](int32_t x) {
        PointOf(b.get(), 0)->x = x;
        PointOf(b.get(), 1)->x = x;
        b->position->x = x;
    };
    moveB(8);
    EXPECT_EQ(0, OBJ2DNear(a.get(), b.get()));  // c = 64
    moveB(3);
    EXPECT_EQ(1, OBJ2DCollide(a.get(), b.get()));  // boxes touch at x = 3

    Obj empty(OBJ2DNew());
    const uint64_t before = REPORTCount();
    EXPECT_EQ(0, OBJ2DCollide(a.get(), empty.get()));
    EXPECT_EQ(0, OBJ2DNear(empty.get(), a.get()));
    EXPECT_EQ(before + 2, REPORTCount());

    // Far beyond drawable sizes the test stays defined.
    Obj huge(WithSegment(OBJ2DNew(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    huge->position->x = INT32_MAX;
    EXPECT_EQ(1, OBJ2DNear(huge.get(), huge.get()));
}

TEST(Obj2d, CopiesOwnTheirTexts) {
    Objs list(OBJ2DListFromASCII(kSquare));
    OBJ2D* sq = Entry(list.get(), 0);
    sq->angle = 7;
    sq->colour = 0x123u;
    sq->position->x = 4;
    OBJ2D* clone = OBJ2DClone(sq);
    ASSERT_NE(nullptr, clone);
    EXPECT_STREQ("square1", clone->name);
    EXPECT_NE(sq->name, clone->name);  // its own copy
    EXPECT_EQ(4, clone->segments->count);
    EXPECT_EQ("(14,0)-(0,0)", Text(SegmentOf(clone, 3)));
    EXPECT_EQ(0x00FFFFFFu, PointOf(clone, 5)->colour);
    EXPECT_EQ(7, clone->angle);
    EXPECT_EQ(0x123u, clone->colour);
    EXPECT_EQ(4, clone->position->x);
    EXPECT_EQ(3, clone->farthest);
    EXPECT_NE(SegmentOf(sq, 0), SegmentOf(clone, 0));

    // Copy replaces the destination's texts; both objects free cleanly.
    Obj other(OBJ2DNew());
    for (int i = 0; i < 4; ++i) WithSegment(other.get(), 1, 1, 1, 1);
    other->version = static_cast<char*>(std::calloc(3, 1));
    std::memcpy(other->version, "v1", 2);
    OBJ2DCopy(clone, other.get());
    EXPECT_STREQ("square1", other->name);
    EXPECT_EQ(nullptr, other->version);
    OBJ2DFree(&clone);  // the source first: the copy's name survives
    EXPECT_STREQ("square1", other->name);

    const uint64_t before = REPORTCount();
    Obj small(WithSegment(OBJ2DNew(), 0, 0, 1, 1));
    OBJ2DCopy(sq, small.get());  // point counts differ: nothing copied
    EXPECT_EQ(before + 1, REPORTCount());
    EXPECT_EQ(nullptr, small->name);
    EXPECT_EQ(1, PointOf(small.get(), 1)->x);
}

TEST(Obj2d, AddSegmentRefusesBrokenSegments) {
    Obj o(OBJ2DNew());
    SEG2D* s = SEG2DNew();
    VEC2D* end = s->end;
    s->end = nullptr;
    EXPECT_FALSE(OBJ2DAddSegment(o.get(), s));
    EXPECT_EQ(0, o->segments->count);
    EXPECT_EQ(0, o->points->count);
    SEG2DFree(&s);  // still the caller's
    VEC2DFree(&end);
}

// [SECTION] The object text format

TEST(Obj2dText, NullAndEmptyTexts) {
    const uint64_t before = REPORTCount();
    EXPECT_EQ(nullptr, OBJ2DListFromASCII(nullptr));
    EXPECT_EQ(before + 1, REPORTCount());
    Objs empty(OBJ2DListFromASCII(""));
    ASSERT_NE(nullptr, empty.get());
    EXPECT_EQ(0, empty->count);
    Objs blank(OBJ2DListFromASCII(" \n,;\n"));
    EXPECT_EQ(0, blank->count);
}

TEST(Obj2dText, LastTokenNeedsASeparatorAfterIt) {
    Objs cut(OBJ2DListFromASCII("{ s 1 2 3 4 }"));  // no final line break
    EXPECT_EQ(0, cut->count);
    Objs two(OBJ2DListFromASCII("{ }\n{ }"));
    EXPECT_EQ(1, two->count);
    Objs kept(OBJ2DListFromASCII("{ }\n{ } "));
    EXPECT_EQ(2, kept->count);
}

TEST(Obj2dText, BracesDoNotNestAndAStrayCloseGivesANullEntry) {
    Objs list(OBJ2DListFromASCII("{ { s 1 2 3 4 } }\n"));
    ASSERT_EQ(2, list->count);
    ASSERT_NE(nullptr, Entry(list.get(), 0));
    EXPECT_EQ(1, Entry(list.get(), 0)->segments->count);
    EXPECT_EQ(nullptr, Entry(list.get(), 1));

    Objs blanks(OBJ2DListFromASCII("{ }\n{ }\n{ }\n"));
    ASSERT_EQ(3, blanks->count);
    EXPECT_EQ(0, Entry(blanks.get(), 2)->segments->count);
}

TEST(Obj2dText, SeparatorsAndNumberForms) {
    Objs list(OBJ2DListFromASCII(
        "{\ns 7, 12, 5, 14\ns 1,14,1,2\ns 1,2,3,0,\nsegment 8,0 8,9\ns 1;7\n14 7 }\n"));
    ASSERT_EQ(1, list->count);
    OBJ2D* o = Entry(list.get(), 0);
    ASSERT_EQ(5, o->segments->count);
    EXPECT_EQ("(7,12)-(5,14)", Text(SegmentOf(o, 0)));
    EXPECT_EQ("(1,14)-(1,2)", Text(SegmentOf(o, 1)));
    EXPECT_EQ("(1,2)-(3,0)", Text(SegmentOf(o, 2)));
    EXPECT_EQ("(8,0)-(8,9)", Text(SegmentOf(o, 3)));
    EXPECT_EQ("(1,7)-(14,7)", Text(SegmentOf(o, 4)));
    // A word runs through punctuation: "4}" is the number 4 and the brace is lost.
    Objs glued(OBJ2DListFromASCII("{ s 1 2 3 4}\n"));
    EXPECT_EQ(0, glued->count);
    // Leading digits count: "12abc" is 12.
    Objs digits(OBJ2DListFromASCII("{ s 12abc 2 3 4 }\n"));
    EXPECT_EQ("(12,2)-(3,4)", Text(SegmentOf(Entry(digits.get(), 0), 0)));
}

TEST(Obj2dText, IncompleteSegmentsAndSegmentWords) {
    // The second "s" is ignored while the first is being built.
    Objs list(OBJ2DListFromASCII("{ s 1 2 3\ns 4 5 6 7 }\n"));
    ASSERT_EQ(1, list->count);
    OBJ2D* o = Entry(list.get(), 0);
    ASSERT_EQ(1, o->segments->count);
    EXPECT_EQ("(1,2)-(3,4)", Text(SegmentOf(o, 0)));
    // Any word starting with s starts a segment; numbers without one are ignored.
    Objs words(OBJ2DListFromASCII("{ 9 9 sweet 1 2 3 4 Star 5 6 7 8 }\n"));
    ASSERT_EQ(2, Entry(words.get(), 0)->segments->count);
    EXPECT_EQ("(5,6)-(7,8)", Text(SegmentOf(Entry(words.get(), 0), 1)));
    // A segment goes on across a closing brace into the next object.
    Objs across(OBJ2DListFromASCII("{ s 1 2 }\n{ 3 4 }\n"));
    ASSERT_EQ(2, across->count);
    EXPECT_EQ(0, Entry(across.get(), 0)->segments->count);
    EXPECT_EQ("(1,2)-(3,4)", Text(SegmentOf(Entry(across.get(), 1), 0)));
    // A segment finished outside any object is dropped, with the report.
    const uint64_t before = REPORTCount();
    Objs outside(OBJ2DListFromASCII("s 1 2 3 4\n{ }\n"));
    EXPECT_EQ(before + 1, REPORTCount());
    ASSERT_EQ(1, outside->count);
    EXPECT_EQ(0, Entry(outside.get(), 0)->segments->count);
    // Unfinished at the end: dropped together with the open object.
    Objs open(OBJ2DListFromASCII("{ }\n{ s 1 2 3 \n"));
    EXPECT_EQ(1, open->count);
}

TEST(Obj2dText, PendingSign) {
    Objs a(OBJ2DListFromASCII("{ s -1, 2, 3, - 4 }\n"));
    EXPECT_EQ("(-1,2)-(3,-4)", Text(SegmentOf(Entry(a.get(), 0), 0)));
    // The sign waits for the next number, even one that is ignored.
    Objs b(OBJ2DListFromASCII("- { 5 s 1 2 3 4 }\n"));
    EXPECT_EQ("(1,2)-(3,4)", Text(SegmentOf(Entry(b.get(), 0), 0)));
    // A "-" that no number follows survives into the next parse.
    Objs c(OBJ2DListFromASCII("{ }\n-\n"));
    Objs d(OBJ2DListFromASCII("{ s 5 6 7 8 }\n"));
    EXPECT_EQ("(-5,6)-(7,8)", Text(SegmentOf(Entry(d.get(), 0), 0)));
    // Two signs do not cancel.
    Objs e(OBJ2DListFromASCII("{ s - - 5 6 7 8 }\n"));
    EXPECT_EQ("(-5,6)-(7,8)", Text(SegmentOf(Entry(e.get(), 0), 0)));
}

TEST(Obj2dText, NumbersWrapModulo2To32) {
    Objs list(OBJ2DListFromASCII("{ s 4294967297 -2147483648 99999999999 2147483648 }\n"));
    const SEG2D* s = SegmentOf(Entry(list.get(), 0), 0);
    EXPECT_EQ(1, s->start->x);
    EXPECT_EQ(INT32_MIN, s->start->y);
    EXPECT_EQ(1215752191, s->end->x);  // 99999999999 - 23 * 2^32
    EXPECT_EQ(INT32_MIN, s->end->y);
    Objs hex(OBJ2DListFromASCII("c $123456789 { s 0 0 0 0 }\n"));
    EXPECT_EQ(0x23456789u, PointOf(Entry(hex.get(), 0), 0)->colour);
}

TEST(Obj2dText, ColourLinesAndPendingColour) {
    Objs list(OBJ2DListFromASCII("color $AACCEE\n{ s 1 2 3 4 }\n"));
    EXPECT_EQ(0x00AACCEEu, PointOf(Entry(list.get(), 0), 0)->colour);
    EXPECT_EQ(0x00AACCEEu, PointOf(Entry(list.get(), 0), 1)->colour);
    Objs colour(OBJ2DListFromASCII("colour $ff\n{ s 1 2 3 4 }\n"));
    EXPECT_EQ(0x000000FFu, PointOf(Entry(colour.get(), 0), 0)->colour);
    // "$" before a blank reads 0; "ff" is then an ignored word.
    Objs gap(OBJ2DListFromASCII("c $AA\nc $ ff\n{ s 1 2 3 4 }\n"));
    EXPECT_EQ(0u, PointOf(Entry(gap.get(), 0), 0)->colour);
    // A decimal colour starts nothing: the flag waits for the next hex number.
    Objs wait(OBJ2DListFromASCII("color 255\n{ s 1 2 3 4 }\n x10 \n{ s 5 6 7 8 }\n"));
    EXPECT_EQ(0u, PointOf(Entry(wait.get(), 0), 0)->colour);
    EXPECT_EQ(0x10u, PointOf(Entry(wait.get(), 1), 0)->colour);
    // Hex numbers without the flag are ignored; h works like x.
    Objs ignored(OBJ2DListFromASCII("$FF x12 c h1f { s 1 2 3 4 }\n"));
    EXPECT_EQ(0x1Fu, PointOf(Entry(ignored.get(), 0), 0)->colour);
    // The colour is taken when a point's y arrives.
    Objs mid(OBJ2DListFromASCII("{ s 1 c $11 2 3 c $22 4 }\n"));
    EXPECT_EQ(0x11u, PointOf(Entry(mid.get(), 0), 0)->colour);
    EXPECT_EQ(0x22u, PointOf(Entry(mid.get(), 0), 1)->colour);
    // Object words starting with c: no name, and the flag is on.
    Objs cube(OBJ2DListFromASCII("{ cube1\n$00ff00\ns 1 2 3 4\n}\n{ demo lolipop1\n}\n"));
    ASSERT_EQ(2, cube->count);
    EXPECT_EQ(nullptr, Entry(cube.get(), 0)->name);
    EXPECT_EQ(0x0000FF00u, PointOf(Entry(cube.get(), 0), 0)->colour);
    EXPECT_EQ(nullptr, Entry(cube.get(), 1)->name);
    // Taking the colour clears the flag: a later x or h word names nothing
    // and recolours nothing.
    Objs kept(OBJ2DListFromASCII("c $11 x22 { s 1 2 3 4 }\n"));
    EXPECT_EQ(0x11u, PointOf(Entry(kept.get(), 0), 0)->colour);
    EXPECT_EQ(0x11u, PointOf(Entry(kept.get(), 0), 1)->colour);
    Objs keptH(OBJ2DListFromASCII("color $AB\n{ h33 s 1 2 3 4 }\n{ x44 s 5 6 7 8 }\n"));
    EXPECT_EQ(0xABu, PointOf(Entry(keptH.get(), 0), 1)->colour);
    EXPECT_EQ(0xABu, PointOf(Entry(keptH.get(), 1), 0)->colour);
    // A punctuation character right after "$" is read (as 0) and swallowed:
    // the object never opens, and its "}" gives a null entry.
    Objs swallowed(OBJ2DListFromASCII("c ${ s 1 2 3 4 }\n"));
    ASSERT_EQ(1, swallowed->count);
    EXPECT_EQ(nullptr, Entry(swallowed.get(), 0));
}

TEST(Obj2dText, NameLines) {
    Objs list(OBJ2DListFromASCII(
        "name library\nversion 1\n{ name A\n}\n{ NAME  two words \n}\n{ name, x\n}\n"
        "{ names x\n}\n{ name\n}\n}\n"));
    ASSERT_EQ(5, list->count);
    EXPECT_STREQ("A", Entry(list.get(), 0)->name);
    EXPECT_STREQ("two words ", Entry(list.get(), 1)->name);  // verbatim
    EXPECT_STREQ(", x", Entry(list.get(), 2)->name);         // commas are not skipped
    EXPECT_EQ(nullptr, Entry(list.get(), 3)->name);          // "names" is no name line
    EXPECT_STREQ("}", Entry(list.get(), 4)->name);           // blanks include line breaks
    EXPECT_EQ(nullptr, Entry(list.get(), 0)->version);
}

TEST(Obj2dText, NameOfAByteAbove0x7FTakesTheNextLine) {
    Objs list(OBJ2DListFromASCII("{\nname \xB4\ns 3,0,3,2\n}\n{ name B\ns 1 2 3 4\n}\n"));
    ASSERT_EQ(2, list->count);
    EXPECT_STREQ("s 3,0,3,2", Entry(list.get(), 0)->name);
    EXPECT_EQ(0, Entry(list.get(), 0)->segments->count);
    EXPECT_EQ(1, Entry(list.get(), 1)->segments->count);
    // Bytes above 0x7F separate tokens anywhere.
    Objs high(OBJ2DListFromASCII("{\x80s\xff" "1\xA0" "2 3 4 }\n"));
    EXPECT_EQ("(1,2)-(3,4)", Text(SegmentOf(Entry(high.get(), 0), 0)));
}

TEST(Obj2dText, HeaderLinesInsideAndOutsideObjects) {
    Objs list(OBJ2DListFromASCII(
        "version, 9\n{ version, 1\nauthor ,; me\ntype 2D\n}\n"));
    ASSERT_EQ(1, list->count);
    OBJ2D* o = Entry(list.get(), 0);
    EXPECT_STREQ("1", o->version);  // version lines skip commas
    EXPECT_STREQ("me", o->author);
    EXPECT_STREQ("2D", o->type);
}

TEST(Obj2dText, CommentsQuotesAndEquals) {
    Objs list(OBJ2DListFromASCII("# { s 1 2 3 4 }\n{ = \" s 1 2 3 4 }\n#x"));
    ASSERT_EQ(1, list->count);
    EXPECT_EQ(1, Entry(list.get(), 0)->segments->count);
}

TEST(Obj2dText, LongWordsAreCutAndRestartAtThe255thCharacter) {
    // "s" + 253 zeros + "78": the first token ends with the 7, the next one
    // starts again at that 7 and reads 78.
    const std::string word = "s" + std::string(253, '0') + "78";
    Objs list(OBJ2DListFromASCII(("{ " + word + " 2 3 4 }\n").c_str()));
    ASSERT_EQ(1, list->count);
    ASSERT_EQ(1, Entry(list.get(), 0)->segments->count);
    EXPECT_EQ("(78,2)-(3,4)", Text(SegmentOf(Entry(list.get(), 0), 0)));
}

TEST(Obj2dText, EndsOfTextNeverReadPastTheTerminator) {
    // Every cut of a text full of multi-character constructs parses, and each
    // prefix is read only up to its own terminator (checked by the sanitizer
    // build, the copies being exactly as long as the prefix).
    const std::string full =
        "# head\nname lib\nversion, 2\n{ name A\ncolor $00ff00 x1 h2\ns 1,2,3,-4 }\n"
        "{ \xB4 name\n\xB4\ns 0 0 1 1\n}\n$";
    for (size_t n = 0; n <= full.size(); ++n) {
        char* copy = static_cast<char*>(std::malloc(n + 1));
        std::memcpy(copy, full.data(), n);
        copy[n] = '\0';
        LIST* list = OBJ2DListFromASCII(copy);
        ASSERT_NE(nullptr, list);
        OBJ2DListFree(&list);
        std::free(copy);
    }
    Objs sign(OBJ2DListFromASCII("0\n"));  // consume any sign left pending
}

TEST(Obj2dText, ParsingTwiceGivesEqualButSeparateObjects) {
    Objs a(OBJ2DListFromASCII(kSquare));
    Objs b(OBJ2DListFromASCII(kSquare));
    ASSERT_EQ(1, a->count);
    ASSERT_EQ(1, b->count);
    OBJ2D* oa = Entry(a.get(), 0);
    OBJ2D* ob = Entry(b.get(), 0);
    EXPECT_NE(oa, ob);
    EXPECT_NE(oa->name, ob->name);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(SEG2DEqual(SegmentOf(oa, i), SegmentOf(ob, i)));
        EXPECT_NE(SegmentOf(oa, i), SegmentOf(ob, i));
    }
}

TEST(Obj2d, EveryOperationAcceptsNull) {
    StdoutCapture out;
    const uint64_t before = REPORTCount();
    Obj o(WithSegment(OBJ2DNew(), 1, 1, 2, 2));
    Img img(Sized(3, 3));
    OBJ2D* none = nullptr;
    LIST* noList = nullptr;
    OBJ2DFree(nullptr);
    OBJ2DFree(&none);
    EXPECT_EQ(nullptr, OBJ2DToASCII(nullptr));
    EXPECT_EQ(nullptr, OBJ2DFromASCII(nullptr));
    EXPECT_FALSE(OBJ2DEqual(nullptr, o.get()));
    OBJ2DCopy(nullptr, o.get());
    EXPECT_EQ(nullptr, OBJ2DClone(nullptr));
    OBJ2DListFree(&noList);
    EXPECT_FALSE(OBJ2DAddSegment(nullptr, nullptr));
    EXPECT_FALSE(OBJ2DAddSegment(o.get(), nullptr));
    OBJ2DDraw(o.get(), nullptr);
    OBJ2DDrawRaw(nullptr, img.get());
    OBJ2DDrawPoints(o.get(), nullptr);
    OBJ2DDrawPointsPosed(nullptr, img.get());
    OBJ2DTransform(nullptr);
    OBJ2DSetColor(nullptr, 1u);
    EXPECT_EQ(0, OBJ2DIsFarther(nullptr, 0));
    OBJ2DFindFarthest(nullptr);
    EXPECT_EQ(0, OBJ2DNear(o.get(), nullptr));
    EXPECT_EQ(0, OBJ2DCollide(nullptr, o.get()));
    EXPECT_EQ(before + 20, REPORTCount());
    EXPECT_EQ("", out.Take());
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 1, 1));
}
}  // namespace
