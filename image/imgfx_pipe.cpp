// imgfx_pipe.cpp: IMGFXGlowBlurFade, the compose filters row by row.
//
// Each row goes through three short loops over row buffers on the stack, all
// of it in the first-level cache:
//   1. t = every pixel of work with each colour byte shifted right by the
//      glow's shift (the neighbour term of the glow);
//   2. glow = min(255, centre + the four t around it) per channel; the row of
//      work is faded as its centres are read, and the glow row is split for
//      the blur into h = glow >> 3 and l = glow & 7 per channel;
//   3. out = the blur of the glow row, from h and l.
// The row buffers carry two zero words at each end, so the taps outside a
// row read 0 without a clipped edge path.
//
// Why this is the plain definition, byte by byte (top bytes are cleared in
// step 2, so h, l and out have 0 there):
//   glow: a neighbour's byte >> s is the 16-bit lane shifted by s with the
//         bits that came down from the lane's upper byte masked off (mask
//         0xFF >> s); a chain of unsigned saturating byte adds gives
//         min(255, a + b + ...) since every term is non-negative;
//   blur: with g = 8h + l per channel (h <= 31, l <= 7), the weighted sum
//         S = a + b + d + e + 4c is 8 Sh + Sl where Sh, Sl are the same
//         sums of h and l; so floor(S / 8) = Sh + floor(Sl / 8). Sh <= 248
//         and Sl <= 56, so plain byte adds never carry into the next byte;
//         4h (<= 124) is the 16-bit lane shifted left by 2, and Sl >> 3 the
//         lane shifted right by 3 with the upper byte's bits masked off
//         (mask 7); the result is at most 248 + 7 = 255;
//   fade: the unsigned saturating byte subtract of (fade | 0xFF000000) is
//         max(0, p - c) per channel and clears the top byte.
// In a page with WebAssembly's lanes step 2 keeps the glow row itself (in
// the buffer h) and step 3 blurs it with byte averages, which round up
// (avg(x, y) = ceil((x + y) / 2)), each corrected to the floor:
//     p = floor((a + b) / 2) = avg(a, b) - ((a ^ b) & 1), so too q of d, e;
//     k = 1 when a + b and d + e are both odd;
//     m = floor((a + b + d + e) / 4) = floor((p + q + k) / 2)
//       = avg(p, q) - ((p ^ q) & 1 & ~k);
//     out = floor((m + c) / 2) = avg(m, c) - ((m ^ c) & 1).
// Why: a + b + d + e is 2 (p + q) plus the two odd bits, whose quarter
// floors to floor((p + q + k) / 2); and with a + b + d + e = 4m + j, j < 4,
// the weighted sum 4m + j + 4c is 8 floor((m + c) / 2) plus at most
// 4 + j < 8. Every step stays within a byte and never borrows. The engine
// pays an address computation for each buffer a loop reads, so one buffer
// instead of two took the one pass from about 60 to 52 us under node;
// natively the h and l sums are the faster form (20, 36, 53 us against 23,
// 41, 67 with AVX-512, AVX2, SSE2).
// Where the machine has AVX-512 one routine does the whole row in registers
// (see RowAvx512: no row buffers, the taps made by shuffles). Otherwise the
// loops run AVX2 lanes where the machine has them, then SSE2 (alone where
// the build has no CPU check), in a page WebAssembly's 128-bit lanes (the
// SSE2 forms but for the blur, chosen at build time), and the scalar forms
// below for the last pixels of a row or without SIMD.
#include "image/imgfx_pipe.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "core/report.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe_internal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define IMGFX_PIPE_SSE2 1
#else
#define IMGFX_PIPE_SSE2 0
#endif
#if !IMGFX_PIPE_SSE2 && defined(__wasm_simd128__)  // a page: WebAssembly's lanes, no CPU check
#include <wasm_simd128.h>
#define IMGFX_PIPE_WASM 1
#else
#define IMGFX_PIPE_WASM 0
#endif
#if IMGFX_PIPE_SSE2 && !defined(__EMSCRIPTEN__)
#include <immintrin.h>
#define IMGFX_PIPE_WIDE 1  // AVX2 behind a CPU check
#else
#define IMGFX_PIPE_WIDE 0
#endif

