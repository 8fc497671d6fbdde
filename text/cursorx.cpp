// cursorx.cpp: CURSORX, a cyclic index generator.
#include "text/cursorx.h"

#include <cstdlib>

#include "core/report.h"
#include "text/wrap_impl.h"

const char* const CURSORX_IDENTITY[4] = {"CURSORX", "20090805", "VKR", "C"};

namespace {
// The report is compiled out: never printed, but still counted.
constexpr bool kReport = false;
void CURSORXError() {
    REPORTError("CURSORX Error.\n", kReport);
}

// Recomputes value; false (reported, nothing changed) for a size below 1.
bool Update(CURSORX* cursor) {
    if (cursor->size < 1) {
        CURSORXError();
        return false;
    }
    cursor->value = TextWrap(static_cast<int64_t>(cursor->position) + cursor->offset, cursor->size);
    return true;
}
}  // namespace

CURSORX* CURSORXNew() {
    CURSORX* cursor = static_cast<CURSORX*>(REPORTZeroAlloc(1, sizeof(CURSORX)));
    if (cursor == nullptr) {
        CURSORXError();
        return nullptr;
    }
    cursor->size = 1024;
    cursor->step = 1;
    cursor->offsetStep = 2;
    return cursor;
}

void CURSORXFree(CURSORX** ref) {
    if (ref == nullptr || *ref == nullptr) {
        CURSORXError();
        return;
    }
    std::free(*ref);
    *ref = nullptr;
}

char* CURSORXToASCII(const CURSORX* cursor) {
    if (cursor == nullptr) CURSORXError();
    return nullptr;
}

CURSORX* CURSORXFromASCII(const char* text) {
    if (text == nullptr) CURSORXError();
    return nullptr;
}

CURSORX* CURSORXCopy(const CURSORX* src) {
    if (src == nullptr) {
        CURSORXError();
        return nullptr;
    }
    CURSORX* copy = CURSORXNew();
    CURSORXCopyInto(src, copy);
    return copy;
}

void CURSORXCopyInto(const CURSORX* src, CURSORX* dst) {
    if (src == nullptr || dst == nullptr) {
        CURSORXError();
        return;
    }
    dst->size = src->size;
    dst->position = src->position;
    dst->step = src->step;
    dst->offset = src->offset;
    dst->offsetStep = src->offsetStep;
}

void CURSORXSet(CURSORX* cursor, int32_t size, int32_t position, int32_t step, int32_t offset,
                int32_t offsetStep) {
    if (cursor == nullptr) {
        CURSORXError();
        return;
    }
    CURSORXSetSize(cursor, size);
    CURSORXSetPosition(cursor, position);
    CURSORXSetOffset(cursor, offset);
    cursor->step = step;
    cursor->offsetStep = offsetStep;
}

void CURSORXSetSize(CURSORX* cursor, int32_t size) {
    if (cursor == nullptr || size < 0) {
        CURSORXError();
        return;
    }
    cursor->size = size;
    CURSORXSetPosition(cursor, cursor->position);
}

int32_t CURSORXReset(CURSORX* cursor, int32_t p) {
    if (cursor == nullptr) {
        CURSORXError();
        return 0;
    }
    cursor->offset = 0;
    return CURSORXSetPosition(cursor, p);
}

int32_t CURSORXSetPosition(CURSORX* cursor, int32_t p) {
    if (cursor == nullptr || cursor->size < 1) {
        CURSORXError();
        return 0;
    }
    const int32_t r = p % cursor->size;  // size >= 1: no overflow, even for INT32_MIN
    cursor->position = p < 0 ? r + cursor->size : r;
    Update(cursor);
    return cursor->value;
}

int32_t CURSORXSetOffset(CURSORX* cursor, int32_t o) {
    if (cursor == nullptr) {
        CURSORXError();
        return 0;
    }
    cursor->offset = o;
    Update(cursor);
    return cursor->value;
}

int32_t CURSORXStep(CURSORX* cursor) {
    if (cursor == nullptr || cursor->size < 1) {
        CURSORXError();
        return 0;
    }
    cursor->position =
        TextWrap(static_cast<int64_t>(cursor->position) + cursor->step, cursor->size);
    Update(cursor);
    return cursor->value;
}

int32_t CURSORXStepOffset(CURSORX* cursor) {
    if (cursor == nullptr) {
        CURSORXError();
        return 0;
    }
    cursor->offset = static_cast<int32_t>(static_cast<uint32_t>(cursor->offset) +
                                          static_cast<uint32_t>(cursor->offsetStep));
    Update(cursor);
    return cursor->value;
}

void CURSORXUpdate(CURSORX* cursor) {
    if (cursor == nullptr) {
        CURSORXError();
        return;
    }
    Update(cursor);
}
