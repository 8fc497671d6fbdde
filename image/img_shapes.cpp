// img_shapes.cpp: rectangles, circles, the points and run tables of lines, and
// resampling (nearest-neighbour resize, rotate and zoom).
//
// Rectangles are drawn only when they lie wholly inside the image; the test is
// made in 64 bits, so no corner and size can pass it by overflowing. Circle
// points and rotated positions are computed in 64 bits and clipped per point.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "image/img.h"
#include "image/img_internal.h"
#include "vector/sine.h"

namespace {
constexpr bool kReport = false;  // the image module's build-time error switch
void IMGError() {
    REPORTError("IMG error\n", kReport);
}

bool Usable(const IMG* img) {
    return img != nullptr && img->pixels != nullptr;
}

// The rectangle lies wholly inside the image, with a positive size.
bool FitsInside(const IMG* img, int32_t x, int32_t y, int32_t w, int32_t h) {
    return x >= 0 && y >= 0 && w > 0 && h > 0 && int64_t{x} + w <= img->width &&
           int64_t{y} + h <= img->height;
}

uint32_t* RowAt(IMG* img, int32_t y) {
    return img->pixels + static_cast<size_t>(y) * static_cast<size_t>(img->width);
}

// A point in 64 bits: dropped outside the image, as IMGSetPixel drops it.
void Plot(IMG* img, int64_t x, int64_t y, uint32_t colour) {
    if (x >= 0 && y >= 0 && x < img->width && y < img->height) {
        RowAt(img, static_cast<int32_t>(y))[x] = colour;
    }
}

// Magnitude of a length; |INT32_MIN| is 2^31 and fits.
int64_t Magnitude(int32_t v) {
    return v < 0 ? -int64_t{v} : int64_t{v};
}
}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Rectangles and circles

void IMGFillRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    if (!Usable(img) || !FitsInside(img, x, y, w, h)) {
        IMGError();
        return;
    }
    for (int32_t row = y; row < y + h; ++row) std::fill_n(RowAt(img, row) + x, w, colour);
}

void IMGDrawRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    if (!Usable(img) || !FitsInside(img, x, y, w, h)) {
        IMGError();
        return;
    }
    std::fill_n(RowAt(img, y) + x, w, colour);
    std::fill_n(RowAt(img, y + h - 1) + x, w, colour);
    for (int32_t row = y; row < y + h; ++row) {
        RowAt(img, row)[x] = colour;
        RowAt(img, row)[x + w - 1] = colour;
    }
}

void IMGDrawCircle(IMG* img, int32_t cx, int32_t cy, int32_t r, uint32_t colour) {
    if (!Usable(img) || !IMGInside(img, cx, cy) || r <= 0) {
        IMGError();
        return;
    }
    // A quarter of the table's points, mirrored into the four quadrants; the
    // right half lands one column left of the left half's mirror image.
    //
    // Every point gets the same colour, so the order of the stores cannot be
    // seen, and a step that repeats the previous offsets (most steps, on a
    // small circle) is skipped. Over k = 0 .. 255 the sine rises and the
    // cosine falls, so oy = (r * sin) >> 15 keeps its value while the sine
    // stays below the least sine that gives oy + 1, and ox while the cosine
    // stays at or above the least cosine that gives ox: two comparisons per
    // step instead of two products.
    //
    // 0 <= ox, oy < r, so when the box from (cx - r, cy - r) to
    // (cx + r - 1, cy + r) lies inside the image, no point needs clipping.
    const bool inside = int64_t{cx} - r >= 0 && int64_t{cy} - r >= 0 &&
                        int64_t{cx} + r - 1 < img->width && int64_t{cy} + r < img->height;
    const int64_t radius = r;
    int64_t sineBelow = INT64_MIN;  // the first step always computes
    int64_t cosineFrom = 0;
    for (int32_t k = 0; k < SINE_SIZE / 4; ++k) {
        const int64_t sine = SINE_TABLE[k & SINE_MASK];
        const int64_t cosine = SINE_TABLE[(k + 256) & SINE_MASK];
        if (sine < sineBelow && cosine >= cosineFrom) continue;
        const int64_t ox = (radius * cosine) >> 15;
        const int64_t oy = (radius * sine) >> 15;
        sineBelow = (((oy + 1) << 15) + radius - 1) / radius;  // least sine giving oy + 1
        cosineFrom = ((ox << 15) + radius - 1) / radius;       // least cosine giving ox
        if (inside) {
            uint32_t* below = RowAt(img, static_cast<int32_t>(cy + oy));
            uint32_t* above = RowAt(img, static_cast<int32_t>(cy - oy));
            below[cx + ox - 1] = colour;
            below[cx - ox] = colour;
            above[cx + ox - 1] = colour;
            above[cx - ox] = colour;
        } else {
            Plot(img, cx + ox - 1, cy + oy, colour);
            Plot(img, cx - ox, cy + oy, colour);
            Plot(img, cx + ox - 1, cy - oy, colour);
            Plot(img, cx - ox, cy - oy, colour);
        }
    }
}

