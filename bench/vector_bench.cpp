// Line drawing throughput on a 256 x 256 image.
//
// Baselines written here:
//   PlainLine   - the same walk with no rejection and no bounds tests (valid
//                 only for lines wholly inside the image): the floor;
//   CheckedLine - the same walk testing every point against the image, as a
//                 walk without clipping must.
// Workloads:
//   short  - 4096 glyph-sized lines (deltas up to 7) inside the image;
//   long   - 1024 lines with ends in -384 .. 639, partly outside. The plain
//            baseline draws, for each, the line between the first and the last
//            visible point of the walk (the same visible pixel count).
// BM_LineRatios times IMGDrawLine and the plain loop side by side and reports
// short_vs_plain and long_vs_plain (time ratios; the goal is below 2).
// Items are points written.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bench/lap_timer.h"
#include "bench/plain_line.h"
#include "image/img.h"

namespace {
constexpr int32_t kSide = 256;

struct Workload {
    IMG* img;
    std::vector<Line> shortLines;
    std::vector<Line> longLines;
    std::vector<Line> longVisible;  // first to last visible point of each long line
    int64_t shortPoints = 0;
    int64_t longPoints = 0;
    int64_t longVisiblePoints = 0;  // as the plain loop draws them
};

int64_t PointsOf(const Line& l) {
    const int32_t dx = l.x2 > l.x1 ? l.x2 - l.x1 : l.x1 - l.x2;
    const int32_t dy = l.y2 > l.y1 ? l.y2 - l.y1 : l.y1 - l.y2;
    return (dx > dy ? dx : dy) + 1;
}

Workload MakeWorkload() {
    Workload w;
    w.img = IMGNew();
    IMGSetSize(w.img, kSide, kSide);
    std::mt19937 rng(4242u);
    std::uniform_int_distribution<int32_t> inside(0, kSide - 1);
    std::uniform_int_distribution<int32_t> delta(-7, 7);
    while (w.shortLines.size() < 4096) {
        Line l{inside(rng), inside(rng), 0, 0};
        l.x2 = l.x1 + delta(rng);
        l.y2 = l.y1 + delta(rng);
        if (l.x2 < 0 || l.x2 >= kSide || l.y2 < 0 || l.y2 >= kSide) continue;
        w.shortLines.push_back(l);
        w.shortPoints += PointsOf(l);
    }
    std::uniform_int_distribution<int32_t> wide(-384, 639);
    while (w.longLines.size() < 1024) {
        const Line l{wide(rng), wide(rng), wide(rng), wide(rng)};
        Line seen{};
        const int64_t n = CheckedLine(w.img, l, 1u, &seen);
        const bool oneEndOut = l.x1 < 0 || l.x1 >= kSide || l.y1 < 0 || l.y1 >= kSide ||
                               l.x2 < 0 || l.x2 >= kSide || l.y2 < 0 || l.y2 >= kSide;
        if (n < 16 || !oneEndOut) continue;
        w.longLines.push_back(l);
        w.longVisible.push_back(seen);
        w.longPoints += n;
        w.longVisiblePoints += PointsOf(seen);
    }
    return w;
}

void BM_ShortLines_IMGDrawLine(benchmark::State& state) {
    Workload w = MakeWorkload();
    uint32_t colour = 1;
    for (auto _ : state) {
        for (const Line& l : w.shortLines) IMGDrawLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        ++colour;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w.shortPoints);
    IMGFree(&w.img);
}
BENCHMARK(BM_ShortLines_IMGDrawLine);

void BM_ShortLines_Plain(benchmark::State& state) {
    Workload w = MakeWorkload();
    uint32_t colour = 1;
    for (auto _ : state) {
        for (const Line& l : w.shortLines) PlainLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        ++colour;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w.shortPoints);
    IMGFree(&w.img);
}
BENCHMARK(BM_ShortLines_Plain);

void BM_ShortLines_Checked(benchmark::State& state) {
    Workload w = MakeWorkload();
    uint32_t colour = 1;
    for (auto _ : state) {
        for (const Line& l : w.shortLines) (void)CheckedLine(w.img, l, colour, nullptr);
        ++colour;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w.shortPoints);
    IMGFree(&w.img);
}
BENCHMARK(BM_ShortLines_Checked);

void BM_LongClipped_IMGDrawLine(benchmark::State& state) {
    Workload w = MakeWorkload();
    uint32_t colour = 1;
    for (auto _ : state) {
        for (const Line& l : w.longLines) IMGDrawLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        ++colour;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w.longPoints);
    IMGFree(&w.img);
}
BENCHMARK(BM_LongClipped_IMGDrawLine);

void BM_LongClipped_PlainVisiblePart(benchmark::State& state) {
    Workload w = MakeWorkload();
    uint32_t colour = 1;
    for (auto _ : state) {
        for (const Line& l : w.longVisible) PlainLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        ++colour;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w.longVisiblePoints);
    IMGFree(&w.img);
}
BENCHMARK(BM_LongClipped_PlainVisiblePart);

void BM_LongClipped_Checked(benchmark::State& state) {
    Workload w = MakeWorkload();
    uint32_t colour = 1;
    for (auto _ : state) {
        for (const Line& l : w.longLines) (void)CheckedLine(w.img, l, colour, nullptr);
        ++colour;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w.longPoints);
    IMGFree(&w.img);
}
BENCHMARK(BM_LongClipped_Checked);

void BM_LineRatios(benchmark::State& state) {
    Workload w = MakeWorkload();
    double shortNs = 0, shortPlainNs = 0, longNs = 0, longPlainNs = 0;
    uint32_t colour = 1;
    for (auto _ : state) {
        LapTimer t;
        for (const Line& l : w.shortLines) IMGDrawLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        benchmark::ClobberMemory();
        shortNs += t.Lap();
        for (const Line& l : w.shortLines) PlainLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        benchmark::ClobberMemory();
        shortPlainNs += t.Lap();
        for (const Line& l : w.longLines) IMGDrawLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        benchmark::ClobberMemory();
        longNs += t.Lap();
        for (const Line& l : w.longVisible) PlainLine(w.img, l.x1, l.y1, l.x2, l.y2, colour);
        benchmark::ClobberMemory();
        longPlainNs += t.Lap();
        ++colour;
    }
    state.counters["short_vs_plain"] = shortNs / shortPlainNs;
    // Per point, since the two long workloads differ slightly in point count.
    state.counters["long_vs_plain"] = (longNs / static_cast<double>(w.longPoints)) /
                                      (longPlainNs / static_cast<double>(w.longVisiblePoints));
    IMGFree(&w.img);
}
BENCHMARK(BM_LineRatios);
}  // namespace
