// imgfx.cpp: the filters of IMGFX.
//
// Three ways to run a filter, all giving the pixels of the plain definition:
//   - the reference walk: every pixel from the bottom-right corner, every tap
//     read through the clipping accessor. It is the definition itself, and it
//     is what runs when source and destination share pixels, since the order
//     then decides what a tap sees;
//   - row kernels for IMGFXBlur5 and IMGFXGlow5 (the demo runs them on every
//     frame): edge columns take the clipped formula, the interior SSE2, AVX2
//     or AVX-512 lanes, the widest the machine runs (see the section below
//     for why those are exact);
//   - a sliding window for the radius filters, which adds the column that
//     enters and subtracts the one that leaves, over the part of the window
//     inside the image only, so any radius costs at most the image's size.
#include "image/imgfx.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "core/report.h"

#if defined(__SSE2__)
#include <immintrin.h>
#define IMGFX_SIMD 1
#else
#define IMGFX_SIMD 0
#endif
#if defined(__wasm_simd128__)  // a page's build: WebAssembly's 128-bit lanes, no CPU check
#include <wasm_simd128.h>
#endif

const char* const IMGFX_IDENTITY[5] = {"IMGFX   ", "20120515", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void IMGFXError() {
    REPORTError("IMGFX error\n", kReport);
}

// Both images and their pixel arrays exist; otherwise the check fails.
bool UsablePair(const IMG* src, const IMG* dst) {
    if (src == nullptr || dst == nullptr || src->pixels == nullptr || dst->pixels == nullptr) {
        IMGFXError();
        return false;
    }
    return true;
}

size_t PixelCount(const IMG* img) {
    if (img->width <= 0 || img->height <= 0) return 0;
    return static_cast<size_t>(img->width) * static_cast<size_t>(img->height);
}

// The two pixel arrays overlap (the same image, or two records over one array).
bool SharePixels(const IMG* a, const IMG* b) {
    const uintptr_t a0 = reinterpret_cast<uintptr_t>(a->pixels);
    const uintptr_t b0 = reinterpret_cast<uintptr_t>(b->pixels);
    const uintptr_t a1 = a0 + PixelCount(a) * sizeof(uint32_t);
    const uintptr_t b1 = b0 + PixelCount(b) * sizeof(uint32_t);
    return a0 < b1 && b0 < a1;
}

// ---------------------------------------------------------------------------
// [SECTION] Channels

constexpr uint32_t Red(uint32_t p) { return (p >> 16) & 0xFFu; }
constexpr uint32_t Green(uint32_t p) { return (p >> 8) & 0xFFu; }
constexpr uint32_t Blue(uint32_t p) { return p & 0xFFu; }
constexpr uint32_t Pack(uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; }

// The shift a glow applies to its neighbours' channels. Channels hold 8 bits,
// so any shift of 8 or more leaves 0; capping it at 8 keeps every shift defined.
constexpr uint32_t GlowShift(int32_t shift) {
    return static_cast<uint32_t>(std::min(shift, 8));
}

constexpr uint32_t Blur5Of(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e) {
    return Pack((Red(a) + Red(b) + Red(d) + Red(e) + 4 * Red(c)) >> 3,
                (Green(a) + Green(b) + Green(d) + Green(e) + 4 * Green(c)) >> 3,
                (Blue(a) + Blue(b) + Blue(d) + Blue(e) + 4 * Blue(c)) >> 3);
}
constexpr uint32_t Glow5Of(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t e,
                           uint32_t s) {
    return Pack(std::min(255u, Red(c) + (Red(a) >> s) + (Red(b) >> s) + (Red(d) >> s) +
                                   (Red(e) >> s)),
                std::min(255u, Green(c) + (Green(a) >> s) + (Green(b) >> s) + (Green(d) >> s) +
                                   (Green(e) >> s)),
                std::min(255u, Blue(c) + (Blue(a) >> s) + (Blue(b) >> s) + (Blue(d) >> s) +
                                   (Blue(e) >> s)));
}
static_assert(Blur5Of(0, 0, 0xFFFFFFu, 0, 0) == 0x7F7F7Fu, "a lone white pixel");
static_assert(Blur5Of(0, 0xFFFFFFu, 0, 0, 0) == 0x1F1F1Fu, "its neighbours");
static_assert(Blur5Of(0, 0, 0x808080u, 0, 0) == 0x404040u);
static_assert(Blur5Of(0xFF000000u, 0, 0xFFFFFFFFu, 0, 0xFF000000u) == 0x7F7F7Fu);
static_assert(Glow5Of(0, 0, 0xFFFFFFu, 0, 0, 3) == 0xFFFFFFu);
static_assert(Glow5Of(0, 0xFFFFFFu, 0, 0, 0, 3) == 0x1F1F1Fu);
static_assert(Glow5Of(0x333333u, 0x333333u, 0x333333u, 0x333333u, 0x333333u, 0) == 0xFFFFFFu);
static_assert(Glow5Of(0xFF000000u, 0, 0xFF000000u, 0x10u, 0, 8) == 0);

// ---------------------------------------------------------------------------
// [SECTION] The reference walk

struct Tap {
    int32_t dx;
    int32_t dy;
    uint32_t weight;  // blurs only
};

// A tap: 0 outside the source. Coordinates in 64 bits, so x + dx never overflows.
uint32_t Fetch(const IMG* src, int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= src->width || y >= src->height) return 0;
    return IMGPixelAt(src, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

// Blur: the weighted taps per channel, divided by the divisor (a power of two
// divides as the right shift of the definition, since the sums are unsigned).
void BlurReference(const IMG* src, IMG* dst, const Tap* taps, size_t count, uint32_t divisor) {
    if (PixelCount(src) == 0) return;  // no walk over the rows of a 0 x n image
    for (int32_t y = src->height - 1; y >= 0; --y) {
        for (int32_t x = src->width - 1; x >= 0; --x) {
            uint32_t r = 0;
            uint32_t g = 0;
            uint32_t b = 0;
            for (size_t i = 0; i < count; ++i) {
                const uint32_t p = Fetch(src, int64_t{x} + taps[i].dx, int64_t{y} + taps[i].dy);
                r += taps[i].weight * Red(p);
                g += taps[i].weight * Green(p);
                b += taps[i].weight * Blue(p);
            }
            IMGPutPixel(dst, x, y, Pack(r / divisor, g / divisor, b / divisor));
        }
    }
}

// Glow: the centre, plus each neighbour's channels shifted right, limited to 255.
void GlowReference(const IMG* src, IMG* dst, const Tap* around, size_t count, uint32_t shift) {
    if (PixelCount(src) == 0) return;
    for (int32_t y = src->height - 1; y >= 0; --y) {
        for (int32_t x = src->width - 1; x >= 0; --x) {
            const uint32_t c = Fetch(src, x, y);
            uint32_t r = Red(c);
            uint32_t g = Green(c);
            uint32_t b = Blue(c);
            for (size_t i = 0; i < count; ++i) {
                const uint32_t p =
                    Fetch(src, int64_t{x} + around[i].dx, int64_t{y} + around[i].dy);
                r += Red(p) >> shift;
                g += Green(p) >> shift;
                b += Blue(p) >> shift;
            }
            IMGPutPixel(dst, x, y, Pack(std::min(255u, r), std::min(255u, g), std::min(255u, b)));
        }
    }
}

constexpr Tap kBlur3[] = {{-1, 0, 1}, {0, 0, 1}, {1, 0, 1}};
constexpr Tap kBlur121[] = {{-1, 0, 1}, {0, 0, 2}, {1, 0, 1}};
constexpr Tap kBlur5[] = {{-2, 0, 1}, {-1, 0, 1}, {1, 0, 1}, {2, 0, 1}, {0, 0, 4}};
constexpr Tap kBlur7[] = {{-3, 0, 1}, {-2, 0, 1}, {-1, 0, 1}, {1, 0, 1},
                          {2, 0, 1},  {3, 0, 1},  {0, 0, 2}};
constexpr Tap kSmooth3x3[] = {{-1, -1, 1}, {1, -1, 1}, {-1, 1, 1}, {1, 1, 1}, {0, -1, 2},
                              {-1, 0, 2},  {1, 0, 2},  {0, 1, 2},  {0, 0, 4}};
constexpr Tap kGlow5[] = {{-2, 0, 0}, {-1, 0, 0}, {1, 0, 0}, {2, 0, 0}};
constexpr Tap kGlow7[] = {{-3, 0, 0}, {-2, 0, 0}, {-1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}};
constexpr Tap kGlow3x3[] = {{-1, -1, 0}, {0, -1, 0}, {1, -1, 0}, {-1, 0, 0},
                            {1, 0, 0},   {-1, 1, 0}, {0, 1, 0},  {1, 1, 0}};

constexpr uint32_t WeightSum(const Tap* taps, size_t count) {
    uint32_t sum = 0;
    for (size_t i = 0; i < count; ++i) sum += taps[i].weight;
    return sum;
}
static_assert(WeightSum(kBlur3, 3) == 3 && WeightSum(kBlur121, 3) == 4 &&
              WeightSum(kBlur5, 5) == 8 && WeightSum(kBlur7, 7) == 8 &&
              WeightSum(kSmooth3x3, 9) == 16, "a uniform area keeps its colour");

// ---------------------------------------------------------------------------
// [SECTION] Row kernels of the five-tap filters
//
// Exactness of the vector forms, 4 (SSE2, WebAssembly SIMD), 8 (AVX2) or 16
// (AVX-512) pixels a step,
// each loaded five times at offsets -2 .. +2:
//   blur: the bytes widen to 16-bit lanes (zero-extended); the largest sum,
//         8 x 255 = 2040, fits, so the adds are exact; the logical right shift
//         by 3 floors as the definition's >> 3 does; the results are at most
//         255, so the saturating pack is a plain narrowing;
//   glow: a neighbour's byte shifted right by s is the 16-bit lane shifted by
//         s with the bits that came down from the lane's upper byte masked
//         off (mask 0xFF >> s); a chain of unsigned saturating byte adds gives
//         min(255, a + b + ...) since every term is non-negative.
// The top byte goes through the same arithmetic and is cleared at the end.
// The instructions work on whole lanes: no rounding average is used.

// A pixel of a row of n pixels, 0 outside it.
uint32_t RowTap(const uint32_t* row, int64_t n, int64_t x) {
    return x >= 0 && x < n ? row[x] : 0u;
}

#if IMGFX_SIMD
__attribute__((target("avx512bw"))) int32_t Blur5Avx512(const uint32_t* s, uint32_t* d,
                                                        int32_t x, int32_t end) {
    const __m512i zero = _mm512_setzero_si512();
    const __m512i colour = _mm512_set1_epi32(0x00FFFFFF);
    for (; x + 16 <= end; x += 16) {
        const __m512i a = _mm512_loadu_si512(s + x - 2);
        const __m512i b = _mm512_loadu_si512(s + x - 1);
        const __m512i c = _mm512_loadu_si512(s + x);
        const __m512i e = _mm512_loadu_si512(s + x + 1);
        const __m512i f = _mm512_loadu_si512(s + x + 2);
        __m512i lo = _mm512_add_epi16(
            _mm512_add_epi16(_mm512_unpacklo_epi8(a, zero), _mm512_unpacklo_epi8(b, zero)),
            _mm512_add_epi16(_mm512_unpacklo_epi8(e, zero), _mm512_unpacklo_epi8(f, zero)));
        __m512i hi = _mm512_add_epi16(
            _mm512_add_epi16(_mm512_unpackhi_epi8(a, zero), _mm512_unpackhi_epi8(b, zero)),
            _mm512_add_epi16(_mm512_unpackhi_epi8(e, zero), _mm512_unpackhi_epi8(f, zero)));
        lo = _mm512_add_epi16(lo, _mm512_slli_epi16(_mm512_unpacklo_epi8(c, zero), 2));
        hi = _mm512_add_epi16(hi, _mm512_slli_epi16(_mm512_unpackhi_epi8(c, zero), 2));
        const __m512i out =
            _mm512_packus_epi16(_mm512_srli_epi16(lo, 3), _mm512_srli_epi16(hi, 3));
        _mm512_storeu_si512(d + x, _mm512_and_si512(out, colour));
    }
    return x;
}

__attribute__((target("avx512bw"))) int32_t Glow5Avx512(const uint32_t* s, uint32_t* d,
                                                        int32_t x, int32_t end, uint32_t shift) {
    const __m512i keep = _mm512_set1_epi8(static_cast<char>(0xFFu >> shift));
    const __m128i count = _mm_cvtsi32_si128(static_cast<int>(shift));
    const __m512i colour = _mm512_set1_epi32(0x00FFFFFF);
    for (; x + 16 <= end; x += 16) {
        const __m512i a = _mm512_loadu_si512(s + x - 2);
        const __m512i b = _mm512_loadu_si512(s + x - 1);
        const __m512i c = _mm512_loadu_si512(s + x);
        const __m512i e = _mm512_loadu_si512(s + x + 1);
        const __m512i f = _mm512_loadu_si512(s + x + 2);
        __m512i sum = _mm512_adds_epu8(c, _mm512_and_si512(_mm512_srl_epi16(a, count), keep));
        sum = _mm512_adds_epu8(sum, _mm512_and_si512(_mm512_srl_epi16(b, count), keep));
        sum = _mm512_adds_epu8(sum, _mm512_and_si512(_mm512_srl_epi16(e, count), keep));
        sum = _mm512_adds_epu8(sum, _mm512_and_si512(_mm512_srl_epi16(f, count), keep));
        _mm512_storeu_si512(d + x, _mm512_and_si512(sum, colour));
    }
    return x;
}

__attribute__((target("avx2"))) int32_t Blur5Avx2(const uint32_t* s, uint32_t* d, int32_t x,
                                                  int32_t end) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i colour = _mm256_set1_epi32(0x00FFFFFF);
    for (; x + 8 <= end; x += 8) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x - 2));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x - 1));
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x));
        const __m256i e = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x + 1));
        const __m256i f = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x + 2));
        __m256i lo = _mm256_add_epi16(
            _mm256_add_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero)),
            _mm256_add_epi16(_mm256_unpacklo_epi8(e, zero), _mm256_unpacklo_epi8(f, zero)));
        __m256i hi = _mm256_add_epi16(
            _mm256_add_epi16(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero)),
            _mm256_add_epi16(_mm256_unpackhi_epi8(e, zero), _mm256_unpackhi_epi8(f, zero)));
        lo = _mm256_add_epi16(lo, _mm256_slli_epi16(_mm256_unpacklo_epi8(c, zero), 2));
        hi = _mm256_add_epi16(hi, _mm256_slli_epi16(_mm256_unpackhi_epi8(c, zero), 2));
        // unpack and pack both work per 128-bit lane, so the pixel order survives.
        const __m256i out =
            _mm256_packus_epi16(_mm256_srli_epi16(lo, 3), _mm256_srli_epi16(hi, 3));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), _mm256_and_si256(out, colour));
    }
    return x;
}

