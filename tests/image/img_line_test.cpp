// Tests of the line walk: hand-drawn pictures of the walk's rules and quirks,
// clipping at every edge, and an exact comparison of the clipped walk with a
// plain point-by-point walk over many lines, far-away and huge ones included.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "core/report.h"
#include "image/img.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

int CountSet(const IMG* img) {
    int n = 0;
    for (int32_t i = 0; i < img->width * img->height; ++i) n += img->pixels[i] != 0 ? 1 : 0;
    return n;
}

// The walk as written, one point at a time, every point tested against the
// image. Coordinates in 64 bits so that no input overflows.
void ReferenceWalk(std::vector<uint32_t>& out, int32_t w, int32_t h, int64_t x1, int64_t y1,
                   int64_t x2, int64_t y2, uint32_t colour) {
    if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= w && x2 >= w) ||
        (y1 >= h && y2 >= h)) {
        return;
    }
    int64_t dx = x2 - x1;
    int64_t dy = y2 - y1;
    const int64_t sx = dx < 0 ? -1 : 1;
    const int64_t sy = dy < 0 ? -1 : 1;
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    int64_t x = x1;
    int64_t y = y1;
    auto plot = [&] {
        if (x >= 0 && x < w && y >= 0 && y < h) out[static_cast<size_t>(y * w + x)] = colour;
    };
    if (dx > dy) {
        int64_t e = dx >> 1;
        for (int64_t n = dx; n >= 0; --n) {
            plot();
            x += sx;
            e -= dy;
            if (e <= 0) {
                e += dx;
                y += sy;
            }
        }
    } else {
        int64_t e = dy >> 1;
        for (int64_t n = dy; n >= 0; --n) {
            plot();
            y += sy;
            e -= dx;
            if (e <= 0) {
                e += dy;
                x += sx;
            }
        }
    }
}

