// img_compose.cpp: compositing. Whole-image operations (copy, clear, the fade's
// subtract, and, invert), clipped rectangle copies, and row and column copies.
//
// Every rectangle is clipped by computing, in 64 bits, the range of its columns
// and rows that falls inside both images, so no corner or size can overflow.
#include <algorithm>
#include <cstring>

#include "core/report.h"
#include "image/img.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__wasm_simd128__)  // a page's build: WebAssembly's 128-bit lanes
#include <wasm_simd128.h>
#endif

namespace {
constexpr bool kReport = false;  // build-time error switch (same as img.cpp)
void IMGError() {
    REPORTError("IMG error\n", kReport);
}

bool Usable(const IMG* img) {
    return img != nullptr && img->pixels != nullptr;
}

// Pixel count; a side written negative by hand counts as empty.
size_t PixelCount(const IMG* img) {
    if (img->width <= 0 || img->height <= 0) return 0;
    return static_cast<size_t>(img->width) * static_cast<size_t>(img->height);
}

// Index of a pixel known to lie inside its image.
size_t Index(int64_t x, int64_t y, int32_t width) {
    return static_cast<size_t>(x) + static_cast<size_t>(y) * static_cast<size_t>(width);
}

// ---------------------------------------------------------------------------
// [SECTION] Per-channel arithmetic

// Saturating subtraction of every byte of c from the same byte of p, on the
// packed word (no branches, so the loop vectorises). The low 7 bits of each byte
// are subtracted with the top bit of p forced on, so no borrow crosses a byte;
// the XOR then restores each byte's true top bit, the borrow out of each byte is
// recovered from the sign rule of subtraction, and borrowing bytes are zeroed.
constexpr uint32_t kHighBits = 0x80808080u;
constexpr uint32_t SubtractBytes(uint32_t p, uint32_t c) {
    const uint32_t diff = ((p | kHighBits) - (c & ~kHighBits)) ^ ((p ^ ~c) & kHighBits);
    const uint32_t borrow = ((~p & c) | (~(p ^ c) & diff)) & kHighBits;
    const uint32_t lows = borrow >> 7;    // 0x01 in every byte that went below 0
    return diff & ~((lows << 8) - lows);  // ... widened to 0xFF and cleared
}
// The fade's subtrahend carries 0xFF in its top byte, which floors the pixel's
// top byte to 0 as well.
constexpr uint32_t FadeSubtrahend(uint32_t colour) {
    return (colour & 0xFFFFFFu) | 0xFF000000u;
}
static_assert(SubtractBytes(0x030305u, FadeSubtrahend(0x040201u)) == 0x000104u);
static_assert(SubtractBytes(0x01FFFFFFu, FadeSubtrahend(0x040201u)) == 0xFBFDFEu);
static_assert(SubtractBytes(0xFF804001u, FadeSubtrahend(0x808080u)) == 0x000000u);
static_assert(SubtractBytes(0x80FF7F00u, 0x7F80FF00u) == 0x017F0000u);

constexpr uint32_t AddSaturated(uint32_t d, uint32_t s) {
    const uint32_t r = std::min(255u, ((d >> 16) & 0xFFu) + ((s >> 16) & 0xFFu));
    const uint32_t g = std::min(255u, ((d >> 8) & 0xFFu) + ((s >> 8) & 0xFFu));
    const uint32_t b = std::min(255u, (d & 0xFFu) + (s & 0xFFu));
    return (r << 16) | (g << 8) | b;
}
static_assert(AddSaturated(0x000001u, 0x0000FFu) == 0x0000FFu);
static_assert(AddSaturated(0xFF808080u, 0xFF808080u) == 0xFFFFFFu);

constexpr uint32_t Half(uint32_t s, uint32_t d) {
    return ((s >> 1) & 0x7F7F7Fu) + ((d >> 1) & 0x7F7F7Fu);
}
static_assert(Half(0xFFFFFFu, 0u) == 0x7F7F7Fu);
static_assert(Half(0xFFFFFFFFu, 0xFFFFFFFFu) == 0xFEFEFEu);

// ---------------------------------------------------------------------------
// [SECTION] Clipping

// The columns j (or rows) of a span of length n starting at a in one image of
// size sa and at b in another of size sb that land inside both: [first, end).
struct Range {
    int64_t first;
    int64_t end;
};

Range Overlap(int64_t a, int64_t sa, int64_t b, int64_t sb, int64_t n) {
    return Range{std::max<int64_t>({0, -a, -b}), std::min<int64_t>({n, sa - a, sb - b})};
}

// Floor division by a positive divisor, for negative dividends as well.
int64_t FloorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int64_t CeilDiv(int64_t a, int64_t b) {
    return -FloorDiv(-a, b);
}

// ---------------------------------------------------------------------------
// [SECTION] Rectangle copies

enum class Combine { kMasked, kOpaque, kAdd, kAddSaturated };

// Rows from the top, columns from the left: with source and destination the
// same image, overlapping copies behave as that pixel order dictates.
void BlitRect(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w,
              int32_t h, Combine how) {
    if (!Usable(src) || !Usable(dst)) {
        IMGError();
        return;
    }
    const Range cols = Overlap(sx, src->width, dx, dst->width, w);
    const Range rows = Overlap(sy, src->height, dy, dst->height, h);
    if (cols.end <= cols.first || rows.end <= rows.first) return;

    const int64_t width = cols.end - cols.first;
    for (int64_t row = rows.first; row < rows.end; ++row) {
        const uint32_t* s = src->pixels + Index(sx + cols.first, sy + row, src->width);
        uint32_t* d = dst->pixels + Index(dx + cols.first, dy + row, dst->width);
        switch (how) {
            case Combine::kMasked:
                for (int64_t j = 0; j < width; ++j) {
                    if (s[j] != 0) d[j] = s[j];
                }
                break;
            case Combine::kOpaque:
                for (int64_t j = 0; j < width; ++j) d[j] = s[j];
                break;
            case Combine::kAdd:
                for (int64_t j = 0; j < width; ++j) d[j] += s[j];  // unsigned: wraps
                break;
            case Combine::kAddSaturated:
                for (int64_t j = 0; j < width; ++j) d[j] = AddSaturated(d[j], s[j]);
                break;
        }
    }
}

// ---------------------------------------------------------------------------
// [SECTION] Wrapping row and column copies

enum class Wrap { kMasked, kOr };

// Source pixels 0 .. n-1, spaced srcStride apart, go to destination slots
// (offset + i) mod length, spaced dstStride apart, in order of i.
void CopyWrapped(const uint32_t* s, size_t srcStride, uint32_t* d, size_t dstStride, int32_t n,
                 int32_t length, int32_t offset, Wrap how) {
    int32_t start = offset % length;
    if (start < 0) start += length;
    int32_t slot = start;
    for (int32_t i = 0; i < n; ++i) {
        const uint32_t v = s[static_cast<size_t>(i) * srcStride];
        uint32_t* t = d + static_cast<size_t>(slot) * dstStride;
        if (how == Wrap::kOr) {
            *t |= v;
        } else if (v != 0) {
            *t = v;
        }
        if (++slot == length) slot = 0;
    }
}

void RowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset, Wrap how) {
    if (!Usable(src) || !Usable(dst) || srcRow < 0 || srcRow >= src->height || dstRow < 0 ||
        dstRow >= dst->height) {
        IMGError();
        return;
    }
    const int32_t n = std::min(src->width, dst->width);
    if (n <= 0) return;  // nothing to copy, and no zero length to wrap round
    CopyWrapped(src->pixels + Index(0, srcRow, src->width), 1,
                dst->pixels + Index(0, dstRow, dst->width), 1, n, dst->width, offset, how);
}

