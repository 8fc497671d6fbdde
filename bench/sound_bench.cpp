// Sound synthesis at the demo's sizes: one music step over the 80000-value
// loop against a memcpy of the same 320000 bytes in the same run, the two
// halves of a step on their own, and the whole 32-note sound bank.
//
// BM_MusicStepRatio times a step and a memcpy side by side in one loop and
// reports step_vs_memcpy (step time / memcpy time). BM_SoundBank reports the
// bank's share of a 40 ms frame as frame_share.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/lap_timer.h"
#include "core/rng.h"
#include "demo/moxa7730.h"
#include "sound/music.h"
#include "sound/sound.h"

namespace {
constexpr size_t kMixBytes = static_cast<size_t>(MUSIC_MIX_LENGTH) * sizeof(int32_t);

// The demo's own sound bank (a chord of f, 2f and 4f under a fade-out per note),
// handed over from the program's process-wide music player.
MUSIC* BuildBank() {
    RNGSeed(RNG_DEMO_SEED);
    MOXA7730BuildSoundBank();
    MUSIC* built = music;
    music = nullptr;
    return built;
}

struct Rig {
    MUSIC* music = BuildBank();
    Rig() {
        for (int i = 0; i < 50; ++i) {  // a loop with some history in it
            music->countdown = 0;
            MUSICStep(music);
        }
    }
    ~Rig() { MUSICFree(&music); }
};

void BM_MusicStep(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.music->countdown = 0;  // make every call a due step
        MUSICStep(rig.music);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kMixBytes));
}
BENCHMARK(BM_MusicStep);

// The half done outside the audio lock.
void BM_MusicPrepare(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.music->countdown = 0;
        benchmark::DoNotOptimize(MUSICPrepare(rig.music));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kMixBytes));
}
BENCHMARK(BM_MusicPrepare);

// The half done under the audio lock.
void BM_MusicCommit(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        state.PauseTiming();
        rig.music->countdown = 0;
        benchmark::DoNotOptimize(MUSICPrepare(rig.music));
        state.ResumeTiming();
        MUSICCommit(rig.music);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kMixBytes));
}
BENCHMARK(BM_MusicCommit);

void BM_MusicMemcpyReference(benchmark::State& state) {
    std::vector<int32_t> a(MUSIC_MIX_LENGTH, 3), b(MUSIC_MIX_LENGTH);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), kMixBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kMixBytes));
}
BENCHMARK(BM_MusicMemcpyReference);

void BM_MusicStepRatio(benchmark::State& state) {
    Rig rig;
    std::vector<int32_t> a(MUSIC_MIX_LENGTH, 3), b(MUSIC_MIX_LENGTH);
    double memcpyNs = 0, stepNs = 0;
    for (auto _ : state) {
        LapTimer t;
        std::memcpy(b.data(), a.data(), kMixBytes);
        benchmark::ClobberMemory();
        memcpyNs += t.Lap();
        rig.music->countdown = 0;
        MUSICStep(rig.music);
        benchmark::ClobberMemory();
        stepNs += t.Lap();
    }
    state.counters["step_vs_memcpy"] = stepNs / memcpyNs;
}
BENCHMARK(BM_MusicStepRatio)->MinTime(1.0);

// The 32 notes of the bank (the tone table is already built by then).
void BM_SoundBank(benchmark::State& state) {
    benchmark::DoNotOptimize(SOUNDToneTable());
    double totalNs = 0;
    for (auto _ : state) {
        LapTimer t;
        MUSIC* bank = BuildBank();
        benchmark::ClobberMemory();
        totalNs += t.Lap();
        state.PauseTiming();
        MUSICFree(&bank);
        state.ResumeTiming();
    }
    state.counters["frame_share"] = totalNs / static_cast<double>(state.iterations()) / 40e6;
}
BENCHMARK(BM_SoundBank)->Unit(benchmark::kMillisecond);
}  // namespace
