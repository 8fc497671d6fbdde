// Tests of LSCROLL over the marker font (tests/support/marker_font.h): each
// glyph is one point at its cell corner in the colour of its code, so a row
// of pixels 8 apart spells out the characters drawn.
#include "text/lscroll.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/marker_font.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"

namespace {
using Scroller = Owned<LSCROLL, LSCROLLFree>;
using Font = Owned<LFONT, LFONTFree>;
using Img = Owned<IMG, IMGFree>;

constexpr char kText[] = "ABCDEFGHIJ";

// A 256 x 16 image, the 256-entry marker font and a scroller over kText.
struct Row {
    Img img{Sized(256, 16)};
    Font font{MarkerFont(nullptr, 256)};
    Scroller s{LSCROLLNew()};
    explicit Row(const char* text = kText) { LSCROLLSet(s.get(), text, font.get(), img.get()); }
};

uint32_t GlyphColour(const LFONT* font, int code) {
    return static_cast<const OBJ2D*>(LISTGet(font->glyphs, code))->colour;
}

TEST(Lscroll, IdentityNewAndSet) {
    const char* const want[6] = {"LSCROLL ", "20120707", "Vaskoril",
                                 "C       ", "CODE    ", "A scroll's default text. "};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(want[i], LSCROLL_IDENTITY[i]) << i;
    Scroller s(LSCROLLNew());
    ASSERT_NE(nullptr, s.get());
    EXPECT_EQ(1, s->speed);
    EXPECT_EQ(0, s->offset);
    EXPECT_EQ(0, s->bound);
    EXPECT_EQ(0, s->width);
    EXPECT_EQ(nullptr, s->text);
    EXPECT_EQ(nullptr, s->font);
    ASSERT_NE(nullptr, s->cursor);
    EXPECT_EQ(25, s->cursor->length);
    EXPECT_EQ(LSCROLL_IDENTITY[5], s->cursor->text);

    Img img(Sized(200, 10));
    Font font(MarkerFont(nullptr));
    s->speed = -7;
    s->offset = 3;
    s->x = 40;
    LSCROLLSet(s.get(), kText, font.get(), img.get());
    EXPECT_EQ(-7, s->speed);  // kept
    EXPECT_EQ(3, s->offset);  // kept
    EXPECT_EQ(0, s->x);
    EXPECT_EQ(200, s->width);
    EXPECT_EQ(8, s->rowHeight);
    EXPECT_EQ(1, s->bound);
    EXPECT_EQ(kText, s->text);
    EXPECT_EQ(10, s->cursor->length);
    EXPECT_EQ(0, s->cursor->position);

    // Refused: nothing changes.
    const uint64_t n = REPORTCount();
    LSCROLLSet(s.get(), "", font.get(), img.get());  // a cursor of length 0
    LSCROLLSet(s.get(), nullptr, font.get(), img.get());
    LSCROLLSet(s.get(), kText, nullptr, img.get());
    LSCROLLSet(s.get(), kText, font.get(), nullptr);
    EXPECT_EQ(n + 4, REPORTCount());
    EXPECT_EQ(kText, s->text);
    EXPECT_EQ(10, s->cursor->length);
}

TEST(Lscroll, StepWorkedFigures) {
    struct Case {
        int32_t speed, steps;
        int32_t wantOffset, wantPosition;
    };
    const Case cases[] = {
        {3, 1, 3, 0},         {3, 2, 6, 0}, {3, 3, 1, 1},  {3, 4, 4, 1},
        {3, 5, 7, 1},         {3, 6, 2, 2}, {20, 1, 4, 2}, {-3, 1, 5, 9},  // back one character
        {-8, 1, 8, 8},         // an exact multiple: back two, offset = advance
        {INT32_MAX, 1, 7, 5},  // 2147483647 = 8 * 268435455 + 7
        {INT32_MIN, 1, 8, 3},  // back 268435457 characters, 3 mod 10
    };
    for (const Case& k : cases) {
        Row r;
        r.s->speed = k.speed;
        for (int i = 0; i < k.steps; ++i) LSCROLLStep(r.s.get());
        EXPECT_EQ(k.wantOffset, r.s->offset) << k.speed << " x" << k.steps;
        EXPECT_EQ(k.wantPosition, r.s->cursor->position) << k.speed << " x" << k.steps;
    }
}

TEST(Lscroll, ScaleTwoDoublesTheAdvanceOfStepAndDraw) {
    Row r;
    r.font->scale->x = 2;
    r.font->scale->y = 2;
    r.s->speed = 20;  // one character of 16 pixels and 4 more
    LSCROLLStep(r.s.get());
    EXPECT_EQ(4, r.s->offset);
    EXPECT_EQ(1, r.s->cursor->position);
    LSCROLLDraw(r.s.get());
    // "B" pushed 4 pixels out on the left: the next corners at 12, 28, ...
    EXPECT_EQ("CDEFGHIJABCDEFGH", RowCodes(r.img.get(), 0, 16, 16, 12));
    // A window of 64 pixels holds 64 / 16 + 2 characters: "B" to "G".
    Img narrow(Sized(256, 16));
    r.s->image = narrow.get();
    r.s->width = 64;
    LSCROLLDraw(r.s.get());
    EXPECT_EQ("CDEFG..", RowCodes(narrow.get(), 0, 16, 7, 12));
}

TEST(Lscroll, OffsetPlusSpeedWidens) {
    Row r;
    r.s->offset = 7;
    r.s->speed = INT32_MAX;  // 2147483654 = 8 * 268435456 + 6
    LSCROLLStep(r.s.get());
    EXPECT_EQ(6, r.s->offset);
    EXPECT_EQ(6, r.s->cursor->position);  // 268435456 mod 10
    // With an advance of 1 the quotient itself leaves 32 bits.
    r.font->cellSize->x = 1;
    r.s->offset = INT32_MAX;
    r.s->cursor->position = 0;
    LSCROLLStep(r.s.get());
    EXPECT_EQ(0, r.s->offset);
    EXPECT_EQ(4, r.s->cursor->position);  // 4294967294 mod 10
}

TEST(Lscroll, DrawWritesTheRowAndWrapsToTheFirstCharacter) {
    Row r;
    LSCROLLDraw(r.s.get());
    EXPECT_EQ("ABCDEFGHIJABCDEFGHIJABCDEFGHIJAB", RowCodes(r.img.get(), 0, 8, 32));
    EXPECT_EQ(0, r.s->cursor->position);

    // The window shifted by the offset; the cursor's position leads.
    Img again(Sized(256, 16));
    r.font->image = again.get();
    r.s->image = again.get();
    r.s->offset = 3;
    r.s->y = 4;
    r.s->cursor->position = 8;
    LSCROLLDraw(r.s.get());
    EXPECT_EQ("JABCDE", RowCodes(again.get(), 4, 8, 6, 5));
    EXPECT_EQ(0u, IMGGetPixel(again.get(), 255, 4));
    EXPECT_EQ(8, r.s->cursor->position);
    EXPECT_EQ(1, r.s->cursor->step);

    // Drawing again without a step gives the same picture.
    Owned<IMG, IMGFree> copy(IMGClone(again.get()));
    LSCROLLDrawOpaque(r.s.get());
    EXPECT_TRUE(IMGEqual(copy.get(), again.get()));
}

TEST(Lscroll, BytesAreSignedCodes) {
    const char text[] = {'A', static_cast<char>(0xC1), 'B', '\0'};
    Row r(text);
    LSCROLLDraw(r.s.get());
    EXPECT_EQ("A.BA.BA.B", RowCodes(r.img.get(), 0, 8, 9));  // 0xC1 is -63: no glyph
}

TEST(Lscroll, ThirtyFourCharactersPerRow) {
    Row r;
    RNGSeed(99);
    LSCROLLDrawRandomColours(r.s.get());
    const uint32_t after = RNGState();
    RNGSeed(99);
    for (int i = 0; i < 34; ++i) (void)RNGDraw();
    EXPECT_EQ(RNGState(), after);
    const uint32_t p = IMGGetPixel(r.img.get(), 8, 0);
    EXPECT_EQ(0x808080u, p & 0xFF808080u);  // a light random colour on "B"
}

TEST(Lscroll, VisibilityTestOnlyForThePlainDraw) {
    Row r;
    r.s->x = 257;
    const uint64_t n = REPORTCount();
    LSCROLLDraw(r.s.get());
    r.s->x = -300;  // x + width < 0
    LSCROLLDraw(r.s.get());
    r.s->x = 0;
    r.s->y = -9;  // y + rowHeight < 0
    LSCROLLDraw(r.s.get());
    EXPECT_EQ(n, REPORTCount());  // not an error
    EXPECT_EQ(0u, GlyphColour(r.font.get(), 'A'));
    r.s->y = 0;
    r.s->x = 257;
    LSCROLLDrawColoured(r.s.get(), 0x00123456);  // no test: recolours, draws off the image
    EXPECT_EQ(0x00123456u, GlyphColour(r.font.get(), 'A'));
    EXPECT_EQ(0x00123456u, GlyphColour(r.font.get(), 200));
    Img black(Sized(256, 16));
    EXPECT_TRUE(IMGEqual(black.get(), r.img.get()));

    r.s->x = 0;
    LSCROLLDrawColoured(r.s.get(), 0x00ABCDEF);
    EXPECT_EQ(0x00ABCDEFu, IMGGetPixel(r.img.get(), 0, 0));
    EXPECT_EQ(0x00ABCDEFu, IMGGetPixel(r.img.get(), 248, 0));
}

TEST(Lscroll, HostileFontsAndFieldsReturnAtOnce) {
    Row r;
    const auto refused = [&r](const char* what) {
        const uint64_t n = REPORTCount();
        const int32_t offset = r.s->offset;
        LSCROLLStep(r.s.get());
        LSCROLLDraw(r.s.get());
        LSCROLLDrawColoured(r.s.get(), 1);
        LSCROLLDrawRandomColours(r.s.get());
        EXPECT_EQ(n + 4, REPORTCount()) << what;
        EXPECT_EQ(offset, r.s->offset) << what;
    };
    r.s->speed = 5;
    r.font->cellSize->x = 0;
    refused("cell width 0");
    r.font->cellSize->x = 8;
    r.font->scale->x = 0;
    refused("scale 0");
    r.font->scale->x = 1;
    VEC2D* scale = r.font->scale;
    r.font->scale = nullptr;
    refused("no scale");
    r.font->scale = scale;
    VEC2D* cell = r.font->cellSize;
    r.font->cellSize = nullptr;
    refused("no cell size");
    r.font->cellSize = cell;
    r.s->cursor->length = 0;
    refused("cursor of length 0");
    r.s->cursor->length = 10;

    // A position written far outside the text is brought back before reading.
    r.s->cursor->position = 1000003;
    LSCROLLDraw(r.s.get());
    EXPECT_EQ("DEFGH", RowCodes(r.img.get(), 0, 8, 5));
}

// Rows drawn in their colours at once are the rows drawn one by one: two
// fonts taking turns, a row that cannot be drawn, rows cut at the edges.
TEST(Lscroll, ColouredRowsAreColouredDrawsInTurn) {
    struct Wall {
        Img img{Sized(96, 40)};
        Font fonts[2] = {Font(MarkerFont(nullptr, 256)), Font(MarkerFont(nullptr, 256))};
        Scroller rows[5] = {Scroller(LSCROLLNew()), Scroller(LSCROLLNew()), Scroller(LSCROLLNew()),
                            Scroller(LSCROLLNew()), Scroller(LSCROLLNew())};
        LSCROLL* list[5] = {};
        Wall() {
            for (int i = 0; i < 5; ++i) {
                list[i] = rows[i].get();
                if (i == 2) continue;  // left unbound: reports, draws nothing
                LSCROLLSet(rows[i].get(), kText, fonts[i % 2].get(), img.get());
                rows[i]->y = 8 * i - 3;
                rows[i]->x = 5 * i - 6;
                rows[i]->offset = i;
                CURSORSetPosition(rows[i]->cursor, 3 * i);
            }
        }
    };
    const uint32_t colours[5] = {0x00102030u, 0x00405060u, 0x00FFFFFFu, 0x00708090u, 0x00A0B0C0u};
    Wall one;
    Wall all;
    const uint64_t before = REPORTCount();
    for (int i = 0; i < 5; ++i) LSCROLLDrawColoured(one.list[i], colours[i]);
    const uint64_t reports = REPORTCount() - before;
    LSCROLLDrawColouredRows(all.list, colours, 5);
    EXPECT_EQ(reports, REPORTCount() - before - reports);
    EXPECT_TRUE(IMGEqual(one.img.get(), all.img.get()));
    for (int f = 0; f < 2; ++f) {
        SCOPED_TRACE(f);
        EXPECT_EQ(one.fonts[f]->position->x, all.fonts[f]->position->x);
        EXPECT_EQ(one.fonts[f]->code, all.fonts[f]->code);
        for (int code = 0; code < 256; ++code) {
            const OBJ2D* a = static_cast<const OBJ2D*>(LISTGet(one.fonts[f]->glyphs, code));
            const OBJ2D* b = static_cast<const OBJ2D*>(LISTGet(all.fonts[f]->glyphs, code));
            if (a == nullptr) continue;
            EXPECT_EQ(colours[4 - f], b->colour) << code;  // the last row of each font
            for (int32_t k = 0; k < a->points->count; ++k) {
                EXPECT_EQ(static_cast<const VEC2D*>(LISTGet(a->points, k))->colour,
                          static_cast<const VEC2D*>(LISTGet(b->points, k))->colour);
            }
        }
    }
    for (int i : {0, 1, 3, 4})
        EXPECT_EQ(one.rows[i]->cursor->position, all.rows[i]->cursor->position);
}

TEST(Lscroll, FreeAndNullArguments) {
    Scroller s(LSCROLLNew());
    LSCROLLFree(s.ref());
    EXPECT_EQ(nullptr, s.get());
    const uint64_t n = REPORTCount();
    LSCROLLFree(s.ref());
    LSCROLLFree(nullptr);
    LSCROLLSet(nullptr, kText, nullptr, nullptr);
    LSCROLLStep(nullptr);
    LSCROLLDraw(nullptr);
    LSCROLLDrawOpaque(nullptr);
    LSCROLLDrawRandomColours(nullptr);
    LSCROLLDrawColoured(nullptr, 0);
    EXPECT_EQ(n + 8, REPORTCount());

    Scroller unbound(LSCROLLNew());  // no text, font or image yet
    LSCROLLStep(unbound.get());
    LSCROLLDraw(unbound.get());
    EXPECT_EQ(n + 10, REPORTCount());
}
}  // namespace
