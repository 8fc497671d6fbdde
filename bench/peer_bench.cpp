// The image module's drawing and resampling side by side with a common
// drawing and zooming add-on for SDL 1.2 (Debian's libsdl-gfx1.2-dev), on
// 256 x 256 32-bit pictures in the same run. Built only when the add-on is
// installed, and linked by this benchmark alone.
//
// BM_PeerTable/row times one pair in one loop and reports ours / theirs as
// the counter ours_vs_peer (below 1: ours is faster), with both times in
// microseconds of CPU time:
//   rotozoom      IMGRotoZoom (angle 85 of 1024)   rotozoomSurface (30 degrees, zoom 1, no smoothing)
//   scale_up      IMGScale 256 -> 512              zoomSurface (2, 2, no smoothing)
//   scale_down    IMGScale 256 -> 128              zoomSurface (0.5, 0.5, no smoothing)
//   line          IMGDrawLine, 64 lines            lineColor, the same lines
//   circle        IMGDrawCircle, 16 circles        circleColor, the same circles
//   fill_rect     IMGFillRect, 16 rectangles       boxColor, the same rectangles
// Both sides allocate what their interfaces return (the rotated image, the
// zoomed surface); IMGScale writes into an image made once.
#include <SDL.h>
#include <SDL_gfxPrimitives.h>
#include <SDL_rotozoom.h>
#include <benchmark/benchmark.h>

#include "bench/cpu_lap_timer.h"
#include "core/rng.h"
#include "image/img.h"

namespace {
constexpr int32_t kSide = 256;

struct Scene {
    IMG* img;
    IMG* big;    // 512 x 512
    IMG* small;  // 128 x 128
    SDL_Surface* surface;
    int32_t lines[64][4];
    int32_t circles[16][3];
    int32_t rects[16][4];
};

Scene MakeScene() {
    Scene s{};
    s.img = IMGNew();
    IMGSetSize(s.img, kSide, kSide);
    s.big = IMGNew();
    IMGSetSize(s.big, 2 * kSide, 2 * kSide);
    s.small = IMGNew();
    IMGSetSize(s.small, kSide / 2, kSide / 2);
    s.surface = SDL_CreateRGBSurface(SDL_SWSURFACE, kSide, kSide, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    RNGSeed(11u);
    for (int32_t i = 0; i < kSide * kSide; ++i) {
        const uint32_t p = (static_cast<uint32_t>(RNGDraw()) << 9) ^ static_cast<uint32_t>(RNGDraw());
        s.img->pixels[i] = p & 0xFFFFFF;
        static_cast<uint32_t*>(s.surface->pixels)[i] = p & 0xFFFFFF;  // pitch is 1024
    }
    for (auto& l : s.lines)
        for (int32_t& v : l) v = RNGDraw() % kSide;
    for (auto& c : s.circles) {
        c[0] = 64 + RNGDraw() % 128;
        c[1] = 64 + RNGDraw() % 128;
        c[2] = 8 + RNGDraw() % 56;
    }
    for (auto& r : s.rects) {
        r[0] = RNGDraw() % 128;
        r[1] = RNGDraw() % 128;
        r[2] = 16 + RNGDraw() % 112;
        r[3] = 16 + RNGDraw() % 112;
    }
    return s;
}

void FreeScene(Scene* s) {
    IMGFree(&s->img);
    IMGFree(&s->big);
    IMGFree(&s->small);
    SDL_FreeSurface(s->surface);
}

// One row of the table: ours, then theirs, in every iteration, so both see
// the same warm caches; the rows run as separate benchmarks so that one row's
// large pictures do not evict another's.
enum Row { kRotoZoom, kScaleUp, kScaleDown, kLine, kCircle, kFillRect };

void Ours(Scene* s, int64_t row) {
    const uint32_t colour = 0x00C08040u;
    switch (row) {
        case kRotoZoom: {
            IMG* turned = IMGRotoZoom(s->img, 85);
            IMGFree(&turned);
            break;
        }
        case kScaleUp: IMGScale(s->img, s->big); break;
        case kScaleDown: IMGScale(s->img, s->small); break;
        case kLine:
            for (const auto& l : s->lines) IMGDrawLine(s->img, l[0], l[1], l[2], l[3], colour);
            break;
        case kCircle:
            for (const auto& c : s->circles) IMGDrawCircle(s->img, c[0], c[1], c[2], colour);
            break;
        default:
            for (const auto& r : s->rects) IMGFillRect(s->img, r[0], r[1], r[2], r[3], colour);
            break;
    }
}

void Theirs(Scene* s, int64_t row) {
    const Uint32 rgba = 0xC08040FFu;
    switch (row) {
        case kRotoZoom: SDL_FreeSurface(rotozoomSurface(s->surface, 30.0, 1.0, SMOOTHING_OFF)); break;
        case kScaleUp: SDL_FreeSurface(zoomSurface(s->surface, 2.0, 2.0, SMOOTHING_OFF)); break;
        case kScaleDown: SDL_FreeSurface(zoomSurface(s->surface, 0.5, 0.5, SMOOTHING_OFF)); break;
        case kLine:
            for (const auto& l : s->lines)
                lineColor(s->surface, static_cast<Sint16>(l[0]), static_cast<Sint16>(l[1]),
                          static_cast<Sint16>(l[2]), static_cast<Sint16>(l[3]), rgba);
            break;
        case kCircle:
            for (const auto& c : s->circles)
                circleColor(s->surface, static_cast<Sint16>(c[0]), static_cast<Sint16>(c[1]),
                            static_cast<Sint16>(c[2]), rgba);
            break;
        default:
            for (const auto& r : s->rects)
                boxColor(s->surface, static_cast<Sint16>(r[0]), static_cast<Sint16>(r[1]),
                         static_cast<Sint16>(r[0] + r[2] - 1), static_cast<Sint16>(r[1] + r[3] - 1),
                         rgba);
            break;
    }
}

void BM_PeerTable(benchmark::State& state) {
    Scene s = MakeScene();
    const int64_t row = state.range(0);
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        CpuLapTimer t;
        Ours(&s, row);
        benchmark::ClobberMemory();
        ours += t.Lap();
        Theirs(&s, row);
        benchmark::ClobberMemory();
        theirs += t.Lap();
    }
    const char* names[] = {"rotozoom", "scale_up", "scale_down", "line", "circle", "fill_rect"};
    state.SetLabel(names[row]);
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_vs_peer"] = ours / theirs;
    state.counters["ours_us"] = ours / n / 1000.0;
    state.counters["peer_us"] = theirs / n / 1000.0;
    FreeScene(&s);
}
BENCHMARK(BM_PeerTable)->DenseRange(kRotoZoom, kFillRect)->MinTime(0.5);
}  // namespace
