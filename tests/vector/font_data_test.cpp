// The two compiled-in line fonts: entry layout, segment counts, colours and grid
// bounds, read back through the real parser, and a few glyphs drawn through
// the line font.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/list.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"
#include "tests/support/objects.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/seg2d.h"
#include "vector/texts.h"
#include "vector/vec2d.h"

namespace {

using ListHolder = Owned<LIST, OBJ2DListFree>;
using ImgHolder = Owned<IMG, IMGFree>;
using FontHolder = Owned<LFONT, LFONTFree>;

constexpr int kEntries = 256;
constexpr int kApostrophe = 39;
constexpr int kEight = 56;
constexpr int kAt = 64;
constexpr int kEsc = 127;

// What each font text must hold.
struct FontFacts {
    const char* label;
    const char* const* text;
    uint32_t colour;      // of every glyph point
    int glyphs;           // entries with segments
    int segments;         // in all 256 entries
    int most;             // in one glyph; reached only by '8' and '@'
    int32_t maxX, maxY;   // model grid bound (the 8 x 8 "esc" excepted)
    int highBytes;        // bytes above 0x7F: the 8 x 8 apostrophe's name byte
};

const FontFacts kFont8{"8x8", &FONT8_TEXT, 0x00AACCEEu, 94, 394, 11, 6, 7, 1};
const FontFacts kFont16{"16x16", &FONT16_TEXT, 0x00FFFFFFu, 95, 447, 15, 15, 15, 0};

class FontData : public ::testing::TestWithParam<FontFacts> {
protected:
    void SetUp() override {
        ASSERT_NE(list_.get(), nullptr);
        ASSERT_EQ(list_->count, kEntries);
        for (int i = 0; i < kEntries; ++i) {
            const OBJ2D* obj = Entry(list_.get(), i);
            ASSERT_NE(obj, nullptr) << "entry " << i;
            ASSERT_NE(obj->segments, nullptr) << "entry " << i;
            ASSERT_NE(obj->points, nullptr) << "entry " << i;
            ASSERT_EQ(obj->points->count, 2 * obj->segments->count) << "entry " << i;
        }
    }
    const FontFacts& facts_ = GetParam();
    ListHolder list_{OBJ2DListFromASCII(*GetParam().text)};
};

TEST_P(FontData, TextIsPlainAsciiAndLeavesNoSignPending) {
    const std::string text = *facts_.text;
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');  // the parser drops a last token followed by the end
    int high = 0;
    for (unsigned char c : text) {
        if (c == 0xB4) {
            ++high;
            continue;
        }
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << int(c);
    }
    EXPECT_EQ(high, facts_.highBytes);
    // A "-" read as a token would leave a negative sign pending for the next
    // number, in this text or the next one parsed. Name lines and comments are
    // taken whole, so only they may hold one.
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        const bool whole = line.rfind("#", 0) == 0 || line.rfind("name ", 0) == 0 || line.rfind("{ name ", 0) == 0;
        if (!whole) {
            EXPECT_EQ(line.find('-'), std::string::npos) << line;
        }
        at = end + 1;
    }
}

TEST_P(FontData, BlankEntriesKeepTheirPlaces) {
    for (int i = 0; i <= 32; ++i) EXPECT_EQ(Entry(list_.get(), i)->segments->count, 0) << "entry " << i;
    for (int i = 128; i < kEntries; ++i) EXPECT_EQ(Entry(list_.get(), i)->segments->count, 0) << "entry " << i;
    ASSERT_NE(Entry(list_.get(), 32)->name, nullptr);
    EXPECT_STREQ(Entry(list_.get(), 32)->name, "space");
    ASSERT_NE(Entry(list_.get(), kEsc)->name, nullptr);
    EXPECT_STREQ(Entry(list_.get(), kEsc)->name, "esc");
    EXPECT_EQ(Entry(list_.get(), kEsc)->segments->count, 6);
}

