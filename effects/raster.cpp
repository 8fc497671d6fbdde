// raster.cpp: the colour list, its smoothing, and painting it across images.
//
// The whole-image painters write rows straight into the pixel array: a column
// painter builds row 0 once and copies it down, a row painter fills each row
// with its one colour, and the blend mixes each row with its colour eight
// channels at a time. Every path gives the pixels that the line primitives
// (the per-pixel formula) give; the tests compare them.
#include "effects/raster.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif
#if defined(__wasm_simd128__)  // a page's build: WebAssembly's 128-bit lanes, no CPU check
#include <wasm_simd128.h>
#endif

#include "core/report.h"
#include "image/img.h"

const char* const RASTER_IDENTITY[5] = {"RASTER  ", "20120517", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void RASTERError() {
    REPORTError("RASTER error\n", kReport);
}

// A raster whose colour of line i can be picked: colours present, count >= 1.
bool Paintable(const RASTER* raster) {
    return raster != nullptr && raster->colours != nullptr && raster->count > 0;
}

// An image with pixels to paint (its sides may be 0).
bool HasPixels(const IMG* img) {
    return img != nullptr && img->pixels != nullptr;
}

// start reduced into 0 .. count - 1 (count >= 1), whatever its sign or size.
int32_t FirstIndex(const RASTER* raster) {
    const int32_t s = raster->start % raster->count;
    return s < 0 ? s + raster->count : s;
}

uint32_t* RowOf(IMG* img, int32_t y) {
    return img->pixels + static_cast<size_t>(y) * static_cast<size_t>(img->width);
}

uint32_t ClampWeight(int32_t weight) {
    return static_cast<uint32_t>(std::clamp(weight, 0, RASTER_WEIGHT_MAX));
}

// The blends in vector lanes, each exact:
//   weight 128: per channel (p * 128 + k * 128) >> 8 is the floored mean
//       (p + k) >> 1, which is (p AND k) + ((p XOR k) >> 1) once the bit each
//       channel's shift takes from the channel above is masked off; the
//       channels then add without a carry (each sum is at most 255);
//   any weight: each channel is widened to a 16-bit lane; p * (256 - w) and
//       the sum with k * w are at most 255 * 256 = 65280, so the low 16 bits
//       of each product are the whole product, nothing carries out of a lane,
//       and the logical shift by 8 floors as >> 8 does.
// The top byte's lanes are computed along and masked to 0 at the end. Each
// helper handles whole vectors from index i on and returns where it stopped.
#if defined(__SSE2__)
__attribute__((target("avx2"))) int32_t HalfAvx2(uint32_t* p, int32_t i, int32_t n, uint32_t k) {
    const __m256i kv = _mm256_set1_epi32(static_cast<int32_t>(k));
    const __m256i low7 = _mm256_set1_epi32(0x007F7F7F);
    for (; i + 8 <= n; i += 8) {
        auto* at = reinterpret_cast<__m256i*>(p + i);
        const __m256i v = _mm256_loadu_si256(at);
        const __m256i both = _mm256_and_si256(v, kv);  // top byte 0, since k's is
        const __m256i half = _mm256_and_si256(_mm256_srli_epi32(_mm256_xor_si256(v, kv), 1), low7);
        _mm256_storeu_si256(at, _mm256_add_epi32(both, half));
    }
    return i;
}

int32_t HalfSse2(uint32_t* p, int32_t i, int32_t n, uint32_t k) {
    const __m128i kv = _mm_set1_epi32(static_cast<int32_t>(k));
    const __m128i low7 = _mm_set1_epi32(0x007F7F7F);
    for (; i + 4 <= n; i += 4) {
        auto* at = reinterpret_cast<__m128i*>(p + i);
        const __m128i v = _mm_loadu_si128(at);
        const __m128i both = _mm_and_si128(v, kv);
        const __m128i half = _mm_and_si128(_mm_srli_epi32(_mm_xor_si128(v, kv), 1), low7);
        _mm_storeu_si128(at, _mm_add_epi32(both, half));
    }
    return i;
}

__attribute__((target("avx2"))) int32_t MixAvx2(uint32_t* p, int32_t i, int32_t n, uint32_t k,
                                                uint32_t w) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i keep = _mm256_set1_epi16(static_cast<int16_t>(RASTER_WEIGHT_MAX - w));
    const __m256i cw =
        _mm256_mullo_epi16(_mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int32_t>(k)), zero),
                           _mm256_set1_epi16(static_cast<int16_t>(w)));
    const __m256i low24 = _mm256_set1_epi32(0x00FFFFFF);
    for (; i + 8 <= n; i += 8) {
        auto* at = reinterpret_cast<__m256i*>(p + i);
        const __m256i v = _mm256_loadu_si256(at);
        __m256i lo = _mm256_unpacklo_epi8(v, zero);
        __m256i hi = _mm256_unpackhi_epi8(v, zero);
        lo = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(lo, keep), cw), 8);
        hi = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(hi, keep), cw), 8);
        // unpack and pack both work per 128-bit half, so the pixel order survives.
        _mm256_storeu_si256(at, _mm256_and_si256(_mm256_packus_epi16(lo, hi), low24));
    }
    return i;
}

