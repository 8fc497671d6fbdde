// One frame of each toolkit effect at its default size on a 256 x 256 image:
// the effect's move followed by its draw, as a caller runs them every frame.
// The goal is a small fraction of a 20 ms frame, under 100 us each. The image
// is cleared (untimed) every 256 frames so that grid particles, which turn
// away from lit pixels, keep meeting a mix of free and lit pixels.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/rng.h"
#include "effects/grid2d.h"
#include "effects/laser.h"
#include "effects/lframe.h"
#include "effects/lstars.h"
#include "effects/sinedots.h"
#include "effects/sineline.h"
#include "effects/spirals.h"
#include "image/img.h"
#include "text/font.h"

namespace {
constexpr int32_t kSide = 256;

IMG* Screen() {
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    return img;
}

// Runs frame() once per iteration and frees the image afterwards.
template <typename Frame>
void RunFrames(benchmark::State& state, IMG* img, Frame frame) {
    int64_t n = 0;
    for (auto _ : state) {
        frame();
        benchmark::ClobberMemory();
        if ((++n & 255) == 0) {
            state.PauseTiming();
            IMGClear(img);
            state.ResumeTiming();
        }
    }
    IMGFree(&img);
}

void BM_StarStreaksFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    LSTARS* s = LSTARSNew();
    IMG* img = Screen();
    RunFrames(state, img, [&] {
        LSTARSMove(s);
        LSTARSDrawStreaks(s, img);
    });
    LSTARSFree(&s);
}
BENCHMARK(BM_StarStreaksFrame);

// Characters from a 64-cell sheet of 8 x 8 solid glyphs: every pixel copied.
void BM_StarCharsFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    LSTARS* s = LSTARSNew();
    FONT* font = FONTNew();
    font->cellWidth = 8;
    font->cellHeight = 8;
    font->sheet = IMGNew();
    IMGSetSize(font->sheet, 64 * 8, 8);
    for (int32_t i = 0; i < 64 * 8 * 8; ++i) font->sheet->pixels[i] = 0x00FF00u;
    s->font = font;
    IMG* img = Screen();
    RunFrames(state, img, [&] {
        LSTARSMove(s);
        LSTARSDrawChars(s, img);
    });
    FONTFree(&font);
    LSTARSFree(&s);
}
BENCHMARK(BM_StarCharsFrame);

void BM_SineLineFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    SINELINE* s = SINELINENew();
    IMG* img = Screen();
    RunFrames(state, img, [&] {
        SINELINEMove(s);
        SINELINEDraw(s, img);
    });
    SINELINEFree(&s);
}
BENCHMARK(BM_SineLineFrame);

void BM_SineDotsFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    SINEDOTS* s = SINEDOTSNew();
    IMG* img = Screen();
    RunFrames(state, img, [&] {
        SINEDOTSMove(s);
        SINEDOTSDraw(s, img);
    });
    SINEDOTSFree(&s);
}
BENCHMARK(BM_SineDotsFrame);

void BM_SpiralsFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    SPIRALS* s = SPIRALSNew();
    IMG* img = Screen();
    s->image = img;
    RunFrames(state, img, [&] {
        SPIRALSMove(s);
        SPIRALSDraw(s);
    });
    SPIRALSFree(&s);
}
BENCHMARK(BM_SpiralsFrame);

void BM_LaserBounceFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    LASER* laser = LASERNew();
    IMG* img = Screen();
    LASERSet(laser, img);
    RunFrames(state, img, [&] {
        LASERBounce(laser);
        LASERDraw(laser);
    });
    LASERFree(&laser);
}
BENCHMARK(BM_LaserBounceFrame);

void BM_LaserWanderFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    LASER* laser = LASERNew();
    IMG* img = Screen();
    LASERSet(laser, img);
    RunFrames(state, img, [&] {
        LASERWander(laser);
        LASERDrawRandom(laser);
    });
    LASERFree(&laser);
}
BENCHMARK(BM_LaserWanderFrame);

void BM_Grid2dFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    GRID2D* grid = GRID2DNew();
    IMG* img = Screen();
    RunFrames(state, img, [&] {
        GRID2DDraw(grid, img);
        GRID2DMove(grid);
    });
    GRID2DFree(&grid);
}
BENCHMARK(BM_Grid2dFrame);

void BM_LFrameFrame(benchmark::State& state) {
    RNGSeed(RNG_DEMO_SEED);
    LFRAME* frame = LFRAMENew();
    IMG* img = Screen();
    RunFrames(state, img, [&] {
        LFRAMEMove(frame);
        LFRAMEDraw(frame, img);
    });
    LFRAMEFree(&frame);
}
BENCHMARK(BM_LFrameFrame);
}  // namespace
