// Large copies and the relative placement of their two ends.
//
// The C library's memcpy can slow down many times on some processors when the
// destination sits a few bytes past a 4 KiB alias of the source
// ((dst - src) mod 4096 of 16 or 32): its loads then seem to depend on stores
// just made. Pixel and sample arrays are therefore allocated on 64-byte
// boundaries, so their distance is always a multiple of 64.
//
//   BM_MemcpyAtDistance/d: 256 KiB from a page-aligned source to a destination
//     at distance d (mod 4096), with counter vs_distance_0: the time against
//     the same copy at distance 0, measured in the same loop.
//   BM_CopyAllocationOrder/k: two 256 x 256 images (and two samples of the
//     music's mix length) allocated in order k with other blocks in between,
//     then IMGCopy and the sample values' memcpy, each against memcpy between
//     page-aligned buffers in the same loop. Counters: image_distance and
//     sample_distance (mod 4096), image_copy_vs_memcpy, sample_copy_vs_memcpy.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "bench/cpu_lap_timer.h"
#include "image/img.h"
#include "sound/music.h"
#include "sound/sample.h"

namespace {
constexpr int32_t kSide = 256;
constexpr size_t kBytes = static_cast<size_t>(kSide) * kSide * sizeof(uint32_t);

// A page-aligned arena holding a source, and a destination placed at
// 2 x kBytes + distance from it.
struct Arena {
    unsigned char* base;
    unsigned char* src;
    unsigned char* dst;
};

Arena MakeArena(size_t distance) {
    void* p = nullptr;
    if (posix_memalign(&p, 4096, 4 * kBytes + 8192) != 0) std::abort();
    auto* base = static_cast<unsigned char*>(p);
    std::memset(base, 0x5A, 4 * kBytes + 8192);  // every page present
    return Arena{base, base, base + 2 * kBytes + distance};
}

void BM_MemcpyAtDistance(benchmark::State& state) {
    Arena at = MakeArena(static_cast<size_t>(state.range(0)));
    Arena even = MakeArena(0);
    double atNs = 0, evenNs = 0;
    for (auto _ : state) {
        CpuLapTimer t;
        std::memcpy(even.dst, even.src, kBytes);
        benchmark::ClobberMemory();
        evenNs += t.Lap();
        std::memcpy(at.dst, at.src, kBytes);
        benchmark::ClobberMemory();
        atNs += t.Lap();
    }
    state.counters["vs_distance_0"] = atNs / evenNs;
    state.counters["copy_us"] = atNs / static_cast<double>(state.iterations()) / 1000.0;
    std::free(at.base);
    std::free(even.base);
}
BENCHMARK(BM_MemcpyAtDistance)->Arg(0)->Arg(16)->Arg(32)->Arg(48)->Arg(64)->Arg(4032)->Arg(4080);

int64_t Distance(const void* dst, const void* src) {
    return static_cast<int64_t>((reinterpret_cast<uintptr_t>(dst) -
                                 reinterpret_cast<uintptr_t>(src)) % 4096u);
}

IMG* Image() {
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    return img;
}

SAMPLE* Sample() {
    SAMPLE* s = SAMPLENew();
    SAMPLESetLength(s, MUSIC_MIX_LENGTH);
    return s;
}

// Orders of allocation, with blocks of awkward sizes in between (the way a
// program's start-up interleaves its objects).
void BM_CopyAllocationOrder(benchmark::State& state) {
    const int64_t order = state.range(0);
    void* spacer[3] = {nullptr, nullptr, nullptr};
    IMG* src = nullptr;
    IMG* dst = nullptr;
    SAMPLE* from = nullptr;
    SAMPLE* to = nullptr;
    switch (order) {
        case 0:  // source, destination
            src = Image();
            dst = Image();
            from = Sample();
            to = Sample();
            break;
        case 1:  // destination first
            dst = Image();
            src = Image();
            to = Sample();
            from = Sample();
            break;
        case 2:  // a 16-byte block between
            src = Image();
            spacer[0] = std::malloc(16);
            dst = Image();
            from = Sample();
            spacer[1] = std::malloc(16);
            to = Sample();
            break;
        case 3:  // a page plus 16 bytes, and a small image, between
            dst = Image();
            spacer[0] = std::malloc(4096 + 16);
            src = Image();
            to = Sample();
            spacer[1] = std::malloc(4096 + 32);
            from = Sample();
            break;
        default: {  // interleaved with a small image and a 48-byte block
            IMG* small = IMGNew();
            src = Image();
            spacer[0] = std::malloc(48);
            from = Sample();
            dst = Image();
            spacer[1] = std::malloc(100000);
            to = Sample();
            IMGFree(&small);
            break;
        }
    }
    std::memset(src->pixels, 0x33, kBytes);
    const size_t sampleBytes = static_cast<size_t>(MUSIC_MIX_LENGTH) * sizeof(int32_t);
    Arena even = MakeArena(0);
    double memcpyNs = 0, imageNs = 0, sampleMemcpyNs = 0, sampleNs = 0;
    for (auto _ : state) {
        CpuLapTimer t;
        std::memcpy(even.dst, even.src, kBytes);
        benchmark::ClobberMemory();
        memcpyNs += t.Lap();
        IMGCopy(src, dst);
        benchmark::ClobberMemory();
        imageNs += t.Lap();
        std::memcpy(even.dst, even.src, sampleBytes);
        benchmark::ClobberMemory();
        sampleMemcpyNs += t.Lap();
        std::memcpy(to->values, from->values, sampleBytes);
        benchmark::ClobberMemory();
        sampleNs += t.Lap();
    }
    state.counters["image_distance"] = static_cast<double>(Distance(dst->pixels, src->pixels));
    state.counters["sample_distance"] = static_cast<double>(Distance(to->values, from->values));
    state.counters["image_copy_vs_memcpy"] = imageNs / memcpyNs;
    state.counters["sample_copy_vs_memcpy"] = sampleNs / sampleMemcpyNs;
    for (void* p : spacer) std::free(p);
    IMGFree(&src);
    IMGFree(&dst);
    SAMPLEFree(&from);
    SAMPLEFree(&to);
    std::free(even.base);
}
BENCHMARK(BM_CopyAllocationOrder)->DenseRange(0, 4);
}  // namespace
