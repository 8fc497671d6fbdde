// img_line.cpp: IMGDrawLine, the one line walk every line of the system uses.
//
// The walk (reference form):
//   reject when both ends lie left of, above, right of or below the image;
//   dx = |x2 - x1|, dy = |y2 - y1|, steps sx, sy = -1 for a negative delta, else +1;
//   the major axis is x when dx > dy, else y (ties and single points are y-major);
//   e = major delta / 2 (floor); plot (x1, y1) and then, major delta times:
//   step the major axis, e -= minor delta, and when e <= 0: e += major delta and
//   step the minor axis; plot. Exactly max(dx, dy) + 1 points are visited.
//
// Instead of testing every point against the image, the range of step indices
// at which the walk is inside the image is computed once, and only that range
// is walked, with unchecked stores. Both axes are monotonic along the walk, so
// the visible steps form one interval. The minor coordinate after i steps has
// a closed form, so the walk can start at the first visible step directly:
//
//   For a major delta D >= 2 the error stays in (0, D] after every update, and
//   the number of minor steps taken in the first i updates is
//       m(i) = floor((i * d - e0) / D) + 1          (d: minor delta, e0 = D / 2)
//   with the error after them e(i) = e0 - i * d + m(i) * D.
//
// Three paths, all giving the points of the reference walk:
//   - both ends inside and D >= 2 (every glyph stroke): no clipping, a 32-bit
//     pointer walk;
//   - lines of one or two points (D <= 1), which break the invariant above
//     (the error starts at 0, which is how a zero minor delta still takes a
//     minor step): walked point by point;
//   - the rest: clipped as above. Deltas are taken in 64 bits, so any int32_t
//     coordinates are safe, and every product fits in uint64_t (see Clip).
#include <cstddef>
#include <cstdint>

#include "core/report.h"
#include "image/img.h"