// Draws one line both ways on a cleared image and reports the first mismatch.
::testing::AssertionResult SameAsReference(IMG* img, int32_t x1, int32_t y1, int32_t x2,
                                           int32_t y2) {
    const size_t count = static_cast<size_t>(img->width) * static_cast<size_t>(img->height);
    std::memset(img->pixels, 0, count * sizeof(uint32_t));
    IMGDrawLine(img, x1, y1, x2, y2, 7u);
    std::vector<uint32_t> want(count, 0u);
    ReferenceWalk(want, img->width, img->height, x1, y1, x2, y2, 7u);
    for (size_t i = 0; i < count; ++i) {
        if (img->pixels[i] != want[i]) {
            return ::testing::AssertionFailure()
                   << "line (" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") on "
                   << img->width << "x" << img->height << ": pixel ("
                   << i % static_cast<size_t>(img->width) << ","
                   << i / static_cast<size_t>(img->width) << ") is " << img->pixels[i]
                   << ", the plain walk gives " << want[i];
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(ImgLine, SinglePointAndShortLines) {
    Img img(Sized(8, 4));
    IMGDrawLine(img.get(), 5, 2, 5, 2, 0xFFFFFFu);
    ExpectPicture(img.get(), {"........",
                              "........",
                              ".....#..",
                              "........"});
    EXPECT_EQ(0xFFFFFFu, IMGGetPixel(img.get(), 5, 2));
    EXPECT_EQ(1, CountSet(img.get()));
}

TEST(ImgLine, ShallowLineDependsOnItsDirection) {
    Img img(Sized(8, 3));
    IMGDrawLine(img.get(), 0, 0, 4, 1, 1u);
    ExpectPicture(img.get(), {"##......",
                              "..###...",
                              "........"});
    Img back(Sized(8, 3));
    IMGDrawLine(back.get(), 4, 1, 0, 0, 1u);
    ExpectPicture(back.get(), {"###.....",
                               "...##...",
                               "........"});
}

TEST(ImgLine, ZeroMinorDeltaTakesAStepOnlyForUnitLines) {
    // A unit line steps along the minor axis in the positive direction.
    Img right(Sized(4, 4));
    IMGDrawLine(right.get(), 0, 0, 1, 0, 1u);
    ExpectPicture(right.get(), {"#...",
                                ".#..",
                                "....",
                                "...."});
    Img down(Sized(4, 4));
    IMGDrawLine(down.get(), 0, 0, 0, 1, 1u);
    ExpectPicture(down.get(), {"#...",
                               ".#..",
                               "....",
                               "...."});
    Img left(Sized(4, 4));
    IMGDrawLine(left.get(), 2, 1, 1, 1, 1u);
    ExpectPicture(left.get(), {"....",
                               "..#.",
                               ".#..",
                               "...."});
    // Longer axis-parallel lines stay on their row or column.
    Img flat(Sized(4, 4));
    IMGDrawLine(flat.get(), 0, 0, 2, 0, 1u);
    IMGDrawLine(flat.get(), 3, 3, 3, 0, 1u);
    ExpectPicture(flat.get(), {"####",
                               "...#",
                               "...#",
                               "...#"});
}

TEST(ImgLine, DiagonalsStepBothAxesEveryTime) {
    Img img(Sized(5, 5));
    IMGDrawLine(img.get(), 0, 0, 4, 4, 1u);
    IMGDrawLine(img.get(), 4, 0, 0, 4, 1u);
    ExpectPicture(img.get(), {"#...#",
                              ".#.#.",
                              "..#..",
                              ".#.#.",
                              "#...#"});
}

TEST(ImgLine, ClipsAtEveryEdge) {
    Img across(Sized(8, 6));  // leaves through the left and the right edge
    IMGDrawLine(across.get(), -3, 1, 10, 4, 1u);
    ExpectPicture(across.get(), {"........",
                                 "........",
                                 "####....",
                                 "....####",
                                 "........",
                                 "........"});
    Img steep(Sized(8, 6));  // through the top and the bottom edge
    IMGDrawLine(steep.get(), 2, -4, 5, 9, 1u);
    ExpectPicture(steep.get(), {"...#....",
                                "...#....",
                                "...#....",
                                "....#...",
                                "....#...",
                                "....#..."});
    Img corner(Sized(8, 6));  // in through the top edge, out through the left one
    IMGDrawLine(corner.get(), 9, -2, -2, 7, 1u);
    ExpectPicture(corner.get(), {".......#",
                                 ".....##.",
                                 "....#...",
                                 "...#....",
                                 "..#.....",
                                 "##......"});
    Img upward(Sized(8, 6));  // from the bottom right corner out through the left edge
    IMGDrawLine(upward.get(), 7, 5, -6, 0, 1u);
    ExpectPicture(upward.get(), {"........",
                                 "........",
                                 "#.......",
                                 ".###....",
                                 "....##..",
                                 "......##"});
}

TEST(ImgLine, LinesOutsideDrawNothingAndReportNothing) {
    Img img(Sized(256, 256));
    const uint64_t before = REPORTCount();
    IMGDrawLine(img.get(), -10, 5, -1, 200, 1u);    // both left
    IMGDrawLine(img.get(), 5, -10, 200, -1, 1u);    // both above
    IMGDrawLine(img.get(), 256, 5, 300, 90, 1u);    // both right
    IMGDrawLine(img.get(), 5, 256, 90, 999, 1u);    // both below
    IMGDrawLine(img.get(), -5, 3, 3, -5, 1u);       // passes the test, misses the corner
    IMGDrawLine(img.get(), 600, -40, -40, 600, 1u);  // beyond the far corner
    EXPECT_EQ(0, CountSet(img.get()));
    EXPECT_EQ(before, REPORTCount());

    IMGDrawLine(img.get(), -10, 5, 10, 5, 1u);  // only (0, 5) .. (10, 5)
    EXPECT_EQ(11, CountSet(img.get()));
    EXPECT_NE(0u, IMGGetPixel(img.get(), 0, 5));
    EXPECT_NE(0u, IMGGetPixel(img.get(), 10, 5));
    EXPECT_EQ(before, REPORTCount());
}

TEST(ImgLine, NullImageReports) {
    const uint64_t before = REPORTCount();
    IMGDrawLine(nullptr, 0, 0, 5, 5, 1u);
    EXPECT_EQ(before + 1, REPORTCount());
}

TEST(ImgLine, ExtremeCoordinatesAreDefined) {
    Img img(Sized(6, 4));
    // A full-range row: 2^32 - 1 steps, all but six outside.
    IMGDrawLine(img.get(), INT32_MIN, 1, INT32_MAX, 1, 1u);
    // The full-range diagonal passes through (0, 0), (1, 1), ...
    IMGDrawLine(img.get(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1u);
    // A full-range column, walked downwards from the bottom.
    IMGDrawLine(img.get(), 5, INT32_MAX, 5, INT32_MIN, 1u);
    ExpectPicture(img.get(), {"#....#",
                              "######",
                              "..#..#",
                              "...#.#"});
}

TEST(ImgLine, EveryShortLineMatchesThePlainWalk) {
    // Every line with both ends in a 12 x 11 window around a 5 x 4 image.
    Img img(Sized(5, 4));
    for (int32_t x1 = -3; x1 <= 8; ++x1)
        for (int32_t y1 = -3; y1 <= 7; ++y1)
            for (int32_t x2 = -3; x2 <= 8; ++x2)
                for (int32_t y2 = -3; y2 <= 7; ++y2)
                    ASSERT_TRUE(SameAsReference(img.get(), x1, y1, x2, y2));
}

TEST(ImgLine, RandomLinesMatchThePlainWalk) {
    std::mt19937 rng(20120518u);
    const int32_t sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {7, 5}, {16, 16}, {33, 20}, {64, 48}};
    auto in = [&rng](int32_t lo, int32_t hi) {
        return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
    };
    for (const auto& size : sizes) {
        Img img(Sized(size[0], size[1]));
        const int32_t w = size[0];
        const int32_t h = size[1];
        for (int i = 0; i < 4000; ++i) {  // near the image, all octants
            ASSERT_TRUE(SameAsReference(img.get(), in(-2 * w, 3 * w), in(-2 * h, 3 * h),
                                        in(-2 * w, 3 * w), in(-2 * h, 3 * h)));
        }
        for (int i = 0; i < 1000; ++i) {  // far outside, mostly rejected or missing
            ASSERT_TRUE(SameAsReference(img.get(), in(-5000, 5000), in(-5000, 5000),
                                        in(-5000, 5000), in(-5000, 5000)));
        }
        for (int i = 0; i < 1000; ++i) {  // one end inside, the other far out
            ASSERT_TRUE(SameAsReference(img.get(), in(0, w - 1), in(0, h - 1), in(-9000, 9000),
                                        in(-9000, 9000)));
        }
        for (int i = 0; i < 500; ++i) {  // axis-parallel and unit deltas
            const int32_t x = in(-3, w + 2);
            const int32_t y = in(-3, h + 2);
            ASSERT_TRUE(SameAsReference(img.get(), x, y, x + in(-1, 1), y + in(-40, 40)));
            ASSERT_TRUE(SameAsReference(img.get(), x, y, x + in(-40, 40), y + in(-1, 1)));
        }
    }
}

TEST(ImgLine, EveryShortStrokeMatchesThePlainWalk) {
    // Both ends inside, every delta up to 34 in each direction from the
    // middle of an image of odd width: every stroke of the branch-free walk
    // (up to 32 steps) and the first ones past it.
    Img img(Sized(71, 70));
    for (int32_t dx = -34; dx <= 34; ++dx)
        for (int32_t dy = -34; dy <= 34; ++dy)
            ASSERT_TRUE(SameAsReference(img.get(), 35, 35, 35 + dx, 35 + dy));
}

TEST(ImgLine, LinesWithinTheImageMatchThePlainWalk) {
    // Both ends inside (the branch-free walk): every length up to past the
    // smaller side, in every direction, on an image of odd width.
    std::mt19937 rng(7730u);
    auto in = [&rng](int32_t lo, int32_t hi) {
        return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
    };
    Img img(Sized(301, 203));
    for (int i = 0; i < 20000; ++i) {
        const int32_t reach = in(0, 1) == 0 ? 12 : 300;
        const int32_t x1 = in(0, 300);
        const int32_t y1 = in(0, 202);
        ASSERT_TRUE(SameAsReference(img.get(), x1, y1, std::clamp(x1 + in(-reach, reach), 0, 300),
                                    std::clamp(y1 + in(-reach, reach), 0, 202)));
    }
}

TEST(ImgLine, HugeLinesMatchThePlainWalk) {
    // Ends near +-2^20: the walk crosses the image after up to a million steps.
    std::mt19937 rng(7730u);
    const int32_t big = 1 << 20;
    auto in = [&rng](int32_t lo, int32_t hi) {
        return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
    };
    Img img(Sized(40, 30));
    for (int i = 0; i < 60; ++i) {
        // Through the image: aim the far ends at opposite sides of a point inside.
        const int32_t cx = in(0, 39);
        const int32_t cy = in(0, 29);
        const int32_t ox = in(-big, big);
        const int32_t oy = in(-big, big);
        ASSERT_TRUE(SameAsReference(img.get(), cx + ox, cy + oy, cx - ox + in(-3, 3),
                                    cy - oy + in(-3, 3)));
        ASSERT_TRUE(SameAsReference(img.get(), in(-big, big), in(-big, big), in(-big, big),
                                    in(-big, big)));
        ASSERT_TRUE(SameAsReference(img.get(), cx, cy, in(-big, big), in(-big, big)));
    }
}
}  // namespace