__attribute__((target("avx2"))) int32_t Glow5Avx2(const uint32_t* s, uint32_t* d, int32_t x,
                                                  int32_t end, uint32_t shift) {
    const __m256i keep = _mm256_set1_epi8(static_cast<char>(0xFFu >> shift));
    const __m128i count = _mm_cvtsi32_si128(static_cast<int>(shift));
    const __m256i colour = _mm256_set1_epi32(0x00FFFFFF);
    for (; x + 8 <= end; x += 8) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x - 2));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x - 1));
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x));
        const __m256i e = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x + 1));
        const __m256i f = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + x + 2));
        __m256i sum = _mm256_adds_epu8(c, _mm256_and_si256(_mm256_srl_epi16(a, count), keep));
        sum = _mm256_adds_epu8(sum, _mm256_and_si256(_mm256_srl_epi16(b, count), keep));
        sum = _mm256_adds_epu8(sum, _mm256_and_si256(_mm256_srl_epi16(e, count), keep));
        sum = _mm256_adds_epu8(sum, _mm256_and_si256(_mm256_srl_epi16(f, count), keep));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + x), _mm256_and_si256(sum, colour));
    }
    return x;
}

int32_t Blur5Sse2(const uint32_t* s, uint32_t* d, int32_t x, int32_t end) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
    for (; x + 4 <= end; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x - 2));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x - 1));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
        const __m128i e = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x + 1));
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x + 2));
        __m128i lo = _mm_add_epi16(
            _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero)),
            _mm_add_epi16(_mm_unpacklo_epi8(e, zero), _mm_unpacklo_epi8(f, zero)));
        __m128i hi = _mm_add_epi16(
            _mm_add_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero)),
            _mm_add_epi16(_mm_unpackhi_epi8(e, zero), _mm_unpackhi_epi8(f, zero)));
        lo = _mm_add_epi16(lo, _mm_slli_epi16(_mm_unpacklo_epi8(c, zero), 2));
        hi = _mm_add_epi16(hi, _mm_slli_epi16(_mm_unpackhi_epi8(c, zero), 2));
        const __m128i out = _mm_packus_epi16(_mm_srli_epi16(lo, 3), _mm_srli_epi16(hi, 3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), _mm_and_si128(out, colour));
    }
    return x;
}

