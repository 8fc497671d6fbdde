// Tests of compositing: whole-image operations, clipped rectangle copies at every
// edge, colour arithmetic, and the wrapping row and column copies.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;
using Rows = std::vector<std::string>;

// Letter pictures: '.' is 0, any other character is a pixel of its own code,
// so a test can see which source pixel landed where.
IMG* FromRows(const Rows& rows) {
    IMG* img = Sized(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] != '.')
                IMGSetPixel(img, static_cast<int32_t>(x), static_cast<int32_t>(y),
                            static_cast<uint32_t>(static_cast<unsigned char>(rows[y][x])));
    return img;
}

Rows ToRows(const IMG* img) {
    Rows rows;
    for (int32_t y = 0; y < img->height; ++y) {
        std::string row;
        for (int32_t x = 0; x < img->width; ++x) {
            const uint32_t p = IMGGetPixel(img, x, y);
            row += p == 0 ? '.' : (p > 32 && p < 127 ? static_cast<char>(p) : '?');
        }
        rows.push_back(row);
    }
    return rows;
}

IMG* Filled(int32_t w, int32_t h, uint32_t colour) {
    IMG* img = Sized(w, h);
    for (int32_t i = 0; i < w * h; ++i) img->pixels[i] = colour;
    return img;
}

// The source every rectangle test copies from.
// clang-format off
const Rows kSource = {"abcd",
                      "efgh",
                      "ijkl"};
// clang-format on

Rows BlitInto(int32_t dw, int32_t dh, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w,
              int32_t h) {
    Img src(FromRows(kSource));
    Img dst(Sized(dw, dh));
    IMGBlit(src.get(), dst.get(), sx, sy, dx, dy, w, h);
    return ToRows(dst.get());
}

// ---------------------------------------------------------------------------
// Whole images

TEST(ImgCompose, CopyNeedsEqualSizes) {
    Img src(FromRows({"ab.", "..c"}));
    Img dst(Filled(3, 2, 0x7Fu));
    IMGCopy(src.get(), dst.get());
    EXPECT_EQ((Rows{"ab.", "..c"}), ToRows(dst.get()));  // zeros copied too

    Img other(Filled(2, 3, 0x7Fu));
    const uint64_t before = REPORTCount();
    IMGCopy(src.get(), other.get());
    EXPECT_EQ(before + 1, REPORTCount());
    EXPECT_EQ((Rows{"??", "??", "??"}), ToRows(other.get()));  // untouched (0x7F)
}

TEST(ImgCompose, ClearBlackensEveryPixel) {
    Img img(Filled(5, 3, 0xFFFFFFFFu));
    IMGClear(img.get());
    ExpectPicture(img.get(), {".....", ".....", "....."});
}

TEST(ImgCompose, SubtractFloorsEveryChannelAndDropsTheTopByte) {
    Img img(Sized(3, 1));
    img->pixels[0] = 0x030305u;
    img->pixels[1] = 0x01FFFFFFu;
    img->pixels[2] = 0xFF000000u;
    IMGSubtract(img.get(), 0x040201u);
    EXPECT_EQ(0x000104u, img->pixels[0]);
    EXPECT_EQ(0xFBFDFEu, img->pixels[1]);
    EXPECT_EQ(0u, img->pixels[2]);

    // The colour's top byte is ignored as well.
    img->pixels[0] = 0x102030u;
    IMGSubtract(img.get(), 0xFF010101u);
    EXPECT_EQ(0x0F1F2Fu, img->pixels[0]);
}

TEST(ImgCompose, TwoHalfGreyPassesBlackenAnything) {
    Img img(Filled(19, 7, 0xFFFFFFFFu));  // 133 pixels: vector rounds and a tail
    img->pixels[0] = 0x80FF7Fu;
    img->pixels[132] = 0x818181u;
    IMGSubtract(img.get(), 0x808080u);
    EXPECT_EQ(0x7F7F7Fu, img->pixels[5]);
    EXPECT_EQ(0x007F00u, img->pixels[0]);
    EXPECT_EQ(0x010101u, img->pixels[132]);
    IMGSubtract(img.get(), 0x808080u);
    for (int i = 0; i < 133; ++i) ASSERT_EQ(0u, img->pixels[i]) << i;
}