int32_t MixSse2(uint32_t* p, int32_t i, int32_t n, uint32_t k, uint32_t w) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i keep = _mm_set1_epi16(static_cast<int16_t>(RASTER_WEIGHT_MAX - w));
    const __m128i cw =
        _mm_mullo_epi16(_mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int32_t>(k)), zero),
                        _mm_set1_epi16(static_cast<int16_t>(w)));
    const __m128i low24 = _mm_set1_epi32(0x00FFFFFF);
    for (; i + 4 <= n; i += 4) {
        auto* at = reinterpret_cast<__m128i*>(p + i);
        const __m128i v = _mm_loadu_si128(at);
        __m128i lo = _mm_unpacklo_epi8(v, zero);
        __m128i hi = _mm_unpackhi_epi8(v, zero);
        lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(lo, keep), cw), 8);
        hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(hi, keep), cw), 8);
        _mm_storeu_si128(at, _mm_and_si128(_mm_packus_epi16(lo, hi), low24));
    }
    return i;
}

// Checked once: the machine runs AVX2.
bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
}
#endif

#if defined(__wasm_simd128__)
// The SSE2 forms in WebAssembly's lanes.
int32_t HalfWasm(uint32_t* p, int32_t i, int32_t n, uint32_t k) {
    const v128_t kv = wasm_i32x4_splat(static_cast<int32_t>(k));
    const v128_t low7 = wasm_i32x4_splat(0x007F7F7F);
    for (; i + 4 <= n; i += 4) {
        const v128_t v = wasm_v128_load(p + i);
        const v128_t both = wasm_v128_and(v, kv);
        const v128_t half = wasm_v128_and(wasm_u32x4_shr(wasm_v128_xor(v, kv), 1), low7);
        wasm_v128_store(p + i, wasm_i32x4_add(both, half));
    }
    return i;
}

int32_t MixWasm(uint32_t* p, int32_t i, int32_t n, uint32_t k, uint32_t w) {
    const v128_t keep = wasm_i16x8_splat(static_cast<int16_t>(RASTER_WEIGHT_MAX - w));
    const v128_t cw = wasm_i16x8_mul(wasm_u16x8_extend_low_u8x16(wasm_i32x4_splat(static_cast<int32_t>(k))),
                                     wasm_i16x8_splat(static_cast<int16_t>(w)));
    const v128_t low24 = wasm_i32x4_splat(0x00FFFFFF);
    for (; i + 4 <= n; i += 4) {
        const v128_t v = wasm_v128_load(p + i);
        v128_t lo = wasm_u16x8_extend_low_u8x16(v);
        v128_t hi = wasm_u16x8_extend_high_u8x16(v);
        lo = wasm_u16x8_shr(wasm_i16x8_add(wasm_i16x8_mul(lo, keep), cw), 8);
        hi = wasm_u16x8_shr(wasm_i16x8_add(wasm_i16x8_mul(hi, keep), cw), 8);
        wasm_v128_store(p + i, wasm_v128_and(wasm_u8x16_narrow_i16x8(lo, hi), low24));
    }
    return i;
}
#endif

