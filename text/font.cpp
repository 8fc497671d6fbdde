// font.cpp: FONT, glyph cells copied from a sheet.
#include "text/font.h"

#include <algorithm>
#include <cstdlib>

#include "core/report.h"
#include "image/img.h"

const char* const FONT_IDENTITY[5] = {"FONT    ", "20120412", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void FONTError() {
    REPORTError("FONT Error.\n", kReport);
}

enum class Copy { kMasked, kOpaque, kAdd };

int32_t Wrap(int64_t v) {
    return static_cast<int32_t>(v);
}  // low 32 bits

int32_t Clamp32(int64_t v) {
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v);
}

// The sheet corner of the current glyph; false when cellWidth < 1 or the
// sheet width is 0 (the divisors). Far-off rows are clamped to the int32_t
// range, where they still lie outside the sheet.
bool Locate(const FONT* font, int32_t* sx, int32_t* sy) {
    const int64_t width = font->sheet->width;
    if (font->cellWidth < 1 || width < 1) return false;
    const int64_t a = static_cast<int64_t>(font->character) * font->cellWidth;
    int64_t row = a / width;
    if (row > INT32_MAX) row = INT32_MAX;
    if (row < INT32_MIN) row = INT32_MIN;
    *sx = static_cast<int32_t>(a % width);
    *sy = Clamp32(row * font->cellHeight);
    return true;
}

void Advance(FONT* font) {
    font->penX = Wrap(static_cast<int64_t>(font->penX) + font->cellWidth);
}

void DrawCell(FONT* font, Copy copy) {
    if (font == nullptr || font->sheet == nullptr) {
        FONTError();
        return;
    }
    int32_t sx = 0, sy = 0;
    if (!Locate(font, &sx, &sy)) {
        FONTError();
    } else if (copy == Copy::kMasked) {
        IMGBlit(font->sheet, font->target, sx, sy, font->penX, font->penY, font->cellWidth,
                font->cellHeight);
    } else if (copy == Copy::kOpaque) {
        IMGBlitOpaque(font->sheet, font->target, sx, sy, font->penX, font->penY, font->cellWidth,
                      font->cellHeight);
    } else {
        IMGBlitAdd(font->sheet, font->target, sx, sy, font->penX, font->penY, font->cellWidth,
                   font->cellHeight);
    }
    Advance(font);
}

void DrawDigit(FONT* font, uint32_t d) {
    font->character = static_cast<int32_t>(d <= 9 ? 48 + d : 55 + d);
    DrawCell(font, Copy::kMasked);
}

bool HasSheet(const FONT* font) {
    return font != nullptr && font->sheet != nullptr;
}
}  // namespace

FONT* FONTNew() {
    FONT* font = static_cast<FONT*>(REPORTZeroAlloc(1, sizeof(FONT)));
    if (font == nullptr) {
        FONTError();
        return nullptr;
    }
    font->cellWidth = 6;
    font->cellHeight = 6;
    return font;
}

void FONTFree(FONT** ref) {
    if (ref == nullptr || *ref == nullptr) {
        FONTError();
        return;
    }
    if ((*ref)->sheet != nullptr) IMGFree(&(*ref)->sheet);
    std::free(*ref);
    *ref = nullptr;
}

char* FONTToASCII(const FONT* font) {
    if (font == nullptr) FONTError();
    return nullptr;
}

void FONTCopy(const FONT* src, FONT* dst) {
    if (src == nullptr || dst == nullptr) FONTError();
}

void FONTDrawChar(FONT* font) {
    DrawCell(font, Copy::kMasked);
}
void FONTDrawCharOpaque(FONT* font) {
    DrawCell(font, Copy::kOpaque);
}
void FONTDrawCharAdd(FONT* font) {
    DrawCell(font, Copy::kAdd);
}

void FONTDrawHex8(FONT* font, uint32_t value) {
    if (!HasSheet(font)) {
        FONTError();
        return;
    }
    DrawDigit(font, (value >> 4) & 0xFu);
    DrawDigit(font, value & 0xFu);
}

void FONTDrawHex16(FONT* font, uint32_t value) {
    FONTDrawHex8(font, value >> 8);
    FONTDrawHex8(font, value);
}

void FONTDrawHex32(FONT* font, uint32_t value) {
    FONTDrawHex16(font, value >> 16);
    FONTDrawHex16(font, value);
}

void FONTDrawLine(FONT* font, const char* text) {
    if (!HasSheet(font) || text == nullptr) {
        FONTError();
        return;
    }
    for (; *text != '\0' && *text != '\n'; ++text) {
        font->character = static_cast<unsigned char>(*text);
        DrawCell(font, Copy::kMasked);
    }
}

void FONTDrawText(FONT* font, const char* text) {
    if (!HasSheet(font) || text == nullptr || font->target == nullptr) {
        FONTError();
        return;
    }
    const int32_t x0 = font->penX;
    for (; *text != '\0'; ++text) {
        if (*text == '\n') {
            font->penX = x0;
            font->penY = Wrap(static_cast<int64_t>(font->penY) + font->cellHeight);
        } else {
            font->character = static_cast<unsigned char>(*text);
            DrawCell(font, Copy::kOpaque);
        }
    }
}

void FONTDrawBig(FONT* font, FONT* second) {
    if (!HasSheet(font) || font->target == nullptr || !HasSheet(second)) {
        FONTError();
        return;
    }
    second->target = font->target;
    // Everything the loop needs is read before it: when both fonts are one,
    // the small draws move this same pen and change nothing else.
    const int64_t w2 = second->cellWidth;
    const int64_t h2 = second->cellHeight;
    const int64_t x0 = font->penX;
    const int64_t y0 = font->penY;
    const int64_t width = font->cellWidth;
    int32_t sx = 0, sy = 0;
    if (!Locate(font, &sx, &sy)) {
        FONTError();
    } else {
        // Only the part of the cell inside the sheet can hold a lit pixel
        // (outside reads 0), so the loops cover just that part.
        const IMG* sheet = font->sheet;
        const int64_t i0 = sy < 0 ? -static_cast<int64_t>(sy) : 0;
        const int64_t j0 = sx < 0 ? -static_cast<int64_t>(sx) : 0;
        const int64_t i1 =
            std::min<int64_t>(font->cellHeight, static_cast<int64_t>(sheet->height) - sy);
        const int64_t j1 = std::min<int64_t>(width, static_cast<int64_t>(sheet->width) - sx);
        for (int64_t i = i0; i < i1; ++i) {
            for (int64_t j = j0; j < j1; ++j) {
                if (IMGFetchPixel(sheet, static_cast<int32_t>(sx + j),
                                  static_cast<int32_t>(sy + i)) == 0) {
                    continue;
                }
                second->penX = Wrap(x0 + j * w2);
                second->penY = Wrap(y0 + i * h2);
                DrawCell(second, Copy::kMasked);
            }
        }
    }
    font->penX = Wrap(x0 + width * w2);
    font->penY = static_cast<int32_t>(y0);
}