// A slow, obviously right model of the fade: each channel on its own.
uint32_t SubtractModel(uint32_t p, uint32_t c) {
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int pc = static_cast<int>((p >> shift) & 0xFF);
        const int cc = static_cast<int>((c >> shift) & 0xFF);
        if (pc > cc) out |= static_cast<uint32_t>(pc - cc) << shift;
    }
    return out;
}

TEST(ImgCompose, SubtractMatchesAPerChannelModelOnRandomPixels) {
    RNGSeed(12345u);
    auto word = [] {
        return (static_cast<uint32_t>(RNGDraw()) << 17) ^ (static_cast<uint32_t>(RNGDraw()) << 2) ^
               static_cast<uint32_t>(RNGDraw());
    };
    const int32_t sizes[][2] = {{256, 256}, {37, 5}, {1, 1}, {15, 1}, {17, 3}};
    for (const auto& s : sizes) {
        Img img(Sized(s[0], s[1]));
        const int32_t n = s[0] * s[1];
        std::vector<uint32_t> want(static_cast<size_t>(n));
        for (int round = 0; round < 4; ++round) {
            // Channels near the colour's make the floor and equal values common.
            const uint32_t c = round == 0 ? word() : (word() & 0x0F0F0Fu) * 0x10u;
            for (int32_t i = 0; i < n; ++i) {
                img->pixels[i] = round == 0 ? word() : ((word() & 0x1F1F1F1Fu) * 0x8u) ^ c;
                want[static_cast<size_t>(i)] = SubtractModel(img->pixels[i], c);
            }
            IMGSubtract(img.get(), c);
            for (int32_t i = 0; i < n; ++i)
                ASSERT_EQ(want[static_cast<size_t>(i)], img->pixels[i])
                    << "pixel " << i << " of " << s[0] << "x" << s[1] << ", colour " << std::hex
                    << c;
        }
    }
}

TEST(ImgCompose, AndWalksTheShorterArray) {
    Img mask(Filled(2, 2, 0x00F0F0u));
    Img dst(Filled(3, 3, 0xFF3C3Cu));
    IMGAnd(mask.get(), dst.get());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(0x003030u, dst->pixels[i]) << i;
    for (int i = 4; i < 9; ++i) EXPECT_EQ(0xFF3C3Cu, dst->pixels[i]) << i;

    // A larger mask: only the destination's pixels, index by index.
    Img big(Filled(5, 5, 0x0000FFu));
    Img small(Filled(2, 1, 0x123456u));
    IMGAnd(big.get(), small.get());
    EXPECT_EQ(0x000056u, small->pixels[0]);
    EXPECT_EQ(0x000056u, small->pixels[1]);
}

TEST(ImgCompose, InvertKeepsTheTopByteClear) {
    Img img(Sized(3, 1));
    img->pixels[0] = 0u;
    img->pixels[1] = 0x123456u;
    img->pixels[2] = 0xFF000001u;
    IMGInvert(img.get());
    EXPECT_EQ(0xFFFFFFu, img->pixels[0]);
    EXPECT_EQ(0xEDCBA9u, img->pixels[1]);
    EXPECT_EQ(0xFFFFFEu, img->pixels[2]);
}

// ---------------------------------------------------------------------------
// Rectangle copies

TEST(ImgCompose, BlitClipsAtEveryEdge) {
    EXPECT_EQ((Rows{"......", ".abcd.", ".efgh.", ".ijkl.", "......"}),
              BlitInto(6, 5, 0, 0, 1, 1, 4, 3));
    // Destination corner left of the image: copying starts at source column 3.
    EXPECT_EQ((Rows{"d.....", "h.....", "l.....", "......", "......"}),
              BlitInto(6, 5, 0, 0, -3, 0, 4, 3));
    EXPECT_EQ((Rows{"......", "....ab", "....ef", "....ij", "......"}),
              BlitInto(6, 5, 0, 0, 4, 1, 4, 3));
    EXPECT_EQ((Rows{"..ijkl", "......", "......", "......", "......"}),
              BlitInto(6, 5, 0, 0, 2, -2, 4, 3));
    EXPECT_EQ((Rows{"......", "......", "......", "......", "abcd.."}),
              BlitInto(6, 5, 0, 0, 0, 4, 4, 3));
    // Source corner outside the source: the destination corner moves along.
    EXPECT_EQ((Rows{"......", "......", ".abc..", ".efg..", "......"}),
              BlitInto(6, 5, -1, -2, 0, 0, 4, 4));
    EXPECT_EQ((Rows{"kl....", "......", "......", "......", "......"}),
              BlitInto(6, 5, 2, 2, 0, 0, 4, 4));
    // A size running past both images copies the overlap only.
    EXPECT_EQ((Rows{"...", "..a", "..e"}), BlitInto(3, 3, 0, 0, 2, 1, 100, 100));
    // Just outside on each side: nothing.
    const Rows empty = {"...", "...", "..."};
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, 3, 0, 4, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, -4, 0, 4, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, 0, 3, 4, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, 0, -3, 4, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 4, 0, 0, 0, 4, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 3, 0, 0, 4, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, 0, 0, 0, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, 0, 0, -2, 3));
}

