// Tests of the IMGFX filters: the worked figures, refusals, and every filter
// against a slow per-pixel model on random images (top bytes set), for narrow
// and wide rows, destinations smaller and larger than the source, and the
// source filtered in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

uint32_t RandomWord() {
    return (static_cast<uint32_t>(RNGDraw()) << 17) ^ (static_cast<uint32_t>(RNGDraw()) << 2) ^
           static_cast<uint32_t>(RNGDraw());
}

IMG* Random(int32_t w, int32_t h) {
    IMG* img = Sized(w, h);
    for (int32_t i = 0; i < w * h; ++i) img->pixels[i] = RandomWord();
    return img;
}

std::vector<uint32_t> Pixels(const IMG* img) {
    return std::vector<uint32_t>(img->pixels, img->pixels + img->width * img->height);
}

// ---------------------------------------------------------------------------
// The model: the walk of the definition, bottom row first, right to left,
// through the clipping accessors, with the per-pixel formula given as a
// function of the source and the position.

using PixelRule = std::function<uint32_t(const IMG*, int32_t, int32_t)>;

void Model(const IMG* src, IMG* dst, const PixelRule& rule) {
    for (int32_t y = src->height - 1; y >= 0; --y)
        for (int32_t x = src->width - 1; x >= 0; --x) IMGSetPixel(dst, x, y, rule(src, x, y));
}

uint32_t Channel(uint32_t p, int k) { return (p >> (8 * k)) & 0xFF; }

struct Tap {
    int dx, dy, weight;
};

PixelRule Blur(std::vector<Tap> taps, uint32_t divisor) {
    return [=](const IMG* s, int32_t x, int32_t y) {
        uint32_t out = 0;
        for (int k = 0; k < 3; ++k) {
            uint32_t sum = 0;
            for (const Tap& t : taps) sum += t.weight * Channel(IMGGetPixel(s, x + t.dx, y + t.dy), k);
            out |= (sum / divisor) << (8 * k);
        }
        return out;
    };
}

PixelRule Glow(std::vector<Tap> around, int shift) {
    return [=](const IMG* s, int32_t x, int32_t y) {
        uint32_t out = 0;
        for (int k = 0; k < 3; ++k) {
            uint32_t sum = Channel(IMGGetPixel(s, x, y), k);
            for (const Tap& t : around) {
                const uint32_t c = Channel(IMGGetPixel(s, x + t.dx, y + t.dy), k);
                sum += shift >= 8 ? 0 : c >> shift;
            }
            out |= std::min(255u, sum) << (8 * k);
        }
        return out;
    };
}

// The radius filters over the taps that fall inside the image only (the
// others read 0), so that huge radii stay cheap here too.
PixelRule Box(int64_t rx, int64_t ry, bool glow, int shift) {
    return [=](const IMG* s, int32_t x, int32_t y) {
        const int64_t x0 = std::max<int64_t>(0, x - rx), x1 = std::min<int64_t>(s->width - 1, x + rx);
        const int64_t y0 = std::max<int64_t>(0, y - ry), y1 = std::min<int64_t>(s->height - 1, y + ry);
        const uint64_t taps = static_cast<uint64_t>(2 * rx + 1) * static_cast<uint64_t>(2 * ry + 1);
        uint32_t out = 0;
        for (int k = 0; k < 3; ++k) {
            uint64_t sum = 0;
            for (int64_t ty = y0; ty <= y1; ++ty)
                for (int64_t tx = x0; tx <= x1; ++tx) {
                    const uint32_t c = Channel(IMGGetPixel(s, int32_t(tx), int32_t(ty)), k);
                    sum += glow ? (shift >= 8 ? 0 : c >> shift) : c;
                }
            const uint64_t v = glow ? std::min<uint64_t>(255, Channel(IMGGetPixel(s, x, y), k) + sum)
                                    : sum / taps;
            out |= static_cast<uint32_t>(v) << (8 * k);
        }
        return out;
    };
}

struct Filter {
    const char* name;
    std::function<void(const IMG*, IMG*)> run;
    PixelRule rule;
};

