// Tests of SCROLL over a position-coded bitmap font
// (tests/support/glyph_sheet.h); the step arithmetic it shares with LSCROLL
// is covered there in full.
#include "text/scroll.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/glyph_sheet.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "text/font.h"

namespace {
using Scroller = Owned<SCROLL, SCROLLFree>;
using Font = Owned<FONT, FONTFree>;
using Img = Owned<IMG, IMGFree>;

constexpr char kText[] = "ABCDEFG";

struct Row {
    Img img{Sized(60, 12)};
    Font font{PositionFont(nullptr)};
    Scroller s{SCROLLNew()};
    explicit Row(const char* text = kText) {
        font->reserved2 = 77;
        SCROLLSet(s.get(), text, font.get(), img.get());
    }
    std::string Codes(int32_t cells, int32_t x0 = 0) const {
        std::string out;
        for (int32_t i = 0; i < cells; ++i) {
            const int32_t c = CodeAt(img.get(), x0 + 6 * i, s->y);
            out += c < 0 ? '.' : static_cast<char>(c);
        }
        return out;
    }
};

TEST(Scroll, IdentityNewAndSet) {
    const char* const want[6] = {"SCROLL  ", "20110513", "Vaskoril",
                                 "C       ", "CODE    ", "A scroll's default text. "};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(want[i], SCROLL_IDENTITY[i]) << i;
    Row r;
    EXPECT_EQ(60, r.s->width);
    EXPECT_EQ(6, r.s->rowHeight);
    EXPECT_EQ(77, r.s->bound);  // the font's sixth field
    EXPECT_EQ(1, r.s->speed);
    EXPECT_EQ(7, r.s->cursor->length);
    const uint64_t n = REPORTCount();
    SCROLLSet(r.s.get(), "", r.font.get(), r.img.get());
    EXPECT_EQ(n + 1, REPORTCount());
    EXPECT_EQ(kText, r.s->text);
}

TEST(Scroll, StepsByTheCellWidth) {
    Row r;
    r.s->speed = 4;
    SCROLLStep(r.s.get());
    SCROLLStep(r.s.get());
    EXPECT_EQ(2, r.s->offset);  // 8 = one cell of 6 and 2
    EXPECT_EQ(1, r.s->cursor->position);
    r.s->speed = -6;
    SCROLLStep(r.s.get());
    SCROLLStep(r.s.get());
    EXPECT_EQ(2, r.s->offset);
    EXPECT_EQ(6, r.s->cursor->position);  // two back from 1, wrapped
}

TEST(Scroll, DrawWrapsAndClipsSignedCodes) {
    Row r;
    r.s->offset = 2;
    SCROLLDraw(r.s.get());
    EXPECT_EQ("BCDEFGABC", r.Codes(9, 4));  // pen at -2: the first cell is cut
    EXPECT_EQ(0, r.s->cursor->position);

    const char text[] = {'A', static_cast<char>(0xC1), 'B', '\0'};
    Row s(text);
    SCROLLDrawOpaque(s.s.get());
    EXPECT_EQ("A.BA.BA.BA", s.Codes(10));  // 0xC1 is -63: a cell left of the sheet
}

TEST(Scroll, MaskedAndOpaqueCells) {
    Row r;
    IMGSetPixel(r.font->sheet, 6, 24, 0);  // a black pixel in the corner of "A"
    for (int x = 0; x < 60; ++x) IMGSetPixel(r.img.get(), x, 0, 0x00FFFFFF);
    SCROLLDraw(r.s.get());
    EXPECT_EQ(0x00FFFFFFu, IMGGetPixel(r.img.get(), 0, 0));  // left out
    SCROLLDrawOpaque(r.s.get());
    EXPECT_EQ(0u, IMGGetPixel(r.img.get(), 0, 0));  // copied
}

TEST(Scroll, HostileFontsReturnAtOnce) {
    Row r;
    r.s->speed = INT32_MIN;
    SCROLLStep(r.s.get());      // 64-bit sum: no overflow
    EXPECT_EQ(4, r.s->offset);  // -2147483648 = 6 * -357913942 + 4
    const uint64_t n = REPORTCount();
    r.font->cellWidth = 0;
    SCROLLStep(r.s.get());
    SCROLLDraw(r.s.get());
    r.s->font = nullptr;  // the step used to read a null font's cell width
    SCROLLStep(r.s.get());
    SCROLLDrawOpaque(r.s.get());
    EXPECT_EQ(n + 4, REPORTCount());
    EXPECT_EQ(4, r.s->offset);
}

TEST(Scroll, FreeAndNullArguments) {
    Scroller s(SCROLLNew());
    SCROLLFree(s.ref());
    EXPECT_EQ(nullptr, s.get());
    const uint64_t n = REPORTCount();
    SCROLLFree(s.ref());
    SCROLLFree(nullptr);
    SCROLLSet(nullptr, kText, nullptr, nullptr);
    SCROLLStep(nullptr);
    SCROLLDraw(nullptr);
    SCROLLDrawOpaque(nullptr);
    Scroller unbound(SCROLLNew());
    SCROLLStep(unbound.get());
    SCROLLDraw(unbound.get());
    EXPECT_EQ(n + 8, REPORTCount());
}
}  // namespace
