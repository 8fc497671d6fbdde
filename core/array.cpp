#include "core/array.h"

#include "core/report.h"
#include "core/slots_impl.h"

const char* const ARRAY_IDENTITY[4] = {"ARRAY", "20090803", "VKR", "C"};

namespace {
constexpr bool kReport = false;  // never on: ARRAY failures are counted, not printed
void ARRAYError() { REPORTError("ARRAY error\n", kReport); }
}  // namespace

ARRAY* ARRAYNew() {
    ARRAY* array = SLOTSNew<ARRAY>();
    if (array == nullptr) ARRAYError();
    return array;
}

bool ARRAYEqual(const ARRAY* a, const ARRAY* b) {
    bool equal = false;
    if (!SLOTSEqual(a, b, &equal)) ARRAYError();
    return equal;
}

ARRAY* ARRAYClone(const ARRAY* array) {
    ARRAY* copy = SLOTSClone(array);
    if (copy == nullptr) ARRAYError();
    return copy;
}

void ARRAYFree(ARRAY** ref) {
    if (!SLOTSFree(ref)) ARRAYError();
}

char* ARRAYToASCII(const ARRAY* array) {
    if (array == nullptr) ARRAYError();
    return nullptr;
}

ARRAY* ARRAYFromASCII(const char* text) {
    if (text == nullptr) ARRAYError();
    return nullptr;
}

void ARRAYPush(ARRAY* array, void* entry) {
    if (!SLOTSPush(array, entry)) ARRAYError();
}

void* ARRAYPop(ARRAY* array) {
    void* entry = nullptr;
    if (!SLOTSPop(array, &entry)) ARRAYError();
    return entry;
}

void ARRAYInsert(ARRAY* array, void* entry, int32_t index) {
    if (!SLOTSInsert(array, entry, index)) ARRAYError();
}

int32_t ARRAYRemove(ARRAY* array, int32_t index) {
    if (!SLOTSRemove(array, index)) {
        ARRAYError();
        return 0;
    }
    return array->count;
}

void* ARRAYGet(const ARRAY* array, int32_t index) {
    void* entry = nullptr;
    if (!SLOTSGet(array, index, &entry)) ARRAYError();
    return entry;
}

void ARRAYSet(ARRAY* array, void* entry, int32_t index) {
    if (!SLOTSSet(array, entry, index)) ARRAYError();
}

int32_t ARRAYFind(const ARRAY* array, const void* entry) {
    int32_t index = -1;
    if (!SLOTSFind(array, entry, &index)) ARRAYError();
    return index;
}

ARRAY* ARRAYSublist(const ARRAY* array, int32_t from, int32_t to) {
    ARRAY* part = SLOTSSublist(array, from, to);
    if (part == nullptr) ARRAYError();
    return part;
}

void ARRAYRemoveRange(ARRAY* array, int32_t from, int32_t to) {
    if (!SLOTSRemoveRange(array, from, to)) ARRAYError();
}

void ARRAYInsertRange(const ARRAY* source, ARRAY* destination, int32_t from, int32_t to, int32_t at) {
    if (!SLOTSInsertRange(source, destination, from, to, at)) ARRAYError();
}

bool ARRAYGrow(ARRAY* array) {
    if (!SLOTSGrow(array)) {
        ARRAYError();
        return false;
    }
    return true;
}