std::vector<Filter> AllFilters() {
    const std::vector<Tap> row5 = {{-2, 0, 0}, {-1, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    const std::vector<Tap> row7 = {{-3, 0, 0}, {-2, 0, 0}, {-1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}};
    std::vector<Tap> ring;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) ring.push_back({dx, dy, 0});
    return {
        {"Blur3", IMGFXBlur3, Blur({{-1, 0, 1}, {0, 0, 1}, {1, 0, 1}}, 3)},
        {"Blur121", IMGFXBlur121, Blur({{-1, 0, 1}, {0, 0, 2}, {1, 0, 1}}, 4)},
        {"Blur5", IMGFXBlur5, Blur({{-2, 0, 1}, {-1, 0, 1}, {0, 0, 4}, {1, 0, 1}, {2, 0, 1}}, 8)},
        {"Blur7", IMGFXBlur7,
         Blur({{-3, 0, 1}, {-2, 0, 1}, {-1, 0, 1}, {0, 0, 2}, {1, 0, 1}, {2, 0, 1}, {3, 0, 1}}, 8)},
        {"Smooth3x3", IMGFXSmooth3x3,
         Blur({{-1, -1, 1}, {0, -1, 2}, {1, -1, 1}, {-1, 0, 2}, {0, 0, 4}, {1, 0, 2},
               {-1, 1, 1}, {0, 1, 2}, {1, 1, 1}}, 16)},
        {"Glow5 s3", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 3); }, Glow(row5, 3)},
        {"Glow5 s0", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 0); }, Glow(row5, 0)},
        {"Glow5 s7", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 7); }, Glow(row5, 7)},
        {"Glow5 s9", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 9); }, Glow(row5, 9)},
        {"Glow7 s2", [](const IMG* s, IMG* d) { IMGFXGlow7(s, d, 2); }, Glow(row7, 2)},
        {"Glow3x3 s1", [](const IMG* s, IMG* d) { IMGFXGlow3x3(s, d, 1); }, Glow(ring, 1)},
        {"BoxBlur r0", [](const IMG* s, IMG* d) { IMGFXBoxBlur(s, d, 0); }, Box(0, 0, false, 0)},
        {"BoxBlur r2", [](const IMG* s, IMG* d) { IMGFXBoxBlur(s, d, 2); }, Box(2, 2, false, 0)},
        {"BlurH r3", [](const IMG* s, IMG* d) { IMGFXBlurH(s, d, 3); }, Box(3, 0, false, 0)},
        {"GlowH r2 s2", [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, 2, 2); }, Box(2, 0, true, 2)},
        {"GlowH r0 s0", [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, 0, 0); }, Box(0, 0, true, 0)},
    };
}

void ExpectSame(const Filter& f, int32_t sw, int32_t sh, int32_t dw, int32_t dh) {
    Img src(Random(sw, sh));
    Img got(Random(dw, dh));
    Img want(IMGClone(got.get()));
    f.run(src.get(), got.get());
    Model(src.get(), want.get(), f.rule);
    ASSERT_EQ(Pixels(want.get()), Pixels(got.get()))
        << f.name << " " << sw << "x" << sh << " into " << dw << "x" << dh;
}

TEST(ImgFxFilters, EveryFilterMatchesTheModelForManySizes) {
    RNGSeed(2024u);
    for (const Filter& f : AllFilters()) {
        // Every width up to 40: each vector width (4, 8, 16) leaves every
        // length of tail, and a tail that ran on would reach the next row.
        for (int32_t w = 1; w <= 40; ++w) ExpectSame(f, w, 3, w, 3);
        ExpectSame(f, 256, 4, 256, 4);
        ExpectSame(f, 37, 5, 20, 3);   // destination smaller: the rest is dropped
        ExpectSame(f, 13, 3, 40, 6);   // destination larger: the rest is untouched
        ExpectSame(f, 256, 2, 255, 3);
    }
}

TEST(ImgFxFilters, InPlaceFilteringSeesFilteredPixelsToTheRightAndBelow) {
    RNGSeed(77u);
    for (const Filter& f : AllFilters()) {
        for (int32_t w : {1, 2, 5, 8, 33, 256}) {
            Img got(Random(w, 4));
            Img want(IMGClone(got.get()));
            f.run(got.get(), got.get());
            Model(want.get(), want.get(), f.rule);
            ASSERT_EQ(Pixels(want.get()), Pixels(got.get())) << f.name << " width " << w;
        }
        // Two records over one array, the destination one row further on.
        Img base(Random(12, 6));
        Img copy(IMGClone(base.get()));
        IMG shifted{12, 5, base->pixels + 12};
        IMG copyShifted{12, 5, copy->pixels + 12};
        f.run(base.get(), &shifted);
        Model(copy.get(), &copyShifted, f.rule);
        ASSERT_EQ(Pixels(copy.get()), Pixels(base.get())) << f.name << " over a shared array";
    }
}

