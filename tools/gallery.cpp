// gallery.cpp: runs each toolkit effect for a few hundred frames on a 256 x 256
// image with fading trails, from a fixed seed, and writes a contact sheet: one
// row per effect, a few of its frames side by side, so that a toolkit user can
// see what each effect looks like and pick one.
//
//     gallery OUT.png [--frames N] [--all DIR]
//
// --frames N   frames per effect (default 300); the sheet shows frames N/8,
//              N/4, N/2 and N
// --all DIR    also writes every frame as DIR/<effect>-NNNN.png
//
// Every frame fades the image (each channel minus 6, floored at 0), then moves
// and draws the effect at its defaults, exactly as a caller would. Labels are
// written with the 8 x 8 line font.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/rng.h"
#include "effects/grid2d.h"
#include "effects/laser.h"
#include "effects/lframe.h"
#include "effects/lstars.h"
#include "effects/sinedots.h"
#include "effects/sineline.h"
#include "effects/spirals.h"
#include "image/img.h"
#include "platform/capture/capture.h"
#include "text/font.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/texts.h"

namespace {

constexpr int32_t kSide = 256;           // the effect's image
constexpr int32_t kShots = 4;            // frames shown per effect
constexpr int32_t kGap = 12;             // between tiles
constexpr int32_t kLabelH = 20;          // label line above each row
constexpr uint32_t kFade = 0x060606u;    // per frame: long, visible trails
constexpr uint32_t kLabel = 0xC0C8D0u;
constexpr uint32_t kTileEdge = 0x303030u;

// The effects, each as a caller drives it: made once, then one step a frame.
enum Kind { kStreaks, kStarChars, kSineLine, kSineDots, kSpirals, kLaser, kLaserWander, kGrid2d, kLFrame, kKinds };

struct Entry {
    const char* name;     // label and file name
    const char* caption;  // what to look for
};

constexpr Entry kEntries[kKinds] = {
    {"lstars", "16 stars falling as streaks"},
    {"lstars-chars", "the stars as characters chosen by their rows"},
    {"sineline", "a red ribbon snaking on three sines"},
    {"sinedots", "the same motion as 16 dots"},
    {"spirals", "16 particles drifting out on spirals"},
    {"laser", "a beam whose end bounces round the edges (lightened)"},
    {"laser-wander", "the beam wandering, random colours"},
    {"grid2d", "16 particles settling: each turns away from lit pixels"},
    {"lframe", "a line whose ends run round the border"},
};

struct Live {
    LSTARS* stars = nullptr;
    FONT* glyphs = nullptr;  // the character stars' bitmap font
    SINELINE* line = nullptr;
    SINEDOTS* dots = nullptr;
    SPIRALS* spirals = nullptr;
    LASER* laser = nullptr;
    GRID2D* grid = nullptr;
    LFRAME* frame = nullptr;
};

// A bitmap font of 64 cells of 8 x 8, drawn from the line font's codes 32 ..
// 95 (digits, capitals, punctuation), so that the stars' codes 0 .. 63 show.
FONT* GlyphFont() {
    FONT* font = FONTNew();
    LFONT* pen = LFONTNew();
    pen->glyphs = OBJ2DListFromASCII(FONT8_TEXT);
    pen->cellSize->x = 8;
    pen->cellSize->y = 8;
    LFONTSetColor(pen, 0x60FF90u);
    font->cellWidth = 8;
    font->cellHeight = 8;
    font->sheet = IMGNew();
    IMGSetSize(font->sheet, 64 * 8, 8);
    pen->image = font->sheet;
    for (int32_t c = 0; c < 64; ++c) {
        pen->code = 32 + c;
        LFONTDrawChar(pen);
    }
    LFONTFree(&pen);
    return font;
}

void Start(Kind kind, Live* live, IMG* img) {
    switch (kind) {
        case kStreaks: live->stars = LSTARSNew(); break;
        case kStarChars:
            live->stars = LSTARSNew();
            live->glyphs = GlyphFont();
            live->stars->font = live->glyphs;
            break;
        case kSineLine: live->line = SINELINENew(); break;
        case kSineDots: live->dots = SINEDOTSNew(); break;
        case kSpirals:
            live->spirals = SPIRALSNew();
            live->spirals->image = img;
            break;
        case kLaser:
        case kLaserWander:
            live->laser = LASERNew();
            LASERSet(live->laser, img);
            // A 15-bit draw gives no red and at most half green: often too dark
            // to see on a sheet, so the bouncing beam is lightened here.
            if (kind == kLaser) live->laser->colour |= 0x606060u;
            break;
        case kGrid2d: live->grid = GRID2DNew(); break;
        case kLFrame: live->frame = LFRAMENew(); break;
        case kKinds: break;
    }
}

void Step(Kind kind, Live* live, IMG* img) {
    switch (kind) {
        case kStreaks:
            LSTARSMove(live->stars);
            LSTARSDrawStreaks(live->stars, img);
            break;
        case kStarChars:
            LSTARSMove(live->stars);
            LSTARSDrawChars(live->stars, img);
            break;
        case kSineLine:
            SINELINEMove(live->line);
            SINELINEDraw(live->line, img);
            break;
        case kSineDots:
            SINEDOTSMove(live->dots);
            SINEDOTSDraw(live->dots, img);
            break;
        case kSpirals:
            SPIRALSMove(live->spirals);
            SPIRALSDraw(live->spirals);
            break;
        case kLaser:
            LASERBounce(live->laser);
            LASERDraw(live->laser);
            break;
        case kLaserWander:
            LASERWander(live->laser);
            LASERDrawRandom(live->laser);
            break;
        case kGrid2d:  // the draw gives the grid its obstacle map
            GRID2DDraw(live->grid, img);
            GRID2DMove(live->grid);
            break;
        case kLFrame:
            LFRAMEMove(live->frame);
            LFRAMEDraw(live->frame, img);
            break;
        case kKinds: break;
    }
}

void Stop(Live* live) {
    if (live->stars != nullptr) LSTARSFree(&live->stars);
    if (live->glyphs != nullptr) FONTFree(&live->glyphs);
    if (live->line != nullptr) SINELINEFree(&live->line);
    if (live->dots != nullptr) SINEDOTSFree(&live->dots);
    if (live->spirals != nullptr) SPIRALSFree(&live->spirals);
    if (live->laser != nullptr) LASERFree(&live->laser);
    if (live->grid != nullptr) GRID2DFree(&live->grid);
    if (live->frame != nullptr) LFRAMEFree(&live->frame);
}

void Write(LFONT* font, IMG* sheet, int32_t x, int32_t y, const std::string& text) {
    font->image = sheet;
    font->position->x = x;
    font->position->y = y;
    LFONTDrawString(font, text.c_str());
}

void Frame(IMG* sheet, int32_t x, int32_t y) {
    for (int32_t i = -1; i <= kSide; ++i) {
        IMGSetPixel(sheet, x + i, y - 1, kTileEdge);
        IMGSetPixel(sheet, x + i, y + kSide, kTileEdge);
        IMGSetPixel(sheet, x - 1, y + i, kTileEdge);
        IMGSetPixel(sheet, x + kSide, y + i, kTileEdge);
    }
}

bool Save(const IMG* img, const std::string& path) {
    if (CAPTUREWritePNG(path.c_str(), img->pixels, img->width, img->height)) return true;
    std::fprintf(stderr, "gallery: could not write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const char* out = nullptr;
    const char* allDir = nullptr;
    int32_t frames = 300;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            frames = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--all") == 0 && i + 1 < argc) {
            allDir = argv[++i];
        } else if (out == nullptr && argv[i][0] != '-') {
            out = argv[i];
        } else {
            out = nullptr;
            break;
        }
    }
    if (out == nullptr || frames < 8 || frames > 100000) {
        std::fprintf(stderr, "usage: %s OUT.png [--frames N (8 .. 100000)] [--all DIR]\n", argv[0]);
        return 2;
    }

