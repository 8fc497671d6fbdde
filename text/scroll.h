// scroll.h: SCROLL, one row of text scrolling through a window of an image,
// drawn with the bitmap font (text/font.h).
//
// The same design as LSCROLL (text/lscroll.h): a CURSOR over the text is the
// reading head, `offset` the pixels the leading character is pushed out to
// the left, `speed` the pixels per Step; the text repeats endlessly. The
// advance is the bitmap font's cellWidth. A draw puts the font's pen at
// (x - offset, y) and copies width / advance + 2 cells, with no visibility
// test, reading each byte as a signed 8-bit code (codes below 0 select cells
// outside the sheet, which the copy clips away).
//
// Ownership: SCROLLNew returns a scroller the caller owns, with its own cursor
// over the default text "A scroll's default text. "; SCROLLFree releases the
// scroller and its cursor. Text, font and image are never owned.
//
// Failures: a null scroller, text, cursor, font or image, an empty text, or a
// font cellWidth of 0 calls the error report "SCROLL error\n" (switch off:
// silent, counted) and changes nothing. offset + speed is computed in 64 bits.
#pragma once
#include <cstdint>
#include <type_traits>

#include "text/cursor.h"

struct FONT;
struct IMG;

struct SCROLL {
    int32_t     x;          // left edge of the window in the image
    int32_t     y;          // top of the row
    int32_t     reserved;   // 0; no operation reads it
    int32_t     width;      // window width; the image's width after Set
    int32_t     rowHeight;  // the font's cell height after Set; no operation reads it
    int32_t     bound;      // the font's reserved2 after Set; no operation reads it
    int32_t     speed;      // pixels per Step; 1 after New, kept by Set
    int32_t     offset;     // pixels the leading character is shifted left, 0 .. advance - 1
    const char* text;       // NUL-terminated; not owned
    CURSOR*     cursor;     // owned; walks the text
    FONT*       font;       // not owned
    IMG*        image;      // the target; not owned
};
static_assert(std::is_trivially_copyable_v<SCROLL> && std::is_standard_layout_v<SCROLL>);

// {"SCROLL  ", "20110513", "Vaskoril", "C       ", "CODE    ",
//  "A scroll's default text. "}
extern const char* const SCROLL_IDENTITY[6];

[[nodiscard]] SCROLL* SCROLLNew();  // unbound: speed 1, cursor over the default text
void                  SCROLLFree(SCROLL** ref);  // frees the cursor and the record
// Binds text, font and image (all non-null, text not empty): a new cursor at
// the first character, x = y = 0, width = image width, rowHeight = font
// cellHeight, bound = font reserved2. Speed and offset carry over.
void SCROLLSet(SCROLL* scroller, const char* text, FONT* font, IMG* image);
void SCROLLStep(SCROLL* scroller);         // as LSCROLLStep, advance = font cellWidth
void SCROLLDraw(SCROLL* scroller);         // cells through FONTDrawChar (black left out)
void SCROLLDrawOpaque(SCROLL* scroller);   // cells through FONTDrawCharOpaque (whole)