// ---------------------------------------------------------------------------
// The worked figures

struct Figure {
    const char* what;
    std::function<void(const IMG*, IMG*)> run;
    std::vector<uint32_t> in;
    std::vector<uint32_t> out;
};

TEST(ImgFxFilters, WorkedFiguresOnOneRow) {
    const uint32_t W = 0xFFFFFF, G = 0x333333;
    const std::vector<Figure> figures = {
        {"blur5 of a lone white pixel", IMGFXBlur5, {0, 0, 0, W, 0, 0, 0},
         {0, 0x1F1F1F, 0x1F1F1F, 0x7F7F7F, 0x1F1F1F, 0x1F1F1F, 0}},
        {"blur5 of grey between black", IMGFXBlur5, {0, 0, 0x808080, 0, 0}, {0x101010, 0x101010, 0x404040, 0x101010, 0x101010}},
        {"blur5 keeps white inside white", IMGFXBlur5, {W, W, W, W, W}, {0xBFBFBF, 0xDFDFDF, W, 0xDFDFDF, 0xBFBFBF}},
        {"glow5 s3 of a lone white pixel", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 3); },
         {0, 0, 0, W, 0, 0, 0}, {0, 0x1F1F1F, 0x1F1F1F, W, 0x1F1F1F, 0x1F1F1F, 0}},
        {"glow5 s0 of a grey row", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 0); },
         {G, G, G, G, G, G, G}, {0x999999, 0xCCCCCC, W, W, W, 0xCCCCCC, 0x999999}},
        {"glow5 s3 saturates from 171", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 3); },
         {0xABABAB, 0xABABAB, 0xABABAB, 0xABABAB, 0xABABAB}, {0xD5D5D5, 0xEAEAEA, W, 0xEAEAEA, 0xD5D5D5}},
        {"glow5 s8 passes the centre only", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 8); },
         {W, 0xFF102030, W}, {W, 0x102030, W}},
        {"glow5 s31 passes the centre only", [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, INT32_MAX); },
         {W, 0x102030, W}, {W, 0x102030, W}},
        {"blur3 darkens the edge columns of white", IMGFXBlur3, {W, W, W, W}, {0xAAAAAA, W, W, 0xAAAAAA}},
        {"glowH counts the centre twice", [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, 0, 1); },
         {0x402010}, {0x603018}},
        {"blurH with a huge radius rounds down to black", [](const IMG* s, IMG* d) { IMGFXBlurH(s, d, INT32_MAX); },
         {W, W, W}, {0, 0, 0}},
        {"glowH with a huge radius sums the whole row", [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, 1000000, 2); },
         {0x040404, 0x080808, 0x101010}, {0x0B0B0B, 0x0F0F0F, 0x171717}},
        {"box blur with radius 0 copies", [](const IMG* s, IMG* d) { IMGFXBoxBlur(s, d, 0); },
         {0x123456, 0xFF654321}, {0x123456, 0x654321}},
    };
    for (const Figure& f : figures) {
        Img src(Sized(static_cast<int32_t>(f.in.size()), 1));
        std::copy(f.in.begin(), f.in.end(), src->pixels);
        Img dst(Sized(src->width, 1));
        f.run(src.get(), dst.get());
        EXPECT_EQ(f.out, Pixels(dst.get())) << f.what;
    }
}

TEST(ImgFxFilters, Blur5OfALonePixelLeavesTheRowsAboveAndBelowBlack) {
    Img src(Sized(7, 3));
    IMGSetPixel(src.get(), 3, 1, 0xFFFFFF);
    Img dst(Sized(7, 3));
    IMGFXBlur5(src.get(), dst.get());
    ExpectPicture(dst.get(), {".......", ".#####.", "......."});
}

TEST(ImgFxFilters, FiveTapRowsStayInTheirRowAtEveryWidth) {
    // A lone white pixel at the start of row 1: row 0 ends just before it in
    // memory, and must stay black whatever the width.
    for (int32_t w = 1; w <= 40; ++w) {
        Img src(Sized(w, 2));
        IMGSetPixel(src.get(), 0, 1, 0xFFFFFF);
        for (const auto& run : {IMGFXBlur5, +[](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 0); }}) {
            Img dst(Sized(w, 2));
            run(src.get(), dst.get());
            for (int32_t x = 0; x < w; ++x)
                ASSERT_EQ(0u, IMGGetPixel(dst.get(), x, 0)) << "width " << w << " column " << x;
        }
    }
}

