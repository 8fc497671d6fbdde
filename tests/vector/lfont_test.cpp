// Tests of LFONT, through the marker font (tests/support/marker_font.h): the
// glyph of code c is a point at its cell corner in colour c. 128 entries.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/marker_font.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"

namespace {
using Font = Owned<LFONT, LFONTFree>;
using Img = Owned<IMG, IMGFree>;

std::string TestFontText() { return MarkerFontText(); }
LFONT* TestFont(IMG* img) { return MarkerFont(img); }

TEST(Lfont, IdentityRecordAndDefaults) {
    const char* const want[5] = {"LFONT   ", "20120707", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], LFONT_IDENTITY[i]) << i;
    Font f(LFONTNew());
    ASSERT_NE(nullptr, f.get());
    EXPECT_EQ(0, f->position->x);
    EXPECT_EQ(16, f->cellSize->x);
    EXPECT_EQ(16, f->cellSize->y);
    EXPECT_EQ(1, f->scale->x);
    EXPECT_EQ(1, f->scale->y);
    EXPECT_EQ(0, f->angle);
    EXPECT_EQ(nullptr, f->glyphs);
    EXPECT_EQ(nullptr, f->image);
}

TEST(Lfont, TestFontParses) {
    Owned<LIST, OBJ2DListFree> glyphs(OBJ2DListFromASCII(TestFontText().c_str()));
    ASSERT_EQ(128, glyphs->count);
    EXPECT_EQ(nullptr, LISTGet(glyphs.get(), 7));
    EXPECT_EQ(0, static_cast<OBJ2D*>(LISTGet(glyphs.get(), 32))->segments->count);
}

TEST(Lfont, StringsAdvanceByCellsAndLines) {
    Img img(Sized(64, 40));
    Font f(TestFont(img.get()));
    LFONTDrawString(f.get(), "AB\nC");
    EXPECT_EQ("AB..", RowCodes(img.get(), 0, 8, 4));
    EXPECT_EQ("C...", RowCodes(img.get(), 8, 8, 4));
    EXPECT_EQ(8, f->position->x);  // left where the last character put it
    EXPECT_EQ(8, f->position->y);

    // A string returns to the x where it began, not to 0.
    f->position->x = 16;
    f->position->y = 24;
    LFONTDrawString(f.get(), "D\nE F");
    EXPECT_EQ("..D.", RowCodes(img.get(), 24, 8, 4));
    EXPECT_EQ("..E.F", RowCodes(img.get(), 32, 8, 5));  // the space draws nothing
    EXPECT_EQ(40, f->position->x);
}

TEST(Lfont, ScaleMultipliesGlyphsAndAdvance) {
    Img img(Sized(64, 40));
    Font f(TestFont(img.get()));
    f->scale->x = 2;
    f->scale->y = 2;
    LFONTDrawString(f.get(), "AB\nC");
    EXPECT_EQ("AB", RowCodes(img.get(), 0, 16, 2));
    EXPECT_EQ("C", RowCodes(img.get(), 16, 16, 1));
    EXPECT_EQ(16, f->position->x);
    EXPECT_EQ(16, f->position->y);

    Img wide(Sized(24, 10));
    Font g(TestFont(wide.get()));
    g->scale->x = 2;  // twice as wide; the line step stays 8
    g->scale->y = 1;
    LFONTDrawString(g.get(), "W\nW");
    ExpectPicture(wide.get(), {"#######.................",
                               "........................",
                               "........................",
                               "........................",
                               "........................",
                               "........................",
                               "........................",
                               "........................",
                               "#######................."});
    EXPECT_EQ(16, g->position->x);
    EXPECT_EQ(8, g->position->y);
}

TEST(Lfont, AngleTurnsGlyphsButNotThePen) {
    Img img(Sized(20, 8));
    Font f(TestFont(img.get()));
    f->angle = 256;  // the bar (0,0)-(3,0) becomes (0,0)-(0,2)
    f->position->x = 4;
    f->position->y = 4;
    f->code = 'W';
    LFONTDrawChar(f.get());
    LFONTDrawChar(f.get());
    ExpectPicture(img.get(), {"....................",
                              "....................",
                              "....................",
                              "....................",
                              "....#.......#.......",
                              "....#.......#.......",
                              "....#.......#.......",
                              "...................."});
    EXPECT_EQ(20, f->position->x);
    EXPECT_EQ(4, f->position->y);
}

TEST(Lfont, LineStopsAtTheFirstLineFeed) {
    Img img(Sized(40, 20));
    Font f(TestFont(img.get()));
    LFONTDrawLine(f.get(), "AB\nC");
    EXPECT_EQ("AB...", RowCodes(img.get(), 0, 8, 5));
    EXPECT_EQ(".", RowCodes(img.get(), 8, 8, 1));
    EXPECT_EQ(16, f->position->x);
    EXPECT_EQ(0, f->position->y);
}

TEST(Lfont, HexDigits) {
    Img img(Sized(80, 40));
    Font f(TestFont(img.get()));
    LFONTDrawHex8(f.get(), 0x3F);
    EXPECT_EQ("3F", RowCodes(img.get(), 0, 8, 2));
    f->position->x = 0;
    f->position->y = 8;
    LFONTDrawHex32(f.get(), 0x0001ABCDu);
    EXPECT_EQ("0001ABCD", RowCodes(img.get(), 8, 8, 8));
    f->position->x = 0;
    f->position->y = 16;
    LFONTDrawHex32(f.get(), static_cast<uint32_t>(-1));
    EXPECT_EQ("FFFFFFFF", RowCodes(img.get(), 16, 8, 8));
    f->position->x = 0;
    f->position->y = 24;
    LFONTDrawHex16(f.get(), 0x12345u);
    EXPECT_EQ("2345.", RowCodes(img.get(), 24, 8, 5));
}

