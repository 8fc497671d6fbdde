// web_frame_bench: the frame loop of BM_SceneFrame (a scene's drawing, then
// every common layer from the pacing to the key poll, glow and blur on) and
// the two five-tap filters and the compose's one pass, timed with a plain loop so that the same source
// runs natively and in WebAssembly under node, where Google Benchmark is not
// at hand. tools/bench_web.sh builds it three ways and puts the figures side
// by side.
//
// Prints one line per row, "NAME MICROSECONDS": the mean CPU time of the
// process for one frame (or one filter pass over 256 x 256) in the fastest of
// ROUNDS rounds. CPU time and the fastest round are the fairer figures on a
// shared machine, as BM_SceneFrame's frame_cpu_us is; under node the CPU time
// is node's (process.cpuUsage), its compiler threads included, which are idle
// once the warm-up has run. Every round of a scene runs the same frames: the
// scene is set up afresh, a few frames run untimed, then the timed ones.
//
// usage: web_frame_bench [ROUNDS]   (default 15)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
// node's CPU time, user and system, in microseconds.
EM_JS(double, NodeCpuUs, (), {
    const used = process.cpuUsage();
    return used.user + used.system;
});
#endif

#include "core/rng.h"
#include "demo/moxa7730.h"
#include "image/img.h"
#include "image/imgfx.h"
#include "image/imgfx_pipe.h"

namespace {
constexpr int32_t kSide = 256;
constexpr int32_t kMaxRounds = 101;
constexpr int32_t kWarmFrames = 10;
constexpr int32_t kSettleFrames = 100;
constexpr int32_t kFramesPerRound = 50;
constexpr int32_t kPassesPerRound = 100;

double CpuUs() {
#ifdef __EMSCRIPTEN__
    return NodeCpuUs();
#else
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
#endif
}

double Fastest(const double* v, int32_t n) {
    return *std::min_element(v, v + n);
}

// A 256 x 256 image of random pixels, top bytes included (as imgfx_bench's).
IMG* RandomImage(uint32_t seed) {
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    RNGSeed(seed);
    for (int32_t i = 0; i < kSide * kSide; ++i) {
        img->pixels[i] = (static_cast<uint32_t>(RNGDraw()) << 17) ^
                         (static_cast<uint32_t>(RNGDraw()) << 2) ^ static_cast<uint32_t>(RNGDraw());
    }
    return img;
}

struct Scene {
    const char* name;
    void (*setUp)();
    void (*draw)(int32_t);
    int32_t frames;
};

constexpr Scene kScenes[] = {
    {"A", MOXA7730SetUpA, MOXA7730DrawA, SCENE_A_FRAMES},
    {"B", MOXA7730SetUpB, MOXA7730DrawB, SCENE_B_FRAMES},
    {"C", MOXA7730SetUpC, MOXA7730DrawC, SCENE_C_FRAMES},
    {"D", MOXA7730SetUpD, MOXA7730DrawD, SCENE_D_FRAMES},
    {"E", MOXA7730SetUpE, MOXA7730DrawE, SCENE_E_FRAMES},
};

// One frame as the demo runs it; n counts the scene's frames down.
void Frame(const Scene& s, int32_t* n) {
    s.draw(*n);
    MOXA7730CommonLayers();
    if (--*n == 0) *n = s.frames;
}

void BenchScene(const Scene& s, int32_t rounds) {
    glowOn = 1;
    blurOn = 1;
    fadeOn = 1;
    double us[kMaxRounds];
    for (int32_t r = 0; r < rounds; ++r) {
        s.setUp();
        int32_t n = s.frames;
        for (int32_t i = 0; i < kWarmFrames; ++i) Frame(s, &n);
        const double start = CpuUs();
        for (int32_t i = 0; i < kFramesPerRound; ++i) Frame(s, &n);
        us[r] = (CpuUs() - start) / kFramesPerRound;
    }
    std::printf("scene_%s %.1f\n", s.name, Fastest(us, rounds));
}

void BenchFilters(int32_t rounds) {
    IMG* src = RandomImage(3);
    IMG* dst = RandomImage(4);
    IMG* out = RandomImage(5);
    double glow[kMaxRounds];
    double blur[kMaxRounds];
    double pass[kMaxRounds];
    for (int32_t r = 0; r < rounds; ++r) {
        double start = CpuUs();
        for (int32_t i = 0; i < kPassesPerRound; ++i) IMGFXGlow5(src, dst, 3);
        glow[r] = (CpuUs() - start) / kPassesPerRound;
        start = CpuUs();
        for (int32_t i = 0; i < kPassesPerRound; ++i) IMGFXBlur5(src, dst);
        blur[r] = (CpuUs() - start) / kPassesPerRound;
        start = CpuUs();  // the compose's one pass; the fade keeps src from going black
        for (int32_t i = 0; i < kPassesPerRound; ++i) IMGFXGlowBlurFade(src, out, dst, 3, 0);
        pass[r] = (CpuUs() - start) / kPassesPerRound;
    }
    // A result that depends on every pass, so that none is optimised away.
    std::printf("# check %08x\n", static_cast<unsigned>(dst->pixels[kSide * kSide / 2 + 7]));
    std::printf("IMGFXGlow5 %.1f\n", Fastest(glow, rounds));
    std::printf("IMGFXBlur5 %.1f\n", Fastest(blur, rounds));
    std::printf("IMGFXGlowBlurFade %.1f\n", Fastest(pass, rounds));
    IMGFree(&src);
    IMGFree(&dst);
    IMGFree(&out);
}
}  // namespace

int main(int argc, char** argv) {
    const int32_t rounds = argc > 1 ? static_cast<int32_t>(std::atoi(argv[1])) : 15;
    if (rounds < 1 || rounds > kMaxRounds) {
        std::fprintf(stderr, "usage: web_frame_bench [ROUNDS]   (1 to %d rounds)\n", kMaxRounds);
        return 2;
    }
    BenchFilters(rounds);
    MOXA7730StartUp();
    // Every scene once, untimed, before any is timed: under node the engine
    // compiles the hot functions again, optimised, on threads of its own
    // whose CPU time the process's clock counts, and without this they were
    // still at it during the first scene's rounds (scene A at twice its time
    // in some runs).
    for (const Scene& s : kScenes) {
        s.setUp();
        int32_t n = s.frames;
        for (int32_t i = 0; i < kSettleFrames; ++i) Frame(s, &n);
    }
    for (const Scene& s : kScenes) BenchScene(s, rounds);
    return 0;
}
