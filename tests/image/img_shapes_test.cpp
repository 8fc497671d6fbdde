// Tests of shapes, line points, run tables and resampling: hand-drawn
// pictures, the tables the definition gives, sizes that overflow 32 bits, and
// every destination pixel of a resize written.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "tests/support/picture.h"
#include "vector/sine.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

// Reports made by a call.
template <typename F>
uint64_t Reports(F&& f) {
    const uint64_t before = REPORTCount();
    f();
    return REPORTCount() - before;
}

std::vector<int32_t> Take(int32_t* array, size_t n) {
    std::vector<int32_t> v;
    if (array != nullptr) v.assign(array, array + n);
    std::free(array);
    return v;
}

// ---------------------------------------------------------------------------
// Rectangles and circles

TEST(ImgShapes, RectanglesInsideAreDrawnAndAnythingElseIsRefused) {
    Img img(Sized(6, 5));
    IMGFillRect(img.get(), 1, 1, 2, 3, 0xFF);
    IMGDrawRect(img.get(), 3, 0, 3, 4, 0xFF);
    ExpectPicture(img.get(), {"...###",
                              ".###.#",
                              ".###.#",
                              ".#####",
                              "......"});
    Img wide(Sized(256, 4));
    struct Rect {
        int32_t x, y, w, h;
    };
    const Rect refused[] = {
        {250, 0, 10, 1},                 // reaches past the right edge
        {INT32_MAX - 4, 0, 10, 1},       // x + w overflows 32 bits
        {0, INT32_MAX, 1, INT32_MAX},    // so does y + h
        {1, 1, INT32_MAX, 1},            // a width that wraps x + w negative
        {-1, 0, 2, 2}, {0, 0, 0, 1}, {0, 0, 1, -1}, {256, 0, 1, 1},
    };
    for (const Rect& r : refused) {
        EXPECT_EQ(2u, Reports([&] {
                      IMGFillRect(wide.get(), r.x, r.y, r.w, r.h, 1);
                      IMGDrawRect(wide.get(), r.x, r.y, r.w, r.h, 1);
                  })) << r.x << "," << r.y << " " << r.w << "x" << r.h;
    }
    for (int32_t i = 0; i < 256 * 4; ++i) ASSERT_EQ(0u, wide->pixels[i]);
}

TEST(ImgShapes, CircleSitsOneColumnLeftOnItsRightHalf) {
    Img img(Sized(7, 7));
    IMGDrawCircle(img.get(), 3, 3, 3, 0xFF);
    ExpectPicture(img.get(), {".......",
                              ".####..",
                              ".#..#..",
                              ".#..#..",
                              ".#..#..",
                              ".####..",
                              "......."});
}

// The 1024 points of the definition, each through the clipping accessor.
void CircleModel(IMG* img, int32_t cx, int32_t cy, int32_t r, uint32_t colour) {
    for (int32_t k = 0; k < 256; ++k) {
        const int64_t ox = (int64_t{r} * SINE_TABLE[(k + 256) & 1023]) >> 15;
        const int64_t oy = (int64_t{r} * SINE_TABLE[k]) >> 15;
        const int64_t xs[] = {cx + ox - 1, cx - ox, cx + ox - 1, cx - ox};
        const int64_t ys[] = {cy + oy, cy + oy, cy - oy, cy - oy};
        for (int i = 0; i < 4; ++i)
            if (xs[i] >= INT32_MIN && xs[i] <= INT32_MAX && ys[i] >= INT32_MIN && ys[i] <= INT32_MAX)
                IMGSetPixel(img, static_cast<int32_t>(xs[i]), static_cast<int32_t>(ys[i]), colour);
    }
}

TEST(ImgShapes, CircleMatchesItsThousandPointsForAnyRadius) {
    RNGSeed(31u);
    for (int i = 0; i < 400; ++i) {
        const int32_t cx = RNGDraw() % 60, cy = RNGDraw() % 50;
        const int32_t r = i < 300 ? 1 + RNGDraw() % 80 : 1 + RNGDraw() * 9973;
        Img got(Sized(60, 50));
        Img want(Sized(60, 50));
        IMGDrawCircle(got.get(), cx, cy, r, 0xFF);
        CircleModel(want.get(), cx, cy, r, 0xFF);
        ASSERT_TRUE(IMGEqual(want.get(), got.get())) << cx << "," << cy << " r " << r;
    }
}