namespace {
constexpr bool kReport = false;  // build-time error switch (as imgfx.cpp)
void IMGFXError() {
    REPORTError("IMGFX error\n", kReport);
}

constexpr uint32_t kColour = 0x00FFFFFFu;
constexpr uint32_t kHigh = 0x001F1F1Fu;  // h = (g >> 3) & kHigh
constexpr uint32_t kLow = 0x00070707u;   // l = g & kLow
constexpr int32_t kPad = 16;             // words kept before and after a row buffer
// The page's lanes blur from the glow row (kept in h) instead of h and l.
constexpr bool kBlurFromRow = IMGFX_PIPE_WASM != 0;

// [SECTION] Scalar forms (each one pixel, the same bytes as the lanes)

constexpr uint32_t Channel(uint32_t p, int k) {
    return (p >> (8 * k)) & 0xFFu;
}

// Every colour byte >> s (s <= 8), top byte 0.
constexpr uint32_t Shifted(uint32_t p, uint32_t s) {
    return (p >> s) & ((0xFFu >> s) * 0x010101u);
}

constexpr uint32_t GlowOf(uint32_t c, uint32_t a, uint32_t b, uint32_t d, uint32_t e) {
    uint32_t g = 0;
    for (int k = 0; k < 3; ++k) {
        const uint32_t sum =
            Channel(c, k) + Channel(a, k) + Channel(b, k) + Channel(d, k) + Channel(e, k);
        g |= std::min(255u, sum) << (8 * k);
    }
    return g;
}

// h and l of every pixel are at most 31 and 7: the sums never carry.
constexpr uint32_t BlurOf(const uint32_t* h, const uint32_t* l) {
    const uint32_t sh = h[-2] + h[-1] + h[1] + h[2] + 4 * h[0];
    const uint32_t sl = l[-2] + l[-1] + l[1] + l[2] + 4 * l[0];
    return sh + ((sl >> 3) & kLow);
}

// The same from the glow row's pixel g[0] (top bytes 0), channel by channel.
constexpr uint32_t BlurOfRow(const uint32_t* g) {
    uint32_t r = 0;
    for (int k = 0; k < 3; ++k) {
        const uint32_t sum = Channel(g[-2], k) + Channel(g[-1], k) + Channel(g[1], k) +
                             Channel(g[2], k) + 4 * Channel(g[0], k);
        r |= (sum >> 3) << (8 * k);
    }
    return r;
}

constexpr uint32_t FadeOf(uint32_t p, uint32_t c) {
    uint32_t r = 0;
    for (int k = 0; k < 3; ++k) {
        const uint32_t pk = Channel(p, k);
        const uint32_t ck = Channel(c, k);
        r |= (pk > ck ? pk - ck : 0u) << (8 * k);
    }
    return r;
}

constexpr uint32_t kWhiteH[5] = {0x1F1F1F, 0x1F1F1F, 0x1F1F1F, 0x1F1F1F, 0x1F1F1F};
constexpr uint32_t kWhiteL[5] = {0x070707, 0x070707, 0x070707, 0x070707, 0x070707};
constexpr uint32_t kWhite[5] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
static_assert(BlurOf(kWhiteH + 2, kWhiteL + 2) == 0xFFFFFFu, "white stays white");
static_assert(BlurOfRow(kWhite + 2) == 0xFFFFFFu);
static_assert(GlowOf(0x10FF0000u, 0x1F, 0x1F, 0x1F, 0x1F) == 0xFF007Cu);
static_assert(FadeOf(0xFF030305u, 0x040201u) == 0x000104u);
static_assert(Shifted(0xFFFFFFFFu, 3) == 0x1F1F1Fu && Shifted(0xFFFFFFFFu, 8) == 0);

// [SECTION] Lanes

#if IMGFX_PIPE_SSE2
int32_t ShiftSse2(const uint32_t* w, uint32_t* t, int32_t x, int32_t n, uint32_t s) {
    const __m128i count = _mm_cvtsi32_si128(static_cast<int>(s));
    const __m128i keep = _mm_set1_epi32(static_cast<int>((0xFFu >> s) * 0x010101u));
    for (; x + 4 <= n; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(t + x),
                         _mm_and_si128(_mm_srl_epi16(p, count), keep));
    }
    return x;
}