// ---------------------------------------------------------------------------
// [SECTION] Points and run tables

int32_t* IMGPointsBuild(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    const int64_t dx = x1 < x0 ? int64_t{x0} - x1 : int64_t{x1} - x0;
    const int64_t dy = y1 < y0 ? int64_t{y0} - y1 : int64_t{y1} - y0;
    const int64_t n = std::max(dx, dy);
    if (2 * (n + 1) > INT32_MAX) return nullptr;  // the count is held in an entry
    const size_t entries = static_cast<size_t>(2 * (n + 1) + 1);
    auto* out = static_cast<int32_t*>(REPORTZeroAlloc(entries, sizeof(int32_t)));
    if (out == nullptr) return nullptr;
    out[0] = static_cast<int32_t>(2 * (n + 1));

    // The line walk: x is the major axis when dx > dy (ties step y). Axis
    // `major` of the point steps every time, the other one when the error
    // term falls to 0 or below. Points lie between the two ends, but for the
    // step a line of one or two points takes at once on its minor axis (as
    // IMGDrawLine does), which may lead one past int32_t: the cast wraps.
    const int major = dx > dy ? 0 : 1;
    const int64_t length[2] = {dx, dy};
    const int64_t step[2] = {x1 < x0 ? -1 : 1, y1 < y0 ? -1 : 1};
    int64_t at[2] = {x0, y0};
    int64_t e = length[major] >> 1;
    for (int64_t i = 0; i <= n; ++i) {
        out[1 + 2 * i] = static_cast<int32_t>(at[0]);
        out[2 + 2 * i] = static_cast<int32_t>(at[1]);
        at[major] += step[major];
        e -= length[1 - major];
        if (e <= 0) {
            e += length[major];
            at[1 - major] += step[1 - major];
        }
    }
    return out;
}

// Each step of the definition adds 1 to the current bin and lowers the term by
// lo, moving on (and raising the term by hi) when it falls to 0 or below. A
// bin therefore takes max(1, ceil(term / lo)) steps at once, so the table is
// built in lo rounds rather than hi. Entries never exceed hi + 1.
int32_t* IMGRunsBuild(int32_t a, int32_t b, bool halfTerm, bool symmetric) {
    const int64_t lo = std::min(Magnitude(a), Magnitude(b));
    const int64_t hi = std::max(Magnitude(a), Magnitude(b));
    if (hi >= INT32_MAX) return nullptr;
    const int64_t entries = symmetric ? lo : lo + 1;
    auto* table = static_cast<int32_t*>(REPORTZeroAlloc(static_cast<size_t>(entries), sizeof(int32_t)));
    if (table == nullptr) return nullptr;
    int64_t term = halfTerm ? hi >> 1 : hi;
    const auto steps = [&](int64_t limit) {  // steps spent in the current bin
        if (lo == 0) return limit;
        return std::min(limit, term <= 0 ? int64_t{1} : (term + lo - 1) / lo);
    };

    if (!symmetric) {
        // hi + 1 steps in all; the last bin (index lo) takes whatever remains,
        // so no step lands past it.
        int64_t remaining = hi + 1;
        int64_t bin = 0;
        while (remaining > 0) {
            const int64_t s = bin == lo ? remaining : steps(remaining);
            table[bin] += static_cast<int32_t>(s);
            remaining -= s;
            term -= s * lo;
            if (term <= 0) {
                term += hi;
                if (bin < lo) ++bin;
            }
        }
        return table;
    }
    // From both ends: the front bin fills until the term runs out, then the
    // back bin takes the same value and both move inwards.
    int64_t front = 0;
    int64_t back = lo - 1;
    while (back >= front) {
        const int64_t s = steps(INT64_MAX);
        table[front] += static_cast<int32_t>(s);
        term -= s * lo;
        table[back] = table[front];
        --back;
        ++front;
        term += hi;
    }
    return table;
}

int32_t* IMGLinePoints(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int32_t* points = IMGPointsBuild(x0, y0, x1, y1);
    if (points == nullptr) IMGError();
    return points;
}

int32_t* IMGRunTable(int32_t a, int32_t b) {
    int32_t* table = IMGRunsBuild(a, b, false, false);
    if (table == nullptr) IMGError();
    return table;
}

int32_t* IMGRunTableSym(int32_t a, int32_t b) {
    int32_t* table = IMGRunsBuild(a, b, false, true);
    if (table == nullptr) IMGError();
    return table;
}

// ---------------------------------------------------------------------------
// [SECTION] Resize

namespace {
// For each destination index along one axis, the source index it copies.
// Growing (or equal) axis: source k fills a run of table[k] destinations.
// Shrinking axis: destination k takes the first or the last source of run k.
void AxisMap(const int32_t* table, int32_t srcLength, int32_t dstLength, bool lastOfRun,
             int32_t* map) {
    if (dstLength >= srcLength) {
        int32_t j = 0;
        for (int32_t k = 0; k < srcLength && j < dstLength; ++k) {
            for (int32_t run = 0; run < table[k] && j < dstLength; ++run) map[j++] = k;
        }
        return;
    }
    int32_t start = 0;
    for (int32_t k = 0; k < dstLength; ++k) {
        map[k] = lastOfRun ? start + table[k] - 1 : start;
        start += table[k];
    }
}
}  // namespace

