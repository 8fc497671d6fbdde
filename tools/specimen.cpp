// specimen.cpp: draws every glyph of the two line fonts and every object of the
// object library into one labelled PNG sheet, for checking the designs by eye.
//
//     specimen OUT.png
//
// Everything goes through the program's own code: the compiled-in texts are
// read with OBJ2DListFromASCII and drawn with OBJ2DDraw (so IMGDrawLine) at the
// scale the demo uses, then enlarged pixel by pixel so that each pixel of the
// real drawing shows as a block. Each tile carries a faint checker over the
// character cell, so stray pixels outside the cell stand out. Sections:
//   - 8 x 8 font, codes 32-127, at scale 1, enlarged x3;
//   - 8 x 8 sample lines at scale 1 (scrollers) and at scale 2 (credit page);
//   - 16 x 16 font, codes 32-127, at scale 1, enlarged x3, and the title word;
//   - the object library, every entry at scale 1, enlarged x3, by index.
// Labels are hexadecimal codes (decimal indices for the library) written with
// the 8 x 8 font itself.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/list.h"
#include "image/img.h"
#include "tools/png_write.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"
#include "vector/texts.h"
#include "vector/vec2d.h"

namespace {

constexpr int32_t kMargin = 16;
constexpr int32_t kColumns = 16;
constexpr int32_t kTileW = 52;    // a 16-pixel model area enlarged x3, plus a gap
constexpr int32_t kLabelH = 10;   // label line above each tile
constexpr int32_t kMag = 3;       // enlargement of every drawing
constexpr int32_t kSheetW = 2 * kMargin + kColumns * kTileW;

constexpr uint32_t kBackground = 0x000000;
constexpr uint32_t kCheckerA = 0x262626;
constexpr uint32_t kCheckerB = 0x1A1A1A;
constexpr uint32_t kOutside = 0x0C0C0C;
constexpr uint32_t kLabel = 0x8090A0;
constexpr uint32_t kHeading = 0xFFD070;

// A sheet grows downwards as sections are added.
struct Sheet {
    int32_t width = kSheetW;
    std::vector<uint32_t> pixels;
    int32_t y = kMargin;  // top of the next section

    void Ensure(int32_t height) {
        if (static_cast<size_t>(height) * width > pixels.size()) {
            pixels.resize(static_cast<size_t>(height) * width, kBackground);
        }
    }
    void Put(int32_t x, int32_t y0, uint32_t c) {
        if (x < 0 || x >= width || y0 < 0) return;
        Ensure(y0 + 1);
        pixels[static_cast<size_t>(y0) * width + x] = c;
    }
    int32_t Height() const { return static_cast<int32_t>(pixels.size() / width); }
};

// A scratch image drawn at real scale; blank pixels are 0.
struct Scratch {
    IMG* img = nullptr;
    explicit Scratch(int32_t w, int32_t h) {
        img = IMGNew();
        IMGSetSize(img, w, h);
    }
    ~Scratch() { IMGFree(&img); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

// Copies the scratch onto the sheet at (x, y), each pixel as a mag x mag block.
// Blank pixels inside cellW x cellH show the checker, outside it a darker tone.
void Enlarge(const IMG* src, Sheet* sheet, int32_t x, int32_t y, int32_t mag, int32_t cellW,
             int32_t cellH) {
    for (int32_t sy = 0; sy < src->height; ++sy) {
        for (int32_t sx = 0; sx < src->width; ++sx) {
            uint32_t c = IMGGetPixel(src, sx, sy);
            if (c == 0) {
                const bool inCell = sx < cellW && sy < cellH;
                c = !inCell ? kOutside : ((sx + sy) % 2 != 0 ? kCheckerA : kCheckerB);
            }
            for (int32_t dy = 0; dy < mag; ++dy) {
                for (int32_t dx = 0; dx < mag; ++dx) sheet->Put(x + sx * mag + dx, y + sy * mag + dy, c);
            }
        }
    }
}

// Like Enlarge, but only the drawn pixels: for text lines on a plain ground.
void EnlargeInk(const IMG* src, Sheet* sheet, int32_t x, int32_t y, int32_t mag) {
    for (int32_t sy = 0; sy < src->height; ++sy) {
        for (int32_t sx = 0; sx < src->width; ++sx) {
            const uint32_t c = IMGGetPixel(src, sx, sy);
            if (c == 0) continue;
            for (int32_t dy = 0; dy < mag; ++dy) {
                for (int32_t dx = 0; dx < mag; ++dx) sheet->Put(x + sx * mag + dx, y + sy * mag + dy, c);
            }
        }
    }
}

// Draws one object at the model origin with the given scale, in its own colours.
void DrawObject(OBJ2D* obj, IMG* img, int32_t scale) {
    if (obj == nullptr || obj->position == nullptr || obj->scale == nullptr) return;
    obj->position->x = 0;
    obj->position->y = 0;
    obj->scale->x = scale;
    obj->scale->y = scale;
    obj->angle = 0;
    OBJ2DDraw(obj, img);
}

// Text through a line font into a scratch image, then enlarged onto the sheet.
void Write(LFONT* font, Sheet* sheet, int32_t x, int32_t y, const char* text, int32_t scale,
           int32_t mag) {
    int32_t lines = 1;
    int32_t longest = 0;
    int32_t run = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\n') {
            ++lines;
            run = 0;
        } else if (++run > longest) {
            longest = run;
        }
    }
    // room for glyphs that spill past their cell (the 8 x 8 "esc" does)
    Scratch scratch((longest + 2) * font->cellSize->x * scale, (lines + 1) * font->cellSize->y * scale);
    font->image = scratch.img;
    font->scale->x = scale;
    font->scale->y = scale;
    font->angle = 0;
    font->position->x = 0;
    font->position->y = 0;
    LFONTDrawString(font, text);
    font->image = nullptr;
    EnlargeInk(scratch.img, sheet, x, y, mag);
}

void Heading(LFONT* labels, Sheet* sheet, const char* text) {
    LFONTSetColor(labels, kHeading);
    Write(labels, sheet, kMargin, sheet->y, text, 1, 2);
    LFONTSetColor(labels, kLabel);
    sheet->y += 8 * 2 + 8;
}

std::string Hex2(int32_t v) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string{digits[(v >> 4) & 15], digits[v & 15]};
}