    const int32_t shots[kShots] = {frames / 8, frames / 4, frames / 2, frames};
    const int32_t rowH = kLabelH + kSide + kGap;
    IMG* sheet = IMGNew();
    IMGSetSize(sheet, kGap + kShots * (kSide + kGap), kGap + kKinds * rowH);
    LFONT* font = LFONTNew();
    font->glyphs = OBJ2DListFromASCII(FONT8_TEXT);
    font->cellSize->x = 8;
    font->cellSize->y = 8;
    LFONTSetColor(font, kLabel);
    IMG* img = IMGNew();
    IMGSetSize(img, kSide, kSide);
    if (sheet->pixels == nullptr || font->glyphs == nullptr || img->pixels == nullptr) {
        std::fprintf(stderr, "gallery: out of memory\n");
        return 1;
    }

    bool ok = true;
    for (int32_t k = 0; k < kKinds; ++k) {
        const Kind kind = static_cast<Kind>(k);
        const int32_t y = kGap + k * rowH;
        Write(font, sheet, kGap, y + 4, std::string(kEntries[k].name) + ": " + kEntries[k].caption);
        RNGSeed(RNG_DEMO_SEED);
        IMGClear(img);
        Live live;
        Start(kind, &live, img);
        int32_t shot = 0;
        for (int32_t f = 1; f <= frames; ++f) {
            IMGSubtract(img, kFade);
            Step(kind, &live, img);
            if (allDir != nullptr) {
                char name[64];
                std::snprintf(name, sizeof name, "/%s-%04d.png", kEntries[k].name, static_cast<int>(f));
                ok = Save(img, std::string(allDir) + name) && ok;
            }
            if (shot < kShots && f == shots[shot]) {
                const int32_t x = kGap + shot * (kSide + kGap);
                IMGBlitOpaque(img, sheet, 0, 0, x, y + kLabelH, kSide, kSide);
                Frame(sheet, x, y + kLabelH);
                Write(font, sheet, x + 4, y + kLabelH + kSide - 12, "frame " + std::to_string(f));
                ++shot;
            }
        }
        Stop(&live);
    }
    ok = Save(sheet, out) && ok;
    IMGFree(&img);
    LFONTFree(&font);
    IMGFree(&sheet);
    return ok ? 0 : 1;
}
