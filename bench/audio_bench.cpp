// The audio callback's fill of one device buffer (4096 values, 8192 bytes)
// against a plain memcpy of the same 8192 bytes, in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "core/list.h"
#include "platform/sdlsnd.h"
#include "sound/sample.h"

namespace {

constexpr int32_t kBytes = SDLSND_DEVICE_VALUES * 2;

struct Bench {
    SDLSND snd{};
    SAMPLE* mix = SAMPLENew();
    std::vector<uint8_t> buffer = std::vector<uint8_t>(kBytes);
    explicit Bench(int32_t length) {
        snd.queue = LISTNew();
        SAMPLESetLength(mix, length);
        for (int32_t i = 0; i < length; ++i) SAMPLESet(mix, i, (i * 7919) % 70000 - 35000);
    }
    ~Bench() {
        LISTFree(&snd.queue);
        SAMPLEFree(&mix);
    }
};

// One long sample: a whole buffer is one run of values.
void BM_AudioCallbackFill(benchmark::State& state) {
    Bench b(80000);
    LISTPush(b.snd.queue, b.mix);
    for (auto _ : state) {
        b.snd.position = 0;
        SDLSNDCallback(&b.snd, b.buffer.data(), kBytes);
        benchmark::DoNotOptimize(b.buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_AudioCallbackFill);

// Short samples: five passes of 1000 values per buffer, four of them dropped.
void BM_AudioCallbackFillShortSamples(benchmark::State& state) {
    Bench b(1000);
    for (auto _ : state) {
        b.snd.position = 0;
        b.snd.queue->count = 0;
        for (int i = 0; i < 5; ++i) LISTPush(b.snd.queue, b.mix);
        SDLSNDCallback(&b.snd, b.buffer.data(), kBytes);
        benchmark::DoNotOptimize(b.buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_AudioCallbackFillShortSamples);

void BM_AudioMemcpyReference(benchmark::State& state) {
    std::vector<uint8_t> source(kBytes, 0x5A);
    std::vector<uint8_t> buffer(kBytes);
    for (auto _ : state) {
        std::memcpy(buffer.data(), source.data(), kBytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_AudioMemcpyReference);

}  // namespace
