// lscroll.cpp: LSCROLL, a scrolling row of line-font text.
#include "text/lscroll.h"

#include "core/report.h"
#include "image/img.h"
#include "text/scroll_impl.h"
#include "vector/lfont.h"

const char* const LSCROLL_IDENTITY[6] = {"LSCROLL ", "20120707", "Vaskoril",
                                         "C       ", "CODE    ", "A scroll's default text. "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LSCROLLError() {
    REPORTError("LSCROLL error\n", kReport);
}

// The pixels one character occupies, cellSize.x * scale.x in 64 bits; 0 when
// the font or its pen vectors are missing (or the product is 0).
int64_t AdvanceOf(const LFONT* font) {
    if (font == nullptr || font->cellSize == nullptr || font->scale == nullptr ||
        font->position == nullptr) {
        return 0;
    }
    return static_cast<int64_t>(font->cellSize->x) * font->scale->x;
}

// Everything a draw needs; the advance is returned through *advance.
bool DrawReady(const LSCROLL* s, int64_t* advance) {
    if (s == nullptr || !ScrollReady(s) || s->image == nullptr) return false;
    *advance = AdvanceOf(s->font);
    return *advance != 0;
}

// The pen at the window's left edge, minus the offset, in the scroller's image.
void PlacePen(LSCROLL* s) {
    LFONT* font = s->font;
    font->position->x =
        static_cast<int32_t>(static_cast<uint32_t>(s->x) - static_cast<uint32_t>(s->offset));
    font->position->y = s->y;
    font->image = s->image;
}

// The window overlaps the image (edges included).
bool Visible(const LSCROLL* s) {
    return !(s->x > s->image->width || s->y > s->image->height ||
             static_cast<int64_t>(s->x) + s->width < 0 ||
             static_cast<int64_t>(s->y) + s->rowHeight < 0);
}

// The row in the glyphs' colours (or, `tinted`, as if every glyph had
// `colour`): the cursor is marked, walked by steps of 1 and restored, as
// ScrollWalk does, with the characters drawn as one run.
void DrawPlain(LSCROLL* s, int64_t advance, bool tinted = false, uint32_t colour = 0) {
    PlacePen(s);
    CURSOR* cursor = s->cursor;
    CURSORSetPosition(cursor, cursor->position);
    CURSORMark(cursor);
    cursor->step = 1;
    if (tinted) {
        LFONTDrawCycleInColour(s->font, cursor->text, cursor->length, cursor->position,
                               ScrollCount(s->width, advance), colour);
    } else {
        LFONTDrawCycle(s->font, cursor->text, cursor->length, cursor->position,
                       ScrollCount(s->width, advance));
    }
    CURSORRestore(cursor);
}
}  // namespace

LSCROLL* LSCROLLNew() {
    LSCROLL* s = ScrollNew<LSCROLL>(LSCROLL_IDENTITY[5]);
    if (s == nullptr) LSCROLLError();
    return s;
}

void LSCROLLFree(LSCROLL** ref) {
    if (!ScrollFree(ref)) LSCROLLError();
}

void LSCROLLSet(LSCROLL* scroller, const char* text, LFONT* font, IMG* image) {
    if (scroller == nullptr || text == nullptr || font == nullptr || image == nullptr ||
        font->cellSize == nullptr || !ScrollBind(scroller, text, image, font->cellSize->y, 1)) {
        LSCROLLError();
        return;
    }
    scroller->font = font;
}

void LSCROLLStep(LSCROLL* scroller) {
    int64_t advance = 0;
    if (scroller == nullptr || !ScrollReady(scroller) ||
        (advance = AdvanceOf(scroller->font)) == 0) {
        LSCROLLError();
        return;
    }
    ScrollMove(scroller, advance);
}

void LSCROLLDraw(LSCROLL* scroller) {
    int64_t advance = 0;
    if (!DrawReady(scroller, &advance)) {
        LSCROLLError();
        return;
    }
    if (!Visible(scroller)) return;
    DrawPlain(scroller, advance);
}

void LSCROLLDrawOpaque(LSCROLL* scroller) {
    LSCROLLDraw(scroller);
}

void LSCROLLDrawRandomColours(LSCROLL* scroller) {
    int64_t advance = 0;
    if (!DrawReady(scroller, &advance)) {
        LSCROLLError();
        return;
    }
    PlacePen(scroller);
    LFONT* font = scroller->font;
    ScrollWalk(scroller, ScrollCount(scroller->width, advance), [font](int32_t code) {
        font->code = code;
        LFONTDrawCharRandomColor(font);
    });
}

void LSCROLLDrawColoured(LSCROLL* scroller, uint32_t colour) {
    int64_t advance = 0;
    if (!DrawReady(scroller, &advance)) {
        LSCROLLError();
        return;
    }
    LFONTSetColor(scroller->font, colour);
    DrawPlain(scroller, advance);
}

void LSCROLLDrawColouredRows(LSCROLL* const* rows, const uint32_t* colours, int32_t count) {
    if (rows == nullptr || colours == nullptr || count < 0) {
        LSCROLLError();
        return;
    }
    int64_t advance = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (!DrawReady(rows[i], &advance)) {
            LSCROLLError();
            continue;
        }
        DrawPlain(rows[i], advance, true, colours[i]);
    }
    // Each font ends in the colour of the last row drawn with it.
    for (int32_t i = 0; i < count; ++i) {
        if (!DrawReady(rows[i], &advance)) continue;
        bool last = true;
        for (int32_t j = i + 1; j < count && last; ++j) {
            last = !(DrawReady(rows[j], &advance) && rows[j]->font == rows[i]->font);
        }
        if (last) LFONTSetColor(rows[i]->font, colours[i]);
    }
}