int32_t Glow5Sse2(const uint32_t* s, uint32_t* d, int32_t x, int32_t end, uint32_t shift) {
    const __m128i keep = _mm_set1_epi8(static_cast<char>(0xFFu >> shift));
    const __m128i count = _mm_cvtsi32_si128(static_cast<int>(shift));
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
    for (; x + 4 <= end; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x - 2));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x - 1));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
        const __m128i e = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x + 1));
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x + 2));
        __m128i sum = _mm_adds_epu8(c, _mm_and_si128(_mm_srl_epi16(a, count), keep));
        sum = _mm_adds_epu8(sum, _mm_and_si128(_mm_srl_epi16(b, count), keep));
        sum = _mm_adds_epu8(sum, _mm_and_si128(_mm_srl_epi16(e, count), keep));
        sum = _mm_adds_epu8(sum, _mm_and_si128(_mm_srl_epi16(f, count), keep));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), _mm_and_si128(sum, colour));
    }
    return x;
}

#endif

#if defined(__wasm_simd128__)
// The SSE2 forms in WebAssembly's lanes.
int32_t Blur5Wasm(const uint32_t* s, uint32_t* d, int32_t x, int32_t end) {
    const v128_t colour = wasm_i32x4_splat(0x00FFFFFF);
    for (; x + 4 <= end; x += 4) {
        const v128_t a = wasm_v128_load(s + x - 2);
        const v128_t b = wasm_v128_load(s + x - 1);
        const v128_t c = wasm_v128_load(s + x);
        const v128_t e = wasm_v128_load(s + x + 1);
        const v128_t f = wasm_v128_load(s + x + 2);
        v128_t lo = wasm_i16x8_add(
            wasm_i16x8_add(wasm_u16x8_extend_low_u8x16(a), wasm_u16x8_extend_low_u8x16(b)),
            wasm_i16x8_add(wasm_u16x8_extend_low_u8x16(e), wasm_u16x8_extend_low_u8x16(f)));
        v128_t hi = wasm_i16x8_add(
            wasm_i16x8_add(wasm_u16x8_extend_high_u8x16(a), wasm_u16x8_extend_high_u8x16(b)),
            wasm_i16x8_add(wasm_u16x8_extend_high_u8x16(e), wasm_u16x8_extend_high_u8x16(f)));
        lo = wasm_i16x8_add(lo, wasm_i16x8_shl(wasm_u16x8_extend_low_u8x16(c), 2));
        hi = wasm_i16x8_add(hi, wasm_i16x8_shl(wasm_u16x8_extend_high_u8x16(c), 2));
        const v128_t out = wasm_u8x16_narrow_i16x8(wasm_u16x8_shr(lo, 3), wasm_u16x8_shr(hi, 3));
        wasm_v128_store(d + x, wasm_v128_and(out, colour));
    }
    return x;
}

