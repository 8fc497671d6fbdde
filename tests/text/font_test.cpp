// Tests of FONT over position-coded sheets (tests/support/glyph_sheet.h):
// a copied pixel names the sheet position, and so the cell, it came from.
#include "text/font.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/glyph_sheet.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Font = Owned<FONT, FONTFree>;
using Img = Owned<IMG, IMGFree>;

// The codes at the cell corners of one row of the target, 6 apart.
std::string Codes(const IMG* target, int32_t y, int32_t cells, int32_t x0 = 0) {
    std::string s;
    for (int32_t i = 0; i < cells; ++i) {
        const int32_t c = CodeAt(target, x0 + 6 * i, y);
        s += c < 0 ? '.' : static_cast<char>(c);
    }
    return s;
}

TEST(Font, IdentityAndDefaults) {
    const char* const want[5] = {"FONT    ", "20120412", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], FONT_IDENTITY[i]) << i;
    Font f(FONTNew());
    ASSERT_NE(nullptr, f.get());
    EXPECT_EQ(6, f->cellWidth);
    EXPECT_EQ(6, f->cellHeight);
    EXPECT_EQ(0, f->penX);
    EXPECT_EQ(0, f->character);
    EXPECT_EQ(nullptr, f->sheet);
    EXPECT_EQ(nullptr, f->target);
    EXPECT_EQ(nullptr, FONTToASCII(f.get()));
}

TEST(Font, GlyphLocations) {
    struct Case {
        int32_t sheetWidth, cellWidth, cellHeight, code;
        int32_t wantX, wantY;  // -1: nothing copied
    };
    const Case cases[] = {
        {96, 6, 6, 65, 6, 24},
        {96, 6, 6, 16, 0, 6},
        {96, 6, 6, 0, 0, 0},
        {100, 6, 6, 17, 2, 6},     // 102 = 100 + 2: a width that is no multiple of the cell
        {96, 4, 8, 30, 24, 8},     // 120 = 96 + 24, one row of 8
        {96, 6, 6, -1, -1, -1},    // left of the sheet
        {96, 6, 6, 1000, -1, -1},  // below it
        {96, INT32_MAX, 6, INT32_MAX, -1, -1},  // corners in 64 bits
        {96, 6, INT32_MAX, INT32_MIN, -1, -1},
    };
    for (const Case& k : cases) {
        Img target(Sized(8, 8));
        Font f(FONTNew());
        f->sheet = PositionSheet(k.sheetWidth, 96);
        f->target = target.get();
        f->cellWidth = k.cellWidth;
        f->cellHeight = k.cellHeight;
        f->character = k.code;
        FONTDrawCharOpaque(f.get());
        const uint32_t want = k.wantX < 0 ? 0u : SheetPixel(k.wantX, k.wantY);
        EXPECT_EQ(want, IMGGetPixel(target.get(), 0, 0)) << k.code;
    }
}

TEST(Font, MaskedOpaqueAndAdditiveCopies) {
    Img sheet(Sized(12, 6));
    IMGSetPixel(sheet.get(), 6 + 1, 0, 1);  // code 1: one pixel of value 1
    const auto drawn = [&sheet](void (*draw)(FONT*)) {
        Img target(Sized(6, 6));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 6; ++x) IMGSetPixel(target.get(), x, y, 0x00FFFFFF);
        }
        Font f(FONTNew());
        f->sheet = IMGClone(sheet.get());
        f->target = target.get();
        f->character = 1;
        draw(f.get());
        EXPECT_EQ(6, f->penX);
        return std::make_pair(IMGGetPixel(target.get(), 1, 0), IMGGetPixel(target.get(), 0, 0));
    };
    EXPECT_EQ(std::make_pair(1u, 0x00FFFFFFu), drawn(FONTDrawChar));  // black left out
    EXPECT_EQ(std::make_pair(1u, 0u), drawn(FONTDrawCharOpaque));
    EXPECT_EQ(std::make_pair(0x01000000u, 0x00FFFFFFu), drawn(FONTDrawCharAdd));  // the carry
}

TEST(Font, HexLinesAndTexts) {
    Img target(Sized(96, 24));
    Font f(PositionFont(target.get()));
    FONTDrawHex8(f.get(), 0x1A5);
    EXPECT_EQ(12, f->penX);
    FONTDrawHex32(f.get(), 0x0001ABCD);
    EXPECT_EQ(60, f->penX);
    FONTDrawHex16(f.get(), 0xFFFFBEEF);
    FONTDrawHex8(f.get(), 0x99);  // the last decimal digit, both nibbles
    EXPECT_EQ("A50001ABCDBEEF99", Codes(target.get(), 0, 16));

    f->penX = 6;
    f->penY = 6;
    FONTDrawLine(f.get(), "AB\nCD");
    EXPECT_EQ(18, f->penX);
    EXPECT_EQ(".AB.", Codes(target.get(), 6, 4));

    Img page(Sized(96, 24));
    f->target = page.get();
    f->penX = 6;
    f->penY = 0;
    FONTDrawText(f.get(), "AB\nCD");
    EXPECT_EQ(".AB.", Codes(page.get(), 0, 4));
    EXPECT_EQ(".CD.", Codes(page.get(), 6, 4));
    EXPECT_EQ(18, f->penX);
    EXPECT_EQ(6, f->penY);
}