TEST(ImgFxFilters, HugeRadiiFinishAndAverageTheWholeImage) {
    // Every window covers the whole 9 x 7 image: 63 taps inside of (2r+1)^2.
    Img src(Sized(9, 7));
    for (int32_t i = 0; i < 63; ++i) src->pixels[i] = 0xFFFFFFFF;
    Img dst(Sized(9, 7));
    IMGFXBoxBlur(src.get(), dst.get(), 1000000);
    EXPECT_EQ(std::vector<uint32_t>(63, 0u), Pixels(dst.get()));
    IMGFXBoxBlur(src.get(), dst.get(), 3);  // 7 x 7 taps, the centre's all inside
    EXPECT_EQ(0xFFFFFFu, IMGGetPixel(dst.get(), 4, 3));
    IMGFXBoxBlur(src.get(), src.get(), INT32_MAX);  // in place as well
    EXPECT_EQ(std::vector<uint32_t>(63, 0u), Pixels(src.get()));

    Img row(Sized(300, 2));
    for (int32_t i = 0; i < 600; ++i) row->pixels[i] = 0x010203;
    IMGFXGlowH(row.get(), row.get(), INT32_MAX, 0);  // in place, sums past 255
    EXPECT_EQ(0xFFFFFFu, IMGGetPixel(row.get(), 0, 0));
}

// An image with no pixels may still have a huge side: nothing may walk it.
TEST(ImgFxFilters, EmptyImagesWithAHugeSideCostNothing) {
    Img tall(Sized(0, 1000000000));
    Img wide(Sized(1000000000, 0));
    Img dst(Sized(4, 4));
    for (const Filter& f : AllFilters()) {
        f.run(tall.get(), dst.get());
        f.run(wide.get(), wide.get());
        f.run(tall.get(), tall.get());
    }
    EXPECT_EQ(std::vector<uint32_t>(16, 0u), Pixels(dst.get()));
}

TEST(ImgFxFilters, RefusalsReportAndLeaveTheDestinationAlone) {
    Img src(Random(6, 4));
    Img dst(Sized(6, 4));
    IMG noPixels{6, 4, nullptr};
    const std::vector<std::function<void(const IMG*, IMG*)>> all = {
        [](const IMG* s, IMG* d) { IMGFXBoxBlur(s, d, 1); },
        [](const IMG* s, IMG* d) { IMGFXBlurH(s, d, 1); },
        IMGFXBlur3, IMGFXBlur121, IMGFXBlur5, IMGFXBlur7, IMGFXSmooth3x3,
        [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, 3); },
        [](const IMG* s, IMG* d) { IMGFXGlow7(s, d, 3); },
        [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, 1, 3); },
        [](const IMG* s, IMG* d) { IMGFXGlow3x3(s, d, 3); },
    };
    for (size_t i = 0; i < all.size(); ++i) {
        const uint64_t before = REPORTCount();
        all[i](nullptr, dst.get());
        all[i](src.get(), nullptr);
        all[i](&noPixels, dst.get());
        all[i](src.get(), &noPixels);
        EXPECT_EQ(before + 4, REPORTCount()) << "filter " << i;
    }
    const std::vector<std::function<void(const IMG*, IMG*)>> badArguments = {
        [](const IMG* s, IMG* d) { IMGFXBoxBlur(s, d, -1); },
        [](const IMG* s, IMG* d) { IMGFXBlurH(s, d, INT32_MIN); },
        [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, -1, 3); },
        [](const IMG* s, IMG* d) { IMGFXGlowH(s, d, 1, -1); },
        [](const IMG* s, IMG* d) { IMGFXGlow5(s, d, -1); },
        [](const IMG* s, IMG* d) { IMGFXGlow7(s, d, -3); },
        [](const IMG* s, IMG* d) { IMGFXGlow3x3(s, d, INT32_MIN); },
    };
    for (size_t i = 0; i < badArguments.size(); ++i) {
        const uint64_t before = REPORTCount();
        badArguments[i](src.get(), dst.get());
        EXPECT_EQ(before + 1, REPORTCount()) << "call " << i;
        EXPECT_EQ(std::vector<uint32_t>(24, 0u), Pixels(dst.get())) << "call " << i;
    }
}
}  // namespace