// The shift is a template argument: LLVM 14 takes a shift count splatted
// outside the loop for a vector of counts and shifts lane by lane, while a
// constant count is one instruction. GlowShift caps the count at 8.
template <uint32_t kShift>
int32_t Glow5WasmBy(const uint32_t* s, uint32_t* d, int32_t x, int32_t end) {
    static_assert(kShift <= 8);
    const v128_t keep = wasm_i8x16_splat(static_cast<int8_t>(0xFFu >> kShift));
    const v128_t colour = wasm_i32x4_splat(0x00FFFFFF);
    const auto down = [&](v128_t v) { return wasm_v128_and(wasm_u16x8_shr(v, kShift), keep); };
    for (; x + 4 <= end; x += 4) {
        const v128_t a = wasm_v128_load(s + x - 2);
        const v128_t b = wasm_v128_load(s + x - 1);
        const v128_t c = wasm_v128_load(s + x);
        const v128_t e = wasm_v128_load(s + x + 1);
        const v128_t f = wasm_v128_load(s + x + 2);
        v128_t sum = wasm_u8x16_add_sat(c, down(a));
        sum = wasm_u8x16_add_sat(sum, down(b));
        sum = wasm_u8x16_add_sat(sum, down(e));
        sum = wasm_u8x16_add_sat(sum, down(f));
        wasm_v128_store(d + x, wasm_v128_and(sum, colour));
    }
    return x;
}

