// Tests of the raster bars: the colour list, its smoothing, painting whole
// images against a per-pixel reference, and the hostile sizes and starts.
#include "effects/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Raster = Owned<RASTER, RASTERFree>;
using Img = Owned<IMG, IMGFree>;

// Random words, top byte included, from the shared generator.
uint32_t RandomWord() {
    return (static_cast<uint32_t>(RNGDraw()) << 17) ^ static_cast<uint32_t>(RNGDraw()) ^
           (static_cast<uint32_t>(RNGDraw()) << 30);
}

RASTER* RandomRaster(int32_t count) {
    RASTER* r = RASTERNew();
    RASTERSetSize(r, count);
    for (int32_t i = 0; i < count; ++i) r->colours[i] = RandomWord();
    return r;
}

void FillRandom(IMG* img) {
    for (int32_t i = 0; i < img->width * img->height; ++i) img->pixels[i] = RandomWord();
}

// The mix as the channel formula states it, one channel at a time in 64 bits.
uint32_t MixReference(uint32_t p, uint32_t k, uint32_t w) {
    uint32_t out = 0;
    for (uint32_t mask : {0xFF0000u, 0x00FF00u, 0x0000FFu}) {
        const uint64_t sum =
            static_cast<uint64_t>(p & mask) * (256 - w) + static_cast<uint64_t>(k & mask) * w;
        out |= static_cast<uint32_t>(sum >> 8) & mask;
    }
    return out;
}

// Colour of line i: (start + i) mod count, taken on the non-negative residue.
uint32_t LineColour(const RASTER* r, int64_t i) {
    int64_t k = (static_cast<int64_t>(r->start) + i) % r->count;
    if (k < 0) k += r->count;
    return r->colours[k];
}