int32_t GlowSse2(uint32_t* w, uint32_t* g, const uint32_t* t, uint32_t* h, uint32_t* l, int32_t x,
                 int32_t n, uint32_t sub) {
    const __m128i colour = _mm_set1_epi32(static_cast<int>(kColour));
    const __m128i high = _mm_set1_epi32(static_cast<int>(kHigh));
    const __m128i low = _mm_set1_epi32(static_cast<int>(kLow));
    const __m128i fade = _mm_set1_epi32(static_cast<int>(sub));
    const auto at = [](const uint32_t* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    for (; x + 4 <= n; x += 4) {
        const __m128i c = at(w + x);
        const __m128i around = _mm_adds_epu8(_mm_adds_epu8(at(t + x - 2), at(t + x - 1)),
                                             _mm_adds_epu8(at(t + x + 1), at(t + x + 2)));
        const __m128i v = _mm_and_si128(_mm_adds_epu8(c, around), colour);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(g + x), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(w + x), _mm_subs_epu8(c, fade));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(h + x),
                         _mm_and_si128(_mm_srli_epi16(v, 3), high));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(l + x), _mm_and_si128(v, low));
    }
    return x;
}

int32_t BlurSse2(const uint32_t* h, const uint32_t* l, uint32_t* o, int32_t x, int32_t n) {
    const __m128i low = _mm_set1_epi32(static_cast<int>(kLow));
    const auto sum = [](const uint32_t* p) {
        const auto at = [p](int32_t i) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        };
        const __m128i four = _mm_add_epi8(_mm_add_epi8(at(-2), at(-1)), _mm_add_epi8(at(1), at(2)));
        return _mm_add_epi8(four, _mm_slli_epi16(at(0), 2));
    };
    for (; x + 4 <= n; x += 4) {
        const __m128i v =
            _mm_add_epi8(sum(h + x), _mm_and_si128(_mm_srli_epi16(sum(l + x), 3), low));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + x), v);
    }
    return x;
}
#endif

#if IMGFX_PIPE_WIDE
__attribute__((target("avx2"))) int32_t ShiftAvx2(const uint32_t* w, uint32_t* t, int32_t x,
                                                  int32_t n, uint32_t s) {
    const __m128i count = _mm_cvtsi32_si128(static_cast<int>(s));
    const __m256i keep = _mm256_set1_epi32(static_cast<int>((0xFFu >> s) * 0x010101u));
    for (; x + 8 <= n; x += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(t + x),
                            _mm256_and_si256(_mm256_srl_epi16(p, count), keep));
    }
    return x;
}

__attribute__((target("avx2"))) int32_t GlowAvx2(uint32_t* w, uint32_t* g, const uint32_t* t,
                                                 uint32_t* h, uint32_t* l, int32_t x, int32_t n,
                                                 uint32_t sub) {
    const __m256i colour = _mm256_set1_epi32(static_cast<int>(kColour));
    const __m256i high = _mm256_set1_epi32(static_cast<int>(kHigh));
    const __m256i low = _mm256_set1_epi32(static_cast<int>(kLow));
    const __m256i fade = _mm256_set1_epi32(static_cast<int>(sub));
    for (; x + 8 <= n; x += 8) {
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w + x));
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t + x - 2));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t + x - 1));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t + x + 1));
        const __m256i e = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(t + x + 2));
        const __m256i around = _mm256_adds_epu8(_mm256_adds_epu8(a, b), _mm256_adds_epu8(d, e));
        const __m256i v = _mm256_and_si256(_mm256_adds_epu8(c, around), colour);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(g + x), v);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(w + x), _mm256_subs_epu8(c, fade));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(h + x),
                            _mm256_and_si256(_mm256_srli_epi16(v, 3), high));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(l + x), _mm256_and_si256(v, low));
    }
    return x;
}

__attribute__((target("avx2"))) __m256i SumAvx2(const uint32_t* p) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p - 2));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p - 1));
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
    const __m256i e = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 2));
    const __m256i four = _mm256_add_epi8(_mm256_add_epi8(a, b), _mm256_add_epi8(d, e));
    return _mm256_add_epi8(four, _mm256_slli_epi16(c, 2));
}

__attribute__((target("avx2"))) int32_t BlurAvx2(const uint32_t* h, const uint32_t* l, uint32_t* o,
                                                 int32_t x, int32_t n) {
    const __m256i low = _mm256_set1_epi32(static_cast<int>(kLow));
    for (; x + 8 <= n; x += 8) {
        const __m256i v = _mm256_add_epi8(
            SumAvx2(h + x), _mm256_and_si256(_mm256_srli_epi16(SumAvx2(l + x), 3), low));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(o + x), v);
    }
    return x;
}

