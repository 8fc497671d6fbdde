// scroll_impl.h: what LSCROLL and SCROLL share (private to text/).
//
// The two scrollers are one design over two fonts: the same twelve fields,
// the same cursor handling, the same step arithmetic and the same character
// walk; only the font, the advance and the draw of one character differ. The
// shared parts live here once as small function templates over "any record
// with those fields", so both modules compile to direct field access.
//
// Nothing here reports: each function says what failed by its result, and the
// calling module makes its own error report.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "text/cursor.h"

// A new zeroed scroller of type S with its cursor over defaultText (which must
// have at least one character): speed 1, everything else 0. Null when memory
// runs out.
template <typename S>
S* ScrollNew(const char* defaultText) {
    S* s = static_cast<S*>(REPORTZeroAlloc(1, sizeof(S)));
    if (s == nullptr) return nullptr;
    s->cursor = CURSORNew();
    if (s->cursor == nullptr) {
        std::free(s);
        return nullptr;
    }
    CURSORSet(s->cursor, defaultText, static_cast<int32_t>(std::strlen(defaultText)), 1, 1);
    s->speed = 1;
    return s;
}

// Frees the cursor and the record and clears the reference; false for a null
// address or reference.
template <typename S>
bool ScrollFree(S** ref) {
    if (ref == nullptr || *ref == nullptr) return false;
    CURSOR* cursor = (*ref)->cursor;
    if (cursor != nullptr) CURSORFree(&cursor);
    std::free(*ref);
    *ref = nullptr;
    return true;
}

// Binds text and image with a fresh cursor at the first character; the caller
// stores its font. False, with nothing changed, for an empty text, a text
// longer than a cursor can walk, or no memory for the cursor.
template <typename S, typename IMAGE>
bool ScrollBind(S* s, const char* text, IMAGE* image, int32_t rowHeight, int32_t bound) {
    const size_t length = std::strlen(text);
    if (length == 0 || length > static_cast<size_t>(INT32_MAX)) return false;
    CURSOR* cursor = CURSORNew();
    if (cursor == nullptr) return false;
    CURSORSet(cursor, text, static_cast<int32_t>(length), 1, 1);
    if (s->cursor != nullptr) CURSORFree(&s->cursor);
    s->cursor = cursor;
    s->text = text;
    s->image = image;
    s->x = 0;
    s->y = 0;
    s->reserved = 0;
    s->width = image->width;
    s->rowHeight = rowHeight;
    s->bound = bound;
    return true;
}

// The scroller can be walked: its text and a cursor with a usable length.
template <typename S>
bool ScrollReady(const S* s) {
    return s->text != nullptr && s->cursor != nullptr && s->cursor->text != nullptr &&
           s->cursor->length >= 1;
}

// Moves the text by speed pixels with the given advance (non-zero): offset +
// speed in 64 bits; whole characters beyond the advance (or below 0) move the
// cursor in one wrapping step. A quotient beyond 32 bits is reduced modulo the
// text length first, which lands the cursor on the same character.
template <typename S>
void ScrollMove(S* s, int64_t advance) {
    int64_t offset = static_cast<int64_t>(s->offset) + s->speed;
    int64_t characters;
    if (offset >= advance) {
        characters = offset / advance;
        offset %= advance;
    } else if (offset < 0) {
        characters = offset / advance - 1;
        offset = offset % advance + advance;
    } else {
        s->offset = static_cast<int32_t>(offset);
        return;
    }
    if (characters < INT32_MIN || characters > INT32_MAX) {
        characters %= s->cursor->length;
    }
    s->cursor->step = static_cast<int32_t>(characters);
    CURSORStep(s->cursor);
    s->offset = static_cast<int32_t>(offset);  // modular for advances beyond 32 bits
}

// The number of characters a draw writes: the window's plus one partly
// visible at each edge. At most 0 for a negative window.
inline int64_t ScrollCount(int32_t width, int64_t advance) { return width / advance + 2; }

// Walks count characters from the cursor's position, calling draw(code) with
// each byte read as a signed 8-bit code, and leaves the cursor where it was:
// as CURSORMark, step 1 and CURSORStep per character, CURSORRestore.
template <typename S, typename DRAW>
void ScrollWalk(S* s, int64_t count, DRAW draw) {
    CURSOR* cursor = s->cursor;
    CURSORSetPosition(cursor, cursor->position);  // a position written from outside is brought in range
    CURSORMark(cursor);
    cursor->step = 1;
    const char* text = cursor->text;
    const int32_t length = cursor->length;
    int32_t position = cursor->position;
    for (int64_t i = 0; i < count; ++i) {
        draw(static_cast<int32_t>(static_cast<int8_t>(text[position])));
        position = position + 1 == length ? 0 : position + 1;
    }
    CURSORRestore(cursor);
}