TEST(ImgShapes, CircleRefusalsAndHugeRadii) {
    Img img(Sized(16, 16));
    EXPECT_EQ(4u, Reports([&] {
                  IMGDrawCircle(img.get(), 8, 8, 0, 1);
                  IMGDrawCircle(img.get(), -1, 8, 3, 1);
                  IMGDrawCircle(img.get(), 8, 16, 3, 1);
                  IMGDrawCircle(nullptr, 8, 8, 3, 1);
              }));
    // r * sine needs more than 32 bits; every point lands far outside.
    IMGDrawCircle(img.get(), 8, 8, INT32_MAX, 1);
    // The right half's points sit at cx + ox - 1: with ox = 0 at the top and
    // bottom that is column cx - 1, inside even for the centre at column 0.
    IMGDrawCircle(img.get(), 0, 0, 1, 0xFF);
    EXPECT_EQ(0u, IMGGetPixel(img.get(), 1, 0));
    EXPECT_NE(0u, IMGGetPixel(img.get(), 0, 0));
}

// ---------------------------------------------------------------------------
// Points

TEST(ImgShapes, LinePointsListTheWalkOfTheLineDrawing) {
    EXPECT_EQ((std::vector<int32_t>{8, 0, 0, 1, 1, 2, 1, 3, 1}), Take(IMGLinePoints(0, 0, 3, 1), 9));
    EXPECT_EQ((std::vector<int32_t>{2, 5, -7}), Take(IMGLinePoints(5, -7, 5, -7), 3));
    // A one-step line takes its minor step at once, as the line drawing does.
    EXPECT_EQ((std::vector<int32_t>{4, 0, 0, 1, 1}), Take(IMGLinePoints(0, 0, 0, 1), 5));

    // The same points as IMGDrawLine lights, for random lines inside 40 x 30.
    RNGSeed(99u);
    for (int i = 0; i < 300; ++i) {
        const int32_t x0 = RNGDraw() % 40, y0 = RNGDraw() % 30;
        const int32_t x1 = RNGDraw() % 40, y1 = RNGDraw() % 30;
        Img drawn(Sized(40, 30));
        IMGDrawLine(drawn.get(), x0, y0, x1, y1, 1);
        int32_t* points = IMGLinePoints(x0, y0, x1, y1);
        ASSERT_NE(nullptr, points);
        Img listed(Sized(40, 30));
        for (int32_t k = 0; k < points[0] / 2; ++k)
            IMGSetPixel(listed.get(), points[1 + 2 * k], points[2 + 2 * k], 1);
        std::free(points);
        ASSERT_TRUE(IMGEqual(drawn.get(), listed.get())) << x0 << "," << y0 << " " << x1 << "," << y1;
    }
}

TEST(ImgShapes, LinePointsRefuseCountsThatDoNotFit) {
    EXPECT_EQ(1u, Reports([] { EXPECT_EQ(nullptr, IMGLinePoints(INT32_MIN, 0, INT32_MAX, 5)); }));
    EXPECT_EQ(1u, Reports([] { EXPECT_EQ(nullptr, IMGFXLinePoints(0, 0, 0, INT32_MAX)); }));
}

// ---------------------------------------------------------------------------
// Run tables

// The definition's stepping, one step at a time, with the bin kept at lo.
std::vector<int32_t> RunsModel(int64_t a, int64_t b, bool half) {
    const int64_t lo = std::min(std::llabs(a), std::llabs(b)), hi = std::max(std::llabs(a), std::llabs(b));
    std::vector<int32_t> t(static_cast<size_t>(lo + 1));
    int64_t term = half ? hi >> 1 : hi, bin = 0;
    for (int64_t i = 0; i <= hi; ++i) {
        ++t[static_cast<size_t>(bin)];
        term -= lo;
        if (term <= 0) {
            term += hi;
            if (bin < lo) ++bin;
        }
    }
    return t;
}

std::vector<int32_t> SymModel(int64_t a, int64_t b, bool half) {
    const int64_t lo = std::min(std::llabs(a), std::llabs(b)), hi = std::max(std::llabs(a), std::llabs(b));
    std::vector<int32_t> t(static_cast<size_t>(lo));
    int64_t term = half ? hi >> 1 : hi, front = 0, back = lo - 1;
    while (back >= front) {
        ++t[static_cast<size_t>(front)];
        term -= lo;
        if (term <= 0) {
            t[static_cast<size_t>(back--)] = t[static_cast<size_t>(front++)];
            term += hi;
        }
    }
    return t;
}