// Checked once each, as imgfx.cpp does.
bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
}
bool HasAvx512() {
    static const bool has =
        __builtin_cpu_supports("avx512f") != 0 && __builtin_cpu_supports("avx512bw") != 0;
    return has;
}

// AVX-512: a whole row in registers, sixteen pixels a vector. The taps two and
// one pixels to either side are made from the vectors before and after with
// VALIGND instead of being loaded from row buffers (a 64-byte load one pixel
// off its row's alignment always straddles two cache lines, which made
// unaligned loads slower here than the AVX2 form); with half as many
// instructions a pixel as AVX2 this row takes about half its time. The step
// is a pipeline over vectors k: load k + 1 and shift it, glow k (with the
// vectors k - 1 .. k + 1 of the shifted row), fade k, split k into h and l,
// and blur k - 1 (with h and l of k - 2 .. k). Masked loads read zeros past
// the row's end, where the glow is masked to 0 too, so the taps past either
// end see 0, as in the scalar forms.
#define IMGFX_PIPE_AVX512 __attribute__((target("avx512f,avx512bw")))

// Pixels x - 2, x - 1, x + 1, x + 2 of vector c, from its neighbours p and q.
struct Taps512 {
    __m512i a, b, d, e;
};
// (The zero-masked form with every lane kept: g++ 12 warns on the plain
// intrinsic's undefined pass-through operand.)
IMGFX_PIPE_AVX512 inline Taps512 TapsOf(__m512i p, __m512i c, __m512i q) {
    constexpr auto kAll = static_cast<__mmask16>(0xFFFFu);
    return {_mm512_maskz_alignr_epi32(kAll, c, p, 14), _mm512_maskz_alignr_epi32(kAll, c, p, 15),
            _mm512_maskz_alignr_epi32(kAll, q, c, 1), _mm512_maskz_alignr_epi32(kAll, q, c, 2)};
}

IMGFX_PIPE_AVX512 inline __m512i Sum512(__m512i p, __m512i c, __m512i q) {
    const Taps512 t = TapsOf(p, c, q);
    const __m512i four = _mm512_add_epi8(_mm512_add_epi8(t.a, t.b), _mm512_add_epi8(t.d, t.e));
    return _mm512_add_epi8(four, _mm512_slli_epi16(c, 2));
}

IMGFX_PIPE_AVX512 void RowAvx512(uint32_t* w, uint32_t* g, uint32_t* o, int32_t n, uint32_t s,
                                 uint32_t sub) {
    const __m128i count = _mm_cvtsi32_si128(static_cast<int>(s));
    const __m512i keep = _mm512_set1_epi32(static_cast<int>((0xFFu >> s) * 0x010101u));
    const __m512i colour = _mm512_set1_epi32(static_cast<int>(kColour));
    const __m512i high = _mm512_set1_epi32(static_cast<int>(kHigh));
    const __m512i low = _mm512_set1_epi32(static_cast<int>(kLow));
    const __m512i fade = _mm512_set1_epi32(static_cast<int>(sub));
    const __m512i zero = _mm512_setzero_si512();
    const int32_t last = (n - 1) / 16;  // the last vector, masked to the row's end
    const auto tail = static_cast<__mmask16>(0xFFFFu >> (16 * (last + 1) - n));
    const auto maskOf = [tail, last](int32_t k) {
        return k == last ? tail : static_cast<__mmask16>(0xFFFFu);
    };

    __m512i c = _mm512_maskz_loadu_epi32(maskOf(0), w);
    __m512i tp = zero;  // shifted vectors k - 1, k
    __m512i tc = _mm512_and_si512(_mm512_srl_epi16(c, count), keep);
    __m512i hp = zero;  // h and l of vectors k - 2 (pp) and k - 1 (p)
    __m512i lp = zero;
    __m512i hpp = zero;
    __m512i lpp = zero;
    for (int32_t k = 0; k <= last; ++k) {
        const int32_t x = 16 * k;
        const __mmask16 m = maskOf(k);
        const __m512i next = k < last ? _mm512_maskz_loadu_epi32(maskOf(k + 1), w + x + 16) : zero;
        const __m512i tn = _mm512_and_si512(_mm512_srl_epi16(next, count), keep);
        const Taps512 t = TapsOf(tp, tc, tn);
        const __m512i around =
            _mm512_adds_epu8(_mm512_adds_epu8(t.a, t.b), _mm512_adds_epu8(t.d, t.e));
        const __m512i v = _mm512_maskz_and_epi32(m, _mm512_adds_epu8(c, around), colour);
        _mm512_mask_storeu_epi32(g + x, m, v);
        _mm512_mask_storeu_epi32(w + x, m, _mm512_subs_epu8(c, fade));
        const __m512i hc = _mm512_and_si512(_mm512_srli_epi16(v, 3), high);
        const __m512i lc = _mm512_and_si512(v, low);
        if (k > 0) {
            const __m512i blur = _mm512_add_epi8(
                Sum512(hpp, hp, hc),
                _mm512_and_si512(_mm512_srli_epi16(Sum512(lpp, lp, lc), 3), low));
            _mm512_storeu_si512(o + x - 16, blur);
        }
        hpp = hp;
        lpp = lp;
        hp = hc;
        lp = lc;
        tp = tc;
        tc = tn;
        c = next;
    }
    const __m512i blur = _mm512_add_epi8(
        Sum512(hpp, hp, zero), _mm512_and_si512(_mm512_srli_epi16(Sum512(lpp, lp, zero), 3), low));
    _mm512_mask_storeu_epi32(o + 16 * last, tail, blur);
}
#endif

