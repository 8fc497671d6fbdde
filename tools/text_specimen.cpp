// text_specimen.cpp: the text layer and the polar figure on one PNG sheet, for
// checking them by eye.
//
//     text_specimen OUT.png
//
// Everything goes through the toolkit's own operations:
//   - a bitmap-font page: a glyph sheet made here from the 8 x 8 line font
//     (codes 0-127, 16 per row), written with FONTDrawText, the hex writers,
//     FONTDrawCharAdd and FONTDrawBig (a big "A" of small "+" glyphs); x2;
//   - the scroller wall as scene C draws it: 32 line scrollers over one text,
//     each row in its palette colour through LSCROLLDrawColoured, after some
//     frames of the scene's two steps per row, so the rows stand a few
//     steps apart; x2;
//   - six polar sine figures after CSINERandomize (centred, base radius 128
//     as the demo sets it), updated once: drawn open in the top row and as
//     rays from the centre in the bottom row.
// Headings are written with the 8 x 8 line font.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/rng.h"
#include "image/img.h"
#include "text/font.h"
#include "text/lscroll.h"
#include "tools/png_write.h"
#include "vector/csine.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/sine.h"
#include "vector/texts.h"

namespace {
constexpr int32_t kSide = 256;
constexpr int32_t kMargin = 16;
constexpr int32_t kHeadingH = 28;
constexpr int32_t kSheetW = 2 * kMargin + 6 * kSide + 5 * 8;
constexpr int32_t kSheetH = 3 * kMargin + 2 * kHeadingH + 2 * kSide + 2 * kSide + 8 + kHeadingH;
constexpr uint32_t kHeading = 0xFFD070;

constexpr char kScrollText[] =
    "MOXA7730 SCROLLER WALL. PLEASE, DON'T USE DRUGS. \nTHANKS! \n"
    "PRESS KEYS: 5: 25 F.P.S.  6: FASTEST F.P.S.  U,I,O,P: SCROLL SPEED  \n"
    "SPACE: NEXT PART  M: FADE ON/OFF  B: BLURR ON/OFF  R: RADIALS ON/OFF  \n"
    "THE LAST CHARACTER IS FOLLOWED BY THE FIRST: !\"#$%&'()*+,-./0123456789 \n";

struct Sheet {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(static_cast<size_t>(kSheetW) * kSheetH, 0);
    void Put(int32_t x, int32_t y, uint32_t c) {
        if (x >= 0 && x < kSheetW && y >= 0 && y < kSheetH)
            pixels[static_cast<size_t>(y) * kSheetW + x] = c;
    }
    // The image at (x, y), each pixel as a mag x mag block, with a frame.
    void Paste(const IMG* img, int32_t x, int32_t y, int32_t mag) {
        for (int32_t sy = 0; sy < img->height; ++sy) {
            for (int32_t sx = 0; sx < img->width; ++sx) {
                const uint32_t c = IMGGetPixel(img, sx, sy);
                for (int32_t d = 0; d < mag * mag; ++d)
                    Put(x + sx * mag + d % mag, y + sy * mag + d / mag, c);
            }
        }
        for (int32_t i = -1; i <= img->width * mag; ++i) {
            Put(x + i, y - 1, 0x303030);
            Put(x + i, y + img->height * mag, 0x303030);
        }
        for (int32_t i = -1; i <= img->height * mag; ++i) {
            Put(x - 1, y + i, 0x303030);
            Put(x + img->width * mag, y + i, 0x303030);
        }
    }
};

IMG* NewImage(int32_t w, int32_t h) {
    IMG* img = IMGNew();
    IMGSetSize(img, w, h);
    return img;
}

LFONT* LineFont8() {
    LFONT* font = LFONTNew();
    font->glyphs = OBJ2DListFromASCII(FONT8_TEXT);
    font->cellSize->x = 8;
    font->cellSize->y = 8;
    return font;
}

void Heading(LFONT* font, Sheet* sheet, int32_t x, int32_t y, const char* text) {
    IMG* img = NewImage(kSheetW / 2, 10);
    font->image = img;
    font->scale->x = font->scale->y = 1;
    font->position->x = 0;
    font->position->y = 0;
    LFONTSetColor(font, kHeading);
    LFONTDrawString(font, text);
    for (int32_t sy = 0; sy < img->height; ++sy) {
        for (int32_t sx = 0; sx < img->width; ++sx) {
            const uint32_t c = IMGGetPixel(img, sx, sy);
            if (c != 0) {
                for (int32_t d = 0; d < 4; ++d)
                    sheet->Put(x + 2 * sx + d % 2, y + 2 * sy + d / 2, c);
            }
        }
    }
    font->image = nullptr;
    IMGFree(&img);
}

// A bitmap glyph sheet of codes 0-127 (16 per row, 8 x 8 cells) drawn with the
// line font in one colour.
IMG* GlyphSheet(LFONT* line, uint32_t colour) {
    IMG* sheet = NewImage(128, 64);
    line->image = sheet;
    line->scale->x = line->scale->y = 1;
    LFONTSetColor(line, colour);
    for (int32_t code = 0; code < 128; ++code) {
        line->position->x = (code % 16) * 8;
        line->position->y = (code / 16) * 8;
        line->code = code;
        LFONTDrawChar(line);
    }
    line->image = nullptr;
    return sheet;
}

// The 1536-colour ring of hues the scenes draw their colours from.
uint32_t Palette(int32_t i) {
    const int32_t k = i % 1536;
    const int32_t part = k / 256, t = k % 256;
    int32_t r = 0, g = 0, b = 0;
    switch (part) {
        case 0:
            r = 255;
            g = t;
            break;
        case 1:
            r = 255 - t;
            g = 255;
            break;
        case 2:
            g = 255;
            b = t;
            break;
        case 3:
            g = 255 - t;
            b = 255;
            break;
        case 4:
            r = t;
            b = 255;
            break;
        default:
            r = 255;
            b = 255 - t;
            break;
    }
    return static_cast<uint32_t>(r << 16 | g << 8 | b);
}

void BitmapPage(LFONT* line, IMG* page) {
    FONT* font = FONTNew();
    font->cellWidth = 8;
    font->cellHeight = 8;
    font->sheet = GlyphSheet(line, 0xE0E0E0);
    font->target = page;
    FONT* small = FONTNew();
    small->cellWidth = 8;
    small->cellHeight = 8;
    small->sheet = GlyphSheet(line, 0x40C0FF);

    font->penX = 8;
    font->penY = 8;
    FONTDrawText(
        font,
        "BITMAP FONT: FONTDRAWTEXT\nCELLS FROM A GLYPH SHEET,\nCODE C AT C*8 ROW-WRAPPED.\n"
        "!\"#$%&'()*+,-./0123456789\n:;<=>?@[\\]^_ ABCDEFGHIJKLM\n");
    FONTDrawText(font, "HEX8 ");
    FONTDrawHex8(font, 0x3F);
    FONTDrawText(font, " HEX16 ");
    FONTDrawHex16(font, 0xBEEF);
    font->penX = 8;
    font->penY += 10;
    FONTDrawText(font, "HEX32 ");
    FONTDrawHex32(font, 0x0001ABCD);
    font->penX = 8;
    font->penY += 10;
    FONTDrawText(font, "ADD: ");
    font->character = 'X';
    FONTDrawCharAdd(font);
    FONTDrawCharAdd(font);

    // A big "A": each lit pixel of its 8 x 8 glyph is a small "+".
    font->penX = 64;
    font->penY = 130;
    font->character = 'A';
    small->character = '+';
    FONTDrawBig(font, small);
    FONTFree(&small);  // each font frees its own sheet, never the page
    FONTFree(&font);
}

void ScrollerWall(LFONT* line, IMG* wall) {
    LSCROLL* rows[32];
    line->scale->x = line->scale->y = 1;
    for (int32_t i = 0; i < 32; ++i) {
        rows[i] = LSCROLLNew();
        LSCROLLSet(rows[i], kScrollText, line, wall);
        rows[i]->y = 8 * i;
    }
    // Scene C's steps for a while: a sway from the sine table with a phase
    // that runs down the rows, then 3 pixels.
    int32_t phase = 0;
    for (int32_t frame = 0; frame < 60; ++frame) {
        for (int32_t i = 0; i < 32; ++i) {
            rows[i]->speed = (SINE_TABLE[(phase + i * 32) & SINE_MASK] * 8) >> 15;
            LSCROLLStep(rows[i]);
            rows[i]->speed = 3;
            LSCROLLStep(rows[i]);
        }
        phase += 8;
    }
    for (int32_t i = 0; i < 32; ++i) LSCROLLDrawColoured(rows[i], Palette(700 + i * 32));
    for (LSCROLL*& s : rows) LSCROLLFree(&s);
}

void Figures(Sheet* sheet, int32_t y) {
    RNGSeed(RNG_DEMO_SEED);
    for (int32_t k = 0; k < 6; ++k) {
        CSINE* figure = CSINENew();
        CSINERandomize(figure);
        figure->baseRadius = kSide / 2;
        CSINESetColor(figure, Palette(k * 256 + 40));
        CSINEUpdate(figure);
        IMG* open = NewImage(kSide, kSide);
        IMG* rays = NewImage(kSide, kSide);
        CSINEDraw(figure, open);
        CSINEDrawRays(figure, rays);
        const int32_t x = kMargin + k * (kSide + 8);
        sheet->Paste(open, x, y, 1);
        sheet->Paste(rays, x, y + kSide + 8, 1);
        IMGFree(&open);
        IMGFree(&rays);
        CSINEFree(&figure);
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    LFONT* line = LineFont8();
    if (line == nullptr || line->glyphs == nullptr) {
        std::fprintf(stderr, "text_specimen: could not read the line font\n");
        return 1;
    }
    Sheet sheet;
    int32_t y = kMargin;
    Heading(line, &sheet, kMargin, y, "BITMAP FONT PAGE, PIXELS X2");
    Heading(line, &sheet, kMargin + 2 * kSide + 24, y, "SCROLLER WALL, 32 LSCROLL ROWS, PIXELS X2");
    y += kHeadingH;
    IMG* page = NewImage(kSide, kSide);
    BitmapPage(line, page);
    sheet.Paste(page, kMargin, y, 2);
    IMG* wall = NewImage(kSide, kSide);
    ScrollerWall(line, wall);
    sheet.Paste(wall, kMargin + 2 * kSide + 24, y, 2);
    y += 2 * kSide + kMargin;
    Heading(line, &sheet, kMargin, y, "POLAR SINE FIGURES AFTER CSINERANDOMIZE: OPEN, AND AS RAYS");
    y += kHeadingH;
    Figures(&sheet, y);

    const bool ok = WritePng(sheet.pixels.data(), kSheetW, kSheetH, argv[1]);
    IMGFree(&wall);
    IMGFree(&page);
    LFONTFree(&line);
    if (!ok) {
        std::fprintf(stderr, "text_specimen: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