TEST(ImgShapes, RunTablesOfTheWorkedFigures) {
    struct Case {
        int32_t a, b;
        std::vector<int32_t> plain, sym, fx;
    };
    const std::vector<Case> cases = {
        {4, 2, {2, 2, 1}, {2, 2}, {1, 2, 2}},
        {2, 4, {2, 2, 1}, {2, 2}, {1, 2, 2}},
        {5, 5, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}},
        {3, 7, {3, 2, 2, 1}, {3, 2, 3}, {1, 3, 2, 2}},
        {-4, 2, {2, 2, 1}, {2, 2}, {1, 2, 2}},
        {0, 7, {8}, {}, {8}},
        {0, 1, {2}, {}, {2}},   // the effects' table once wrote a second entry here
        {1, 0, {2}, {}, {2}},
        {0, 0, {1}, {}, {1}},
        {1, 7, {7, 1}, {7}, {3, 5}},
    };
    for (const Case& c : cases) {
        const size_t n = c.plain.size();
        EXPECT_EQ(c.plain, Take(IMGRunTable(c.a, c.b), n)) << c.a << "," << c.b;
        EXPECT_EQ(c.plain, Take(IMGRunTable(c.b, c.a), n));
        EXPECT_EQ(c.sym, Take(IMGRunTableSym(c.a, c.b), c.sym.size())) << c.a << "," << c.b;
        EXPECT_EQ(c.fx, Take(IMGFXRunTable(c.a, c.b), n)) << c.a << "," << c.b;
    }
}

TEST(ImgShapes, RunTablesFollowTheStepwiseDefinition) {
    for (int32_t a = 0; a <= 40; ++a) {
        for (int32_t b = 0; b <= 40; ++b) {
            const size_t n = static_cast<size_t>(std::min(a, b)) + 1;
            ASSERT_EQ(RunsModel(a, b, false), Take(IMGRunTable(a, b), n)) << a << "," << b;
            ASSERT_EQ(RunsModel(a, b, true), Take(IMGFXRunTable(a, b), n)) << a << "," << b;
            ASSERT_EQ(SymModel(a, b, false), Take(IMGRunTableSym(a, b), n - 1)) << a << "," << b;
            ASSERT_EQ(SymModel(a, b, true), Take(IMGFXRunTableSym(a, b), n - 1)) << a << "," << b;
        }
    }
    // Far apart lengths are built in lo rounds, not hi steps.
    std::vector<int32_t> big = Take(IMGRunTable(3, 2000000000), 4);
    EXPECT_EQ((std::vector<int32_t>{666666667, 666666667, 666666666, 1}), big);
}

TEST(ImgShapes, RunTablesRefuseLengthsThatDoNotFit) {
    EXPECT_EQ(5u, Reports([] {
                  EXPECT_EQ(nullptr, IMGRunTable(INT32_MIN, 3));
                  EXPECT_EQ(nullptr, IMGRunTable(0, INT32_MAX));
                  EXPECT_EQ(nullptr, IMGRunTableSym(3, INT32_MIN));
                  EXPECT_EQ(nullptr, IMGFXRunTable(INT32_MIN, INT32_MIN));
                  EXPECT_EQ(nullptr, IMGFXRunTableSym(INT32_MAX, 1));
              }));
    int32_t* empty = IMGRunTableSym(0, 9);  // no entries, but a table
    EXPECT_NE(nullptr, empty);
    std::free(empty);
}

// ---------------------------------------------------------------------------
// Resize

IMG* Numbered(int32_t w, int32_t h) {
    IMG* img = Sized(w, h);
    for (int32_t i = 0; i < w * h; ++i) img->pixels[i] = static_cast<uint32_t>(i + 1);
    return img;
}

std::vector<uint32_t> Pixels(const IMG* img) {
    return std::vector<uint32_t>(img->pixels, img->pixels + img->width * img->height);
}

