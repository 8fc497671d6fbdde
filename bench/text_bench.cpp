// The text layer: one frame of the scroller wall, and the cursor steps.
//
// The wall is scene C's frame on a 256 x 256 image: 32 line scrollers over one
// text and the 8 x 8 line font, rows 8 apart; each row is drawn in its own
// colour (LSCROLLDrawColoured, which recolours every glyph of the font), then
// stepped twice (a sine-table sway, then 3 pixels): 32 recolourings, 1088
// characters and 64 steps. Every iteration draws the same frame: the rows'
// cursors and offsets are put back afterwards.
//
// Baselines draw the very same segments, posed in advance into one flat
// array (checked to give the same pixels as the wall):
//   FlatDrawLine - IMGDrawLine for each segment;
//   FlatPlain    - PlainLine for segments wholly inside the image and
//                  CheckedLine for the rest, with no call into the image
//                  module at all (the floor).
// BM_WallRatio times them side by side and reports wall_vs_drawline and
// wall_vs_plain (time ratios; the goal is below 2 against the flat loops), and
// uncoloured_vs_drawline: the same frame drawn with LSCROLLDraw, without the
// 32 recolourings, whose writes to every glyph point BM_Wall_Recolour
// measures alone.
//
// BM_CursorStep and BM_CursorXStep step by 1, by 1000 and by -2^31: the time
// must not depend on the step.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench/lap_timer.h"
#include "bench/plain_line.h"
#include "image/img.h"
#include "text/cursor.h"
#include "text/cursorx.h"
#include "text/lscroll.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/sine.h"
#include "vector/texts.h"

namespace {
constexpr int32_t kSide = 256;
constexpr int32_t kRows = 32;

// A scroller text in the manner of the demo's: upper-case lines, blanks and
// line feeds, a thousand characters.
constexpr char kText[] =
    "\n\n  \n  \nMOXA7730 DATE: 20120707 \nPLEASE, DON'T USE DRUGS. \n"
    "DRUGS ARE BAD FOR THE HEALTH. \nTHANKS! \nPRESS KEYS: \n5: 25 F.P.S.  \n"
    "6: FASTEST F.P.S.  \n8: FRAMES PER SECOND (F.P.S.)  \nU,I,O,P: SCROLL SPEED  \n"
    "ESC,Q: EXIT  \nSPACE: NEXT PART  \nM: FADE ON/OFF  \nB: BLURR ON/OFF  \n"
    "R: RADIALS ON/OFF  \nSAY NO TO DRUGS. \nGREETINGS TO: \nALL THE CODERS \n"
    "ALL THE MUSICIANS \nALL THE GRAPHICIANS \nEVERYONE AT THE PARTY \n... \n"
    "EVERYONE HAS THE RIGHT TO LIFE, LIBERTY AND SECURITY OF PERSON. \n"
    "WRITE TO US, WE READ EVERYTHING. \nALL RIGHTS RESERVED. \n"
    "!\"#$%&'()*+,-./0123456789 \n";

uint32_t RowColour(int32_t i) {
    return 0x00408000u + static_cast<uint32_t>(i) * 0x0000307u;
}

struct Segment {
    int32_t x1, y1, x2, y2;
    uint32_t colour;
};

struct Wall {
    IMG* img = nullptr;
    LFONT* font = nullptr;
    LSCROLL* rows[kRows] = {};
    int32_t phase = 0;
    std::vector<Segment> flat;  // the frame's segments, posed, in drawing order

    Wall() {
        img = IMGNew();
        IMGSetSize(img, kSide, kSide);
        font = LFONTNew();
        font->glyphs = OBJ2DListFromASCII(FONT8_TEXT);
        font->cellSize->x = 8;
        font->cellSize->y = 8;
        font->image = img;
        for (int32_t i = 0; i < kRows; ++i) {
            rows[i] = LSCROLLNew();
            LSCROLLSet(rows[i], kText, font, img);
            rows[i]->y = 8 * i;
            rows[i]->speed = 4;
            // Rows at different places in the text and in the cell.
            CURSORSetPosition(rows[i]->cursor, 37 * i);
            rows[i]->offset = i % 8;
        }
        phase = 136;
        Place();
    }
    ~Wall() {
        for (LSCROLL*& s : rows) LSCROLLFree(&s);
        LFONTFree(&font);
        IMGFree(&img);
    }