namespace {
constexpr bool kReport = false;  // the image module's build-time error switch
void IMGError() { REPORTError("IMG error\n", kReport); }

// One axis of the walk: start coordinate, direction and extent of the image.
struct Axis {
    int64_t start;  // coordinate of the first point
    int64_t step;   // -1 or +1
    int64_t size;   // image extent along this axis
};

// Step indices i (0 <= i <= last) at which start + step * i lies in [0, size).
// Returns false when there is none.
bool MajorRange(const Axis& a, int64_t last, int64_t* from, int64_t* to) {
    int64_t lo = 0;
    int64_t hi = last;
    if (a.step > 0) {
        if (-a.start > lo) lo = -a.start;
        if (a.size - 1 - a.start < hi) hi = a.size - 1 - a.start;
    } else {
        if (a.start - (a.size - 1) > lo) lo = a.start - (a.size - 1);
        if (a.start < hi) hi = a.start;
    }
    *from = lo;
    *to = hi;
    return lo <= hi;
}

// Clips a walk with major delta D >= 2 and minor delta d <= D (d == D only for
// the y-major ties): finds the step range [first, last] inside the image on
// both axes. Magnitudes: D, d <= 2^32 - 1, and a threshold t is only used once
// it is known to lie in 1 .. d, so t * D + e0 + d < 2^64.
bool Clip(const Axis& major, const Axis& minor, uint64_t D, uint64_t d, uint64_t e0,
          int64_t* first, int64_t* last) {
    int64_t lo = 0;
    int64_t hi = 0;
    if (!MajorRange(major, static_cast<int64_t>(D), &lo, &hi)) return false;

    // Minor steps allowed: m(i) within [mLo, mHi]; m runs from 0 to d.
    int64_t mLo;
    int64_t mHi;
    if (minor.step > 0) {
        mLo = -minor.start;
        mHi = minor.size - 1 - minor.start;
    } else {
        mLo = minor.start - (minor.size - 1);
        mHi = minor.start;
    }
    const int64_t dd = static_cast<int64_t>(d);
    if (mHi < 0 || mLo > dd || mLo > mHi) return false;

    // First step with m(i) >= mLo: m(i) >= t  <=>  i * d >= (t - 1) * D + e0.
    if (mLo > 0) {
        const uint64_t need = static_cast<uint64_t>(mLo - 1) * D + e0;
        const int64_t i = static_cast<int64_t>((need + d - 1) / d);  // d >= mLo >= 1
        if (i > lo) lo = i;
    }
    // Last step with m(i) <= mHi: m(i) <= t  <=>  i * d <= t * D + e0 - 1.
    if (mHi < dd) {
        const uint64_t limit = static_cast<uint64_t>(mHi) * D + e0 - 1;  // e0 >= 1
        const int64_t i = static_cast<int64_t>(limit / d);               // d > mHi >= 0
        if (i < hi) hi = i;
    }
    *first = lo;
    *last = hi;
    return lo <= hi;
}

// Plain walk for lines of at most two points, clipped point by point.
void ShortWalk(IMG* img, int64_t x, int64_t y, int64_t sx, int64_t sy, uint64_t dx, uint64_t dy,
               uint32_t colour) {
    const bool xMajor = dx > dy;
    const int64_t major = static_cast<int64_t>(xMajor ? dx : dy);
    const int64_t minor = static_cast<int64_t>(xMajor ? dy : dx);
    int64_t e = major >> 1;
    for (int64_t n = major; n >= 0; --n) {
        if (x >= 0 && x < img->width && y >= 0 && y < img->height) {
            img->pixels[static_cast<size_t>(y) * static_cast<size_t>(img->width) +
                        static_cast<size_t>(x)] = colour;
        }
        if (xMajor) {
            x += sx;
        } else {
            y += sy;
        }
        e -= minor;
        if (e <= 0) {
            e += major;
            if (xMajor) {
                y += sy;
            } else {
                x += sx;
            }
        }
    }
}

// The unchecked walk of n + 1 points from pixel index `at`, error e in
// (0, D]; every point must lie inside the image. Error terms in int64_t, as
// a clipped walk's deltas may reach 2^32 - 1.
void Walk(uint32_t* pixels, ptrdiff_t at, int64_t n, int64_t e, int64_t d, int64_t D,
          ptrdiff_t majorStride, ptrdiff_t minorStride, uint32_t colour) {
    for (; n >= 0; --n) {
        pixels[at] = colour;
        at += majorStride;
        e -= d;
        if (e <= 0) {
            e += D;
            at += minorStride;
        }
    }
}

// Walks of up to this many steps take the branch-free form below.
constexpr int32_t kMaskedWalk = 32;

// Both ends inside the image and a major delta of at least 2 (the common case
// of glyph strokes): every delta fits in int32_t, and so does the walk.
void InsideWalk(IMG* img, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) {
    const int32_t w = img->width;
    int32_t dx = x2 - x1;
    int32_t dy = y2 - y1;
    const ptrdiff_t sx = dx < 0 ? -1 : 1;
    const ptrdiff_t sy = dy < 0 ? -w : w;
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    // Up to kMaskedWalk steps the minor step is taken without a branch (short
    // strokes step in patterns a predictor has no time to learn; on long
    // lines it learns them, and the branch's loop is the shorter chain):
    // after e -= d the error lies in (-D, D], D < 2^31, so e - 1 is negative
    // exactly when e <= 0, and its sign spread over the word masks the minor
    // stride and the error's D in or out. The same additions, so the same
    // points.
    uint32_t* p = img->pixels + static_cast<ptrdiff_t>(y1) * w + x1;
    const bool xMajor = dx > dy;
    const int32_t major = xMajor ? dx : dy;
    const int32_t minor = xMajor ? dy : dx;
    const ptrdiff_t majorStride = xMajor ? sx : sy;
    const ptrdiff_t minorStride = xMajor ? sy : sx;
    int32_t e = major >> 1;
    if (major > kMaskedWalk) {
        for (int32_t n = major; n > 0; --n) {  // the last point is stored after the loop
            *p = colour;
            p += majorStride;
            e -= minor;
            if (e <= 0) {
                e += major;
                p += minorStride;
            }
        }
        *p = colour;
        return;
    }
    for (int32_t n = major; n > 0; --n) {
        *p = colour;
        e -= minor;
        const int32_t step = (e - 1) >> 31;  // -1 when e <= 0, else 0
        e += major & step;
        p += majorStride + (minorStride & static_cast<ptrdiff_t>(step));
    }
    *p = colour;
}
}  // namespace