TEST(ImgShapes, ScaleFiguresAndWhichRunMemberAShrinkTakes) {
    struct Case {
        int32_t sw, sh, dw, dh;
        std::vector<uint32_t> want;  // source pixels numbered 1, 2, ... in array order
    };
    const std::vector<Case> cases = {
        {2, 2, 4, 4, {1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}},
        {4, 1, 2, 1, {2, 4}},        // width shrinks: the last column of each run
        {1, 4, 1, 2, {1, 3}},        // only the height shrinks: the first row of each run
        {4, 4, 2, 2, {6, 8, 14, 16}},  // both shrink: last column, last row
        {4, 2, 2, 4, {2, 4, 2, 4, 6, 8, 6, 8}},
        {2, 4, 4, 2, {1, 1, 2, 2, 5, 5, 6, 6}},
        {3, 1, 3, 1, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        Img src(Numbered(c.sw, c.sh));
        Img dst(Sized(c.dw, c.dh));
        IMGScale(src.get(), dst.get());
        EXPECT_EQ(c.want, Pixels(dst.get())) << c.sw << "x" << c.sh << " to " << c.dw << "x" << c.dh;
        Img fx(Sized(c.dw, c.dh));
        IMGFXScale(src.get(), fx.get());
        EXPECT_TRUE(IMGEqual(dst.get(), fx.get()));
    }
}

TEST(ImgShapes, ScaleWritesEveryDestinationPixelForEverySizePair) {
    for (int32_t sw = 1; sw <= 9; ++sw)
        for (int32_t dw = 1; dw <= 11; ++dw)
            for (int32_t sh : {1, 3, 8})
                for (int32_t dh : {1, 2, 5, 13}) {
                    Img src(Numbered(sw, sh));
                    Img dst(Sized(dw, dh));
                    IMGFXScale(src.get(), dst.get());
                    for (uint32_t p : Pixels(dst.get()))
                        ASSERT_NE(0u, p) << sw << "x" << sh << " to " << dw << "x" << dh;
                }
}

TEST(ImgShapes, ScaleOfEmptyImagesDoesNothing) {
    Img empty(Sized(0, 0));
    Img flat(Sized(5, 0));
    Img dst(Numbered(3, 3));
    EXPECT_EQ(0u, Reports([&] {
                  IMGScale(empty.get(), dst.get());
                  IMGScale(flat.get(), dst.get());
                  IMGScale(dst.get(), empty.get());
              }));
    EXPECT_EQ(9u, dst->pixels[8]);
    EXPECT_EQ(2u, Reports([&] {
                  IMGScale(nullptr, dst.get());
                  IMGFXScale(dst.get(), nullptr);
              }));
}

// ---------------------------------------------------------------------------
// Rotate and zoom

// The per-pixel definition, to check the column stepping against.
uint32_t RotoModel(const IMG* s, int32_t nw, int32_t nh, int32_t angle, int32_t x, int32_t y) {
    const int64_t a = ((int64_t{angle} % 1024) + 1024) % 1024;
    const int64_t b = SINE_TABLE[(1024 - a) % 1024];
    const int64_t c = SINE_TABLE[(1024 - (a + 256) % 1024) % 1024];
    const int64_t u = x - nw / 2, v = y - nh / 2;
    const int64_t sx = s->width / 2 + ((u * c) >> 15) - ((v * b) >> 15);
    const int64_t sy = s->height / 2 + ((u * b) >> 15) + ((v * c) >> 15);
    return IMGGetPixel(s, static_cast<int32_t>(sx), static_cast<int32_t>(sy));
}

TEST(ImgShapes, RotoZoomSizesAndTheHalfTurnAtAngleZero) {
    Img hundred(Sized(100, 100));
    Img big(IMGRotoZoom(hundred.get(), 17));
    ASSERT_NE(nullptr, big.get());
    EXPECT_EQ(141, big->width);
    EXPECT_EQ(141, big->height);

    Img src(Numbered(4, 4));
    Img turned(IMGRotoZoom(src.get(), 0));
    ASSERT_EQ(5, turned->width);
    // Columns 0..4 read source columns 3, 2, 2, 1, 0; rows likewise.
    EXPECT_EQ(16u, IMGGetPixel(turned.get(), 0, 0));
    EXPECT_EQ(11u, IMGGetPixel(turned.get(), 1, 1));
    EXPECT_EQ(1u, IMGGetPixel(turned.get(), 4, 4));
    Img again(IMGRotoZoom(src.get(), -1024));
    EXPECT_TRUE(IMGEqual(turned.get(), again.get()));
}

TEST(ImgShapes, RotoZoomMatchesThePerPixelFormulaAtAnyAngle) {
    Img src(Numbered(23, 17));
    std::vector<int32_t> angles = {-1, -300, INT32_MIN, INT32_MAX};
    for (int32_t a = 0; a < 1024; a += 7) angles.push_back(a);
    for (int32_t angle : angles) {
        Img out(IMGRotoZoom(src.get(), angle));
        ASSERT_NE(nullptr, out.get());
        for (int32_t y = 0; y < out->height; ++y)
            for (int32_t x = 0; x < out->width; ++x)
                ASSERT_EQ(RotoModel(src.get(), out->width, out->height, angle, x, y),
                          IMGGetPixel(out.get(), x, y))
                    << "angle " << angle << " at " << x << "," << y;
    }
}

TEST(ImgShapes, RotoZoomOfAnEmptyImageWithAHugeSideIsQuick) {
    Img tall(Sized(0, 1000000000));
    Img turned(IMGRotoZoom(tall.get(), 5));
    ASSERT_NE(nullptr, turned.get());
    EXPECT_EQ(0, turned->width);
}

TEST(ImgShapes, RotoZoomRefusesSizesThatCannotBeMade) {
    uint32_t pixel = 0;
    IMG wide{INT32_MAX, 1, &pixel};  // 1.41 x INT32_MAX columns
    IMG square{40000, 40000, &pixel};  // 56564^2 pixels
    EXPECT_EQ(3u, Reports([&] {
                  EXPECT_EQ(nullptr, IMGRotoZoom(&wide, 0));
                  EXPECT_EQ(nullptr, IMGRotoZoom(&square, 0));
                  EXPECT_EQ(nullptr, IMGRotoZoom(nullptr, 0));
              }));
}
}  // namespace