    // The segments a frame draws, read from the glyph lists as they stand.
    void Place() {
        for (int32_t i = 0; i < kRows; ++i) {
            const LSCROLL* s = rows[i];
            int32_t position = s->cursor->position;
            for (int32_t c = 0; c < kSide / 8 + 2; ++c) {
                const int32_t code = static_cast<int8_t>(kText[position]);
                position = (position + 1) % s->cursor->length;
                if (code < 0) continue;
                const OBJ2D* glyph = static_cast<const OBJ2D*>(LISTGet(font->glyphs, code));
                if (glyph == nullptr) continue;
                const int32_t px = s->x - s->offset + 8 * c;
                for (int32_t k = glyph->segments->count - 1; k >= 0; --k) {
                    const SEG2D* g = static_cast<const SEG2D*>(LISTGet(glyph->segments, k));
                    flat.push_back({g->start->x + px, g->start->y + s->y, g->end->x + px,
                                    g->end->y + s->y, RowColour(i)});
                }
            }
        }
    }

    // recolour false: LSCROLLDraw in the glyphs' standing colours instead, the
    // same drawing and steps without the 32 recolourings.
    void Frame(bool recolour = true) {
        int32_t positions[kRows], offsets[kRows];
        for (int32_t i = 0; i < kRows; ++i) {
            positions[i] = rows[i]->cursor->position;
            offsets[i] = rows[i]->offset;
        }
        for (int32_t i = 0; i < kRows; ++i) {
            if (recolour) {
                LSCROLLDrawColoured(rows[i], RowColour(i));
            } else {
                LSCROLLDraw(rows[i]);
            }
        }
        for (int32_t i = 0; i < kRows; ++i) {
            rows[i]->speed = (SINE_TABLE[(phase + i * 32) & SINE_MASK] * 8) >> 15;
            LSCROLLStep(rows[i]);
        }
        for (int32_t i = 0; i < kRows; ++i) {
            rows[i]->speed = 3;
            LSCROLLStep(rows[i]);
        }
        for (int32_t i = 0; i < kRows; ++i) {  // the same frame again next time
            rows[i]->cursor->position = positions[i];
            rows[i]->offset = offsets[i];
        }
    }

    void FlatDrawLine() {
        for (const Segment& g : flat) IMGDrawLine(img, g.x1, g.y1, g.x2, g.y2, g.colour);
    }

    void FlatPlain() {
        for (const Segment& g : flat) {
            if (g.x1 >= 0 && g.x1 < kSide && g.x2 >= 0 && g.x2 < kSide && g.y1 >= 0 &&
                g.y1 < kSide && g.y2 >= 0 && g.y2 < kSide) {
                PlainLine(img, g.x1, g.y1, g.x2, g.y2, g.colour);
            } else {
                (void)CheckedLine(img, Line{g.x1, g.y1, g.x2, g.y2}, g.colour, nullptr);
            }
        }
    }