int32_t Glow5Wasm(const uint32_t* s, uint32_t* d, int32_t x, int32_t end, uint32_t shift) {
    switch (shift) {
        case 0: return Glow5WasmBy<0>(s, d, x, end);
        case 1: return Glow5WasmBy<1>(s, d, x, end);
        case 2: return Glow5WasmBy<2>(s, d, x, end);
        case 3: return Glow5WasmBy<3>(s, d, x, end);
        case 4: return Glow5WasmBy<4>(s, d, x, end);
        case 5: return Glow5WasmBy<5>(s, d, x, end);
        case 6: return Glow5WasmBy<6>(s, d, x, end);
        case 7: return Glow5WasmBy<7>(s, d, x, end);
        default: return Glow5WasmBy<8>(s, d, x, end);
    }
}
#endif

#if IMGFX_SIMD
// Checked once each: the machine runs AVX2, AVX-512 with byte and word lanes.
bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
}
bool HasAvx512() {
    static const bool has = __builtin_cpu_supports("avx512bw") != 0;
    return has;
}
#endif

enum class Five { kBlur, kGlow };

// One row: s holds sw pixels, d receives columns 0 .. cols-1 (cols <= sw).
// Columns 0, 1, sw-2 and sw-1 have taps outside the row; the ones between
// read all five taps inside it.
void FiveRow(const uint32_t* s, uint32_t* d, int32_t sw, int32_t cols, Five kind,
             uint32_t shift) {
    const int32_t inner = std::min(sw - 2, cols);  // interior: [2, inner)
    const auto clipped = [&](int32_t x) {
        const uint32_t a = RowTap(s, sw, int64_t{x} - 2);
        const uint32_t b = RowTap(s, sw, int64_t{x} - 1);
        const uint32_t e = RowTap(s, sw, int64_t{x} + 1);
        const uint32_t f = RowTap(s, sw, int64_t{x} + 2);
        d[x] = kind == Five::kBlur ? Blur5Of(a, b, s[x], e, f) : Glow5Of(a, b, s[x], e, f, shift);
    };
    int32_t x = 0;
    for (; x < cols && x < 2; ++x) clipped(x);
#if IMGFX_SIMD
    // The widest lanes first; the narrower ones finish what is left.
    if (kind == Five::kBlur) {
        if (HasAvx512()) x = Blur5Avx512(s, d, x, inner);
        if (HasAvx2()) x = Blur5Avx2(s, d, x, inner);
        x = Blur5Sse2(s, d, x, inner);
    } else {
        if (HasAvx512()) x = Glow5Avx512(s, d, x, inner, shift);
        if (HasAvx2()) x = Glow5Avx2(s, d, x, inner, shift);
        x = Glow5Sse2(s, d, x, inner, shift);
    }
#elif defined(__wasm_simd128__)
    x = kind == Five::kBlur ? Blur5Wasm(s, d, x, inner) : Glow5Wasm(s, d, x, inner, shift);
#endif
    for (; x < inner; ++x) {
        d[x] = kind == Five::kBlur ? Blur5Of(s[x - 2], s[x - 1], s[x], s[x + 1], s[x + 2])
                                   : Glow5Of(s[x - 2], s[x - 1], s[x], s[x + 1], s[x + 2], shift);
    }
    for (; x < cols; ++x) clipped(x);
}