#if defined(__SSE2__)
// 16 pixels per round: four saturating byte subtractions.
size_t SubtractVectors(uint32_t* p, size_t n, uint32_t subtrahend) {
    const __m128i c = _mm_set1_epi32(static_cast<int>(subtrahend));
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        __m128i* v = reinterpret_cast<__m128i*>(p + i);
        const __m128i a0 = _mm_loadu_si128(v + 0);
        const __m128i a1 = _mm_loadu_si128(v + 1);
        const __m128i a2 = _mm_loadu_si128(v + 2);
        const __m128i a3 = _mm_loadu_si128(v + 3);
        _mm_storeu_si128(v + 0, _mm_subs_epu8(a0, c));
        _mm_storeu_si128(v + 1, _mm_subs_epu8(a1, c));
        _mm_storeu_si128(v + 2, _mm_subs_epu8(a2, c));
        _mm_storeu_si128(v + 3, _mm_subs_epu8(a3, c));
    }
    return i;
}
#elif defined(__wasm_simd128__)
size_t SubtractVectors(uint32_t* p, size_t n, uint32_t subtrahend) {
    const v128_t c = wasm_i32x4_splat(static_cast<int32_t>(subtrahend));
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        wasm_v128_store(p + i, wasm_u8x16_sub_sat(wasm_v128_load(p + i), c));
    }
    return i;
}
#else
size_t SubtractVectors(uint32_t*, size_t, uint32_t) {
    return 0;
}
#endif
}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Whole images