#if IMGFX_PIPE_WASM
// The SSE2 forms in WebAssembly's lanes. The shift is a template argument:
// LLVM 14 turns a run-time count into eight lane-by-lane shifts, a constant
// one into one instruction (as in imgfx.cpp). s <= 8 here; a 16-bit lane
// shifted by 8 keeps nothing that the mask 0 lets through. Under node this
// pass over 256 x 256 took about 90 us where IMGFXGlow5, IMGFXBlur5 and
// IMGSubtract in their WebAssembly lanes took 125 us in the same run, so the
// page runs the one pass as the native build does.
template <uint32_t kShift>
int32_t ShiftWasmBy(const uint32_t* w, uint32_t* t, int32_t x, int32_t n) {
    static_assert(kShift <= 8);
    const v128_t keep = wasm_i32x4_splat(static_cast<int32_t>((0xFFu >> kShift) * 0x010101u));
    for (; x + 4 <= n; x += 4) {
        wasm_v128_store(t + x, wasm_v128_and(wasm_u16x8_shr(wasm_v128_load(w + x), kShift), keep));
    }
    return x;
}

int32_t ShiftWasm(const uint32_t* w, uint32_t* t, int32_t x, int32_t n, uint32_t s) {
    switch (s) {
        case 0:
            return ShiftWasmBy<0>(w, t, x, n);
        case 1:
            return ShiftWasmBy<1>(w, t, x, n);
        case 2:
            return ShiftWasmBy<2>(w, t, x, n);
        case 3:
            return ShiftWasmBy<3>(w, t, x, n);
        case 4:
            return ShiftWasmBy<4>(w, t, x, n);
        case 5:
            return ShiftWasmBy<5>(w, t, x, n);
        case 6:
            return ShiftWasmBy<6>(w, t, x, n);
        case 7:
            return ShiftWasmBy<7>(w, t, x, n);
        default:
            return ShiftWasmBy<8>(w, t, x, n);
    }
}

// The row buffers come in from their pixel -2 and the two forms below are
// not inlined, so the compiler cannot fold that -2 back into each tap: a
// WebAssembly load takes only a non-negative constant offset, and a negative
// one costs the engine an address computation per load.
__attribute__((noinline)) int32_t GlowWasm(uint32_t* w, uint32_t* g, const uint32_t* t2,
                                           uint32_t* r, int32_t x, int32_t n, uint32_t sub) {
    const v128_t colour = wasm_i32x4_splat(static_cast<int32_t>(kColour));
    const v128_t fade = wasm_i32x4_splat(static_cast<int32_t>(sub));
    for (; x + 4 <= n; x += 4) {
        const v128_t c = wasm_v128_load(w + x);
        const v128_t around = wasm_u8x16_add_sat(
            wasm_u8x16_add_sat(wasm_v128_load(t2 + x), wasm_v128_load(t2 + x + 1)),
            wasm_u8x16_add_sat(wasm_v128_load(t2 + x + 3), wasm_v128_load(t2 + x + 4)));
        const v128_t v = wasm_v128_and(wasm_u8x16_add_sat(c, around), colour);
        wasm_v128_store(g + x, v);
        wasm_v128_store(w + x, wasm_u8x16_sub_sat(c, fade));
        wasm_v128_store(r + x, v);
    }
    return x;
}

