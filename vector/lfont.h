// lfont.h: LFONT, a pen that writes text with vector glyphs.
//
// Glyphs are OBJ2D objects, one per character code: entry c of `glyphs` is the
// glyph of code c (a list made by OBJ2DListFromASCII). Each draw poses the
// glyph of the current code at the pen (the font's scale, angle and position
// are written into the glyph object), draws it with OBJ2DDraw into `image`,
// and moves the pen one cell to the right: x += cellSize.x * scale.x, along
// the image's x axis whatever the angle. Callers set position, scale, angle,
// code, glyphs and image directly; there are no setters.
//
// Codes without a glyph (negative, beyond the list, or a null entry) draw
// nothing and still advance the pen, like the blank entries of the fonts.
// Text bytes are taken as unsigned: codes 0 .. 255.
//
// Glyph cache: each font keeps a packed copy of its glyphs' segments (model
// coordinates in drawing order, with their colours), made from the glyph list
// and used to draw glyphs posed without rotation, with exactly the pixels of
// OBJ2DDraw. The list stays the source of truth: the cache is rebuilt when
// the font sees that the list, an entry or an entry's segment list or count
// changed, and the colour operations below write every glyph and the cache
// alike. Code that edits glyph objects in place (coordinates or colours other
// than through this module) calls LFONTGlyphsChanged before the next draw.
// The cache is allocated once by LFONTNew (a fixed capacity; glyphs beyond it
// are drawn from the list), so drawing never allocates.
//
// Ownership: LFONTNew returns a font the caller owns. The glyph list handed to
// a font, and every glyph object in it, belong to the font from then on:
// LFONTFree frees the glyphs (first to last), the list and the pen vectors.
// The image is never owned.
//
// Failures: a missing font, glyph list, text (or, for LFONTDrawString, image)
// calls the error report "LFONT Error.\n" (switch off: silent, only counted)
// and nothing is drawn; the pen does not move. LFONTDrawChar without an image
// draws nothing but still advances the pen.
#pragma once
#include <cstdint>
#include <type_traits>

#include "core/list.h"
#include "vector/vec2d.h"

struct IMG;
struct LFONTCACHE;  // private to lfont.cpp

struct LFONT {
    VEC2D*  position;  // owned; the pen: top-left corner of the next cell; new: (0, 0)
    VEC2D*  cellSize;  // owned; advance per character (x) and per line (y); new: (16, 16)
    int32_t code;      // the glyph index the next draw uses
    VEC2D*  scale;     // owned; per-axis multiplier of glyphs and advance; new: (1, 1)
    int32_t angle;     // rotation of each glyph about its cell corner; new: 0
    LIST*   glyphs;    // owned list of owned OBJ2D glyphs; set by the owner
    IMG*    image;     // where glyphs land; set by the owner; not owned
    LFONTCACHE* cache;  // owned; the packed glyph segments (see above)
};
static_assert(std::is_trivially_copyable_v<LFONT> && std::is_standard_layout_v<LFONT>);

// {"LFONT   ", "20120707", "Vaskoril", "C       ", "CODE    "}
extern const char* const LFONT_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] LFONT* LFONTNew();              // defaults above; no glyphs, no image
void                 LFONTFree(LFONT** ref);  // frees glyphs, the list, the pen vectors; *ref = nullptr
// No text form: always null; the error for a null argument.
[[nodiscard]] char*  LFONTToASCII(const LFONT* font, const void* other);
[[nodiscard]] LFONT* LFONTFromASCII(const char* text);               // always null
[[nodiscard]] bool   LFONTEqual(const LFONT* a, const LFONT* b);     // not provided: always false
void                 LFONTCopy(const LFONT* src, LFONT* dst);        // not provided: does nothing

// [SECTION] Drawing at the pen
void LFONTDrawChar(LFONT* font);  // the glyph of `code`, then the pen advances
// Gives the current code's glyph the colour (r & 0x7F7F7F) | 0x808080, r the
// next RNGDraw() (one draw per call, glyph or not), then LFONTDrawChar. The
// colour stays with the glyph.
void LFONTDrawCharRandomColor(LFONT* font);
void LFONTDrawHex8(LFONT* font, uint32_t value);   // low byte, 2 digits 0-9 A-F, high first
void LFONTDrawHex16(LFONT* font, uint32_t value);  // low 16 bits, 4 digits
void LFONTDrawHex32(LFONT* font, uint32_t value);  // 8 digits
void LFONTDrawLine(LFONT* font, const char* text);  // bytes up to the first line feed or the end
// Every byte up to the NUL; a line feed moves the pen down one line
// (cellSize.y * scale.y) and back to the x where the string began. The pen
// stays where the last character left it.
void LFONTDrawString(LFONT* font, const char* text);

// Draws count characters of a cyclic text: text holds length bytes (no
// terminator needed), read as signed 8-bit codes from index start (reduced
// modulo length) on, the first following the last. Each character is drawn
// exactly as LFONTDrawChar would with that code, and the pen advances; code
// is left at the last one drawn. The scrollers draw their rows with it.
// Needs the font, its glyph list, the text and a length of at least 1.
void LFONTDrawCycle(LFONT* font, const char* text, int32_t length, int32_t start, int64_t count);
// The pixels, pen, code and glyph poses of LFONTSetColor(font, colour) then
// LFONTDrawCycle, without recolouring the whole font: the glyphs drawn from
// the cache are drawn in colour and keep their colour fields; only a glyph
// drawn from its list (rotated, or not held by the cache) takes the colour
// first. A caller that draws several runs in several colours this way and
// then calls LFONTSetColor with the last one leaves every glyph as the
// plain sequence would, with one recolouring instead of one a run.
void LFONTDrawCycleInColour(LFONT* font, const char* text, int32_t length, int32_t start,
                            int64_t count, uint32_t colour);

// [SECTION] Colours (each glyph keeps its colour until the next change)
void LFONTSetColor(LFONT* font, uint32_t colour);  // every glyph, last to first
// Every entry, last to first, gets (r & 0x7F7F7F) | 0x808080 with its own
// RNGDraw(): one draw per entry.
void LFONTRandomColors(LFONT* font);

// [SECTION] Glyph cache
// The glyph objects were edited in place: the next draw rebuilds the cache
// from the list.
void LFONTGlyphsChanged(LFONT* font);
