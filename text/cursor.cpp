// cursor.cpp: CURSOR, a wrapping index over a text.
#include "text/cursor.h"

#include <cstdlib>

#include "core/report.h"
#include "text/wrap_impl.h"

const char* const CURSOR_IDENTITY[6] = {"CURSOR  ", "20120327", "Vaskoril",
                                        "C       ", "CODE    ", "MOXA"};

namespace {
constexpr bool kReport = false;  // build-time error switch
void CURSORError() {
    REPORTError("CURSOR Error.\n", kReport);
}

// A cursor whose length can serve as a modulus.
bool Usable(const CURSOR* cursor) {
    return cursor != nullptr && cursor->length >= 1;
}
}  // namespace

CURSOR* CURSORNew() {
    CURSOR* cursor = static_cast<CURSOR*>(REPORTZeroAlloc(1, sizeof(CURSOR)));
    CURSORSet(cursor, CURSOR_IDENTITY[5], 4, 1, 1);  // reports when the allocation failed
    return cursor;
}

void CURSORFree(CURSOR** ref) {
    if (ref == nullptr) {
        CURSORError();
        return;
    }
    std::free(*ref);
    *ref = nullptr;
}

void CURSORSet(CURSOR* cursor, const char* text, int32_t length, int32_t unit, int32_t step) {
    if (cursor == nullptr || text == nullptr || length < 1) {
        CURSORError();
        return;
    }
    cursor->text = text;
    cursor->length = length;
    cursor->unit = unit;
    cursor->step = step;
    cursor->position = 0;
}

void CURSORStep(CURSOR* cursor) {
    if (!Usable(cursor)) {
        CURSORError();
        return;
    }
    cursor->position =
        TextWrap(static_cast<int64_t>(cursor->position) + cursor->step, cursor->length);
}

void CURSORSetPosition(CURSOR* cursor, int32_t p) {
    if (!Usable(cursor)) {
        CURSORError();
        return;
    }
    cursor->position = TextWrap(p, cursor->length);
}

void CURSORMark(CURSOR* cursor) {
    if (cursor == nullptr) {
        CURSORError();
        return;
    }
    cursor->mark = cursor->position;
}

void CURSORRestore(CURSOR* cursor) {
    if (!Usable(cursor)) {
        CURSORError();
        return;
    }
    cursor->position = TextWrap(cursor->mark, cursor->length);
}