// floor((x + y) / 2) per byte.
v128_t HalfWasm(v128_t x, v128_t y, v128_t one) {
    return wasm_i8x16_sub(wasm_u8x16_avgr(x, y), wasm_v128_and(wasm_v128_xor(x, y), one));
}

// The blur from the glow row by byte averages (see the file's head); r2
// points two pixels before the row's pixel 0. (wasm_v128_andnot(x, y) is
// x & ~y, its operands in the other order than SSE2's.)
__attribute__((noinline)) int32_t BlurWasm(const uint32_t* r2, uint32_t* o, int32_t x,
                                           int32_t n) {
    const v128_t one = wasm_i8x16_splat(1);
    for (; x + 4 <= n; x += 4) {
        const uint32_t* p = r2 + x;
        const v128_t a = wasm_v128_load(p);
        const v128_t b = wasm_v128_load(p + 1);
        const v128_t d = wasm_v128_load(p + 3);
        const v128_t e = wasm_v128_load(p + 4);
        const v128_t half1 = HalfWasm(a, b, one);
        const v128_t half2 = HalfWasm(d, e, one);
        const v128_t k = wasm_v128_and(wasm_v128_xor(a, b), wasm_v128_xor(d, e));
        const v128_t m =
            wasm_i8x16_sub(wasm_u8x16_avgr(half1, half2),
                           wasm_v128_andnot(wasm_v128_and(wasm_v128_xor(half1, half2), one), k));
        wasm_v128_store(o + x, HalfWasm(m, wasm_v128_load(p + 2), one));
    }
    return x;
}
#endif

// [SECTION] Rows

// The three row buffers, laid out so that each one's pixel 0 sits at the
// same address modulo 1 KiB as the rows of the images (whose rows of 256
// pixels repeat every 1 KiB): a store to one array and a later load from
// another then never share the low twelve address bits within a few hundred
// bytes, which the processor would take for a possible overlap and stall on
// (several times slower rows otherwise, depending on where the stack is).
constexpr int32_t kAlias = 256;  // words in 1 KiB
constexpr int32_t Stride(int32_t n) {
    return (n + 2 * kPad + kAlias - 1) / kAlias * kAlias;
}
constexpr int32_t kAreaWords =
    kPad + kAlias + 2 * Stride(IMGFX_PIPE_WIDTH) + IMGFX_PIPE_WIDTH + kPad;

struct RowBuffers {
    uint32_t* t;  // pixel 0 of each buffer
    uint32_t* h;
    uint32_t* l;
};

RowBuffers PlaceRows(uint32_t* area, const uint32_t* row, int32_t n) {
    const auto delta = static_cast<int32_t>(
        ((reinterpret_cast<uintptr_t>(row) - reinterpret_cast<uintptr_t>(area)) /
         sizeof(uint32_t)) %
        kAlias);
    uint32_t* t = area + kPad + (delta - kPad + kAlias) % kAlias;
    return {t, t + Stride(n), t + 2 * Stride(n)};
}

// One row of n pixels (n <= IMGFX_PIPE_WIDTH); t, h and l point at pixel 0 of
// their buffers, whose two words on either side of the row are 0. The widest
// lanes the machine has up to `lanes` pixels run (0: the scalar forms only).
void PipeRow(uint32_t* w, uint32_t* g, uint32_t* o, uint32_t* t, uint32_t* h, uint32_t* l,
             int32_t n, uint32_t s, uint32_t sub, int32_t lanes) {
    const bool simd = lanes >= 4;
    (void)simd;  // nothing to choose in a build without SIMD
    int32_t x = 0;
#if IMGFX_PIPE_WIDE
    if (lanes >= 16 && HasAvx512()) {
        RowAvx512(w, g, o, n, s, sub);
        return;
    }
    const bool avx2 = lanes >= 8 && HasAvx2();
    if (avx2) x = ShiftAvx2(w, t, x, n, s);
#endif
#if IMGFX_PIPE_SSE2
    if (simd) x = ShiftSse2(w, t, x, n, s);
#elif IMGFX_PIPE_WASM
    if (simd) x = ShiftWasm(w, t, x, n, s);
#endif
    for (; x < n; ++x) t[x] = Shifted(w[x], s);

    x = 0;
#if IMGFX_PIPE_WIDE
    if (avx2) x = GlowAvx2(w, g, t, h, l, x, n, sub);
#endif
#if IMGFX_PIPE_SSE2
    if (simd) x = GlowSse2(w, g, t, h, l, x, n, sub);
#elif IMGFX_PIPE_WASM
    if (simd) x = GlowWasm(w, g, t - 2, h, x, n, sub);
#endif
    for (; x < n; ++x) {
        const uint32_t v = GlowOf(w[x], t[x - 2], t[x - 1], t[x + 1], t[x + 2]);
        g[x] = v;
        w[x] = FadeOf(w[x], sub);
        if (kBlurFromRow) {
            h[x] = v;
        } else {
            h[x] = (v >> 3) & kHigh;
            l[x] = v & kLow;
        }
    }

    x = 0;
#if IMGFX_PIPE_WIDE
    if (avx2) x = BlurAvx2(h, l, o, x, n);
#endif
#if IMGFX_PIPE_SSE2
    if (simd) x = BlurSse2(h, l, o, x, n);
#elif IMGFX_PIPE_WASM
    if (simd) x = BlurWasm(h - 2, o, x, n);
#endif
    for (; x < n; ++x) o[x] = kBlurFromRow ? BlurOfRow(h + x) : BlurOf(h + x, l + x);
}