// Separate arrays: the order of the walk cannot be seen, so rows go top down.
// Rows and columns beyond the destination are dropped, as the walk drops them.
void FiveRows(const IMG* src, IMG* dst, Five kind, uint32_t shift) {
    if (PixelCount(src) == 0 || PixelCount(dst) == 0) return;
    const int32_t rows = std::min(src->height, dst->height);
    const int32_t cols = std::min(src->width, dst->width);
    for (int32_t y = 0; y < rows; ++y) {
        FiveRow(src->pixels + static_cast<size_t>(y) * static_cast<size_t>(src->width),
                dst->pixels + static_cast<size_t>(y) * static_cast<size_t>(dst->width),
                src->width, cols, kind, shift);
    }
}

// ---------------------------------------------------------------------------
// [SECTION] Sliding windows of the radius filters
//
// The window of pixel (x, y) is columns x - rx .. x + rx and rows y - ry .. y + ry,
// cut to the source. Its channel sums (each contribution shifted right by
// `dim`) are kept while x walks left: the column that leaves is subtracted, the
// one that enters is added, each over the window's rows. The sums are taken
// over the array as it stands: when the destination shares the source's
// pixels, each write is also applied to the sums if it lands inside the
// window, so every pixel sees exactly what the reference walk would read.

struct Window {
    int64_t rx;        // horizontal radius, >= 0
    int64_t ry;        // vertical radius, >= 0
    uint32_t dim;      // shift of every contribution: 0 for blurs
    bool glow;         // result: centre + sums, limited to 255; else sums / divisor
    uint64_t divisor;  // blurs: the tap count, at most (2^32 - 1)^2
};

