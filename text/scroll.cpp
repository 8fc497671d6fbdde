// scroll.cpp: SCROLL, a scrolling row of bitmap-font text.
#include "text/scroll.h"

#include "core/report.h"
#include "image/img.h"
#include "text/font.h"
#include "text/scroll_impl.h"

const char* const SCROLL_IDENTITY[6] = {"SCROLL  ", "20110513", "Vaskoril",
                                        "C       ", "CODE    ", "A scroll's default text. "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void SCROLLError() {
    REPORTError("SCROLL error\n", kReport);
}

// The advance, the font's cell width; 0 without a font.
int64_t AdvanceOf(const FONT* font) {
    return font != nullptr ? font->cellWidth : 0;
}

void Draw(SCROLL* s, bool opaque) {
    if (s == nullptr || !ScrollReady(s) || s->image == nullptr || AdvanceOf(s->font) == 0) {
        SCROLLError();
        return;
    }
    FONT* font = s->font;
    font->penX =
        static_cast<int32_t>(static_cast<uint32_t>(s->x) - static_cast<uint32_t>(s->offset));
    font->penY = s->y;
    font->target = s->image;
    ScrollWalk(s, ScrollCount(s->width, font->cellWidth), [font, opaque](int32_t code) {
        font->character = code;
        if (opaque) {
            FONTDrawCharOpaque(font);
        } else {
            FONTDrawChar(font);
        }
    });
}
}  // namespace

SCROLL* SCROLLNew() {
    SCROLL* s = ScrollNew<SCROLL>(SCROLL_IDENTITY[5]);
    if (s == nullptr) SCROLLError();
    return s;
}

void SCROLLFree(SCROLL** ref) {
    if (!ScrollFree(ref)) SCROLLError();
}

void SCROLLSet(SCROLL* scroller, const char* text, FONT* font, IMG* image) {
    if (scroller == nullptr || text == nullptr || font == nullptr || image == nullptr ||
        !ScrollBind(scroller, text, image, font->cellHeight, font->reserved2)) {
        SCROLLError();
        return;
    }
    scroller->font = font;
}

void SCROLLStep(SCROLL* scroller) {
    if (scroller == nullptr || !ScrollReady(scroller) || AdvanceOf(scroller->font) == 0) {
        SCROLLError();
        return;
    }
    ScrollMove(scroller, AdvanceOf(scroller->font));
}

void SCROLLDraw(SCROLL* scroller) {
    Draw(scroller, false);
}
void SCROLLDrawOpaque(SCROLL* scroller) {
    Draw(scroller, true);
}
