// The line font's stamps (the points of a glyph's unclipped walks, kept per
// scale and image width) against the glyph objects drawn by OBJ2DDraw: random
// glyphs (points, stubs of one step, long strokes, ends left of and above the
// origin), one font through odd image sizes and mirroring scales in turn (the
// stamps start over), pens at and across every edge, colours per segment,
// tinted runs, and more points than the store holds.
#include <gtest/gtest.h>

#include <cstdint>

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

int32_t Between(uint32_t* state, int32_t lo, int32_t hi) {
    *state = *state * 1664525u + 1013904223u;
    return lo + static_cast<int32_t>((*state >> 8) % static_cast<uint32_t>(hi - lo + 1));
}

// 40 codes, every fifth without a glyph; the same list for the same seed.
LIST* RandomGlyphs(uint32_t state) {
    LIST* list = LISTNew();
    for (int32_t code = 0; code < 40; ++code) {
        OBJ2D* glyph = code % 5 == 4 ? nullptr : OBJ2DNew();
        for (int32_t i = Between(&state, 1, 7); glyph != nullptr && i > 0; --i) {
            SEG2D* s = SEG2DNew();
            const int32_t shape = Between(&state, 0, 2);  // a point, a stub, a stroke
            s->start->x = Between(&state, -2, 15);
            s->start->y = Between(&state, -2, 15);
            s->end->x = shape == 0   ? s->start->x
                        : shape == 1 ? s->start->x + Between(&state, -1, 1)
                                     : Between(&state, -2, 15);
            s->end->y = shape == 0   ? s->start->y
                        : shape == 1 ? s->start->y + Between(&state, -1, 1)
                                     : Between(&state, -2, 15);
            s->start->colour = static_cast<uint32_t>(Between(&state, 0, 0xFFFFFF));
            OBJ2DAddSegment(glyph, s);
        }
        LISTPush(list, glyph);
    }
    return list;
}

TEST(LfontStamp, SamePixelsAsTheGlyphObjects) {
    struct Case {
        int32_t width, height, kx, ky;
    };
    const Case cases[] = {{37, 29, 1, 1},    {64, 40, 2, 1},   {33, 65, -1, 2},
                          {256, 256, 3, -2}, {1, 1, 1, 1},     {5, 300, 1, 1},
                          {129, 17, -2, -1}, {700, 300, 40, 9}};  // past the longest stamped walk
                                                                  // and the store
    for (const bool tinted : {false, true}) {
        Font font(LFONTNew());
        Font reference(LFONTNew());
        font->glyphs = RandomGlyphs(3);
        reference->glyphs = RandomGlyphs(3);
        uint32_t state = 11;
        for (const Case& c : cases) {
            Img fast(Sized(c.width, c.height));
            Img plain(Sized(c.width, c.height));
            font->image = fast.get();
            font->scale->x = c.kx;
            font->scale->y = c.ky;
            const int32_t reachX = 17 * (c.kx < 0 ? -c.kx : c.kx);
            const int32_t reachY = 17 * (c.ky < 0 ? -c.ky : c.ky);
            for (int32_t draw = 0; draw < 400; ++draw) {
                const int32_t code = Between(&state, 0, 41);  // 40, 41: no glyph
                const int32_t x = Between(&state, -reachX, c.width + reachX);
                const int32_t y = Between(&state, -reachY, c.height + reachY);
                const auto colour = static_cast<uint32_t>(Between(&state, 0, 0xFFFFFF));
                font->position->x = x;
                font->position->y = y;
                const char text = static_cast<char>(code);
                if (tinted) LFONTDrawCycleInColour(font.get(), &text, 1, 0, 1, colour);
                if (!tinted) LFONTDrawCycle(font.get(), &text, 1, 0, 1);
                auto* glyph = static_cast<OBJ2D*>(LISTGet(reference->glyphs, code));
                if (glyph == nullptr) continue;
                if (tinted) OBJ2DSetColor(glyph, colour);
                *glyph->scale = *font->scale;
                glyph->position->x = x;
                glyph->position->y = y;
                OBJ2DDraw(glyph, plain.get());
            }
            EXPECT_TRUE(IMGEqual(fast.get(), plain.get()))
                << c.width << " x " << c.height << " scale " << c.kx << "," << c.ky
                << (tinted ? " tinted" : "");
        }
    }
}

}  // namespace