// Mixes n pixels with one colour at weight w (0 .. 256), as RASTERMix does.
void BlendSpan(uint32_t* p, int32_t n, uint32_t colour, uint32_t w) {
    const uint32_t k = colour & 0xFFFFFFu;
    int32_t i = 0;
    if (w == RASTER_WEIGHT_MAX / 2) {
#if defined(__SSE2__)
        if (HasAvx2()) i = HalfAvx2(p, i, n, k);
        i = HalfSse2(p, i, n, k);
#elif defined(__wasm_simd128__)
        i = HalfWasm(p, i, n, k);
#endif
        for (; i < n; ++i) p[i] = (p[i] & k) + (((p[i] ^ k) >> 1) & 0x7F7F7Fu);
        return;
    }
#if defined(__SSE2__)
    if (HasAvx2()) i = MixAvx2(p, i, n, k, w);
    i = MixSse2(p, i, n, k, w);
#elif defined(__wasm_simd128__)
    i = MixWasm(p, i, n, k, w);
#endif
    for (; i < n; ++i) p[i] = RASTERMix(p[i], colour, w);
}

// Sum of `length` colours' channels taken cyclically from index first on
// (0 <= first < count): whole turns by the totals, then the rest one by one.
struct Channels {
    int64_t r, g, b;
};

void AddColour(Channels* s, uint32_t c, int64_t times) {
    s->r += times * static_cast<int64_t>((c >> 16) & 0xFFu);
    s->g += times * static_cast<int64_t>((c >> 8) & 0xFFu);
    s->b += times * static_cast<int64_t>(c & 0xFFu);
}

Channels CyclicSum(const uint32_t* colours, int32_t count, int32_t first, int64_t length,
                   const Channels& total) {
    const int64_t turns = length / count;
    Channels s{turns * total.r, turns * total.g, turns * total.b};
    int32_t j = first;
    for (int64_t k = length % count; k > 0; --k) {
        AddColour(&s, colours[j], 1);
        if (++j == count) j = 0;
    }
    return s;
}

int32_t Wrap(int64_t i, int32_t count) {
    return static_cast<int32_t>(i % count);
}
}  // namespace

// [SECTION] Protocol

RASTER* RASTERNew() {
    RASTER* raster = static_cast<RASTER*>(REPORTZeroAlloc(1, sizeof(RASTER)));
    if (raster == nullptr) {
        RASTERError();
        return nullptr;
    }
    RASTERSetSize(raster, RASTER_DEFAULT_COUNT);
    if (raster->colours == nullptr) {  // out of memory (reported)
        std::free(raster);
        return nullptr;
    }
    return raster;
}

void RASTERFree(RASTER** ref) {
    if (ref == nullptr || *ref == nullptr) {
        RASTERError();
        return;
    }
    std::free((*ref)->colours);
    std::free(*ref);
    *ref = nullptr;
}

char* RASTERToASCII(const RASTER* raster) {
    if (raster == nullptr) RASTERError();
    return nullptr;
}

RASTER* RASTERFromASCII(const char* text) {
    if (text == nullptr) RASTERError();
    return nullptr;
}

