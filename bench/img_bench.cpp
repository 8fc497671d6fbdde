// Benchmarks of the per-frame image operations on a 256 x 256 work image,
// against memcpy and memset of the same 256 KiB in the same run.
//
// BM_ImgFrameRatios times all five side by side in one loop and reports the
// ratios as counters (image operation time / raw memory operation time):
//   copy_vs_memcpy, clear_vs_memset, subtract_vs_memcpy.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/lap_timer.h"
#include "core/rng.h"
#include "image/img.h"

namespace {
constexpr int32_t kSide = 256;
constexpr size_t kPixels = static_cast<size_t>(kSide) * kSide;
constexpr size_t kBytes = kPixels * sizeof(uint32_t);

// Two 256 x 256 images holding random pixels, released at the end.
struct Pair {
    IMG* a;
    IMG* b;
};

Pair MakePair() {
    Pair p{IMGNew(), IMGNew()};
    IMGSetSize(p.a, kSide, kSide);
    IMGSetSize(p.b, kSide, kSide);
    RNGSeed(7u);
    for (size_t i = 0; i < kPixels; ++i) {
        p.a->pixels[i] = (static_cast<uint32_t>(RNGDraw()) << 9) ^ static_cast<uint32_t>(RNGDraw());
    }
    return p;
}

void FreePair(Pair* p) {
    IMGFree(&p->a);
    IMGFree(&p->b);
}

void BM_Memcpy256K(benchmark::State& state) {
    Pair p = MakePair();
    for (auto _ : state) {
        std::memcpy(p.b->pixels, p.a->pixels, kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    FreePair(&p);
}
BENCHMARK(BM_Memcpy256K);

void BM_IMGCopy(benchmark::State& state) {
    Pair p = MakePair();
    for (auto _ : state) {
        IMGCopy(p.a, p.b);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    FreePair(&p);
}
BENCHMARK(BM_IMGCopy);

void BM_Memset256K(benchmark::State& state) {
    Pair p = MakePair();
    for (auto _ : state) {
        std::memset(p.b->pixels, 0, kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    FreePair(&p);
}
BENCHMARK(BM_Memset256K);

void BM_IMGClear(benchmark::State& state) {
    Pair p = MakePair();
    for (auto _ : state) {
        IMGClear(p.b);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    FreePair(&p);
}
BENCHMARK(BM_IMGClear);

// The fade pass. The subtraction is branch-free, so its speed does not depend
// on the pixels (which darken towards black as the passes repeat).
void BM_IMGSubtract(benchmark::State& state) {
    Pair p = MakePair();
    for (auto _ : state) {
        IMGSubtract(p.a, 0x030201u);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBytes));
    FreePair(&p);
}
BENCHMARK(BM_IMGSubtract);

// All five in one loop, each timed on its own, so the ratios compare runs made
// under the same conditions.
void BM_ImgFrameRatios(benchmark::State& state) {
    Pair p = MakePair();
    double memcpyNs = 0, copyNs = 0, memsetNs = 0, clearNs = 0, subtractNs = 0;
    for (auto _ : state) {
        LapTimer t;
        std::memcpy(p.b->pixels, p.a->pixels, kBytes);
        benchmark::ClobberMemory();
        memcpyNs += t.Lap();
        IMGCopy(p.a, p.b);
        benchmark::ClobberMemory();
        copyNs += t.Lap();
        std::memset(p.b->pixels, 0, kBytes);
        benchmark::ClobberMemory();
        memsetNs += t.Lap();
        IMGClear(p.b);
        benchmark::ClobberMemory();
        clearNs += t.Lap();
        IMGSubtract(p.a, 0x030201u);
        benchmark::ClobberMemory();
        subtractNs += t.Lap();
    }
    state.counters["copy_vs_memcpy"] = copyNs / memcpyNs;
    state.counters["clear_vs_memset"] = clearNs / memsetNs;
    state.counters["subtract_vs_memcpy"] = subtractNs / memcpyNs;
    FreePair(&p);
}
BENCHMARK(BM_ImgFrameRatios)->MinTime(1.0);
}  // namespace