void IMGCopy(const IMG* src, IMG* dst) {
    if (!Usable(src) || !Usable(dst) || src->width != dst->width || src->height != dst->height) {
        IMGError();
        return;
    }
    if (src->pixels != dst->pixels) {
        std::memcpy(dst->pixels, src->pixels, PixelCount(src) * sizeof(uint32_t));
    }
}

void IMGClear(IMG* img) {
    if (!Usable(img)) {
        IMGError();
        return;
    }
    std::memset(img->pixels, 0, PixelCount(img) * sizeof(uint32_t));
}

void IMGSubtract(IMG* img, uint32_t colour) {
    if (!Usable(img)) {
        IMGError();
        return;
    }
    const uint32_t subtrahend = FadeSubtrahend(colour);
    const size_t n = PixelCount(img);
    uint32_t* p = img->pixels;
    for (size_t i = SubtractVectors(p, n, subtrahend); i < n; ++i) {
        p[i] = SubtractBytes(p[i], subtrahend);
    }
}

void IMGAnd(const IMG* mask, IMG* dst) {
    if (!Usable(mask) || !Usable(dst)) {
        IMGError();
        return;
    }
    // Index by index over the shorter array, so neither is overrun when the
    // sizes differ.
    const size_t n = std::min(PixelCount(mask), PixelCount(dst));
    const uint32_t* m = mask->pixels;
    uint32_t* d = dst->pixels;
    for (size_t i = 0; i < n; ++i) d[i] &= m[i];
}

void IMGInvert(IMG* img) {
    if (!Usable(img)) {
        IMGError();
        return;
    }
    const size_t n = PixelCount(img);
    uint32_t* p = img->pixels;
    for (size_t i = 0; i < n; ++i) p[i] = ~p[i] & 0xFFFFFFu;
}

// ---------------------------------------------------------------------------
// [SECTION] Rectangles

void IMGBlit(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w,
             int32_t h) {
    BlitRect(src, dst, sx, sy, dx, dy, w, h, Combine::kMasked);
}

void IMGBlitOpaque(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                   int32_t w, int32_t h) {
    BlitRect(src, dst, sx, sy, dx, dy, w, h, Combine::kOpaque);
}

void IMGBlitAdd(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy, int32_t w,
                int32_t h) {
    BlitRect(src, dst, sx, sy, dx, dy, w, h, Combine::kAdd);
}

void IMGBlitAddSat(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                   int32_t w, int32_t h) {
    BlitRect(src, dst, sx, sy, dx, dy, w, h, Combine::kAddSaturated);
}

void IMGBlitHalf(const IMG* src, IMG* dst, int32_t x, int32_t y) {
    if (!Usable(src) || !Usable(dst)) {
        IMGError();
        return;
    }
    const Range cols = Overlap(0, src->width, x, dst->width, src->width);
    const Range rows = Overlap(0, src->height, y, dst->height, src->height);
    if (cols.end <= cols.first || rows.end <= rows.first) return;
    // Rows from the bottom, columns from the right.
    const int64_t width = cols.end - cols.first;
    for (int64_t row = rows.end - 1; row >= rows.first; --row) {
        const uint32_t* s = src->pixels + Index(cols.first, row, src->width);
        uint32_t* d = dst->pixels + Index(x + cols.first, y + row, dst->width);
        for (int64_t j = width - 1; j >= 0; --j) {
            if (s[j] != 0) d[j] = Half(s[j], d[j]);
        }
    }
}

