// Parsing the three compiled-in texts, and writing one screen of the 8 x 8
// line font.
//
// BM_Parse*: OBJ2DListFromASCII of the whole text plus OBJ2DListFree of the
// result, per iteration; bytes are the text's length.
//
// The screen: 32 rows of 34 characters (printable codes 33 .. 126 in turn),
// the pen starting 8 pixels left of the image, as a scroller's row does, so
// characters are cut at both side edges. BM_FontScreen_LFONT writes it with
// LFONTDrawString, row by row. Two baselines draw the same glyph segments
// with a plain line loop:
//   PlainSegments  - posed in advance into one packed array, unchecked, and
//                    only the segments wholly inside the image (the floor);
//   PlainFromLists - read at draw time through the same glyph lists, segment
//                    and endpoint records as the font reads them, unchecked
//                    inside the image and tested point by point elsewhere.
// BM_FontScreenRatio reports screen_vs_packed and screen_vs_lists (time ratios).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "bench/plain_line.h"
#include "image/img.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/texts.h"

namespace {
constexpr int32_t kSide = 256;
constexpr int32_t kRows = 32;
constexpr int32_t kColumns = 34;
constexpr int32_t kLeft = -8;

void BenchParse(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        LIST* list = OBJ2DListFromASCII(text);
        benchmark::DoNotOptimize(list);
        OBJ2DListFree(&list);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::strlen(text)));
}

void BM_ParseFont8(benchmark::State& state) { BenchParse(state, FONT8_TEXT); }
BENCHMARK(BM_ParseFont8);
void BM_ParseFont16(benchmark::State& state) { BenchParse(state, FONT16_TEXT); }
BENCHMARK(BM_ParseFont16);
void BM_ParseObjLib(benchmark::State& state) { BenchParse(state, OBJLIB_TEXT); }
BENCHMARK(BM_ParseObjLib);

struct Segment {
    int32_t x1, y1, x2, y2;
    uint32_t colour;
};

struct Screen {
    IMG* img;
    LFONT* font;
    char rows[kRows][kColumns + 1];
    std::vector<Segment> inside;  // the posed segments wholly inside the image
};

bool Inside(int32_t x, int32_t y) { return x >= 0 && x < kSide && y >= 0 && y < kSide; }

Screen MakeScreen() {
    Screen s{};
    s.img = IMGNew();
    IMGSetSize(s.img, kSide, kSide);
    s.font = LFONTNew();
    s.font->glyphs = OBJ2DListFromASCII(FONT8_TEXT);
    s.font->cellSize->x = 8;
    s.font->cellSize->y = 8;
    s.font->image = s.img;
    for (int32_t r = 0; r < kRows; ++r) {
        for (int32_t c = 0; c < kColumns; ++c) {
            const int32_t code = 33 + (r * kColumns + c) % 94;
            s.rows[r][c] = static_cast<char>(code);
            const OBJ2D* glyph = static_cast<const OBJ2D*>(LISTGet(s.font->glyphs, code));
            for (int32_t i = 0; i < glyph->segments->count; ++i) {
                const SEG2D* g = static_cast<const SEG2D*>(LISTGet(glyph->segments, i));
                const Segment seg{g->start->x + kLeft + 8 * c, g->start->y + 8 * r,
                                  g->end->x + kLeft + 8 * c, g->end->y + 8 * r,
                                  g->start->colour};
                if (Inside(seg.x1, seg.y1) && Inside(seg.x2, seg.y2)) s.inside.push_back(seg);
            }
        }
        s.rows[r][kColumns] = '\0';
    }
    return s;
}

void FreeScreen(Screen* s) {
    LFONTFree(&s->font);
    IMGFree(&s->img);
}

void DrawWithFont(Screen* s) {
    for (int32_t r = 0; r < kRows; ++r) {
        s->font->position->x = kLeft;
        s->font->position->y = 8 * r;
        LFONTDrawString(s->font, s->rows[r]);
    }
}

void DrawPlain(Screen* s) {
    for (const Segment& g : s->inside) PlainLine(s->img, g.x1, g.y1, g.x2, g.y2, g.colour);
}

void DrawFromLists(Screen* s) {
    const LIST* glyphs = s->font->glyphs;
    for (int32_t r = 0; r < kRows; ++r) {
        const int32_t y = 8 * r;
        for (int32_t c = 0; c < kColumns; ++c) {
            const int32_t x = kLeft + 8 * c;
            const OBJ2D* glyph =
                static_cast<const OBJ2D*>(glyphs->slots[static_cast<unsigned char>(s->rows[r][c])]);
            for (int32_t i = glyph->segments->count - 1; i >= 0; --i) {
                const SEG2D* g = static_cast<const SEG2D*>(glyph->segments->slots[i]);
                const int32_t x1 = g->start->x + x;
                const int32_t y1 = g->start->y + y;
                const int32_t x2 = g->end->x + x;
                const int32_t y2 = g->end->y + y;
                if (Inside(x1, y1) && Inside(x2, y2)) {
                    PlainLine(s->img, x1, y1, x2, y2, g->start->colour);
                } else {
                    (void)CheckedLine(s->img, Line{x1, y1, x2, y2}, g->start->colour, nullptr);
                }
            }
        }
    }
}

void BM_FontScreen_LFONT(benchmark::State& state) {
    Screen s = MakeScreen();
    for (auto _ : state) {
        DrawWithFont(&s);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);  // characters
    FreeScreen(&s);
}
BENCHMARK(BM_FontScreen_LFONT);

void BM_FontScreen_PlainSegments(benchmark::State& state) {
    Screen s = MakeScreen();
    for (auto _ : state) {
        DrawPlain(&s);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
    state.counters["segments"] = static_cast<double>(s.inside.size());
    FreeScreen(&s);
}
BENCHMARK(BM_FontScreen_PlainSegments);

void BM_FontScreen_PlainFromLists(benchmark::State& state) {
    Screen s = MakeScreen();
    for (auto _ : state) {
        DrawFromLists(&s);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
    FreeScreen(&s);
}
BENCHMARK(BM_FontScreen_PlainFromLists);

void BM_FontScreenRatio(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Screen s = MakeScreen();
    double fontNs = 0, packedNs = 0, listsNs = 0;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        DrawWithFont(&s);
        benchmark::ClobberMemory();
        const Clock::time_point t1 = Clock::now();
        DrawPlain(&s);
        benchmark::ClobberMemory();
        const Clock::time_point t2 = Clock::now();
        DrawFromLists(&s);
        benchmark::ClobberMemory();
        const Clock::time_point t3 = Clock::now();
        fontNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
        packedNs += std::chrono::duration<double, std::nano>(t2 - t1).count();
        listsNs += std::chrono::duration<double, std::nano>(t3 - t2).count();
    }
    state.counters["screen_vs_packed"] = fontNs / packedNs;
    state.counters["screen_vs_lists"] = fontNs / listsNs;
    FreeScreen(&s);
}
BENCHMARK(BM_FontScreenRatio);
}  // namespace