void IMGScale(const IMG* src, IMG* dst) {
    if (!Usable(src) || !Usable(dst) || dst->width < 0 || dst->height < 0) {
        IMGError();
        return;
    }
    const int32_t sw = src->width;
    const int32_t sh = src->height;
    const int32_t dw = dst->width;
    const int32_t dh = dst->height;
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;  // nothing to read or to write

    int32_t* columns = IMGRunTable(dw, sw);
    int32_t* rows = IMGRunTable(dh, sh);
    auto* map = static_cast<int32_t*>(
        REPORTZeroAlloc(static_cast<size_t>(dw) + static_cast<size_t>(dh), sizeof(int32_t)));
    if (columns == nullptr || rows == nullptr || map == nullptr) {
        if (map == nullptr) IMGError();
        std::free(columns);
        std::free(rows);
        std::free(map);
        return;
    }
    // The walk of a shrinking width runs backwards and takes the last column
    // of each run, and the rows likewise; only a shrinking height under a
    // width that does not shrink takes the first row of each run.
    const bool widthShrinks = dw < sw;
    int32_t* columnMap = map;
    int32_t* rowMap = map + dw;
    AxisMap(columns, sw, dw, true, columnMap);
    AxisMap(rows, sh, dh, widthShrinks, rowMap);

    for (int32_t y = 0; y < dh; ++y) {
        uint32_t* out = dst->pixels + static_cast<size_t>(y) * static_cast<size_t>(dw);
        if (y > 0 && rowMap[y] == rowMap[y - 1]) {
            std::memcpy(out, out - dw, static_cast<size_t>(dw) * sizeof(uint32_t));
            continue;
        }
        const uint32_t* in = src->pixels + static_cast<size_t>(rowMap[y]) * static_cast<size_t>(sw);
        for (int32_t x = 0; x < dw; ++x) out[x] = in[columnMap[x]];
    }
    std::free(columns);
    std::free(rows);
    std::free(map);
}

// ---------------------------------------------------------------------------
// [SECTION] Rotate and zoom

IMG* IMGRotoZoom(const IMG* src, int32_t angle) {
    if (!Usable(src) || src->width < 0 || src->height < 0) {
        IMGError();
        return nullptr;
    }
    // 92667 / 65536 is just under the square root of 2.
    const int64_t nw = (int64_t{src->width} * 92667) >> 16;
    const int64_t nh = (int64_t{src->height} * 92667) >> 16;
    if (nw > INT32_MAX || nh > INT32_MAX || nw * nh > INT32_MAX) {
        IMGError();
        return nullptr;
    }
    IMG* out = IMGNew();
    if (out == nullptr) return nullptr;
    IMGSetSize(out, static_cast<int32_t>(nw), static_cast<int32_t>(nh));
    if (out->width != nw || out->height != nh) {  // memory ran out (reported)
        IMGFree(&out);
        return nullptr;
    }
    if (nw == 0 || nh == 0) return out;  // no pixels: no walk over a 0 x n image's rows
    // b = -sin(angle), c = -cos(angle): the angle reduced to 0 .. 1023 first,
    // so negative angles index the table from its start too.
    const int64_t turn = SINE_SIZE;
    const int64_t a = ((int64_t{angle} % turn) + turn) % turn;
    const int64_t b = SINE_TABLE[(turn - a) % turn];
    const int64_t c = SINE_TABLE[(turn - (a + 256) % turn) % turn];

    // Along a row both source coordinates move monotonically, so the columns
    // that read inside the source form one run: the columns before and after
    // it are found with the bounds test and cleared, the run is read without.
    const int64_t sw = src->width;
    const int64_t sh = src->height;
    const int64_t half = nw / 2;
    for (int64_t y = 0; y < nh; ++y) {
        const int64_t v = y - nh / 2;
        const int64_t rowX = sw / 2 - ((v * b) >> 15);
        const int64_t rowY = sh / 2 + ((v * c) >> 15);
        uint32_t* line = out->pixels + y * nw;
        const auto inside = [&](int64_t x) {
            const int64_t px = rowX + (((x - half) * c) >> 15);
            const int64_t py = rowY + (((x - half) * b) >> 15);
            return px >= 0 && py >= 0 && px < sw && py < sh;
        };
        int64_t first = 0;
        while (first < nw && !inside(first)) line[first++] = 0;
        int64_t end = nw;
        while (end > first && !inside(end - 1)) line[--end] = 0;
        // u * c and u * b advance by c and b per column; the shifts floor as
        // the per-pixel formula's do, since they see the same products.
        int64_t uc = (first - half) * c;
        int64_t ub = (first - half) * b;
        for (int64_t x = first; x < end; ++x, uc += c, ub += b) {
            const int64_t px = rowX + (uc >> 15);
            const int64_t py = rowY + (ub >> 15);
            line[x] = src->pixels[py * sw + px];
        }
    }
    return out;
}
