// The capture backend's cost per presentation: composing the virtual screen,
// hashing it (--hashes) and writing it as a PNG (--out), on 256 x 256 pictures
// like the demo's: smooth colour bands with line drawings over them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/capture/capture.h"
#include "platform/edge.h"

namespace {

constexpr int32_t kSide = 256;

std::vector<uint32_t> DemoLikePicture(uint32_t seed) {
    std::vector<uint32_t> px(kSide * kSide);
    uint32_t r = seed;
    for (int32_t y = 0; y < kSide; y++) {
        for (int32_t x = 0; x < kSide; x++) {
            const uint32_t band = static_cast<uint32_t>((x * 3 + y * 5) & 0xFF);
            px[static_cast<size_t>(y * kSide + x)] = (band << 16) | ((255 - band) << 8) | (band / 2);
        }
    }
    for (int32_t i = 0; i < 4000; i++) {  // a few thousand pixels of lines and glyphs
        r = r * 214013u + 2531011u;
        px[(r >> 8) % px.size()] = 0xFFFFFFu;
    }
    return px;
}

void BM_CapturePresent(benchmark::State& state) {
    int32_t depth = 0;
    bool flip = false;
    if (!EDGEVideoOpen(kSide, kSide, 0x10000001u, &depth, &flip)) state.SkipWithError("no mode");
    const std::vector<uint32_t> a = DemoLikePicture(1), b = DemoLikePicture(2);
    bool odd = false;
    for (auto _ : state) {
        EDGEVideoPresent((odd ? a : b).data(), kSide, kSide, kSide);
        odd = !odd;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CapturePresent);

void BM_CaptureHashScreen(benchmark::State& state) {
    const std::vector<uint32_t> px = DemoLikePicture(3);
    for (auto _ : state) benchmark::DoNotOptimize(CAPTUREHashPixels(px.data(), px.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(px.size() * 4));
}
BENCHMARK(BM_CaptureHashScreen);

void BM_CaptureWritePNG(benchmark::State& state) {
    const std::vector<uint32_t> px = DemoLikePicture(4);
    const std::string path = "/tmp/moxa_capture_bench_" + std::to_string(getpid()) + ".png";
    for (auto _ : state) {
        if (!CAPTUREWritePNG(path.c_str(), px.data(), kSide, kSide)) {
            state.SkipWithError("cannot write the PNG");
            break;
        }
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CaptureWritePNG)->Unit(benchmark::kMicrosecond);

}  // namespace