TEST(Lfont, CodesWithoutAGlyphDrawNothingButAdvance) {
    Img img(Sized(64, 8));
    Font f(TestFont(img.get()));
    for (const int32_t code : {7, 128, 300, -5}) {  // null entry, beyond the list, negative
        f->code = code;
        LFONTDrawChar(f.get());
    }
    EXPECT_EQ(32, f->position->x);
    LFONTDrawString(f.get(), "\x07\xC8" "A");  // byte 0xC8 is code 200, beyond the list
    EXPECT_EQ("......A.", RowCodes(img.get(), 0, 8, 8));
    EXPECT_EQ(56, f->position->x);
}

TEST(Lfont, Colours) {
    Img img(Sized(32, 8));
    Font f(TestFont(img.get()));
    LFONTSetColor(f.get(), 0x00FF0000u);
    LFONTDrawString(f.get(), "AB");
    EXPECT_EQ(0x00FF0000u, IMGGetPixel(img.get(), 0, 0));
    EXPECT_EQ(0x00FF0000u, IMGGetPixel(img.get(), 8, 0));

    auto light = [](uint32_t c) {
        return (c & 0xFFFF0000u) == 0x00800000u && (c & 0xFF00u) >= 0x8000u &&
               (c & 0xFFu) >= 0x80u;
    };
    RNGSeed(12345u);
    LFONTRandomColors(f.get());
    const uint32_t after = RNGState();
    RNGSeed(12345u);
    for (int i = 0; i < 128; ++i) (void)RNGDraw();  // one draw per entry, null included
    EXPECT_EQ(RNGState(), after);
    for (int c = 0; c < 128; ++c) {
        const OBJ2D* glyph = static_cast<const OBJ2D*>(LISTGet(f->glyphs, c));
        if (glyph == nullptr || glyph->points->count == 0) continue;
        const uint32_t colour = static_cast<const VEC2D*>(LISTGet(glyph->points, 0))->colour;
        EXPECT_TRUE(light(colour)) << std::hex << colour;
    }

    f->position->x = 16;
    f->code = 'C';
    LFONTDrawCharRandomColor(f.get());
    const uint32_t drawn = IMGGetPixel(img.get(), 16, 0);
    EXPECT_TRUE(light(drawn)) << std::hex << drawn;
    const OBJ2D* c = static_cast<const OBJ2D*>(LISTGet(f->glyphs, 'C'));
    EXPECT_EQ(drawn, c->colour);  // the colour stays with the glyph

    const uint32_t state = RNGState();
    f->code = 7;  // no glyph: still one draw, and the pen advances
    LFONTDrawCharRandomColor(f.get());
    const uint32_t afterMissing = RNGState();
    RNGSeed(state);
    (void)RNGDraw();
    EXPECT_EQ(RNGState(), afterMissing);
    EXPECT_EQ(32, f->position->x);
}

TEST(Lfont, MissingImage) {
    Font f(TestFont(nullptr));
    const uint64_t before = REPORTCount();
    f->code = 'A';
    LFONTDrawChar(f.get());  // nothing drawn, the object module reports, the pen moves
    EXPECT_EQ(8, f->position->x);
    EXPECT_EQ(before + 1, REPORTCount());
    LFONTDrawString(f.get(), "AB");  // refused: the pen stays
    EXPECT_EQ(8, f->position->x);
    EXPECT_EQ(before + 2, REPORTCount());
}

TEST(Lfont, EveryOperationAcceptsNull) {
    StdoutCapture out;
    Img img(Sized(16, 16));
    Font bare(LFONTNew());  // no glyph list
    bare->image = img.get();
    LFONT* none = nullptr;
    const uint64_t before = REPORTCount();
    LFONTFree(nullptr);
    LFONTFree(&none);
    EXPECT_EQ(nullptr, LFONTToASCII(nullptr, "x"));
    EXPECT_EQ(nullptr, LFONTToASCII(bare.get(), nullptr));
    EXPECT_EQ(nullptr, LFONTFromASCII(nullptr));
    EXPECT_FALSE(LFONTEqual(nullptr, bare.get()));
    LFONTCopy(bare.get(), nullptr);
    LFONTDrawChar(nullptr);
    LFONTDrawChar(bare.get());
    LFONTDrawCharRandomColor(bare.get());
    LFONTDrawHex8(nullptr, 1);
    LFONTDrawHex16(bare.get(), 1);  // two refused bytes
    LFONTDrawHex32(nullptr, 1);     // four
    LFONTDrawLine(bare.get(), "A");
    LFONTDrawLine(nullptr, "A");
    LFONTDrawString(bare.get(), "A");
    LFONTDrawString(nullptr, "A");
    LFONTSetColor(bare.get(), 1u);
    LFONTRandomColors(nullptr);
    EXPECT_EQ(before + 23, REPORTCount());
    EXPECT_EQ("", out.Take());
    EXPECT_EQ(0, bare->position->x);

    Font f(TestFont(img.get()));
    LFONTDrawLine(f.get(), nullptr);
    LFONTDrawString(f.get(), nullptr);
    EXPECT_EQ(before + 25, REPORTCount());
    EXPECT_EQ(0, f->position->x);
}

TEST(Lfont, FreeReleasesGlyphsAndList) {
    // Run under the leak checker: the glyphs, their segments, names and the
    // list must all go with the font.
    LFONT* f = TestFont(nullptr);
    LFONTFree(&f);
    EXPECT_EQ(nullptr, f);
}
}  // namespace