// Pixel arrays of n words that share no word.
bool Apart(const uint32_t* a, const uint32_t* b, size_t n) {
    const auto a0 = reinterpret_cast<uintptr_t>(a);
    const auto b0 = reinterpret_cast<uintptr_t>(b);
    return a0 + n * sizeof(uint32_t) <= b0 || b0 + n * sizeof(uint32_t) <= a0;
}

bool OnePass(const IMG* work, const IMG* glow, const IMG* out, int32_t shift) {
    if (work->pixels == nullptr || glow->pixels == nullptr || out->pixels == nullptr) return false;
    if (shift < 0 || work->width <= 0 || work->height <= 0 || work->width > IMGFX_PIPE_WIDTH)
        return false;
    if (glow->width != work->width || out->width != work->width || glow->height != work->height ||
        out->height != work->height) {
        return false;
    }
    const size_t n = static_cast<size_t>(work->width) * static_cast<size_t>(work->height);
    return Apart(work->pixels, glow->pixels, n) && Apart(work->pixels, out->pixels, n) &&
           Apart(glow->pixels, out->pixels, n);
}
}  // namespace

void IMGFXGlowBlurFadeRows(IMG* work, IMG* glow, IMG* out, int32_t shift, uint32_t fade,
                           int32_t lanes) {
    alignas(64) uint32_t area[kAreaWords];
    const int32_t n = work->width;
    const RowBuffers rows = PlaceRows(area, work->pixels, n);
    for (uint32_t* b : {rows.t, rows.h, rows.l}) {
        b[-2] = b[-1] = 0;
        b[n] = b[n + 1] = 0;
    }
    const uint32_t s = static_cast<uint32_t>(std::min(shift, 8));
    const uint32_t sub = (fade & kColour) | 0xFF000000u;
    const size_t width = static_cast<size_t>(n);
    for (int32_t y = 0; y < work->height; ++y) {
        const size_t at = static_cast<size_t>(y) * width;
        PipeRow(work->pixels + at, glow->pixels + at, out->pixels + at, rows.t, rows.h, rows.l, n,
                s, sub, lanes);
    }
}

int32_t IMGFXGlowBlurFadeLanes(int32_t lanes) {
    (void)lanes;  // nothing to choose in a build without SIMD
#if IMGFX_PIPE_WIDE
    if (lanes >= 16 && HasAvx512()) return 16;
    if (lanes >= 8 && HasAvx2()) return 8;
#endif
#if IMGFX_PIPE_SSE2 || IMGFX_PIPE_WASM
    if (lanes >= 4) return 4;
#endif
    return 0;
}

void IMGFXGlowBlurFade(IMG* work, IMG* glow, IMG* out, int32_t shift, uint32_t fade) {
    if (work == nullptr || glow == nullptr || out == nullptr) {
        IMGFXError();
        return;
    }
    if (!OnePass(work, glow, out, shift)) {
        IMGFXGlow5(work, glow, shift);
        IMGFXBlur5(glow, out);
        IMGSubtract(work, fade);
        return;
    }
    IMGFXGlowBlurFadeRows(work, glow, out, shift, fade, IMGFX_PIPE_LANES_WIDEST);
}
