// Benchmarks of the demo's two filters on a 256 x 256 image, against a copy of
// the same 256 KiB in the same run.
//
// BM_FilterRatios times, side by side in one loop (CPU time of the thread),
// memcpy, IMGFXGlow5 (shift 3) and IMGFXBlur5, and reports the ratios as the
// counters glow_vs_memcpy and blur_vs_memcpy. BM_ReferenceRatio does the same
// for the per-pixel walk (the filter run in place takes it).
//
// BM_GlowBlurFadeLanes/<lanes> times the compose's one pass (glow, blur and
// fade) with the widest lanes the machine has of at most 16, 8, 4 or 0
// pixels (AVX-512, AVX2, SSE2, scalar), so that a machine without the widest
// ones can be judged from one that has them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench/cpu_lap_timer.h"
#include "core/rng.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe_internal.h"

namespace {
constexpr int32_t kSide = 256;
constexpr size_t kPixels = static_cast<size_t>(kSide) * kSide;
constexpr size_t kBytes = kPixels * sizeof(uint32_t);

// A 256 x 256 image of random pixels, top bytes included.
IMG* RandomImage(uint32_t seed) {
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    RNGSeed(seed);
    for (size_t i = 0; i < kPixels; ++i) {
        img->pixels[i] = (static_cast<uint32_t>(RNGDraw()) << 17) ^
                         (static_cast<uint32_t>(RNGDraw()) << 2) ^ static_cast<uint32_t>(RNGDraw());
    }
    return img;
}

void BM_IMGFXGlow5(benchmark::State& state) {
    IMG* src = RandomImage(3);
    IMG* dst = RandomImage(4);
    for (auto _ : state) {
        IMGFXGlow5(src, dst, 3);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    IMGFree(&src);
    IMGFree(&dst);
}
BENCHMARK(BM_IMGFXGlow5);

void BM_IMGFXBlur5(benchmark::State& state) {
    IMG* src = RandomImage(3);
    IMG* dst = RandomImage(4);
    for (auto _ : state) {
        IMGFXBlur5(src, dst);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    IMGFree(&src);
    IMGFree(&dst);
}
BENCHMARK(BM_IMGFXBlur5);

void BM_GlowBlurFadeLanes(benchmark::State& state) {
    IMG* work = RandomImage(3);
    IMG* glow = RandomImage(4);
    IMG* out = RandomImage(5);
    const auto lanes = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        IMGFXGlowBlurFadeRows(work, glow, out, 3, 0x010101u, lanes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    state.SetLabel("ran " + std::to_string(IMGFXGlowBlurFadeLanes(lanes)) + " lanes");
    IMGFree(&work);
    IMGFree(&glow);
    IMGFree(&out);
}
BENCHMARK(BM_GlowBlurFadeLanes)->Arg(16)->Arg(8)->Arg(4)->Arg(0);

void BM_FilterRatios(benchmark::State& state) {
    IMG* src = RandomImage(3);
    IMG* dst = RandomImage(4);
    double memcpyNs = 0, glowNs = 0, blurNs = 0;
    for (auto _ : state) {
        CpuLapTimer t;
        std::memcpy(dst->pixels, src->pixels, kBytes);
        benchmark::ClobberMemory();
        memcpyNs += t.Lap();
        IMGFXGlow5(src, dst, 3);
        benchmark::ClobberMemory();
        glowNs += t.Lap();
        IMGFXBlur5(src, dst);
        benchmark::ClobberMemory();
        blurNs += t.Lap();
    }
    state.counters["glow_vs_memcpy"] = glowNs / memcpyNs;
    state.counters["blur_vs_memcpy"] = blurNs / memcpyNs;
    const double n = static_cast<double>(state.iterations());
    state.counters["memcpy_us"] = memcpyNs / n / 1000.0;
    state.counters["glow_us"] = glowNs / n / 1000.0;
    state.counters["blur_us"] = blurNs / n / 1000.0;
    IMGFree(&src);
    IMGFree(&dst);
}
BENCHMARK(BM_FilterRatios)->MinTime(1.0);

// The plain per-pixel walk, which runs when source and destination are one
// image, against memcpy: what the row kernels save.
void BM_ReferenceRatio(benchmark::State& state) {
    IMG* src = RandomImage(3);
    IMG* dst = RandomImage(4);
    double memcpyNs = 0, referenceNs = 0;
    for (auto _ : state) {
        CpuLapTimer t;
        std::memcpy(dst->pixels, src->pixels, kBytes);
        benchmark::ClobberMemory();
        memcpyNs += t.Lap();
        IMGFXBlur5(dst, dst);
        benchmark::ClobberMemory();
        referenceNs += t.Lap();
    }
    state.counters["reference_vs_memcpy"] = referenceNs / memcpyNs;
    state.counters["reference_us"] =
        referenceNs / static_cast<double>(state.iterations()) / 1000.0;
    IMGFree(&src);
    IMGFree(&dst);
}
BENCHMARK(BM_ReferenceRatio);
}  // namespace
