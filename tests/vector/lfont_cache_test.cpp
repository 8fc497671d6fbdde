// Tests of the line font's glyph cache: drawing through it gives exactly the
// pixels of OBJ2DDraw on the glyph objects, and it follows the glyph list
// when the list, an entry or the colours change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/marker_font.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/texts.h"

namespace {
using Font = Owned<LFONT, LFONTFree>;
using Img = Owned<IMG, IMGFree>;

OBJ2D* Glyph(const LFONT* font, int code) {
    return static_cast<OBJ2D*>(LISTGet(font->glyphs, code));
}

LFONT* TextFont(const char* text, int32_t cell, IMG* img) {
    LFONT* font = LFONTNew();
    font->glyphs = OBJ2DListFromASCII(text);
    font->cellSize->x = cell;
    font->cellSize->y = cell;
    font->image = img;
    return font;
}

// Every code of the font in rows of 16 at the given scale and start, once
// through the font (the cache) and once by posing each glyph object and
// calling OBJ2DDraw itself; both pictures must be equal.
void ExpectSamePixels(const char* text, int32_t cell, int32_t kx, int32_t ky, int32_t x0,
                      int32_t y0) {
    Img cached(Sized(256, 256));
    Img plain(Sized(256, 256));
    Font font(TextFont(text, cell, cached.get()));
    font->scale->x = kx;
    font->scale->y = ky;
    const int32_t codes = font->glyphs->count;
    for (int32_t code = 0; code < codes; ++code) {
        font->position->x = x0 + (code % 16) * cell * kx;
        font->position->y = y0 + (code / 16) * cell * ky;
        font->code = code;
        LFONTDrawChar(font.get());
        OBJ2D* glyph = Glyph(font.get(), code);
        if (glyph == nullptr) continue;
        glyph->position->x = x0 + (code % 16) * cell * kx;
        glyph->position->y = y0 + (code / 16) * cell * ky;
        OBJ2DDraw(glyph, plain.get());
    }
    EXPECT_TRUE(IMGEqual(cached.get(), plain.get()))
        << "cell " << cell << " scale " << kx << "," << ky << " at " << x0 << "," << y0;
}

TEST(LfontCache, SamePixelsAsTheGlyphObjects) {
    ExpectSamePixels(FONT8_TEXT, 8, 1, 1, 0, 0);
    ExpectSamePixels(FONT8_TEXT, 8, 2, 1, -5, 3);  // cut at the left edge
    ExpectSamePixels(FONT8_TEXT, 8, -1, 2, 200, -7);
    ExpectSamePixels(FONT16_TEXT, 16, 1, 1, 3, -20);
    ExpectSamePixels(OBJLIB_TEXT, 16, 1, 1, 0, 0);        // more segments than the cache holds
    ExpectSamePixels(FONT8_TEXT, 8, 70000, 70000, 0, 0);  // products wrap alike
}

TEST(LfontCache, ColoursReachTheGlyphsAndThePixels) {
    Img img(Sized(64, 16));
    Font font(TextFont(FONT8_TEXT, 8, img.get()));
    font->code = 'H';
    LFONTDrawChar(font.get());  // builds the cache
    LFONTSetColor(font.get(), 0x00123456);
    for (int code : {'A', 'H', 'Z', '0'}) {
        const OBJ2D* g = Glyph(font.get(), code);
        EXPECT_EQ(0x00123456u, g->colour) << code;
        for (int i = 0; i < g->points->count; ++i) {
            EXPECT_EQ(0x00123456u, static_cast<const VEC2D*>(LISTGet(g->points, i))->colour);
        }
    }
    IMGClear(img.get());
    font->position->x = 0;
    LFONTDrawChar(font.get());
    EXPECT_EQ(0x00123456u, IMGGetPixel(img.get(), 0, 0));  // H's left stroke

    RNGSeed(5);
    font->position->x = 8;
    LFONTDrawCharRandomColor(font.get());
    const uint32_t colour = Glyph(font.get(), 'H')->colour;
    EXPECT_NE(0x00123456u, colour);
    EXPECT_EQ(colour, IMGGetPixel(img.get(), 8, 0));

    LFONTRandomColors(font.get());
    font->position->x = 16;
    LFONTDrawChar(font.get());
    EXPECT_EQ(Glyph(font.get(), 'H')->colour, IMGGetPixel(img.get(), 16, 0));
}

TEST(LfontCache, FollowsTheListAndItsEntries) {
    Img img(Sized(32, 16));
    Font font(TextFont(FONT8_TEXT, 8, img.get()));
    font->code = 'A';
    LFONTDrawChar(font.get());

    // A new segment on the glyph: its count changed, so the next draw sees it.
    SEG2D* extra = SEG2DNew();
    extra->start->x = 0;
    extra->start->y = 7;
    extra->end->x = 6;
    extra->end->y = 7;
    ASSERT_TRUE(OBJ2DAddSegment(Glyph(font.get(), 'A'), extra));
    IMGClear(img.get());
    font->position->x = 0;
    LFONTDrawChar(font.get());
    EXPECT_NE(0u, IMGGetPixel(img.get(), 3, 7));

    // Another glyph object in the entry.
    OBJ2D* dot = OBJ2DNew();
    SEG2D* s = SEG2DNew();
    s->start->x = s->start->y = s->end->x = s->end->y = 2;
    ASSERT_TRUE(OBJ2DAddSegment(dot, s));
    OBJ2D* old = Glyph(font.get(), 'A');
    LISTSet(font->glyphs, dot, 'A');
    OBJ2DFree(&old);
    IMGClear(img.get());
    font->position->x = 0;
    LFONTDrawChar(font.get());
    ExpectPicture(img.get(), {"....", "....", "..#.", "...."});

    // Coordinates edited in place are not seen until announced: the draws
    // above came from the cache, not from the objects.
    s->start->x = s->end->x = 3;
    IMGClear(img.get());
    font->position->x = 0;
    LFONTDrawChar(font.get());
    ExpectPicture(img.get(), {"....", "....", "..#.", "...."});
    LFONTGlyphsChanged(font.get());
    IMGClear(img.get());
    font->position->x = 0;
    LFONTDrawChar(font.get());
    ExpectPicture(img.get(), {"....", "....", "...#", "...."});

    // A whole new list.
    LIST* fresh = OBJ2DListFromASCII(FONT16_TEXT);
    OBJ2DListFree(&font->glyphs);
    font->glyphs = fresh;
    Img wide(Sized(32, 32));
    Img plain(Sized(32, 32));
    font->image = wide.get();
    font->position->x = 0;
    LFONTDrawChar(font.get());
    OBJ2D* glyph = Glyph(font.get(), 'A');
    glyph->position->x = 0;
    OBJ2DDraw(glyph, plain.get());
    EXPECT_TRUE(IMGEqual(wide.get(), plain.get()));
}
// A glyph the cache cannot hold (a segment without endpoints, or past the
// cache's room) is drawn from its list without rebuilding the cache each time:
// a cached glyph edited unannounced keeps its cached look until the edit is
// announced, however often the other one is drawn.
TEST(LfontCache, AGlyphItCannotHoldDoesNotRebuildIt) {
    for (bool endpointless : {true, false}) {
        SCOPED_TRACE(endpointless ? "no endpoints" : "past the cache's room");
        Img img(Sized(64, 64));
        Font font(TextFont(endpointless ? FONT8_TEXT : OBJLIB_TEXT, 16, img.get()));
        int32_t kept = 0;  // the first glyph with a segment: cached
        while (Glyph(font.get(), kept) == nullptr || Glyph(font.get(), kept)->segments->count == 0)
            ++kept;
        int32_t odd = font->glyphs->count - 1;
        if (endpointless) {
            odd = 'B';
            OBJ2D* bad = OBJ2DNew();
            SEG2D* s = SEG2DNew();
            s->end->x = 5;
            ASSERT_TRUE(OBJ2DAddSegment(bad, s));
            LISTPush(bad->segments, nullptr);
            OBJ2D* old = Glyph(font.get(), odd);
            LISTSet(font->glyphs, bad, odd);
            OBJ2DFree(&old);
        }
        while (Glyph(font.get(), odd) == nullptr) --odd;
        const auto draw = [&](int32_t code) {  // returns the picture of this draw alone
            IMGClear(img.get());
            font->position->x = 0;
            font->code = code;
            LFONTDrawChar(font.get());
            return std::vector<uint32_t>(img->pixels, img->pixels + 64 * 64);
        };
        draw(odd);  // the one rebuild the new entry calls for
        const std::vector<uint32_t> before = draw(kept);
        SEG2D* first = static_cast<SEG2D*>(LISTGet(Glyph(font.get(), kept)->segments, 0));
        first->start->x += 3;
        first->end->x += 3;
        for (int i = 0; i < 3; ++i) draw(odd);
        EXPECT_TRUE(before == draw(kept)) << "the cache was rebuilt";
        LFONTGlyphsChanged(font.get());
        EXPECT_TRUE(before != draw(kept)) << "the announced edit was not drawn";
    }
}

// Every glyph's colour and its points' colours, in list order.
std::vector<uint32_t> Colours(const LFONT* font) {
    std::vector<uint32_t> c;
    for (int32_t i = 0; i < font->glyphs->count; ++i) {
        const OBJ2D* g = Glyph(font, i);
        if (g == nullptr) continue;
        c.push_back(g->colour);
        for (int32_t k = 0; k < g->points->count; ++k)
            c.push_back(static_cast<const VEC2D*>(LISTGet(g->points, k))->colour);
    }
    return c;
}

// A run in a colour draws what recolouring the font and drawing the run
// draws, cached or not, rotated or not; a recolour afterwards leaves the same glyphs.
TEST(LfontCache, ARunInAColourIsARecolourAndARun) {
    struct Case {
        const char* what;
        const char* text;
        int32_t angle;
        int32_t first;  // the run's codes: first .. first + 15, all of them with glyphs
    } const cases[] = {{"cached", FONT8_TEXT, 0, 'A'},
                       {"rotated", FONT8_TEXT, 40, 'A'},
                       {"past the cache", OBJLIB_TEXT, 0, 87 - 16}};  // the last 16 objects
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Img plainImg(Sized(256, 256)), tintImg(Sized(256, 256));
        Font plain(TextFont(c.text, 16, plainImg.get())), tint(TextFont(c.text, 16, tintImg.get()));
        std::string codes;
        for (int32_t i = c.first; i < c.first + 16; ++i) codes += static_cast<char>(i);
        for (LFONT* f : {plain.get(), tint.get()}) {
            RNGSeed(11);
            LFONTRandomColors(f);
            f->angle = c.angle;
        }
        const std::vector<uint32_t> before = Colours(tint.get());
        int32_t y = 20;  // a row of its own for each colour
        for (uint32_t colour : {0x00112233u, 0x00FFEE01u}) {
            for (LFONT* f : {plain.get(), tint.get()}) *f->position = VEC2D{-40, y, 0};
            y += 110;
            LFONTSetColor(plain.get(), colour);
            LFONTDrawCycle(plain.get(), codes.data(), 16, 5, 48);
            LFONTDrawCycleInColour(tint.get(), codes.data(), 16, 5, 48, colour);
        }
        ASSERT_GT(256 * 256, std::count(plainImg->pixels, plainImg->pixels + 256 * 256, 0u));
        EXPECT_TRUE(IMGEqual(plainImg.get(), tintImg.get()));
        EXPECT_EQ(plain->position->x, tint->position->x);
        EXPECT_EQ(plain->code, tint->code);
        if (c.angle == 0 && c.text == FONT8_TEXT) {
            EXPECT_EQ(before, Colours(tint.get())) << "the cached glyphs were recoloured";
        }
        LFONTSetColor(tint.get(), 0x00FFEE01u);
        EXPECT_EQ(Colours(plain.get()), Colours(tint.get()));
    }
}

TEST(LfontCycle, RunsOfACyclicText) {
    Img img(Sized(64, 8));
    Font font(MarkerFont(img.get()));
    const char text[] = {'A', 'B', static_cast<char>(0xC1), 'C'};  // no terminator
    LFONTDrawCycle(font.get(), text, 4, -2, 6);  // from index 2: 0xC1 is -63, no glyph
    EXPECT_EQ(".CAB.C..", RowCodes(img.get(), 0, 8, 8));
    EXPECT_EQ(48, font->position->x);
    EXPECT_EQ('C', font->code);

    const uint64_t n = REPORTCount();
    LFONTDrawCycle(font.get(), nullptr, 4, 0, 1);
    LFONTDrawCycle(font.get(), text, 0, 0, 1);
    LFONTDrawCycle(nullptr, text, 4, 0, 1);
    EXPECT_EQ(n + 3, REPORTCount());
    EXPECT_EQ(48, font->position->x);
}
}  // namespace