// A big font whose code 'L' is an L of 11 lit pixels, and a small font whose
// every cell is lit, drawing into a 72 x 72 target.
struct Big {
    Img target{Sized(72, 72)};
    Font big{FONTNew()};
    Font small{PositionFont(nullptr)};
    Big() {
        big->sheet = Sized(6 * 128, 6);
        for (int i = 0; i < 6; ++i) {
            IMGSetPixel(big->sheet, 6 * 'L', i, 0x00FFFFFF);
            IMGSetPixel(big->sheet, 6 * 'L' + i, 5, 0x00FFFFFF);
        }
        big->target = target.get();
        big->character = 'L';
        small->character = 'o';
    }
};

TEST(Font, BigCharacters) {
    Big b;
    b.big->penX = 1;
    b.big->penY = 2;
    FONTDrawBig(b.big.get(), b.small.get());
    EXPECT_EQ(37, b.big->penX);  // 36 further
    EXPECT_EQ(2, b.big->penY);
    EXPECT_EQ(b.target.get(), b.small->target);
    std::string picture;
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j)
            picture += CodeAt(b.target.get(), 1 + 6 * j, 2 + 6 * i) == 'o' ? '#' : '.';
        picture += '\n';
    }
    EXPECT_EQ("#.....\n#.....\n#.....\n#.....\n#.....\n######\n", picture);
    EXPECT_EQ(31 + 6, b.small->penX);  // after the last lit pixel's glyph
    EXPECT_EQ(32, b.small->penY);

    // A glyph outside the sheet reads black: nothing drawn, the pen still moves.
    Big off;
    off.big->character = -1;
    FONTDrawBig(off.big.get(), off.small.get());
    EXPECT_EQ(36, off.big->penX);
    Img black(Sized(72, 72));
    EXPECT_TRUE(IMGEqual(black.get(), off.target.get()));

    // One font both big and small: its pen ends 36 on, as for two fonts.
    Big same;
    same.big->penX = 12;
    same.big->penY = 6;
    FONTDrawBig(same.big.get(), same.big.get());
    EXPECT_EQ(48, same.big->penX);
    EXPECT_EQ(6, same.big->penY);
}

TEST(Font, DivisorsAndHostileSizesReturnAtOnce) {
    Img target(Sized(16, 16));
    Font f(PositionFont(target.get()));
    uint64_t n = REPORTCount();
    f->cellWidth = 0;
    FONTDrawChar(f.get());
    EXPECT_EQ(0, f->penX);
    f->cellWidth = -3;
    FONTDrawCharOpaque(f.get());
    EXPECT_EQ(-3, f->penX);  // nothing drawn, the pen still advances
    f->cellWidth = 6;
    IMGSetSize(f->sheet, 0, 0);
    FONTDrawCharAdd(f.get());
    EXPECT_EQ(3, f->penX);
    EXPECT_EQ(n + 3, REPORTCount());
    Img black(Sized(16, 16));
    EXPECT_TRUE(IMGEqual(black.get(), target.get()));

    // A huge cell over a small sheet: only the sheet's pixels are visited.
    Big b;
    b.big->cellWidth = INT32_MAX;
    b.big->cellHeight = INT32_MAX;
    b.big->character = 0;
    b.big->penX = INT32_MAX;
    FONTDrawBig(b.big.get(), b.small.get());
    b.small->cellWidth = INT32_MIN;
    b.big->character = 'L';
    b.big->cellWidth = 6;
    FONTDrawBig(b.big.get(), b.small.get());  // its small draws report and move on
    n = REPORTCount();
    b.big->cellWidth = 0;
    FONTDrawBig(b.big.get(), b.small.get());
    EXPECT_EQ(n + 1, REPORTCount());
}

TEST(Font, FreeAndNullArguments) {
    Font f(FONTNew());
    f->sheet = Sized(4, 4);  // owned: freed with the font
    FONTFree(f.ref());
    EXPECT_EQ(nullptr, f.get());
    Font g(FONTNew());  // no sheet, no target
    const uint64_t n = REPORTCount();
    FONTFree(f.ref());
    FONTFree(nullptr);
    EXPECT_EQ(nullptr, FONTToASCII(nullptr));
    FONTCopy(nullptr, g.get());
    FONTDrawChar(nullptr);
    FONTDrawCharOpaque(g.get());
    FONTDrawCharAdd(g.get());
    FONTDrawHex8(g.get(), 1);
    FONTDrawHex32(nullptr, 1);  // once per byte: 4
    FONTDrawLine(g.get(), "A");
    FONTDrawText(g.get(), "A");
    FONTDrawBig(g.get(), nullptr);
    FONTDrawBig(nullptr, g.get());
    EXPECT_EQ(n + 16, REPORTCount());
    EXPECT_EQ(0, g->penX);

    Img target(Sized(8, 8));
    Font h(PositionFont(nullptr));  // a sheet but no target
    FONTDrawChar(h.get());          // the image module reports; the pen advances
    EXPECT_EQ(6, h->penX);
    FONTDrawLine(h.get(), nullptr);
    FONTDrawText(h.get(), "A");  // needs a target
    EXPECT_EQ(6, h->penX);
}
}  // namespace
