// lscroll.h: LSCROLL, one row of text scrolling through a window of an image,
// written with the line font (vector/lfont.h).
//
// The scroller reads its text through a CURSOR (text/cursor.h): the cursor's
// position is the leading character, `offset` the pixels by which that
// character is pushed out to the left, and `speed` the pixels one Step moves
// (positive: the text runs left, later characters enter on the right). The
// text repeats endlessly: after its last character comes its first.
//
// advance = font cellSize.x * scale.x, the pixels one character occupies.
// A draw puts the font's pen at (x - offset, y) and writes width / advance + 2
// characters (the window's, plus one partly visible at each edge), reading
// each byte as a signed 8-bit code, so bytes >= 128 draw nothing; drawing
// never moves the text.
//
// Ownership: LSCROLLNew returns a scroller the caller owns, with its own
// cursor over the default text "A scroll's default text. " (sixth identity
// entry); LSCROLLFree releases the scroller and its cursor. Text, font and
// image are never owned. The text must stay alive and keep its length while
// bound.
//
// Failures: a null scroller, text, cursor, font (or its cellSize or scale),
// image, an empty text, or an advance of 0 calls the error report
// "LSCROLL error\n" (switch off: silent, counted) and changes nothing.
// Arithmetic is 64-bit: offset + speed never overflows, whatever the speed.
#pragma once
#include <cstdint>
#include <type_traits>

#include "text/cursor.h"

struct IMG;
struct LFONT;

struct LSCROLL {
    int32_t     x;          // left edge of the window in the image
    int32_t     y;          // top of the row
    int32_t     reserved;   // 0; no operation reads it
    int32_t     width;      // window width; the image's width after Set
    int32_t     rowHeight;  // the font's cell height after Set; read by the visibility test
    int32_t     bound;      // 0 after New, 1 after Set; no operation reads it
    int32_t     speed;      // pixels per Step; 1 after New, kept by Set
    int32_t     offset;     // pixels the leading character is shifted left, 0 .. advance - 1
    const char* text;       // NUL-terminated; not owned
    CURSOR*     cursor;     // owned; walks the text
    LFONT*      font;       // not owned
    IMG*        image;      // the target; not owned
};
static_assert(std::is_trivially_copyable_v<LSCROLL> && std::is_standard_layout_v<LSCROLL>);

// {"LSCROLL ", "20120707", "Vaskoril", "C       ", "CODE    ",
//  "A scroll's default text. "}
extern const char* const LSCROLL_IDENTITY[6];

// [SECTION] Protocol
[[nodiscard]] LSCROLL* LSCROLLNew();  // unbound: speed 1, cursor over the default text
void                   LSCROLLFree(LSCROLL** ref);  // frees the cursor and the record
// Binds text, font and image (all non-null, text not empty): a new cursor at
// the first character, x = y = 0, width = image width, rowHeight = font cell
// height, bound = 1. Speed and offset carry over.
void LSCROLLSet(LSCROLL* scroller, const char* text, LFONT* font, IMG* image);

// [SECTION] Moving
// offset += speed; whole characters beyond the advance move the cursor (one
// wrap, any speed), leaving offset in 0 .. advance - 1 (exactly advance after
// a negative multiple of it).
void LSCROLLStep(LSCROLL* scroller);

// [SECTION] Drawing (no allocation; the cursor position is restored)
// In the glyphs' own colours, only when the window overlaps the image
// (x <= image width, y <= image height, x + width >= 0, y + rowHeight >= 0).
void LSCROLLDraw(LSCROLL* scroller);
void LSCROLLDrawOpaque(LSCROLL* scroller);  // the same as LSCROLLDraw: line glyphs have no background
// Without the visibility test; each character through LFONTDrawCharRandomColor
// (one random draw per character).
void LSCROLLDrawRandomColours(LSCROLL* scroller);
// Without the visibility test; LFONTSetColor(font, colour) first, and the
// glyphs keep that colour.
void LSCROLLDrawColoured(LSCROLL* scroller, uint32_t colour);
// LSCROLLDrawColoured(rows[i], colours[i]) for i = 0 .. count - 1 in turn:
// the same pixels, pens, cursors and glyph colours afterwards (each font in
// the colour of the last row drawn with it), but each font is recoloured
// once, at the end, instead of once a row (LFONTDrawCycleInColour). A row
// that cannot be drawn reports and is skipped; so is everything when rows or
// colours is null or count negative. A font with a glyph that has no point
// list reports it once, in that last recolouring.
void LSCROLLDrawColouredRows(LSCROLL* const* rows, const uint32_t* colours, int32_t count);