void IMGDrawLine(IMG* img, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) {
    if (img == nullptr) {
        IMGError();
        return;
    }
    const int32_t w = img->width;
    const int32_t h = img->height;
    if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= w && x2 >= w) ||
        (y1 >= h && y2 >= h)) {
        return;
    }
    if (img->pixels == nullptr) {
        IMGError();
        return;
    }
    if (IMGInside(img, x1, y1) && IMGInside(img, x2, y2) &&
        (x2 - x1 > 1 || x1 - x2 > 1 || y2 - y1 > 1 || y1 - y2 > 1)) {
        InsideWalk(img, x1, y1, x2, y2, colour);
        return;
    }

    const int64_t sdx = static_cast<int64_t>(x2) - x1;
    const int64_t sdy = static_cast<int64_t>(y2) - y1;
    const int64_t sx = sdx < 0 ? -1 : 1;
    const int64_t sy = sdy < 0 ? -1 : 1;
    const uint64_t dx = static_cast<uint64_t>(sdx < 0 ? -sdx : sdx);
    const uint64_t dy = static_cast<uint64_t>(sdy < 0 ? -sdy : sdy);
    const bool xMajor = dx > dy;
    const uint64_t D = xMajor ? dx : dy;
    const uint64_t d = xMajor ? dy : dx;
    if (D <= 1) {
        ShortWalk(img, x1, y1, sx, sy, dx, dy, colour);
        return;
    }
    const uint64_t e0 = D >> 1;  // >= 1 from here on

    const Axis ax{x1, sx, w};
    const Axis ay{y1, sy, h};
    const Axis& major = xMajor ? ax : ay;
    const Axis& minor = xMajor ? ay : ax;

    // Clip: the steps [first, last] inside the image, and the minor steps m
    // and error e at step `first`, advanced arithmetically.
    int64_t first = 0;
    int64_t last = 0;
    if (!Clip(major, minor, D, d, e0, &first, &last)) return;
    int64_t m = 0;
    int64_t e = static_cast<int64_t>(e0);
    const uint64_t walked = static_cast<uint64_t>(first) * d;  // <= D * d < 2^64
    if (walked < e0) {
        e = static_cast<int64_t>(e0 - walked);
    } else {
        const uint64_t t = walked - e0;
        m = static_cast<int64_t>(t / D) + 1;
        e = static_cast<int64_t>(D - t % D);
    }

    // Unchecked walk over [first, last]: every point there is inside the image.
    const int64_t width = w;
    const int64_t majorStart = major.start + major.step * first;
    const int64_t minorStart = minor.start + minor.step * m;
    const int64_t px = xMajor ? majorStart : minorStart;
    const int64_t py = xMajor ? minorStart : majorStart;
    const ptrdiff_t majorStride = static_cast<ptrdiff_t>(xMajor ? sx : sy * width);
    const ptrdiff_t minorStride = static_cast<ptrdiff_t>(xMajor ? sy * width : sx);
    const ptrdiff_t at = static_cast<ptrdiff_t>(py * width + px);
    Walk(img->pixels, at, last - first, e, static_cast<int64_t>(d), static_cast<int64_t>(D),
         majorStride, minorStride, colour);
}