bool RASTEREqual(const RASTER* a, const RASTER* b) {
    if (a == nullptr || b == nullptr) {
        RASTERError();
        return false;
    }
    if (a->count != b->count) return false;
    if (a->count <= 0) return true;
    if (a->colours == nullptr || b->colours == nullptr) return a->colours == b->colours;
    return std::memcmp(a->colours, b->colours, static_cast<size_t>(a->count) * sizeof(uint32_t)) ==
           0;
}

RASTER* RASTERClone(const RASTER* raster) {
    if (raster == nullptr) {
        RASTERError();
        return nullptr;
    }
    RASTER* copy = static_cast<RASTER*>(REPORTZeroAlloc(1, sizeof(RASTER)));
    if (copy == nullptr) {
        RASTERError();
        return nullptr;
    }
    const int32_t count = raster->colours != nullptr ? std::max(raster->count, 0) : 0;
    RASTERSetSize(copy, count);
    if (copy->colours == nullptr) {
        std::free(copy);
        return nullptr;
    }
    if (count > 0) {
        std::memcpy(copy->colours, raster->colours, static_cast<size_t>(count) * sizeof(uint32_t));
    }
    return copy;
}

// [SECTION] The colour list

void RASTERSetSize(RASTER* raster, int32_t count) {
    if (raster == nullptr || count < 0) {
        RASTERError();
        return;
    }
    auto* colours =
        static_cast<uint32_t*>(REPORTZeroAlloc(static_cast<size_t>(count), sizeof(uint32_t)));
    if (colours == nullptr) {  // the raster keeps its old colours
        RASTERError();
        return;
    }
    std::free(raster->colours);
    raster->colours = colours;
    raster->count = count;
    raster->start = 0;
}

void RASTERClear(RASTER* raster) {
    if (raster == nullptr || raster->colours == nullptr) {
        RASTERError();
        return;
    }
    if (raster->count > 0) {
        std::memset(raster->colours, 0, static_cast<size_t>(raster->count) * sizeof(uint32_t));
    }
}

int32_t RASTERAdvance(RASTER* raster) {
    if (!Paintable(raster)) {
        RASTERError();
        return 0;
    }
    const int32_t next = FirstIndex(raster) + 1;  // at most count: no overflow
    raster->start = next == raster->count ? 0 : next;
    return raster->start;
}

void RASTERSmooth(RASTER* raster, int32_t radius) {
    if (raster == nullptr || raster->colours == nullptr || radius <= 0) {
        RASTERError();
        return;
    }
    const int32_t count = raster->count;
    if (count <= 0) return;
    auto* out =
        static_cast<uint32_t*>(REPORTZeroAlloc(static_cast<size_t>(count), sizeof(uint32_t)));
    if (out == nullptr) {
        RASTERError();
        return;
    }
    const uint32_t* c = raster->colours;
    Channels total{0, 0, 0};
    for (int32_t j = 0; j < count; ++j) AddColour(&total, c[j], 1);

    // Sliding windows over i: ahead(i) sums c((i + n) mod count) and behind(i)
    // sums c(|i - n| mod count), n = 1 .. radius. At i = 0 both read indices
    // 1, 2, ..., radius mod count. Moving to i + 1, ahead drops i + 1 and gains
    // i + 1 + radius; behind gains i and drops |i - radius|.
    const int64_t r = radius;
    const int64_t divisor = 2 * r + 2;
    Channels ahead = CyclicSum(c, count, Wrap(1, count), r, total);
    Channels behind = ahead;
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t ci = c[i];
        Channels s{ahead.r + behind.r, ahead.g + behind.g, ahead.b + behind.b};
        AddColour(&s, ci, 2);
        out[i] = static_cast<uint32_t>(((s.r / divisor) & 0xFF) << 16 |
                                       ((s.g / divisor) & 0xFF) << 8 | ((s.b / divisor) & 0xFF));
        const int64_t gone = i >= r ? i - r : r - i;
        AddColour(&ahead, c[Wrap(i + 1, count)], -1);
        AddColour(&ahead, c[Wrap(i + 1 + r, count)], 1);
        AddColour(&behind, ci, 1);
        AddColour(&behind, c[Wrap(gone, count)], -1);
    }
    std::free(raster->colours);
    raster->colours = out;
}

