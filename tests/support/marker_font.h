// marker_font.h: a line font whose glyphs say which code was drawn where.
//
// The glyph of code c is a single point at its cell corner in colour c, so a
// pixel's value is the code drawn there. Code 32 is blank, code 7 a null
// entry, and "W" a short horizontal bar (0,0)-(3,0) for scale and angle cases.
#pragma once
#include <cstdio>
#include <string>

#include "image/img.h"
#include "vector/lfont.h"
#include "vector/obj2d.h"

// The glyph text of `entries` codes (128 or 256).
inline std::string MarkerFontText(int entries = 128) {
    std::string text = "name test font\n";
    for (int c = 0; c < entries; ++c) {
        char colour[32];
        std::snprintf(colour, sizeof colour, "color $%02X\n", c);
        text += colour;
        if (c == 32) {
            text += "{ name space\n}\n";
        } else if (c == 7) {
            text += "}\n";  // a null entry
        } else if (c == 'W') {
            text += "{ s 0 0 3 0 }\n";
        } else {
            text += "{ s 0 0 0 0 }\n";
        }
    }
    return text;
}

// A font over the marker glyphs with an 8 x 8 cell, drawing into img.
inline LFONT* MarkerFont(IMG* img, int entries = 128) {
    LFONT* font = LFONTNew();
    font->glyphs = OBJ2DListFromASCII(MarkerFontText(entries).c_str());
    font->cellSize->x = 8;
    font->cellSize->y = 8;
    font->image = img;
    return font;
}

// Which codes landed on the cell corners of one row, as text ('.' for none).
inline std::string RowCodes(const IMG* img, int32_t y, int32_t step, int32_t cells,
                            int32_t x0 = 0) {
    std::string s;
    for (int32_t i = 0; i < cells; ++i) {
        const uint32_t p = IMGGetPixel(img, x0 + i * step, y);
        s += p == 0 ? '.' : static_cast<char>(p);
    }
    return s;
}