struct Sums {
    uint64_t r;
    uint64_t g;
    uint64_t b;
};

void Add(Sums* sums, uint32_t p, uint32_t dim) {
    sums->r += Red(p) >> dim;
    sums->g += Green(p) >> dim;
    sums->b += Blue(p) >> dim;
}
void Remove(Sums* sums, uint32_t p, uint32_t dim) {
    sums->r -= Red(p) >> dim;  // unsigned: exact once the matching add is in
    sums->g -= Green(p) >> dim;
    sums->b -= Blue(p) >> dim;
}

void AddColumn(Sums* sums, const IMG* src, int64_t x, int64_t top, int64_t bottom,
               uint32_t dim) {
    for (int64_t y = top; y <= bottom; ++y) Add(sums, Fetch(src, x, y), dim);
}
void RemoveColumn(Sums* sums, const IMG* src, int64_t x, int64_t top, int64_t bottom,
                  uint32_t dim) {
    for (int64_t y = top; y <= bottom; ++y) Remove(sums, Fetch(src, x, y), dim);
}

uint32_t Limit(uint64_t v) {
    return static_cast<uint32_t>(std::min<uint64_t>(255, v));
}

void WindowFilter(const IMG* src, IMG* dst, const Window& w) {
    const int64_t sw = src->width;
    const int64_t sh = src->height;
    if (PixelCount(src) == 0) return;
    const bool shared = SharePixels(src, dst);
    // Where a destination pixel sits in the source's array, when they share.
    const int64_t delta = (static_cast<int64_t>(reinterpret_cast<intptr_t>(dst->pixels)) -
                           static_cast<int64_t>(reinterpret_cast<intptr_t>(src->pixels))) /
                          static_cast<int64_t>(sizeof(uint32_t));
    const int64_t count = static_cast<int64_t>(PixelCount(src));

    for (int64_t y = sh - 1; y >= 0; --y) {
        const int64_t top = std::max<int64_t>(0, y - w.ry);
        const int64_t bottom = std::min<int64_t>(sh - 1, y + w.ry);
        int64_t left = std::max<int64_t>(0, sw - 1 - w.rx);
        const int64_t right0 = sw - 1;
        Sums sums{0, 0, 0};
        for (int64_t x = left; x <= right0; ++x) AddColumn(&sums, src, x, top, bottom, w.dim);

        for (int64_t x = sw - 1; x >= 0; --x) {
            const int64_t right = std::min<int64_t>(sw - 1, x + w.rx);
            uint32_t out;
            if (w.glow) {
                const uint32_t c = Fetch(src, x, y);
                out = Pack(Limit(Red(c) + sums.r), Limit(Green(c) + sums.g),
                           Limit(Blue(c) + sums.b));
            } else {
                out = Pack(static_cast<uint32_t>(sums.r / w.divisor),
                           static_cast<uint32_t>(sums.g / w.divisor),
                           static_cast<uint32_t>(sums.b / w.divisor));
            }
            if (x < dst->width && y < dst->height) {
                const int64_t at = y * dst->width + x;
                const uint32_t old = dst->pixels[at];
                dst->pixels[at] = out;
                const int64_t k = at + delta;  // the same word as a source index
                if (shared && k >= 0 && k < count) {
                    const int64_t kx = k % sw;
                    const int64_t ky = k / sw;
                    if (ky >= top && ky <= bottom && kx >= left && kx <= right) {
                        Remove(&sums, old, w.dim);
                        Add(&sums, out, w.dim);
                    }
                }
            }
            // Slide to x - 1.
            if (x == 0) break;
            if (x + w.rx <= sw - 1) RemoveColumn(&sums, src, x + w.rx, top, bottom, w.dim);
            if (x - 1 - w.rx >= 0) {
                AddColumn(&sums, src, x - 1 - w.rx, top, bottom, w.dim);
                left = x - 1 - w.rx;
            }
        }
    }
}