TEST(Raster, NewHas256BlackColoursAndFreeClearsTheReference) {
    const char* const want[5] = {"RASTER  ", "20120517", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(want[i], RASTER_IDENTITY[i]);
    RASTER* r = RASTERNew();
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(256, r->count);
    EXPECT_EQ(0, r->start);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(0u, r->colours[i]);
    const uint64_t before = REPORTCount();
    RASTERFree(&r);
    EXPECT_EQ(nullptr, r);
    EXPECT_EQ(before, REPORTCount());
    RASTERFree(&r);
    EXPECT_EQ(before + 1, REPORTCount());
}

TEST(Raster, NullArgumentsReportAndDoNothing) {
    Img img(Sized(4, 4));
    Raster r(RASTERNew());
    const uint64_t before = REPORTCount();
    RASTERFree(nullptr);
    EXPECT_EQ(nullptr, RASTERToASCII(nullptr));
    EXPECT_EQ(nullptr, RASTERFromASCII(nullptr));
    EXPECT_FALSE(RASTEREqual(nullptr, r.get()));
    EXPECT_FALSE(RASTEREqual(r.get(), nullptr));
    EXPECT_EQ(nullptr, RASTERClone(nullptr));
    RASTERSetSize(nullptr, 4);
    RASTERClear(nullptr);
    EXPECT_EQ(0, RASTERAdvance(nullptr));
    RASTERSmooth(nullptr, 1);
    RASTERDrawRows(nullptr, img.get());
    RASTERDrawRows(r.get(), nullptr);
    RASTERBlendRows(nullptr, img.get(), 128);
    RASTERBlendRows(r.get(), nullptr, 128);
    RASTERDrawColumns(nullptr, img.get());
    RASTERDrawColumns(r.get(), nullptr);
    RASTERFillRow(nullptr, 1, 0, 0, 3);
    RASTERBlendRow(nullptr, 1, 0, 0, 3, 128);
    RASTERFillColumn(nullptr, 1, 0, 0, 3);
    EXPECT_EQ(nullptr, RASTERLoad(nullptr));
    EXPECT_FALSE(RASTERSave(nullptr, "x"));
    EXPECT_FALSE(RASTERSave(r.get(), nullptr));
    EXPECT_EQ(before + 22, REPORTCount());
    // Without a text form, real arguments still give null, and no report.
    EXPECT_EQ(nullptr, RASTERToASCII(r.get()));
    EXPECT_EQ(nullptr, RASTERFromASCII("RASTER"));
    EXPECT_EQ(before + 22, REPORTCount());
}

TEST(Raster, HostileSizesAndEmptyRastersNeverFault) {
    Raster r(RASTERNew());
    r->colours[3] = 0x123456u;
    const uint64_t before = REPORTCount();
    RASTERSetSize(r.get(), -1);  // refused: the raster keeps its colours
    RASTERSetSize(r.get(), INT32_MIN);
    EXPECT_EQ(before + 2, REPORTCount());
    EXPECT_EQ(256, r->count);
    EXPECT_EQ(0x123456u, r->colours[3]);

    // Count 0 is a valid raster; everything that picks a colour by remainder
    // reports instead of dividing by zero, and the image is untouched.
    RASTERSetSize(r.get(), 0);
    EXPECT_EQ(0, r->count);
    ASSERT_NE(nullptr, r->colours);
    Img img(Sized(3, 2));
    img->pixels[0] = 7u;
    const uint64_t empty = REPORTCount();
    RASTERDrawRows(r.get(), img.get());
    RASTERBlendRows(r.get(), img.get(), 128);
    RASTERDrawColumns(r.get(), img.get());
    EXPECT_EQ(0, RASTERAdvance(r.get()));
    EXPECT_EQ(empty + 4, REPORTCount());
    EXPECT_EQ(7u, img->pixels[0]);
    RASTERClear(r.get());      // nothing to clear: fine
    RASTERSmooth(r.get(), 3);  // nothing to smooth: fine
    EXPECT_EQ(empty + 4, REPORTCount());

    // An image of no pixels, or with sides written negative, paints nothing.
    RASTERSetSize(r.get(), 4);
    Img none(Sized(0, 0));
    RASTERDrawColumns(r.get(), none.get());
    RASTERBlendRows(r.get(), none.get(), 100);
    img->width = -3;
    RASTERDrawRows(r.get(), img.get());
    RASTERDrawColumns(r.get(), img.get());
    RASTERBlendRows(r.get(), img.get(), 100);
    img->width = 3;
    EXPECT_EQ(7u, img->pixels[0]);
}

TEST(Raster, StartPicksTheColourOfLineZeroWhateverItsValue) {
    Raster r(RASTERNew());
    for (int32_t i = 0; i < 256; ++i) r->colours[i] = static_cast<uint32_t>(i) + 1;
    Img img(Sized(2, 8));
    r->start = 250;  // row 0 takes colour 250, row 6 wraps to colour 0
    RASTERDrawRows(r.get(), img.get());
    EXPECT_EQ(251u, IMGGetPixel(img.get(), 1, 0));
    EXPECT_EQ(256u, IMGGetPixel(img.get(), 0, 5));
    EXPECT_EQ(1u, IMGGetPixel(img.get(), 1, 6));
    EXPECT_EQ(250, r->start);  // painting does not move the start

    const int32_t starts[] = {-6, -256 * 1000 - 6, 256 * 1000 + 250, INT32_MAX, INT32_MIN};
    for (int32_t s : starts) {
        r->start = s;
        RASTERDrawRows(r.get(), img.get());
        for (int32_t y = 0; y < 8; ++y) {
            ASSERT_EQ(LineColour(r.get(), y), IMGGetPixel(img.get(), 0, y)) << s << " row " << y;
        }
        RASTERDrawColumns(r.get(), img.get());
        for (int32_t x = 0; x < 2; ++x) {
            ASSERT_EQ(LineColour(r.get(), x), IMGGetPixel(img.get(), x, 7)) << s << " col " << x;
        }
    }
}

TEST(Raster, AdvanceWrapsAndReducesAStartOutOfRange) {
    Raster r(RASTERNew());
    r->start = 255;
    EXPECT_EQ(0, RASTERAdvance(r.get()));
    EXPECT_EQ(1, RASTERAdvance(r.get()));
    r->start = 1000;  // 1000 mod 256 = 232
    EXPECT_EQ(233, RASTERAdvance(r.get()));
    r->start = -1;  // 255
    EXPECT_EQ(0, RASTERAdvance(r.get()));
    r->start = INT32_MAX;  // 255
    EXPECT_EQ(0, RASTERAdvance(r.get()));
    RASTERSetSize(r.get(), 1);
    EXPECT_EQ(0, RASTERAdvance(r.get()));
    EXPECT_EQ(0, RASTERAdvance(r.get()));
}

TEST(Raster, BlendFiguresAndWeightsOutsideTheRange) {
    Img img(Sized(4, 1));
    auto blend = [&](uint32_t pixel, uint32_t colour, int32_t w) {
        img->pixels[1] = pixel;
        RASTERBlendRow(img.get(), colour, 0, 1, 1, w);
        return img->pixels[1];
    };
    EXPECT_EQ(0x7F7F7Fu, blend(0x000000u, 0xFFFFFFu, 128));
    EXPECT_EQ(0x123456u, blend(0x123456u, 0xFFFFFFu, 0));
    EXPECT_EQ(0xABCDEFu, blend(0x123456u, 0xABCDEFu, 256));
    // Full red over full red: the red product 0xFF0000 * 256 leaves int32_t.
    EXPECT_EQ(0xFF0000u, blend(0xFF0000u, 0xFF0000u, 128));
    EXPECT_EQ(0xFFFFFFu, blend(0xFFFFFFu, 0xFFFFFFu, 1));
    // Weights are clamped to 0 .. 256; the top byte never survives.
    EXPECT_EQ(0x123456u, blend(0x123456u, 0xFFFFFFu, -5));
    EXPECT_EQ(0x123456u, blend(0x123456u, 0xFFFFFFu, INT32_MIN));
    EXPECT_EQ(0xABCDEFu, blend(0x123456u, 0xFFABCDEFu, 1000));
    EXPECT_EQ(0x123456u, blend(0xFF123456u, 0xFFFFFFu, 0));
    // Only the chosen pixel changed.
    EXPECT_EQ(0u, img->pixels[0]);
    EXPECT_EQ(0u, img->pixels[2]);
}

TEST(Raster, LinePrimitivesClampToTheImage) {
    Img img(Sized(256, 4));
    RASTERFillRow(img.get(), 5u, 1, -5, 1000);
    for (int32_t x = 0; x < 256; ++x) ASSERT_EQ(5u, IMGGetPixel(img.get(), x, 1)) << x;
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 0, 0));
    const uint64_t before = REPORTCount();
    RASTERFillRow(img.get(), 9u, 256, 0, 255);  // outside: nothing, no report
    RASTERFillRow(img.get(), 9u, -1, 0, 255);
    RASTERFillRow(img.get(), 9u, 0, 10, 5);  // empty range
    RASTERFillRow(img.get(), 9u, 0, INT32_MIN, INT32_MIN);
    RASTERFillRow(img.get(), 9u, 0, INT32_MAX, INT32_MAX);
    RASTERFillColumn(img.get(), 9u, 256, 0, 3);
    RASTERFillColumn(img.get(), 9u, -1, 0, 3);
    RASTERBlendRow(img.get(), 9u, 4, 0, 255, 256);
    EXPECT_EQ(before, REPORTCount());
    for (int32_t x = 0; x < 256; ++x) ASSERT_EQ(0u, IMGGetPixel(img.get(), x, 0)) << x;

    Img small(Sized(5, 4));
    RASTERFillColumn(small.get(), 3u, 2, -100, 2);
    RASTERFillRow(small.get(), 4u, 3, 3, 99);
    RASTERBlendRow(small.get(), 0xFFFFFFu, 0, -1, 1, 256);
    // clang-format off
    ExpectPicture(small.get(), {"###..",
                                "..#..",
                                "..#..",
                                "...##"});
    // clang-format on

    // A null image reports through the image module, and so is counted too.
    RASTERFillRow(nullptr, 1u, 0, 0, 1);
    IMG empty{4, 4, nullptr};
    RASTERFillColumn(&empty, 1u, 0, 0, 1);
    EXPECT_EQ(before + 2, REPORTCount());

    // A last row one past the image stops at its bottom row: the row after it
    // in memory (here a spare one) stays as it was.
    std::vector<uint32_t> spare(4 * 3, 0);
    IMG top{4, 2, spare.data()};
    RASTERFillColumn(&top, 7u, 1, 0, 2);
    EXPECT_EQ(std::vector<uint32_t>({0, 7, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0}), spare);
}

