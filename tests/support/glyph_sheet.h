// glyph_sheet.h: bitmap-font glyph sheets whose pixels say where they came
// from, for the FONT and SCROLL tests.
//
// Sheet pixel (x, y) holds 0x100000 + (y << 10) + x (never 0), so a pixel
// copied into a target names its source position, and with it the code of
// the cell it was copied from.
#pragma once
#include <cstdint>

#include "image/img.h"
#include "text/font.h"

inline uint32_t SheetPixel(int32_t x, int32_t y) {
    return 0x100000u + (static_cast<uint32_t>(y) << 10) + static_cast<uint32_t>(x);
}

// A w x h sheet of position-coded pixels.
inline IMG* PositionSheet(int32_t w, int32_t h) {
    IMG* sheet = IMGNew();
    IMGSetSize(sheet, w, h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) IMGSetPixel(sheet, x, y, SheetPixel(x, y));
    }
    return sheet;
}

// A 6 x 6 font over a 96 x 96 position sheet (16 glyphs per row, codes
// 0 .. 255), drawing into target.
inline FONT* PositionFont(IMG* target) {
    FONT* font = FONTNew();
    font->sheet = PositionSheet(96, 96);
    font->target = target;
    return font;
}

// The code whose 6 x 6 cell (16 per row) the target pixel at (x, y) came from
// when it is a cell's top-left pixel; -1 for a black pixel.
inline int32_t CodeAt(const IMG* target, int32_t x, int32_t y) {
    const uint32_t p = IMGGetPixel(target, x, y);
    if (p == 0) return -1;
    const int32_t sx = static_cast<int32_t>((p - 0x100000u) & 1023u);
    const int32_t sy = static_cast<int32_t>((p - 0x100000u) >> 10);
    return (sy / 6) * 16 + sx / 6;
}