// [SECTION] Painting a whole image

void RASTERDrawRows(const RASTER* raster, IMG* img) {
    if (!Paintable(raster) || !HasPixels(img)) {
        RASTERError();
        return;
    }
    if (img->width <= 0) return;
    int32_t k = FirstIndex(raster);
    for (int32_t y = 0; y < img->height; ++y) {
        std::fill_n(RowOf(img, y), img->width, raster->colours[k]);
        if (++k == raster->count) k = 0;
    }
}

void RASTERBlendRows(const RASTER* raster, IMG* img, int32_t weight) {
    if (!Paintable(raster) || !HasPixels(img)) {
        RASTERError();
        return;
    }
    if (img->width <= 0) return;
    const uint32_t w = ClampWeight(weight);
    int32_t k = FirstIndex(raster);
    for (int32_t y = 0; y < img->height; ++y) {
        BlendSpan(RowOf(img, y), img->width, raster->colours[k], w);
        if (++k == raster->count) k = 0;
    }
}

void RASTERDrawColumns(const RASTER* raster, IMG* img) {
    if (!Paintable(raster) || !HasPixels(img)) {
        RASTERError();
        return;
    }
    if (img->width <= 0 || img->height <= 0) return;
    uint32_t* row0 = img->pixels;
    int32_t k = FirstIndex(raster);
    for (int32_t x = 0; x < img->width; ++x) {
        row0[x] = raster->colours[k];
        if (++k == raster->count) k = 0;
    }
    const size_t bytes = static_cast<size_t>(img->width) * sizeof(uint32_t);
    for (int32_t y = 1; y < img->height; ++y) std::memcpy(RowOf(img, y), row0, bytes);
}

// [SECTION] Line primitives

void RASTERFillRow(IMG* img, uint32_t colour, int32_t row, int32_t x0, int32_t x1) {
    if (!HasPixels(img)) {
        IMGSetPixel(img, 0, 0, colour);  // the image module's report
        return;
    }
    if (row < 0 || row >= img->height) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, img->width - 1);
    if (x0 > x1) return;
    std::fill(RowOf(img, row) + x0, RowOf(img, row) + x1 + 1, colour);
}

void RASTERBlendRow(IMG* img, uint32_t colour, int32_t row, int32_t x0, int32_t x1,
                    int32_t weight) {
    if (!HasPixels(img)) {
        IMGSetPixel(img, 0, 0, colour);
        return;
    }
    if (row < 0 || row >= img->height) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, img->width - 1);
    if (x0 > x1) return;
    BlendSpan(RowOf(img, row) + x0, x1 - x0 + 1, colour, ClampWeight(weight));
}

void RASTERFillColumn(IMG* img, uint32_t colour, int32_t column, int32_t y0, int32_t y1) {
    if (!HasPixels(img)) {
        IMGSetPixel(img, 0, 0, colour);
        return;
    }
    if (column < 0 || column >= img->width) return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, img->height - 1);
    for (int32_t y = y0; y <= y1; ++y) RowOf(img, y)[column] = colour;
}

// [SECTION] Files

RASTER* RASTERLoad(const char* path) {
    if (path == nullptr) {
        RASTERError();
        return nullptr;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        RASTERError();
        return nullptr;
    }
    std::fclose(file);
    RASTER* raster = RASTERNew();
    RASTERSetSize(raster, 0);
    return raster;
}

bool RASTERSave(const RASTER* raster, const char* path) {
    if (raster == nullptr || raster->colours == nullptr || path == nullptr || raster->count == 0) {
        RASTERError();
        return false;
    }
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        RASTERError();
        return false;
    }
    std::fclose(file);
    return true;
}
