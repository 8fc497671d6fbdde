#include "core/list.h"

#include "core/report.h"
#include "core/slots_impl.h"

const char* const LIST_IDENTITY[5] = {"LIST    ", "20110824", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LISTError() { REPORTError("LIST error\n", kReport); }
}  // namespace

LIST* LISTNew() {
    LIST* list = SLOTSNew<LIST>();
    if (list == nullptr) LISTError();
    return list;
}

bool LISTEqual(const LIST* a, const LIST* b) {
    bool equal = false;
    if (!SLOTSEqual(a, b, &equal)) LISTError();
    return equal;
}

LIST* LISTClone(const LIST* list) {
    LIST* copy = SLOTSClone(list);
    if (copy == nullptr) LISTError();
    return copy;
}

void LISTFree(LIST** ref) {
    if (!SLOTSFree(ref)) LISTError();
}

char* LISTToASCII(const LIST* list) {
    if (list == nullptr) LISTError();
    return nullptr;
}

LIST* LISTFromASCII(const char* text) {
    if (text == nullptr) LISTError();
    return nullptr;
}

void LISTPush(LIST* list, void* item) {
    if (!SLOTSPush(list, item)) LISTError();
}

void* LISTPop(LIST* list) {
    void* item = nullptr;
    if (!SLOTSPop(list, &item)) LISTError();
    return item;
}

void LISTInsert(LIST* list, void* item, int32_t index) {
    if (!SLOTSInsert(list, item, index)) LISTError();
}

int32_t LISTRemove(LIST* list, int32_t index) {
    if (!SLOTSRemove(list, index)) {
        LISTError();
        return 0;
    }
    return list->count;
}

void* LISTGet(const LIST* list, int32_t index) {
    void* item = nullptr;
    if (!SLOTSGet(list, index, &item)) LISTError();
    return item;
}

void LISTSet(LIST* list, void* item, int32_t index) {
    if (!SLOTSSet(list, item, index)) LISTError();
}

int32_t LISTFind(const LIST* list, const void* item) {
    int32_t index = -1;
    if (!SLOTSFind(list, item, &index)) LISTError();
    return index;
}

LIST* LISTSublist(const LIST* list, int32_t from, int32_t to) {
    LIST* part = SLOTSSublist(list, from, to);
    if (part == nullptr) LISTError();
    return part;
}

void LISTRemoveRange(LIST* list, int32_t from, int32_t to) {
    if (!SLOTSRemoveRange(list, from, to)) LISTError();
}

void LISTInsertRange(const LIST* source, LIST* destination, int32_t from, int32_t to, int32_t at) {
    if (!SLOTSInsertRange(source, destination, from, to, at)) LISTError();
}

bool LISTGrow(LIST* list) {
    if (!SLOTSGrow(list)) {
        LISTError();
        return false;
    }
    return true;
}