TEST_P(FontData, SegmentCountsAndTheTwoBusiestGlyphs) {
    int total = 0;
    int drawn = 0;
    for (int i = 0; i < kEntries; ++i) {
        const int n = Entry(list_.get(), i)->segments->count;
        total += n;
        drawn += n > 0;
        if (i == kEight || i == kAt) {
            EXPECT_EQ(n, facts_.most) << "entry " << i;
        } else {
            EXPECT_LT(n, facts_.most) << "entry " << i;
        }
    }
    EXPECT_EQ(total, facts_.segments);
    EXPECT_EQ(drawn, facts_.glyphs);
}

TEST_P(FontData, LowerCaseRepeatsUpperCase) {
    for (int c = 'a'; c <= 'z'; ++c) {
        const OBJ2D* lower = Entry(list_.get(), c);
        const OBJ2D* upper = Entry(list_.get(), c - 32);
        ASSERT_GT(upper->segments->count, 0) << char(c - 32);
        ASSERT_EQ(lower->segments->count, upper->segments->count) << char(c);
        EXPECT_NE(lower, upper);  // separate objects, equal drawings
        for (int k = 0; k < upper->segments->count; ++k) {
            EXPECT_TRUE(SEG2DEqual(Seg(lower, k), Seg(upper, k))) << char(c) << " segment " << k;
        }
    }
}

TEST_P(FontData, PointsHaveTheFontColourAndStayOnTheGrid) {
    for (int i = 0; i < kEntries; ++i) {
        const OBJ2D* obj = Entry(list_.get(), i);
        const int32_t maxX = i == kEsc ? 15 : facts_.maxX;
        const int32_t maxY = i == kEsc ? 15 : facts_.maxY;
        for (int k = 0; k < obj->segments->count; ++k) {
            const SEG2D* s = Seg(obj, k);
            EXPECT_EQ(LISTGet(obj->points, 2 * k), s->start) << "entry " << i;
            EXPECT_EQ(LISTGet(obj->points, 2 * k + 1), s->end) << "entry " << i;
            for (const VEC2D* p : {s->start, s->end}) {
                EXPECT_EQ(p->colour, facts_.colour) << "entry " << i << " segment " << k;
                EXPECT_GE(p->x, 0) << "entry " << i;
                EXPECT_LE(p->x, maxX) << "entry " << i;
                EXPECT_GE(p->y, 0) << "entry " << i;
                EXPECT_LE(p->y, maxY) << "entry " << i;
            }
        }
    }
}