// Tap count of a side of 2r + 1, r >= 0 and at most INT32_MAX.
uint64_t Side(int32_t radius) {
    return 2 * static_cast<uint64_t>(radius) + 1;
}
}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Blurs

void IMGFXBoxBlur(const IMG* src, IMG* dst, int32_t radius) {
    if (!UsablePair(src, dst)) return;
    if (radius < 0) {
        IMGFXError();
        return;
    }
    WindowFilter(src, dst, Window{radius, radius, 0, false, Side(radius) * Side(radius)});
}

void IMGFXBlurH(const IMG* src, IMG* dst, int32_t radius) {
    if (!UsablePair(src, dst)) return;
    if (radius < 0) {
        IMGFXError();
        return;
    }
    WindowFilter(src, dst, Window{radius, 0, 0, false, Side(radius)});
}

void IMGFXBlur3(const IMG* src, IMG* dst) {
    if (!UsablePair(src, dst)) return;
    BlurReference(src, dst, kBlur3, std::size(kBlur3), 3);
}

void IMGFXBlur121(const IMG* src, IMG* dst) {
    if (!UsablePair(src, dst)) return;
    BlurReference(src, dst, kBlur121, std::size(kBlur121), 4);
}

void IMGFXBlur5(const IMG* src, IMG* dst) {
    if (!UsablePair(src, dst)) return;
    if (SharePixels(src, dst)) {
        BlurReference(src, dst, kBlur5, std::size(kBlur5), 8);
    } else {
        FiveRows(src, dst, Five::kBlur, 0);
    }
}

void IMGFXBlur7(const IMG* src, IMG* dst) {
    if (!UsablePair(src, dst)) return;
    BlurReference(src, dst, kBlur7, std::size(kBlur7), 8);
}

void IMGFXSmooth3x3(const IMG* src, IMG* dst) {
    if (!UsablePair(src, dst)) return;
    BlurReference(src, dst, kSmooth3x3, std::size(kSmooth3x3), 16);
}

// ---------------------------------------------------------------------------
// [SECTION] Glows

void IMGFXGlow5(const IMG* src, IMG* dst, int32_t shift) {
    if (!UsablePair(src, dst)) return;
    if (shift < 0) {
        IMGFXError();
        return;
    }
    if (SharePixels(src, dst)) {
        GlowReference(src, dst, kGlow5, std::size(kGlow5), GlowShift(shift));
    } else {
        FiveRows(src, dst, Five::kGlow, GlowShift(shift));
    }
}

void IMGFXGlow7(const IMG* src, IMG* dst, int32_t shift) {
    if (!UsablePair(src, dst)) return;
    if (shift < 0) {
        IMGFXError();
        return;
    }
    GlowReference(src, dst, kGlow7, std::size(kGlow7), GlowShift(shift));
}

void IMGFXGlowH(const IMG* src, IMG* dst, int32_t radius, int32_t shift) {
    if (!UsablePair(src, dst)) return;
    if (radius < 0 || shift < 0) {
        IMGFXError();
        return;
    }
    WindowFilter(src, dst, Window{radius, 0, GlowShift(shift), true, 1});
}

void IMGFXGlow3x3(const IMG* src, IMG* dst, int32_t shift) {
    if (!UsablePair(src, dst)) return;
    if (shift < 0) {
        IMGFXError();
        return;
    }
    GlowReference(src, dst, kGlow3x3, std::size(kGlow3x3), GlowShift(shift));
}