void IMGBlitSpaced(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                   int32_t w, int32_t h, int32_t stepX, int32_t stepY) {
    if (!Usable(src) || !Usable(dst) || stepX <= 0 || stepY <= 0) {
        IMGError();
        return;
    }
    // Source column sx + j must lie in the source and dx + j * stepX in the
    // destination: 0 <= dx + j * stepX <= width - 1, solved for j.
    const int64_t j0 = std::max<int64_t>({0, -int64_t{sx}, CeilDiv(-int64_t{dx}, stepX)});
    const int64_t j1 = std::min<int64_t>(
        {int64_t{w}, int64_t{src->width} - sx, FloorDiv(int64_t{dst->width} - 1 - dx, stepX) + 1});
    const int64_t i0 = std::max<int64_t>({0, -int64_t{sy}, CeilDiv(-int64_t{dy}, stepY)});
    const int64_t i1 = std::min<int64_t>({int64_t{h}, int64_t{src->height} - sy,
                                          FloorDiv(int64_t{dst->height} - 1 - dy, stepY) + 1});
    if (j1 <= j0 || i1 <= i0) return;
    for (int64_t i = i0; i < i1; ++i) {
        const uint32_t* s = src->pixels + Index(sx + j0, sy + i, src->width);
        uint32_t* d = dst->pixels + Index(dx + j0 * stepX, dy + i * stepY, dst->width);
        for (int64_t j = 0; j < j1 - j0; ++j) {
            if (s[j] != 0) d[j * stepX] = s[j];
        }
    }
}

void IMGInvertRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!Usable(img)) {
        IMGError();
        return;
    }
    const Range cols = Overlap(x, img->width, x, img->width, w);
    const Range rows = Overlap(y, img->height, y, img->height, h);
    if (cols.end <= cols.first || rows.end <= rows.first) return;
    const int64_t width = cols.end - cols.first;
    for (int64_t row = rows.first; row < rows.end; ++row) {
        uint32_t* p = img->pixels + Index(x + cols.first, y + row, img->width);
        for (int64_t j = 0; j < width; ++j) p[j] = ~p[j];
    }
}

// ---------------------------------------------------------------------------
// [SECTION] Rows and columns

void IMGCopyRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset) {
    RowWrap(src, dst, srcRow, dstRow, offset, Wrap::kMasked);
}

void IMGOrRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset) {
    RowWrap(src, dst, srcRow, dstRow, offset, Wrap::kOr);
}

void IMGCopyColumnWrap(const IMG* src, IMG* dst, int32_t srcColumn, int32_t dstColumn,
                       int32_t offset) {
    if (!Usable(src) || !Usable(dst) || srcColumn < 0 || srcColumn >= src->width || dstColumn < 0 ||
        dstColumn >= dst->width) {
        IMGError();
        return;
    }
    const int32_t n = std::min(src->height, dst->height);
    if (n <= 0) return;  // nothing to copy, and no zero length to wrap round
    CopyWrapped(src->pixels + srcColumn, static_cast<size_t>(src->width), dst->pixels + dstColumn,
                static_cast<size_t>(dst->width), n, dst->height, offset, Wrap::kMasked);
}

void IMGCopyRow(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow) {
    if (!Usable(src) || !Usable(dst) || srcRow < 0 || srcRow >= src->height || dstRow < 0 ||
        dstRow >= dst->height) {
        IMGError();
        return;
    }
    const int32_t n = std::min(src->width, dst->width);
    if (n <= 0) return;
    // memmove: the same row of one image may be both source and destination.
    std::memmove(dst->pixels + Index(0, dstRow, dst->width),
                 src->pixels + Index(0, srcRow, src->width),
                 static_cast<size_t>(n) * sizeof(uint32_t));
}