TEST(ImgCompose, BlitSurvivesExtremeCornersAndSizes) {
    const Rows empty = {"...", "...", "..."};
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, INT32_MAX, 0, INT32_MAX, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, 0, 0, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    EXPECT_EQ(empty, BlitInto(3, 3, INT32_MIN, 0, 0, 0, INT32_MAX, 3));
    EXPECT_EQ(empty, BlitInto(3, 3, INT32_MAX, INT32_MAX, 0, 0, INT32_MAX, INT32_MAX));
    EXPECT_EQ((Rows{"fgh", "jkl", "..."}), BlitInto(3, 3, 1, 1, 0, 0, INT32_MAX, INT32_MAX));
    EXPECT_EQ((Rows{"abc", "efg", "ijk"}), BlitInto(3, 3, 0, 0, 0, 0, INT32_MAX, INT32_MAX));
}

TEST(ImgCompose, BlitLeavesTheDestinationUnderZeroPixels) {
    Img src(FromRows({"a.", ".b"}));
    Img dst(FromRows({"xy", "zw"}));
    IMGBlit(src.get(), dst.get(), 0, 0, 0, 0, 2, 2);
    EXPECT_EQ((Rows{"ay", "zb"}), ToRows(dst.get()));

    Img blank(Sized(2, 2));
    IMGBlit(blank.get(), dst.get(), 0, 0, 0, 0, 2, 2);
    EXPECT_EQ((Rows{"ay", "zb"}), ToRows(dst.get()));

    IMGBlitOpaque(src.get(), dst.get(), 0, 0, 0, 0, 2, 2);  // zeros included
    EXPECT_EQ((Rows{"a.", ".b"}), ToRows(dst.get()));
}

TEST(ImgCompose, OpaqueAddAndSaturatedBlitsClipLikeBlit) {
    Img src(FromRows(kSource));
    Img dst(FromRows({"......", "......", "......"}));
    IMGBlitOpaque(src.get(), dst.get(), 1, 0, 4, -1, 9, 9);
    EXPECT_EQ((Rows{"....fg", "....jk", "......"}), ToRows(dst.get()));

    Img sum(Filled(3, 2, 1u));
    IMGBlitAdd(src.get(), sum.get(), 2, 1, -1, 1, 5, 5);  // from source (3, 1) to (0, 1)
    EXPECT_EQ((Rows{"???", "i??"}), ToRows(sum.get()));   // 'h' + 1 == 'i'
    Img sat(Filled(3, 2, 1u));
    IMGBlitAddSat(src.get(), sat.get(), 0, 2, 2, 0, 1, 1);
    EXPECT_EQ((Rows{"??j", "???"}), ToRows(sat.get()));  // 'i' + 1 == 'j'
}

TEST(ImgCompose, AddWrapsButSaturatedAddLimitsEachChannel) {
    const uint32_t cases[][4] = {
        // source, destination, wrapping sum, saturated sum
        {0x0000FFu, 0x000001u, 0x000100u, 0x0000FFu},
        {0xFFFFFFu, 0x000001u, 0x1000000u, 0xFFFFFFu},
        {0x808080u, 0x808080u, 0x1010100u, 0xFFFFFFu},
        {0x102030u, 0x010203u, 0x112233u, 0x112233u},
        {0xFF000000u, 0x01000000u, 0x00000000u, 0x000000u},
        {0x7F0080u, 0x80FF7Fu, 0xFFFFFFu, 0xFFFFFFu},
    };
    for (const auto& c : cases) {
        Img src(Filled(1, 1, c[0]));
        Img add(Filled(1, 1, c[1]));
        Img sat(Filled(1, 1, c[1]));
        IMGBlitAdd(src.get(), add.get(), 0, 0, 0, 0, 1, 1);
        IMGBlitAddSat(src.get(), sat.get(), 0, 0, 0, 0, 1, 1);
        EXPECT_EQ(c[2], add->pixels[0]) << std::hex << c[0] << " + " << c[1];
        EXPECT_EQ(c[3], sat->pixels[0]) << std::hex << c[0] << " + " << c[1];
    }
}

