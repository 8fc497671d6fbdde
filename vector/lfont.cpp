// lfont.cpp: LFONT, vector text through OBJ2D glyphs.
#include "vector/lfont.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "vector/obj2d.h"

const char* const LFONT_IDENTITY[5] = {"LFONT   ", "20120707", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LFONTError() { REPORTError("LFONT Error.\n", kReport); }

// A font whose pen can be used: present, with its three pen vectors.
bool PenReady(const LFONT* font) {
    return font != nullptr && font->position != nullptr && font->cellSize != nullptr &&
           font->scale != nullptr;
}

// The glyph of code, or null when the code has none (out of range or a null
// entry). The glyph list must exist.
OBJ2D* GlyphOf(const LFONT* font, int32_t code) {
    if (code < 0 || code >= font->glyphs->count) return nullptr;
    return static_cast<OBJ2D*>(font->glyphs->slots[code]);
}

// A light random colour: red 0x80, green and blue 0x80 .. 0xFF.
uint32_t LightColour() {
    return (static_cast<uint32_t>(RNGDraw()) & 0x7F7F7Fu) | 0x808080u;
}

int32_t WrapMulAdd(int32_t base, int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(base) +
                                static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

void Advance(LFONT* font) {
    font->position->x = WrapMulAdd(font->position->x, font->cellSize->x, font->scale->x);
}

// Draws the current code's glyph and advances; the font is checked.
void DrawGlyph(LFONT* font) {
    OBJ2D* glyph = GlyphOf(font, font->code);
    if (glyph != nullptr && glyph->scale != nullptr && glyph->position != nullptr) {
        *glyph->scale = *font->scale;
        glyph->angle = font->angle;
        *glyph->position = *font->position;
        OBJ2DDraw(glyph, font->image);  // a missing image: the object's report, nothing drawn
    }
    Advance(font);
}

void DrawNibble(LFONT* font, uint32_t n) {
    font->code = n <= 9 ? static_cast<int32_t>('0' + n) : static_cast<int32_t>('A' + n - 10);
    DrawGlyph(font);
}

bool Ready(const LFONT* font) { return PenReady(font) && font->glyphs != nullptr; }
}  // namespace

LFONT* LFONTNew() {
    LFONT* font = static_cast<LFONT*>(REPORTZeroAlloc(1, sizeof(LFONT)));
    if (font == nullptr) {
        LFONTError();
        return nullptr;
    }
    font->position = VEC2DNew();
    font->cellSize = VEC2DNew();
    font->scale = VEC2DNew();
    if (font->position == nullptr || font->cellSize == nullptr || font->scale == nullptr) {
        LFONTFree(&font);
        LFONTError();
        return nullptr;
    }
    font->cellSize->x = 16;
    font->cellSize->y = 16;
    font->scale->x = 1;
    font->scale->y = 1;
    return font;
}

void LFONTFree(LFONT** ref) {
    if (ref == nullptr || *ref == nullptr) {
        LFONTError();
        return;
    }
    LFONT* font = *ref;
    if (font->position != nullptr) VEC2DFree(&font->position);
    if (font->cellSize != nullptr) VEC2DFree(&font->cellSize);
    if (font->scale != nullptr) VEC2DFree(&font->scale);
    if (font->glyphs != nullptr) OBJ2DListFree(&font->glyphs);  // glyphs first to last, then the list
    std::free(font);
    *ref = nullptr;
}

char* LFONTToASCII(const LFONT* font, const void* other) {
    if (font == nullptr || other == nullptr) LFONTError();
    return nullptr;
}

LFONT* LFONTFromASCII(const char* text) {
    if (text == nullptr) LFONTError();
    return nullptr;
}

bool LFONTEqual(const LFONT* a, const LFONT* b) {
    if (a == nullptr || b == nullptr) LFONTError();
    return false;
}

void LFONTCopy(const LFONT* src, LFONT* dst) {
    if (src == nullptr || dst == nullptr) LFONTError();
}

void LFONTDrawChar(LFONT* font) {
    if (!Ready(font)) {
        LFONTError();
        return;
    }
    DrawGlyph(font);
}

void LFONTDrawCharRandomColor(LFONT* font) {
    if (!Ready(font)) {
        LFONTError();
        return;
    }
    const uint32_t colour = LightColour();
    OBJ2D* glyph = GlyphOf(font, font->code);
    if (glyph != nullptr) OBJ2DSetColor(glyph, colour);
    DrawGlyph(font);
}

void LFONTDrawHex8(LFONT* font, uint32_t value) {
    if (!Ready(font)) {
        LFONTError();
        return;
    }
    DrawNibble(font, (value >> 4) & 0xFu);
    DrawNibble(font, value & 0xFu);
}

void LFONTDrawHex16(LFONT* font, uint32_t value) {
    LFONTDrawHex8(font, value >> 8);
    LFONTDrawHex8(font, value);
}

void LFONTDrawHex32(LFONT* font, uint32_t value) {
    LFONTDrawHex16(font, value >> 16);
    LFONTDrawHex16(font, value);
}

void LFONTDrawLine(LFONT* font, const char* text) {
    if (!Ready(font) || text == nullptr) {
        LFONTError();
        return;
    }
    for (; *text != '\0' && *text != '\n'; ++text) {
        font->code = static_cast<unsigned char>(*text);
        DrawGlyph(font);
    }
}

void LFONTDrawString(LFONT* font, const char* text) {
    if (!Ready(font) || text == nullptr || font->image == nullptr) {
        LFONTError();
        return;
    }
    const int32_t x0 = font->position->x;
    for (; *text != '\0'; ++text) {
        if (*text == '\n') {
            font->position->y =
                WrapMulAdd(font->position->y, font->cellSize->y, font->scale->y);
            font->position->x = x0;
        } else {
            font->code = static_cast<unsigned char>(*text);
            DrawGlyph(font);
        }
    }
}

void LFONTSetColor(LFONT* font, uint32_t colour) {
    if (font == nullptr || font->glyphs == nullptr) {
        LFONTError();
        return;
    }
    for (int32_t i = font->glyphs->count - 1; i >= 0; --i) {
        OBJ2D* glyph = GlyphOf(font, i);
        if (glyph != nullptr) OBJ2DSetColor(glyph, colour);
    }
}

void LFONTRandomColors(LFONT* font) {
    if (font == nullptr || font->glyphs == nullptr) {
        LFONTError();
        return;
    }
    for (int32_t i = font->glyphs->count - 1; i >= 0; --i) {
        const uint32_t colour = LightColour();
        OBJ2D* glyph = GlyphOf(font, i);
        if (glyph != nullptr) OBJ2DSetColor(glyph, colour);
    }
}
