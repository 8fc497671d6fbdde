// font.h: FONT, a bitmap font that copies glyph cells out of a glyph sheet.
//
// The sheet is one image holding every glyph of a fixed-size font as a long
// strip of cells, code 0 first, wrapped into rows at the sheet's width: code c
// has its cellWidth x cellHeight cell at (a rem sheet width,
// (a div sheet width) * cellHeight), a = c * cellWidth (truncating division,
// computed in 64 bits). With a sheet width that is a multiple of cellWidth
// this is a grid of sheet width / cellWidth glyphs per row. Pixel value 0 is
// the glyph's background.
//
// A font is a pen: each character draw copies the cell of `character` to
// (penX, penY) in `target` and moves penX on by cellWidth. Cells partly or
// wholly outside the sheet (negative codes, codes past its end) are clipped:
// only the part inside the sheet is copied, or nothing.
//
// Ownership: FONTNew returns a font the caller owns. The caller gives it a
// sheet by assigning the field; the font owns the sheet from then on and
// FONTFree frees it. The target is never owned.
//
// Failures: a null font, or a missing sheet, text or target where an operation
// needs one, calls the error report "FONT Error.\n" (switch off: silent,
// counted) and nothing is drawn. A cellWidth below 1 or a sheet width of 0
// (both divisors) reports too and draws nothing, but the pen still advances.
// A character draw without a target is reported by the image module and the
// pen still advances.
#pragma once
#include <cstdint>
#include <type_traits>

struct IMG;

struct FONT {
    int32_t penX;        // x of the next character's top-left corner in the target
    int32_t penY;        // y of the next character's top-left corner
    int32_t reserved;    // no operation reads or writes it
    int32_t cellWidth;   // glyph cell width, pixels; 6 after FONTNew; >= 1 to draw
    int32_t cellHeight;  // glyph cell height, pixels; 6 after FONTNew
    int32_t reserved2;   // no font operation reads it; SCROLLSet copies it
    int32_t character;   // the code the next draw draws
    IMG*    sheet;       // the glyph sheet; owned
    IMG*    target;      // drawn into; not owned
};
static_assert(std::is_trivially_copyable_v<FONT> && std::is_standard_layout_v<FONT>);

// {"FONT    ", "20120412", "Vaskoril", "C       ", "CODE    "}
extern const char* const FONT_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] FONT* FONTNew();             // zeroed, cell 6 x 6, no sheet, no target
void                FONTFree(FONT** ref);  // frees the sheet and the record; *ref = nullptr
[[nodiscard]] char* FONTToASCII(const FONT* font);    // no text form: always null
void                FONTCopy(const FONT* src, FONT* dst);  // not provided: checks only

// [SECTION] One character at the pen (each needs the sheet; penX += cellWidth)
void FONTDrawChar(FONT* font);        // sheet pixels of 0 left out
void FONTDrawCharOpaque(FONT* font);  // the whole cell, background included
void FONTDrawCharAdd(FONT* font);     // target += cell as 32-bit words, carries cross channels

// [SECTION] Numbers and texts
void FONTDrawHex8(FONT* font, uint32_t value);   // low byte: 2 digits 0-9 A-F, high first
void FONTDrawHex16(FONT* font, uint32_t value);  // low 16 bits: 4 digits
void FONTDrawHex32(FONT* font, uint32_t value);  // 8 digits
// Bytes (unsigned codes) up to the first line feed or the end, FONTDrawChar each.
void FONTDrawLine(FONT* font, const char* text);
// Every byte up to the end through FONTDrawCharOpaque; a line feed returns the
// pen to the x where the text began, cellHeight lower. Needs sheet and target.
void FONTDrawText(FONT* font, const char* text);

// [SECTION] Magnified character
// The font's current glyph as a bitmap: every lit sheet pixel (row i, column
// j) becomes second's current character drawn at (penX + j * second cell
// width, penY + i * second cell height). second's target becomes font's
// target; font's penX then moves by cellWidth * second cell width, from where
// it stood, also when font and second are the same font. Needs both fonts,
// font's sheet and target, second's sheet.
void FONTDrawBig(FONT* font, FONT* second);
