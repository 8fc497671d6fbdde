// The line font's stamps (the points of a glyph's unclipped walks, stored
// once per scale and image width) against the glyph objects drawn by
// OBJ2DDraw: random glyphs (points, stubs, long strokes, ends left of and
// above the model origin), odd image sizes, scales that mirror, pens at and
// across every edge, several colours a glyph, tinted runs, and more points
// than the store holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/list.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/seg2d.h"

namespace {
using Font = Owned<LFONT, LFONTFree>;
using Img = Owned<IMG, IMGFree>;

uint32_t Next(uint32_t* state) {
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

int32_t Between(uint32_t* state, int32_t lo, int32_t hi) {
    return lo + static_cast<int32_t>(Next(state) % static_cast<uint32_t>(hi - lo + 1));
}

// The same random glyph list every time for the same seed: codes 0 .. 39,
// every fifth one empty, segments from 1 to 7, each end its own colour.
LIST* RandomGlyphs(uint32_t seed, int32_t span) {
    uint32_t state = seed;
    LIST* list = LISTNew();
    for (int32_t code = 0; code < 40; ++code) {
        if (code % 5 == 4) {
            LISTPush(list, nullptr);
            continue;
        }
        OBJ2D* glyph = OBJ2DNew();
        const int32_t segments = Between(&state, 1, 7);
        for (int32_t i = 0; i < segments; ++i) {
            SEG2D* s = SEG2DNew();
            s->start->x = Between(&state, -2, span);
            s->start->y = Between(&state, -2, span);
            const int32_t shape = Between(&state, 0, 3);  // a point, a stub, a stroke, any
            s->end->x = shape == 0 ? s->start->x
                        : shape == 1 ? s->start->x + Between(&state, -1, 1)
                        : shape == 2 ? s->start->x
                                     : Between(&state, -2, span);
            s->end->y = shape == 0 ? s->start->y
                        : shape == 1 ? s->start->y + Between(&state, -1, 1)
                                     : Between(&state, -2, span);
            s->start->colour = Next(&state) | 0x01000000u;
            s->end->colour = Next(&state);
            OBJ2DAddSegment(glyph, s);
        }
        LISTPush(list, glyph);
    }
    return list;
}

struct Case {
    int32_t width, height;
    int32_t kx, ky;
    int32_t span;  // model coordinates from -2 to span
};

// Draws codes at random pens (inside, at an edge, across one) through the
// font, and the same glyph objects posed alike through OBJ2DDraw; tinted
// draws give the reference glyph the colour first.
void ExpectSamePixels(const Case& c, uint32_t seed, bool tinted) {
    Img fast(Sized(c.width, c.height));
    Img plain(Sized(c.width, c.height));
    Font font(LFONTNew());
    Font reference(LFONTNew());
    font->glyphs = RandomGlyphs(seed, c.span);
    reference->glyphs = RandomGlyphs(seed, c.span);
    font->image = fast.get();
    font->scale->x = c.kx;
    font->scale->y = c.ky;
    uint32_t state = seed * 7u + 1u;
    const int32_t reachX = (c.span + 2) * (c.kx < 0 ? -c.kx : c.kx);
    const int32_t reachY = (c.span + 2) * (c.ky < 0 ? -c.ky : c.ky);
    for (int32_t draw = 0; draw < 400; ++draw) {
        const int32_t code = Between(&state, 0, 41);  // 40, 41: no glyph
        const int32_t x = Between(&state, -reachX, c.width + reachX);
        const int32_t y = Between(&state, -reachY, c.height + reachY);
        const uint32_t colour = Next(&state);
        font->position->x = x;
        font->position->y = y;
        if (tinted) {
            const char text = static_cast<char>(code);
            LFONTDrawCycleInColour(font.get(), &text, 1, 0, 1, colour);
        } else {
            font->code = code;
            LFONTDrawChar(font.get());
        }
        OBJ2D* glyph = static_cast<OBJ2D*>(LISTGet(reference->glyphs, code));
        if (glyph == nullptr) continue;
        if (tinted) OBJ2DSetColor(glyph, colour);
        glyph->scale->x = c.kx;
        glyph->scale->y = c.ky;
        glyph->position->x = x;
        glyph->position->y = y;
        OBJ2DDraw(glyph, plain.get());
    }
    EXPECT_TRUE(IMGEqual(fast.get(), plain.get()))
        << c.width << " x " << c.height << " scale " << c.kx << "," << c.ky << " seed " << seed
        << (tinted ? " tinted" : "");
}

TEST(LfontStamp, SamePixelsAsTheGlyphObjects) {
    const Case cases[] = {
        {37, 29, 1, 1, 9},    {64, 40, 2, 1, 9},   {33, 65, -1, 2, 9},  {256, 256, 3, -2, 15},
        {1, 1, 1, 1, 2},      {5, 300, 1, 1, 15},  {129, 17, -2, -1, 7},
        {700, 300, 40, 9, 15},  // walks past the longest stamped one, points past the store
    };
    uint32_t seed = 3;
    for (const Case& c : cases) {
        for (const bool tinted : {false, true}) ExpectSamePixels(c, seed++, tinted);
    }
}

// One font into images of two widths and at two scales in turn: the stamps
// start over at each change, and stay right after a glyph changes.
TEST(LfontStamp, FollowTheWidthTheScaleAndTheGlyphs) {
    Img narrow(Sized(41, 30));
    Img wide(Sized(90, 30));
    Img plainNarrow(Sized(41, 30));
    Img plainWide(Sized(90, 30));
    Font font(LFONTNew());
    Font reference(LFONTNew());
    font->glyphs = RandomGlyphs(99, 8);
    reference->glyphs = RandomGlyphs(99, 8);
    for (int32_t round = 0; round < 6; ++round) {
        const bool toWide = round % 2 == 1;
        const int32_t k = round < 4 ? 1 : 2;
        font->image = toWide ? wide.get() : narrow.get();
        font->scale->x = k;
        font->scale->y = k;
        if (round == 3) {  // a glyph's end moves in place, announced
            for (LFONT* f : {font.get(), reference.get()}) {
                auto* g = static_cast<OBJ2D*>(LISTGet(f->glyphs, 1));
                static_cast<SEG2D*>(LISTGet(g->segments, 0))->end->x += 3;
            }
            LFONTGlyphsChanged(font.get());
        }
        for (int32_t code = 0; code < 8; ++code) {
            const int32_t x = 2 + 10 * code * k % 60;
            const int32_t y = 3 + round;
            font->position->x = x;
            font->position->y = y;
            font->code = code;
            LFONTDrawChar(font.get());
            OBJ2D* glyph = static_cast<OBJ2D*>(LISTGet(reference->glyphs, code));
            if (glyph == nullptr) continue;
            glyph->scale->x = k;
            glyph->scale->y = k;
            glyph->position->x = x;
            glyph->position->y = y;
            OBJ2DDraw(glyph, toWide ? plainWide.get() : plainNarrow.get());
        }
        EXPECT_TRUE(IMGEqual(narrow.get(), plainNarrow.get())) << round;
        EXPECT_TRUE(IMGEqual(wide.get(), plainWide.get())) << round;
    }
}

}  // namespace