// The line walk draws a segment one pixel long along an axis as a diagonal
// step ((0,0)->(1,0) lights (0,0) and (1,1)), so no glyph may use one.
TEST_P(FontData, NoSegmentIsOnePixelAlongAnAxis) {
    for (int i = 0; i < kEntries; ++i) {
        const OBJ2D* obj = Entry(list_.get(), i);
        for (int k = 0; k < obj->segments->count; ++k) {
            const SEG2D* s = Seg(obj, k);
            const int32_t dx = s->end->x - s->start->x;
            const int32_t dy = s->end->y - s->start->y;
            EXPECT_FALSE((dx == 0 && (dy == 1 || dy == -1)) || (dy == 0 && (dx == 1 || dx == -1)))
                << "entry " << i << " segment " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothFonts, FontData, ::testing::Values(kFont8, kFont16),
                         [](const ::testing::TestParamInfo<FontFacts>& info) {
                             return std::string("Font") + info.param.label;
                         });

// [SECTION] Facts of one font

TEST(Font8Data, ApostropheSwallowsItsSegmentLineAsItsName) {
    ListHolder list(OBJ2DListFromASCII(FONT8_TEXT));
    ASSERT_NE(list.get(), nullptr);
    ASSERT_EQ(list->count, kEntries);
    const OBJ2D* apostrophe = Entry(list.get(), kApostrophe);
    EXPECT_EQ(apostrophe->segments->count, 0);
    ASSERT_NE(apostrophe->name, nullptr);
    EXPECT_EQ(std::strncmp(apostrophe->name, "s ", 2), 0) << apostrophe->name;
}

TEST(Font8Data, NamesAndTheLetterA) {
    ListHolder list(OBJ2DListFromASCII(FONT8_TEXT));
    ASSERT_NE(list.get(), nullptr);
    ASSERT_EQ(list->count, kEntries);
    EXPECT_STREQ(Entry(list.get(), '?')->name, "!");
    EXPECT_STREQ(Entry(list.get(), 'a')->name, "A");
    EXPECT_STREQ(Entry(list.get(), 'z')->name, "Z");
    EXPECT_STREQ(Entry(list.get(), '~')->name, "smile");
    EXPECT_EQ(Picture(Entry(list.get(), 'A')), (std::vector<std::string>{"6,6>3,0", "0,6>3,0", "1,4>5,4"}));
    // the symbol alone is drawn on the 16 x 16 grid
    int32_t far = 0;
    const OBJ2D* esc = Entry(list.get(), kEsc);
    for (int k = 0; k < esc->segments->count; ++k) {
        far = std::max({far, Seg(esc, k)->start->x, Seg(esc, k)->end->x, Seg(esc, k)->start->y,
                        Seg(esc, k)->end->y});
    }
    EXPECT_EQ(far, 14);
}

TEST(Font16Data, NamesAndTheLetterA) {
    ListHolder list(OBJ2DListFromASCII(FONT16_TEXT));
    ASSERT_NE(list.get(), nullptr);
    ASSERT_EQ(list->count, kEntries);
    EXPECT_STREQ(Entry(list.get(), '\'')->name, "'");
    EXPECT_EQ(Entry(list.get(), '\'')->segments->count, 1);  // one vertical stroke
    EXPECT_STREQ(Entry(list.get(), '?')->name, "?");
    EXPECT_STREQ(Entry(list.get(), '~')->name, "~");
    EXPECT_EQ(Picture(Entry(list.get(), 'A')),
              (std::vector<std::string>{"1,14>1,2", "1,2>3,0", "3,0>12,0", "12,0>14,2", "14,2>14,14", "1,7>14,7"}));
}

// [SECTION] Glyphs drawn through the line font at scale 1

// A font over a fresh parse of the text, drawing into a black image.
struct Writer {
    FontHolder font{LFONTNew()};
    ImgHolder img{IMGNew()};
    Writer(const char* text, int32_t cell, int32_t w, int32_t h) {
        font->glyphs = OBJ2DListFromASCII(text);
        font->cellSize->x = cell;
        font->cellSize->y = cell;
        IMGSetSize(img.get(), w, h);
        font->image = img.get();
    }
};

TEST(FontDrawing, SmallLettersKeepAOnePixelGap) {
    Writer w(FONT8_TEXT, 8, 24, 8);
    ASSERT_NE(w.font->glyphs, nullptr);
    LFONTDrawString(w.font.get(), "A8'");  // the apostrophe draws nothing
    ExpectPicture(w.img.get(), {"...#.....#####..........",
                                "...#....#.....#.........",
                                "..#.#...#.....#.........",
                                "..#.#....#####..........",
                                ".#####..#.....#.........",
                                ".#...#..#.....#.........",
                                "#.....#..#####..........",
                                "........................"});
    EXPECT_EQ(IMGGetPixel(w.img.get(), 3, 0), 0x00AACCEEu);
}

TEST(FontDrawing, TitleLettersOnTheirGrid) {
    Writer w(FONT16_TEXT, 16, 32, 16);
    ASSERT_NE(w.font->glyphs, nullptr);
    LFONTDrawString(w.font.get(), "MO");
    ExpectPicture(w.img.get(), {".#............#....##########...",
                                ".##..........##...#..........#..",
                                ".#.#........#.#..#............#.",
                                ".#..#......#..#..#............#.",
                                ".#...#....#...#..#............#.",
                                ".#....#..#....#..#............#.",
                                ".#.....##.....#..#............#.",
                                ".#............#..#............#.",
                                ".#............#..#............#.",
                                ".#............#..#............#.",
                                ".#............#..#............#.",
                                ".#............#..#............#.",
                                ".#............#..#............#.",
                                ".#............#...#..........#..",
                                ".#............#....##########...",
                                "................................"});
    EXPECT_EQ(IMGGetPixel(w.img.get(), 1, 0), 0x00FFFFFFu);
}

}  // namespace