    // The flat loops draw exactly the wall's pixels.
    bool Same() {
        IMGClear(img);
        Frame();
        IMG* wall = IMGClone(img);
        IMGClear(img);
        FlatDrawLine();
        const bool a = IMGEqual(wall, img);
        IMGClear(img);
        FlatPlain();
        const bool b = IMGEqual(wall, img);
        IMGFree(&wall);
        return a && b;
    }
};

void BM_Wall_Frame(benchmark::State& state) {
    Wall w;
    if (!w.Same()) state.SkipWithError("the flat segments differ from the wall");
    for (auto _ : state) {
        w.Frame();
        benchmark::ClobberMemory();
    }
    state.counters["segments"] = static_cast<double>(w.flat.size());
}
BENCHMARK(BM_Wall_Frame);

void BM_Wall_FlatDrawLine(benchmark::State& state) {
    Wall w;
    for (auto _ : state) {
        w.FlatDrawLine();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Wall_FlatDrawLine);

void BM_Wall_FlatPlain(benchmark::State& state) {
    Wall w;
    for (auto _ : state) {
        w.FlatPlain();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Wall_FlatPlain);

// Recolouring alone: the 32 LFONTSetColor calls of a frame.
void BM_Wall_Recolour(benchmark::State& state) {
    Wall w;
    for (auto _ : state) {
        for (int32_t i = 0; i < kRows; ++i) LFONTSetColor(w.font, RowColour(i));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Wall_Recolour);

void BM_WallRatio(benchmark::State& state) {
    Wall w;
    if (!w.Same()) state.SkipWithError("the flat segments differ from the wall");
    double wallNs = 0, lineNs = 0, plainNs = 0, drawNs = 0;
    LapTimer lap;
    for (auto _ : state) {
        lap.Lap();
        w.Frame();
        benchmark::ClobberMemory();
        wallNs += lap.Lap();
        w.Frame(false);
        benchmark::ClobberMemory();
        drawNs += lap.Lap();
        w.FlatDrawLine();
        benchmark::ClobberMemory();
        lineNs += lap.Lap();
        w.FlatPlain();
        benchmark::ClobberMemory();
        plainNs += lap.Lap();
    }
    state.counters["wall_vs_drawline"] = wallNs / lineNs;
    state.counters["wall_vs_plain"] = wallNs / plainNs;
    state.counters["uncoloured_vs_drawline"] = drawNs / lineNs;
}
BENCHMARK(BM_WallRatio);

void BM_CursorStep(benchmark::State& state) {
    CURSOR* c = CURSORNew();
    CURSORSet(c, kText, static_cast<int32_t>(sizeof kText - 1), 1,
              static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        CURSORStep(c);
        benchmark::DoNotOptimize(c->position);
    }
    CURSORFree(&c);
}
BENCHMARK(BM_CursorStep)->Arg(1)->Arg(1000)->Arg(INT32_MIN);

void BM_CursorXStep(benchmark::State& state) {
    CURSORX* c = CURSORXNew();
    c->step = static_cast<int32_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(CURSORXStep(c));
    CURSORXFree(&c);
}
BENCHMARK(BM_CursorXStep)->Arg(1)->Arg(1000)->Arg(INT32_MIN);
}  // namespace

namespace {
// The object library used as a line font: its glyphs hold more segments than
// the font's cache, so the later ones are drawn from the list. Every entry is
// drawn once per iteration at scale 1, angle 0; draw_us is the time of one
// glyph draw (entries without a glyph excluded).
void BM_ObjLibAsFont(benchmark::State& state) {
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    LFONT* font = LFONTNew();
    font->glyphs = OBJ2DListFromASCII(OBJLIB_TEXT);
    font->image = img;
    int32_t glyphs = 0;
    for (int32_t code = 0; code < font->glyphs->count; ++code)
        glyphs += font->glyphs->slots[code] != nullptr ? 1 : 0;
    LapTimer lap;
    double ns = 0;
    for (auto _ : state) {
        lap.Lap();
        for (int32_t code = 0; code < font->glyphs->count; ++code) {
            font->position->x = (code % 16) * 16;
            font->position->y = (code / 16) * 16;
            font->code = code;
            LFONTDrawChar(font);
        }
        benchmark::ClobberMemory();
        ns += lap.Lap();
    }
    state.counters["glyphs"] = glyphs;
    state.counters["draw_us"] = ns / static_cast<double>(state.iterations()) / glyphs / 1000.0;
    LFONTFree(&font);
    IMGFree(&img);
}
BENCHMARK(BM_ObjLibAsFont);
}  // namespace