// A grid of entries first .. last of a list, each in a labelled tile. The cell
// (cellW x cellH model pixels) gets the checker; the tile shows 16 x 16.
void Grid(const LIST* list, int32_t first, int32_t last, int32_t cellW, int32_t cellH, bool decimal,
          LFONT* labels, Sheet* sheet) {
    const int32_t tileH = kLabelH + 16 * kMag + 8;
    for (int32_t i = first; i <= last && i < list->count; ++i) {
        const int32_t k = i - first;
        const int32_t x = kMargin + (k % kColumns) * kTileW;
        const int32_t y = sheet->y + (k / kColumns) * tileH;
        const std::string label = decimal ? std::to_string(i) : Hex2(i);
        Write(labels, sheet, x, y, label.c_str(), 1, 1);
        Scratch scratch(16, 16);
        DrawObject(static_cast<OBJ2D*>(LISTGet(list, i)), scratch.img, 1);
        Enlarge(scratch.img, sheet, x, y + kLabelH, kMag, cellW, cellH);
    }
    const int32_t count = last - first + 1;
    sheet->y += ((count + kColumns - 1) / kColumns) * tileH + 8;
}

// A font over a fresh parse of its text; the font owns the glyphs.
LFONT* FontOf(const char* text, int32_t cell) {
    LFONT* font = LFONTNew();
    if (font == nullptr) return nullptr;
    font->glyphs = OBJ2DListFromASCII(text);
    font->cellSize->x = cell;
    font->cellSize->y = cell;
    return font;
}

bool SavePng(const Sheet& sheet, const char* path) {
    return WritePng(sheet.pixels.data(), sheet.width, sheet.Height(), path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    LFONT* font8 = FontOf(FONT8_TEXT, 8);
    LFONT* font16 = FontOf(FONT16_TEXT, 16);
    LFONT* labels = FontOf(FONT8_TEXT, 8);
    LIST* library = OBJ2DListFromASCII(OBJLIB_TEXT);
    if (font8 == nullptr || font8->glyphs == nullptr || font16 == nullptr || font16->glyphs == nullptr ||
        labels == nullptr || labels->glyphs == nullptr || library == nullptr) {
        std::fprintf(stderr, "specimen: could not read the compiled-in texts\n");
        return 1;
    }
    LFONTSetColor(labels, kLabel);

    Sheet sheet;
    Heading(labels, &sheet, "8 X 8 LINE FONT: CODES 20-7F, SCALE 1, PIXELS X3");
    Grid(font8->glyphs, 32, 127, 8, 8, false, labels, &sheet);

    Heading(labels, &sheet, "8 X 8 TEXT AT SCALE 1 (SCROLLERS), PIXELS X3");
    const char* sample8 =
        "THE QUICK BROWN FOX JUMPS OVER\n"
        "THE LAZY DOG. MOXA 7730 0001ABCD\n"
        "!\"#$%&'()*+,-./0123456789:;<=>?@\n"
        "[\\]^_`{|}~ ESC,Q: EXIT  (F.P.S.)\n"
        "lower case: say no to drugs.";
    Write(font8, &sheet, kMargin, sheet.y, sample8, 1, kMag);
    sheet.y += 6 * 8 * kMag;

    Heading(labels, &sheet, "8 X 8 TEXT AT SCALE 2 (CREDIT PAGE), PIXELS X2");
    Write(font8, &sheet, kMargin, sheet.y, "GREETINGS TO:\n...  +++  ***\n@@@ 20120707", 2, 2);
    sheet.y += 4 * 16 * 2;

    Heading(labels, &sheet, "16 X 16 LINE FONT: CODES 20-7F, SCALE 1, PIXELS X3");
    Grid(font16->glyphs, 32, 127, 16, 16, false, labels, &sheet);

    Heading(labels, &sheet, "16 X 16 TEXT AT SCALE 1, PIXELS X3");
    Write(font16, &sheet, kMargin, sheet.y, "MOXA 19 0001ABCD\nFPS 32 789E6F", 1, kMag);
    sheet.y += 3 * 16 * kMag;

    Heading(labels, &sheet, "OBJECT LIBRARY: ENTRIES BY INDEX, SCALE 1, PIXELS X3");
    Grid(library, 0, library->count - 1, 16, 16, true, labels, &sheet);

    sheet.Ensure(sheet.y + kMargin);
    const bool ok = SavePng(sheet, argv[1]);

    OBJ2DListFree(&library);
    LFONTFree(&labels);
    LFONTFree(&font16);
    LFONTFree(&font8);
    if (!ok) {
        std::fprintf(stderr, "specimen: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