TEST(ImgCompose, BlitWithinOneImageRunsRowsDownAndColumnsRight) {
    // Copying one step right inside the same row repeats the first pixel, as a
    // pixel-by-pixel copy from the left does.
    Img img(FromRows({"abcd", "efgh"}));
    IMGBlitOpaque(img.get(), img.get(), 0, 0, 1, 0, 3, 1);
    EXPECT_EQ((Rows{"aaaa", "efgh"}), ToRows(img.get()));
    IMGBlit(img.get(), img.get(), 0, 1, 0, 0, 4, 1);
    EXPECT_EQ((Rows{"efgh", "efgh"}), ToRows(img.get()));
}

TEST(ImgCompose, HalfBlendAveragesDownAndSkipsZeroPixels) {
    Img src(Sized(2, 1));
    src->pixels[0] = 0xFFFFFFu;
    src->pixels[1] = 0u;
    Img dst(Sized(2, 1));
    dst->pixels[1] = 0x123456u;
    IMGBlitHalf(src.get(), dst.get(), 0, 0);
    EXPECT_EQ(0x7F7F7Fu, dst->pixels[0]);
    EXPECT_EQ(0x123456u, dst->pixels[1]);

    src->pixels[0] = 0xFF030303u;
    dst->pixels[0] = 0xFF050505u;
    IMGBlitHalf(src.get(), dst.get(), 0, 0);
    EXPECT_EQ(0x030303u, dst->pixels[0]);  // 1 + 2 per channel, top byte gone
}

TEST(ImgCompose, HalfBlendClipsAtEveryEdge) {
    // A 2 x 2 source of 0xFEFEFE (halves to 0x7F7F7F, '#') whose top-left pixel
    // 0x808080 (halves to 0x404040, 'o') shows the orientation.
    auto half = [](int32_t x, int32_t y) {
        Img src(Filled(2, 2, 0xFEFEFEu));
        src->pixels[0] = 0x808080u;
        Img dst(Sized(4, 3));
        IMGBlitHalf(src.get(), dst.get(), x, y);
        Rows rows;
        for (int32_t r = 0; r < 3; ++r) {
            std::string row;
            for (int32_t c = 0; c < 4; ++c) {
                const uint32_t p = IMGGetPixel(dst.get(), c, r);
                row += p == 0 ? '.' : p == 0x404040u ? 'o' : p == 0x7F7F7Fu ? '#' : '?';
            }
            rows.push_back(row);
        }
        return rows;
    };
    EXPECT_EQ((Rows{"....", ".o#.", ".##."}), half(1, 1));
    EXPECT_EQ((Rows{"#...", "....", "...."}), half(-1, -1));
    EXPECT_EQ((Rows{"....", "....", "...o"}), half(3, 2));
    EXPECT_EQ((Rows{"..##", "....", "...."}), half(2, -1));
    EXPECT_EQ((Rows{"o#..", "##..", "...."}), half(0, 0));
    EXPECT_EQ((Rows{"....", "....", "o#.."}), half(0, 2));
    const Rows empty = {"....", "....", "...."};
    EXPECT_EQ(empty, half(4, 0));
    EXPECT_EQ(empty, half(0, 3));
    EXPECT_EQ(empty, half(-2, 0));
    EXPECT_EQ(empty, half(0, -2));
    EXPECT_EQ(empty, half(INT32_MAX, INT32_MAX));
    EXPECT_EQ(empty, half(INT32_MIN, INT32_MIN));
}