TEST(Raster, WholeImagePaintersMatchThePerPixelReference) {
    RNGSeed(11u);
    // Odd widths (the SIMD tail), counts below and above the image's sides.
    const int32_t sizes[][3] = {{1, 1, 1},       {3, 5, 7},     {17, 9, 4},
                                {256, 256, 256}, {255, 3, 300}, {64, 70, 1}};
    for (const auto& s : sizes) {
        const int32_t w = s[0], h = s[1], count = s[2];
        Raster r(RandomRaster(count));
        Img img(Sized(w, h));
        Img before(Sized(w, h));
        for (int32_t start : {0, 5, -7}) {
            r->start = start;
            RASTERDrawColumns(r.get(), img.get());
            for (int32_t y = 0; y < h; ++y) {
                for (int32_t x = 0; x < w; ++x) {
                    ASSERT_EQ(LineColour(r.get(), x), IMGGetPixel(img.get(), x, y)) << w;
                }
            }
            RASTERDrawRows(r.get(), img.get());
            for (int32_t y = 0; y < h; ++y) {
                for (int32_t x = 0; x < w; ++x) {
                    ASSERT_EQ(LineColour(r.get(), y), IMGGetPixel(img.get(), x, y)) << w;
                }
            }
            for (int32_t weight : {0, 1, 127, 128, 200, 255, 256}) {
                FillRandom(img.get());
                IMGCopy(img.get(), before.get());
                RASTERBlendRows(r.get(), img.get(), weight);
                for (int32_t y = 0; y < h; ++y) {
                    for (int32_t x = 0; x < w; ++x) {
                        const uint32_t want =
                            MixReference(IMGGetPixel(before.get(), x, y), LineColour(r.get(), y),
                                         static_cast<uint32_t>(weight));
                        ASSERT_EQ(want, IMGGetPixel(img.get(), x, y))
                            << w << "x" << h << " weight " << weight << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(Raster, ClearedRasterPaintsBlackAndPlasmaMixIsTheMean) {
    Raster r(RASTERNew());
    r->colours[9] = 0xFFFFFFu;
    RASTERClear(r.get());
    Img img(Sized(256, 256));
    img->pixels[1000] = 0x777777u;
    RASTERDrawColumns(r.get(), img.get());
    for (int32_t i = 0; i < 256 * 256; ++i) ASSERT_EQ(0u, img->pixels[i]) << i;
    // Columns in one colour, rows in another, mixed at 128: the floored mean.
    r->colours[3] = 0x804020u;
    Raster rows(RASTERNew());
    rows->colours[5] = 0x0102FFu;
    RASTERDrawColumns(r.get(), img.get());
    RASTERBlendRows(rows.get(), img.get(), 128);
    EXPECT_EQ(0x402010u, IMGGetPixel(img.get(), 3, 0));
    EXPECT_EQ(0x40218Fu, IMGGetPixel(img.get(), 3, 5));  // (0x80+1)/2, (0x40+2)/2, (0x20+0xFF)/2
}

// The smoothing as described: each channel twice, plus r neighbours ahead
// (wrapped) and r behind (mirrored at 0), over 2r + 2.
std::vector<uint32_t> SmoothReference(const std::vector<uint32_t>& c, int32_t r) {
    const int32_t n = static_cast<int32_t>(c.size());
    std::vector<uint32_t> out(c.size());
    for (int32_t i = 0; i < n; ++i) {
        uint32_t word = 0;
        for (int shift : {16, 8, 0}) {
            int64_t sum = 2 * ((c[i] >> shift) & 0xFF);
            for (int32_t k = r; k >= 1; --k) {
                sum += (c[(i + k) % n] >> shift) & 0xFF;
                sum += (c[std::abs(i - k) % n] >> shift) & 0xFF;
            }
            word |= static_cast<uint32_t>((sum / (2 * r + 2)) & 0xFF) << shift;
        }
        out[i] = word;
    }
    return out;
}

TEST(Raster, SmoothMatchesTheNeighbourSumsForEveryRadius) {
    RNGSeed(5u);
    for (int32_t count : {1, 2, 3, 7, 64}) {
        for (int32_t radius = 1; radius <= 3 * count + 2; radius += (radius < 10 ? 1 : 7)) {
            Raster r(RandomRaster(count));
            std::vector<uint32_t> colours(r->colours, r->colours + count);
            RASTERSmooth(r.get(), radius);
            const std::vector<uint32_t> want = SmoothReference(colours, radius);
            for (int32_t i = 0; i < count; ++i) {
                ASSERT_EQ(want[i], r->colours[i])
                    << "count " << count << " radius " << radius << " index " << i;
            }
        }
    }
}

TEST(Raster, SmoothFiguresAndHugeRadii) {
    Raster r(RASTERNew());
    RASTERSetSize(r.get(), 5);
    for (int i = 0; i < 5; ++i) r->colours[i] = 0x336699u;
    RASTERSmooth(r.get(), 2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(0x336699u, r->colours[i]);
    // 2r + 2 and the sums leave 32 bits here; the equal list still stays equal.
    RASTERSmooth(r.get(), INT32_MAX);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(0x336699u, r->colours[i]);

    // A radius of k whole turns adds k totals on each side:
    // (2 c(i) + 2k total) / (2 k count + 2). With count 4, blue 0, 0, 0, 255
    // and k = 500000000 (radius 2e9): total 255, so index 3 gets
    // (510 + 255e9) / 4000000002 = 63 and the others 255e9 / 4000000002 = 63.
    RASTERSetSize(r.get(), 4);
    r->colours[3] = 0xFFu;
    RASTERSmooth(r.get(), 2000000000);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(63u, r->colours[i]) << i;

    // Radius 1 by hand, blue channel: {0, 80, 0, 40}: index 0 reads its
    // wrapped neighbour 1 ahead and mirrored neighbour 1 behind: (0+80+80)/4.
    const uint32_t start[4] = {0, 80, 0, 40};
    std::memcpy(r->colours, start, sizeof start);
    RASTERSmooth(r.get(), 1);
    EXPECT_EQ(40u, r->colours[0]);
    EXPECT_EQ(40u, r->colours[1]);  // (160 + 0 + 0) / 4
    EXPECT_EQ(30u, r->colours[2]);  // (0 + 40 + 80) / 4
    EXPECT_EQ(20u, r->colours[3]);  // (80 + 0 + 0) / 4: ahead wraps to 0
    const uint64_t before = REPORTCount();
    RASTERSmooth(r.get(), 0);
    RASTERSmooth(r.get(), -3);
    EXPECT_EQ(before + 2, REPORTCount());
}

TEST(Raster, EqualIgnoresStartAndCloneStartsAtZero) {
    RNGSeed(3u);
    Raster a(RandomRaster(40));
    a->start = 17;
    Raster b(RASTERClone(a.get()));
    ASSERT_NE(nullptr, b.get());
    EXPECT_NE(a->colours, b->colours);
    EXPECT_EQ(0, b->start);
    EXPECT_TRUE(RASTEREqual(a.get(), b.get()));
    b->colours[39] ^= 1u;
    EXPECT_FALSE(RASTEREqual(a.get(), b.get()));
}

TEST(Raster, LoadAndSaveOnlyOpenTheFile) {
    char path[] = "/tmp/moxa-raster-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(3, write(fd, "abc", 3));
    close(fd);
    Raster loaded(RASTERLoad(path));
    ASSERT_NE(nullptr, loaded.get());
    EXPECT_EQ(0, loaded->count);
    EXPECT_EQ(0, loaded->start);
    EXPECT_FALSE(RASTERSave(loaded.get(), path));  // count 0: refused, file kept
    Raster r(RASTERNew());
    EXPECT_TRUE(RASTERSave(r.get(), path));  // emptied, nothing written
    std::FILE* f = std::fopen(path, "rb");
    ASSERT_NE(nullptr, f);
    EXPECT_EQ(EOF, std::fgetc(f));
    std::fclose(f);
    std::remove(path);
    EXPECT_EQ(nullptr, RASTERLoad(path));
    EXPECT_FALSE(RASTERSave(r.get(), "/nonexistent-folder/raster"));
}
}  // namespace
