// Benchmarks of the scenes and of the raster painters they use.
//
// BM_RasterRatios times memcpy of 256 KiB and the two whole-image raster
// painters on a 256 x 256 image side by side in one loop, and reports
// drawcolumns_vs_memcpy and blendrows_vs_memcpy (painter time / memcpy time).
//
// BM_SceneFrame/<scene> runs whole frames of one scene as the demo does, with
// glow and blur on: the scene's drawing, then every common layer from the
// pacing to the music step and the key poll, on the capture backend's virtual
// clock (no waiting, nothing written). Counters: frame_us, the mean time of a
// frame in microseconds; frame_cpu_us, the process's CPU time per frame (the
// fairer figure on a shared machine); and share_<layer>, each layer's part.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <ctime>

#include "bench/cpu_lap_timer.h"
#include "bench/lap_timer.h"
#include "core/rng.h"
#include "demo/moxa7730.h"
#include "effects/raster.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe_internal.h"
#include "platform/sdldpy.h"

namespace {
constexpr int32_t kSide = 256;
constexpr size_t kBytes = static_cast<size_t>(kSide) * kSide * sizeof(uint32_t);

IMG* RandomImage() {
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    for (int32_t i = 0; i < kSide * kSide; ++i) {
        img->pixels[i] = (static_cast<uint32_t>(RNGDraw()) << 9) ^ static_cast<uint32_t>(RNGDraw());
    }
    return img;
}

void BM_RasterRatios(benchmark::State& state) {
    RNGSeed(9u);
    IMG* src = RandomImage();
    IMG* dst = RandomImage();
    RASTER* raster = RASTERNew();
    for (int32_t i = 0; i < raster->count; ++i)
        raster->colours[i] = static_cast<uint32_t>(RNGDraw()) * 511u;
    double memcpyNs = 0, columnsNs = 0, blendNs = 0, blend100Ns = 0;
    for (auto _ : state) {
        LapTimer t;
        std::memcpy(dst->pixels, src->pixels, kBytes);
        benchmark::ClobberMemory();
        memcpyNs += t.Lap();
        RASTERDrawColumns(raster, dst);
        benchmark::ClobberMemory();
        columnsNs += t.Lap();
        RASTERBlendRows(raster, dst, 128);
        benchmark::ClobberMemory();
        blendNs += t.Lap();
        RASTERBlendRows(raster, dst, 100);
        benchmark::ClobberMemory();
        blend100Ns += t.Lap();
    }
    state.counters["drawcolumns_vs_memcpy"] = columnsNs / memcpyNs;
    state.counters["blendrows_vs_memcpy"] = blendNs / memcpyNs;  // weight 128, the demo's
    state.counters["blendrows100_vs_memcpy"] = blend100Ns / memcpyNs;
    state.counters["memcpy_us"] = memcpyNs / static_cast<double>(state.iterations()) / 1000.0;
    RASTERFree(&raster);
    IMGFree(&src);
    IMGFree(&dst);
}
BENCHMARK(BM_RasterRatios)->MinTime(1.0);

// The program's objects, made once for every scene benchmark.
void StartOnce() {
    static bool started = false;
    if (!started) {
        MOXA7730StartUp();
        started = true;
    }
}

struct Scene {
    void (*setUp)();
    void (*draw)(int32_t);
    int32_t frames;
};

constexpr Scene kScenes[] = {
    {MOXA7730SetUpA, MOXA7730DrawA, SCENE_A_FRAMES},
    {MOXA7730SetUpB, MOXA7730DrawB, SCENE_B_FRAMES},
    {MOXA7730SetUpC, MOXA7730DrawC, SCENE_C_FRAMES},
    {MOXA7730SetUpD, MOXA7730DrawD, SCENE_D_FRAMES},
    {MOXA7730SetUpE, MOXA7730DrawE, SCENE_E_FRAMES},
};

double ProcessCpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

void BM_SceneFrame(benchmark::State& state, int scene) {
    StartOnce();
    const Scene& s = kScenes[scene];
    glowOn = 1;
    blurOn = 1;
    fadeOn = 1;
    s.setUp();
    enum { kScene, kPace, kOverlay, kTitle, kCompose, kMusic, kKeys, kLayers };
    double ns[kLayers] = {};
    int32_t n = s.frames;
    const double cpuStart = ProcessCpuNs();
    for (auto _ : state) {
        LapTimer t;
        s.draw(n);
        ns[kScene] += t.Lap();
        MOXA7730Pace();
        ns[kPace] += t.Lap();
        MOXA7730DrawOverlay();
        ns[kOverlay] += t.Lap();
        MOXA7730DrawTitle();
        ns[kTitle] += t.Lap();
        MOXA7730ComposeAndPresent();
        ns[kCompose] += t.Lap();
        MOXA7730MusicStep();
        ns[kMusic] += t.Lap();
        MOXA7730PollKeys();
        ns[kKeys] += t.Lap();
        if (--n == 0) n = s.frames;  // a scene's frames run down, then start again
    }
    const double cpuNs = ProcessCpuNs() - cpuStart;
    double total = 0;
    for (double v : ns) total += v;
    const auto frames = static_cast<double>(state.iterations());
    state.counters["frame_us"] = total / frames / 1000.0;
    state.counters["frame_cpu_us"] = cpuNs / frames / 1000.0;
    const char* const names[kLayers] = {"share_scene", "share_pace",    "share_overlay",
                                        "share_title", "share_compose", "share_music",
                                        "share_keys"};
    for (int i = 0; i < kLayers; ++i) state.counters[names[i]] = ns[i] / total;
    glowOn = 0;
    blurOn = 0;
}
// The compose step against a copy of the same 256 KiB (the glow image over
// the output image, both of which the step writes anyway, so the copy adds
// nothing to the working set), side by side in one loop (thread CPU time):
// compose_vs_copy is MOXA7730ComposeAndPresent with
// glow, blur and fade on, over copy_us; the same loop times the separate
// passes the step was made of (glow, blur, present, fade) as *_us. A frame
// of scene D is drawn first so that the images hold a picture.
void BM_ComposeRatios(benchmark::State& state) {
    StartOnce();
    glowOn = 1;
    blurOn = 1;
    fadeOn = 1;
    MOXA7730SetUpD();
    MOXA7730DrawD(SCENE_D_FRAMES);
    enum { kCopy, kCompose, kGlow, kBlur, kPresent, kFade, kParts };
    double ns[kParts] = {};
    for (auto _ : state) {
        CpuLapTimer t;
        std::memcpy(imgOut->pixels, imgGlow->pixels, kBytes);
        benchmark::ClobberMemory();
        ns[kCopy] += t.Lap();
        MOXA7730ComposeAndPresent();
        benchmark::ClobberMemory();
        ns[kCompose] += t.Lap();
        IMGFXGlow5(imgWork, imgGlow, 3);
        benchmark::ClobberMemory();
        ns[kGlow] += t.Lap();
        IMGFXBlur5(imgGlow, imgOut);
        benchmark::ClobberMemory();
        ns[kBlur] += t.Lap();
        SDLDPYPresent(dpy, imgOut);
        benchmark::ClobberMemory();
        ns[kPresent] += t.Lap();
        IMGSubtract(imgWork, fadeColour);
        benchmark::ClobberMemory();
        ns[kFade] += t.Lap();
    }
    const double us = 1000.0 * static_cast<double>(state.iterations());
    state.counters["compose_vs_copy"] = ns[kCompose] / ns[kCopy];
    state.counters["copy_us"] = ns[kCopy] / us;
    state.counters["compose_us"] = ns[kCompose] / us;
    state.counters["glow_us"] = ns[kGlow] / us;
    state.counters["blur_us"] = ns[kBlur] / us;
    state.counters["present_us"] = ns[kPresent] / us;
    state.counters["fade_us"] = ns[kFade] / us;
    // Which lanes the one pass took: the ratio depends on them (about 5.5
    // with AVX-512, 8.5 with AVX2 on the machine this was written on).
    state.SetLabel("one pass in " + std::to_string(IMGFXGlowBlurFadeLanes(IMGFX_PIPE_LANES_WIDEST)) +
                   " lanes");
    glowOn = 0;
    blurOn = 0;
}
BENCHMARK(BM_ComposeRatios)->MinTime(1.0);

BENCHMARK_CAPTURE(BM_SceneFrame, A_bars_and_credits, 0)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SceneFrame, B_plasma_bands, 1)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SceneFrame, C_scroller_wall, 2)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SceneFrame, D_twin_spirals, 3)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SceneFrame, E_sine_figures, 4)->MinTime(1.0);
}  // namespace