TEST(ImgCompose, SpacedCopySpreadsPixelsAndClipsEachOne) {
    Img src(FromRows({"ab.", "cde"}));
    Img dst(Sized(6, 4));
    IMGBlitSpaced(src.get(), dst.get(), 0, 0, 0, 0, 3, 2, 2, 3);
    EXPECT_EQ((Rows{"a.b...", "......", "......", "c.d.e."}), ToRows(dst.get()));

    // Positions left of or above the destination and beyond its far sides are
    // skipped one by one; the source rectangle is clipped to the source.
    Img dst2(Sized(5, 3));
    IMGBlitSpaced(src.get(), dst2.get(), -1, 0, -1, -1, 9, 9, 3, 2);
    EXPECT_EQ((Rows{".....", "..c..", "....."}), ToRows(dst2.get()));
    Img dst3(Sized(5, 3));
    IMGBlitSpaced(src.get(), dst3.get(), 1, 0, 2, 1, 2, 2, 2, 1);
    EXPECT_EQ((Rows{".....", "..b..", "..d.e"}), ToRows(dst3.get()));
    Img dst4(Sized(5, 3));
    IMGBlitSpaced(src.get(), dst4.get(), 0, 0, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX,
                  INT32_MAX, INT32_MAX);
    IMGBlitSpaced(src.get(), dst4.get(), 0, 0, 0, 0, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
    EXPECT_EQ((Rows{"a....", ".....", "....."}), ToRows(dst4.get()));
}

TEST(ImgCompose, SpacedCopyStartsAtTheFirstColumnInsideForANegativeOffset) {
    // Offset -1 with step 2: column 0 would land at x = -1 (skipped), column 1
    // at x = 1. Starting one column early would write at x = -1, which is the
    // previous row's last pixel, or before the pixel array on the first row.
    Img src(FromRows({"ab"}));
    Img low(Sized(4, 2));
    IMGBlitSpaced(src.get(), low.get(), 0, 0, -1, 1, 2, 1, 2, 1);
    EXPECT_EQ((Rows{"....", ".b.."}), ToRows(low.get()));
    Img top(Sized(4, 2));
    IMGBlitSpaced(src.get(), top.get(), 0, 0, -1, 0, 2, 1, 2, 1);
    EXPECT_EQ((Rows{".b..", "...."}), ToRows(top.get()));
    // The same below the top edge: offset -3 with step 2 skips rows 0 and 1.
    Img column(FromRows({"a", "b", "c"}));
    Img tall(Sized(2, 4));
    IMGBlitSpaced(column.get(), tall.get(), 0, 0, 1, -3, 1, 3, 1, 2);
    EXPECT_EQ((Rows{"..", ".c", "..", ".."}), ToRows(tall.get()));
    // And a step of 3 from -4: columns land at -4, -1, 2, so only "c" shows.
    Img wide(FromRows({"abcd"}));
    Img three(Sized(5, 2));
    IMGBlitSpaced(wide.get(), three.get(), 0, 0, -4, 1, 4, 1, 3, 1);
    EXPECT_EQ((Rows{".....", "..c.."}), ToRows(three.get()));
}

TEST(ImgCompose, SpacedCopyRefusesStepsBelowOne) {
    Img src(FromRows({"ab"}));
    Img dst(Sized(4, 1));
    const int32_t steps[][2] = {{0, 1}, {1, 0}, {-1, 1}, {1, -1}, {INT32_MIN, INT32_MIN}};
    for (const auto& st : steps) {
        const uint64_t before = REPORTCount();
        IMGBlitSpaced(src.get(), dst.get(), 0, 0, 0, 0, 2, 1, st[0], st[1]);
        EXPECT_EQ(before + 1, REPORTCount()) << st[0] << ", " << st[1];
    }
    EXPECT_EQ((Rows{"...."}), ToRows(dst.get()));
}

TEST(ImgCompose, InvertRectFlipsWholeWordsAndClipsAtEveryEdge) {
    auto invert = [](int32_t x, int32_t y, int32_t w, int32_t h) {
        Img img(Filled(4, 3, 0xFFFFFFFFu));
        IMGInvertRect(img.get(), x, y, w, h);
        return ToRows(img.get());  // inverted pixels are 0 again
    };
    EXPECT_EQ((Rows{"????", "?..?", "????"}), invert(1, 1, 2, 1));
    EXPECT_EQ((Rows{"..??", "..??", "????"}), invert(-1, -1, 3, 3));
    EXPECT_EQ((Rows{"????", "????", "??.."}), invert(2, 2, 5, 5));
    EXPECT_EQ((Rows{"....", "....", "...."}), invert(0, 0, INT32_MAX, INT32_MAX));
    EXPECT_EQ((Rows{"????", "??..", "??.."}), invert(2, 1, INT32_MAX, INT32_MAX));
    const Rows untouched = {"????", "????", "????"};
    EXPECT_EQ(untouched, invert(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    EXPECT_EQ(untouched, invert(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX));
    EXPECT_EQ(untouched, invert(4, 0, 2, 2));
    EXPECT_EQ(untouched, invert(0, 3, 2, 2));
    EXPECT_EQ(untouched, invert(-2, 0, 2, 2));
    EXPECT_EQ(untouched, invert(0, -2, 2, 2));
    EXPECT_EQ(untouched, invert(1, 1, 0, 5));

    // A normal pixel gains a top byte of 0xFF.
    Img img(Sized(1, 1));
    img->pixels[0] = 0x123456u;
    IMGInvertRect(img.get(), 0, 0, 1, 1);
    EXPECT_EQ(0xFFEDCBA9u, img->pixels[0]);
}

// ---------------------------------------------------------------------------
// Rows and columns

Rows RowWrap(const Rows& src, const Rows& dst, int32_t a, int32_t b, int32_t offset, bool orMode) {
    Img s(FromRows(src));
    Img d(FromRows(dst));
    if (orMode) {
        IMGOrRowWrap(s.get(), d.get(), a, b, offset);
    } else {
        IMGCopyRowWrap(s.get(), d.get(), a, b, offset);
    }
    return ToRows(d.get());
}

TEST(ImgCompose, RowWrapStartsAtTheReducedOffset) {
    EXPECT_EQ((Rows{"....", "dabc"}), RowWrap({"abcd"}, {"....", "...."}, 0, 1, 5, false));
    EXPECT_EQ((Rows{"bcda"}), RowWrap({"abcd"}, {"...."}, 0, 0, -1, false));
    EXPECT_EQ((Rows{"abcd"}), RowWrap({"abcd"}, {"...."}, 0, 0, -4, false));
    // INT32_MIN = -2^31 is a multiple of 4; INT32_MAX leaves 3.
    EXPECT_EQ((Rows{"abcd"}), RowWrap({"abcd"}, {"...."}, 0, 0, INT32_MIN, false));
    EXPECT_EQ((Rows{"bcda"}), RowWrap({"abcd"}, {"...."}, 0, 0, INT32_MAX, false));
    // The shorter row decides the count.
    EXPECT_EQ((Rows{"cdab"}), RowWrap({"abcdef"}, {"...."}, 0, 0, 2, false));
    EXPECT_EQ((Rows{"b...a"}), RowWrap({"ab"}, {"....."}, 0, 0, 4, false));
    // Zero source pixels leave the destination.
    EXPECT_EQ((Rows{"wayz"}), RowWrap({"a.."}, {"wxyz"}, 0, 0, 1, false));
}

TEST(ImgCompose, OrRowWrapCombinesBits) {
    // '!' (0x21) OR 'B' (0x42) is 'c' (0x63); '@' (0x40) OR 0 stays '@'.
    EXPECT_EQ((Rows{"@c"}), RowWrap({"!."}, {"@B"}, 0, 0, 1, true));
}

TEST(ImgCompose, ColumnWrapRunsDownTheColumns) {
    Img src(FromRows({"a.", "b.", "c."}));
    Img dst(FromRows({"..", "..", "..", ".."}));
    IMGCopyColumnWrap(src.get(), dst.get(), 0, 1, 3);
    EXPECT_EQ((Rows{".b", ".c", "..", ".a"}), ToRows(dst.get()));
    IMGCopyColumnWrap(src.get(), dst.get(), 0, 0, -5);  // -5 mod 4 == 3
    EXPECT_EQ((Rows{"bb", "cc", "..", "aa"}), ToRows(dst.get()));

    Img tall(FromRows({"x", "y", "z", "w", "v"}));
    Img shortImg(FromRows({"..", "..", "m."}));                      // 3 rows: only x, y, z fit
    IMGCopyColumnWrap(tall.get(), shortImg.get(), 0, 0, INT32_MAX);  // INT32_MAX mod 3 == 1
    EXPECT_EQ((Rows{"z.", "x.", "y."}), ToRows(shortImg.get()));
    Img holes(FromRows({".", "q"}));
    IMGCopyColumnWrap(holes.get(), shortImg.get(), 0, 0, 0);
    EXPECT_EQ((Rows{"z.", "q.", "y."}), ToRows(shortImg.get()));
}

TEST(ImgCompose, CopyRowTakesZerosAndTheShorterWidth) {
    Img src(FromRows({"a.c", "def"}));
    Img dst(FromRows({"wxyz", "...."}));
    IMGCopyRow(src.get(), dst.get(), 0, 0);
    EXPECT_EQ((Rows{"a.cz", "...."}), ToRows(dst.get()));
    IMGCopyRow(dst.get(), src.get(), 0, 1);
    EXPECT_EQ((Rows{"a.c", "a.c"}), ToRows(src.get()));
}

TEST(ImgCompose, RowAndColumnCopiesRefuseLinesOutsideTheirImages) {
    Img src(FromRows({"ab", "cd"}));
    Img dst(FromRows({"...", "..."}));
    const uint64_t before = REPORTCount();
    const int32_t bad[][2] = {{-1, 0}, {2, 0}, {0, -1}, {0, 2}, {INT32_MIN, INT32_MAX}};
    for (const auto& l : bad) {
        IMGCopyRowWrap(src.get(), dst.get(), l[0], l[1], 0);
        IMGOrRowWrap(src.get(), dst.get(), l[0], l[1], 0);
        IMGCopyRow(src.get(), dst.get(), l[0], l[1]);
    }
    const int32_t badColumns[][2] = {{-1, 0}, {2, 0}, {0, -1}, {0, 3}};
    for (const auto& l : badColumns) IMGCopyColumnWrap(src.get(), dst.get(), l[0], l[1], 0);
    EXPECT_EQ(before + 5 * 3 + 4, REPORTCount());
    EXPECT_EQ((Rows{"...", "..."}), ToRows(dst.get()));
}

TEST(ImgCompose, WrappingIntoAZeroLengthLineCopiesNothing) {
    Img src(FromRows({"ab", "cd"}));
    Img flat(Sized(0, 3));  // rows without columns
    Img low(Sized(3, 0));   // columns without rows
    const uint64_t before = REPORTCount();
    IMGCopyRowWrap(src.get(), flat.get(), 0, 1, 7);
    IMGOrRowWrap(src.get(), flat.get(), 0, 1, 7);
    IMGCopyColumnWrap(src.get(), low.get(), 0, 1, 7);
    IMGCopyRow(src.get(), flat.get(), 0, 1);
    EXPECT_EQ(before, REPORTCount());
}

// ---------------------------------------------------------------------------
// Null arguments: every operation reports once and changes nothing.

TEST(ImgCompose, NullArgumentsReportAndChangeNothing) {
    Img img(FromRows({"ab", "cd"}));
    IMG bare{2, 2, nullptr};
    const uint64_t before = REPORTCount();
    IMGCopy(nullptr, img.get());
    IMGCopy(img.get(), nullptr);
    IMGCopy(&bare, img.get());
    IMGClear(nullptr);
    IMGClear(&bare);
    IMGSubtract(nullptr, 0x010101u);
    IMGSubtract(&bare, 0x010101u);
    IMGAnd(nullptr, img.get());
    IMGAnd(img.get(), nullptr);
    IMGAnd(&bare, img.get());
    IMGInvert(nullptr);
    IMGInvert(&bare);
    IMGBlit(nullptr, img.get(), 0, 0, 0, 0, 1, 1);
    IMGBlit(img.get(), &bare, 0, 0, 0, 0, 1, 1);
    IMGBlitOpaque(&bare, img.get(), 0, 0, 0, 0, 1, 1);
    IMGBlitOpaque(img.get(), nullptr, 0, 0, 0, 0, 1, 1);
    IMGBlitAdd(nullptr, img.get(), 0, 0, 0, 0, 1, 1);
    IMGBlitAddSat(img.get(), nullptr, 0, 0, 0, 0, 1, 1);
    IMGBlitHalf(nullptr, img.get(), 0, 0);
    IMGBlitHalf(img.get(), &bare, 0, 0);
    IMGBlitSpaced(nullptr, img.get(), 0, 0, 0, 0, 1, 1, 1, 1);
    IMGBlitSpaced(img.get(), &bare, 0, 0, 0, 0, 1, 1, 1, 1);
    IMGInvertRect(nullptr, 0, 0, 1, 1);
    IMGInvertRect(&bare, 0, 0, 1, 1);
    IMGCopyRowWrap(nullptr, img.get(), 0, 0, 0);
    IMGOrRowWrap(img.get(), &bare, 0, 0, 0);
    IMGCopyColumnWrap(&bare, img.get(), 0, 0, 0);
    IMGCopyRow(img.get(), nullptr, 0, 0);
    EXPECT_EQ(before + 28, REPORTCount());
    EXPECT_EQ((Rows{"ab", "cd"}), ToRows(img.get()));
}
}  // namespace
