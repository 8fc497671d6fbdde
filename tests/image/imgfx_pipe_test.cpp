// Tests of IMGFXGlowBlurFade: its one pass (SIMD lanes and scalar forms)
// leaves exactly what IMGFXGlow5, IMGFXBlur5 and IMGSubtract leave, and every
// argument it does not take in one pass runs those three.
#include "image/imgfx_pipe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe_internal.h"
#include "tests/support/picture.h"
#include "tests/support/test_support.h"

namespace {
using Img = Owned<IMG, IMGFree>;

// Top bytes set; each channel either any byte or a dark one, so that glows
// both saturate and stay below 255.
uint32_t RandomPixel() {
    uint32_t p = static_cast<uint32_t>(RNGDraw()) << 24;
    for (int k = 0; k < 3; ++k) {
        const auto r = static_cast<uint32_t>(RNGDraw());
        p |= ((r & 1u) != 0 ? (r >> 1) & 0xFFu : (r >> 1) & 0x1Fu) << (8 * k);
    }
    return p;
}

IMG* Random(int32_t w, int32_t h) {
    IMG* img = Sized(w, h);
    for (int32_t i = 0; i < w * h; ++i) img->pixels[i] = RandomPixel();
    return img;
}

struct Three {
    Img work, glow, out;
};

Three RandomThree(int32_t w, int32_t h) {
    return {Img(Random(w, h)), Img(Random(w, h)), Img(Random(w, h))};
}

Three Clone(const Three& t) {
    return {Img(IMGClone(t.work.get())), Img(IMGClone(t.glow.get())), Img(IMGClone(t.out.get()))};
}

void Separate(Three& t, int32_t shift, uint32_t fade) {
    IMGFXGlow5(t.work.get(), t.glow.get(), shift);
    IMGFXBlur5(t.glow.get(), t.out.get());
    IMGSubtract(t.work.get(), fade);
}

void ExpectSame(const Three& want, const Three& got, const std::string& what) {
    EXPECT_TRUE(IMGEqual(want.work.get(), got.work.get())) << what << ": work";
    EXPECT_TRUE(IMGEqual(want.glow.get(), got.glow.get())) << what << ": glow";
    EXPECT_TRUE(IMGEqual(want.out.get(), got.out.get())) << what << ": out";
}

// Every width from 1 to 40 (each lane width's tails, one to three vectors of
// sixteen), the demo's 256 and the widest row, every shift class, fades with any top byte, 0 and white.
TEST(ImgfxPipe, OnePassIsTheThreeFilters) {
    RNGSeed(77);
    const int32_t shifts[] = {0, 1, 2, 3, 7, 8, 9, INT32_MAX};
    const uint32_t fades[] = {0x040201u, 0xA0123456u, 0, 0xFFFFFFu};
    for (int32_t w = 1; w <= 43; ++w) {
        const int32_t width = w <= 40 ? w : (w == 41 ? 256 : (w == 42 ? 255 : IMGFX_PIPE_WIDTH));
        for (size_t k = 0; k < std::size(shifts); ++k) {
            SCOPED_TRACE(testing::Message() << "width " << width << " shift " << shifts[k]);
            const uint32_t fade = fades[(static_cast<size_t>(w) + k) % std::size(fades)];
            const Three start = RandomThree(width, 3);
            Three want = Clone(start);
            Separate(want, shifts[k], fade);
            Three fast = Clone(start);
            IMGFXGlowBlurFade(fast.work.get(), fast.glow.get(), fast.out.get(), shifts[k], fade);
            ExpectSame(want, fast, "lanes");
            // Each lane width the machine has (0: the scalar forms alone).
            for (const int32_t lanes : {0, 4, 8, 16}) {
                Three got = Clone(start);
                IMGFXGlowBlurFadeRows(got.work.get(), got.glow.get(), got.out.get(), shifts[k],
                                      fade, lanes);
                ExpectSame(want, got, lanes == 0 ? "scalar" : "lanes at most " + std::to_string(lanes));
            }
        }
    }
}

// Arguments outside the one pass: the three filters, reports included.
TEST(ImgfxPipe, OtherArgumentsRunTheThreeFilters) {
    RNGSeed(78);
    struct Case {
        const char* what;
        int32_t glowW, outW, shift;
        int wide;   // 1: wider than the one pass takes
        int alias;  // 1: glow is work; 2: out is glow
    };
    const Case cases[] = {
        {"glow wider", 9, 8, 3, 0, 0},      {"out narrower", 8, 7, 3, 0, 0},
        {"negative shift", 8, 8, -1, 0, 0}, {"too wide", 0, 0, 3, 1, 0},
        {"glow is work", 8, 8, 3, 0, 1},    {"out is glow", 8, 8, 3, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int32_t w = c.wide != 0 ? IMGFX_PIPE_WIDTH + 3 : 8;
        Three start{Img(Random(w, 4)), Img(Random(c.wide != 0 ? w : c.glowW, 4)),
                    Img(Random(c.wide != 0 ? w : c.outW, 4))};
        Three want = Clone(start);
        Three got = Clone(start);
        IMG* wantGlow = c.alias == 1 ? want.work.get() : want.glow.get();
        IMG* gotGlow = c.alias == 1 ? got.work.get() : got.glow.get();
        IMG* wantOut = c.alias == 2 ? wantGlow : want.out.get();
        IMG* gotOut = c.alias == 2 ? gotGlow : got.out.get();
        const uint64_t before = REPORTCount();
        IMGFXGlow5(want.work.get(), wantGlow, c.shift);
        IMGFXBlur5(wantGlow, wantOut);
        IMGSubtract(want.work.get(), 0x203040u);
        const uint64_t reports = REPORTCount() - before;
        IMGFXGlowBlurFade(got.work.get(), gotGlow, gotOut, c.shift, 0x203040u);
        EXPECT_EQ(reports, REPORTCount() - before - reports);
        ExpectSame(want, got, c.what);
    }

    Three t = RandomThree(4, 4);
    const Three start = Clone(t);
    const uint64_t before = REPORTCount();
    IMGFXGlowBlurFade(nullptr, t.glow.get(), t.out.get(), 3, 0);
    IMGFXGlowBlurFade(t.work.get(), nullptr, t.out.get(), 3, 0);
    IMGFXGlowBlurFade(t.work.get(), t.glow.get(), nullptr, 3, 0);
    EXPECT_EQ(before + 3, REPORTCount());
    ExpectSame(start, t, "null");
}
}  // namespace
