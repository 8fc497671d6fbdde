// sinedots.cpp: SINEDOTS, the sine line's vertices as dots. Every operation
// makes its own checks (reported as SINEDOTS) and then leaves the shared work
// to the sine line, whose own checks then pass.
#include "effects/sinedots.h"

#include "core/report.h"
#include "image/img.h"

const char* const SINEDOTS_IDENTITY[4] = {"SINEDOTS", "20100924", "Vaskoril", "C       "};

namespace {
constexpr bool kReport = false;  // never on: failures are counted, not printed
void SINEDOTSError() { REPORTError("SINEDOTS error\n", kReport); }

bool Ready(const SINEDOTS* s) { return s != nullptr && s->scratch != nullptr; }
}  // namespace

SINEDOTS* SINEDOTSNew() {
    SINEDOTS* s = SINELINENew();
    if (s == nullptr) SINEDOTSError();
    return s;
}

void SINEDOTSFree(SINEDOTS** ref) {
    if (ref == nullptr || *ref == nullptr) {
        SINEDOTSError();
        return;
    }
    SINELINEFree(ref);
}

char* SINEDOTSToASCII(const SINEDOTS* s) {
    if (s == nullptr) SINEDOTSError();
    return nullptr;
}

SINEDOTS* SINEDOTSFromASCII(const char* text) {
    if (text == nullptr) SINEDOTSError();
    return nullptr;
}

bool SINEDOTSEqual(const SINEDOTS* a, const SINEDOTS* b) {
    if (a == nullptr || b == nullptr) SINEDOTSError();
    return false;
}

SINEDOTS* SINEDOTSCopy(const SINEDOTS* src) {
    if (src == nullptr) {
        SINEDOTSError();
        return nullptr;
    }
    return SINEDOTSNew();
}

void SINEDOTSCopyInto(const SINEDOTS* src, SINEDOTS* dst) {
    if (src == nullptr || dst == nullptr) SINEDOTSError();
}

void SINEDOTSSetCount(SINEDOTS* s, int32_t n) {
    if (s == nullptr || n <= 0 || n > INT32_MAX / 4) {
        SINEDOTSError();
        return;
    }
    SINELINESetCount(s, n);
    if (s->scratch == nullptr) SINEDOTSError();
}

void SINEDOTSReset(SINEDOTS* s) {
    if (!Ready(s)) {
        SINEDOTSError();
        return;
    }
    SINELINEReset(s);
}

void SINEDOTSMove(SINEDOTS* s) {
    if (!Ready(s)) {
        SINEDOTSError();
        return;
    }
    SINELINEMove(s);
}

void SINEDOTSDraw(SINEDOTS* s, IMG* img) {
    if (!Ready(s) || img == nullptr) {
        SINEDOTSError();
        return;
    }
    int32_t phases[6];
    SINELINEPrepare(s, img->width, img->height, phases);
    for (int32_t i = 0; i < s->count; ++i) {
        int32_t x = 0;
        int32_t y = 0;
        SINELINEVertex(s, phases, img->width, img->height, &x, &y);
        IMGPutPixel(img, x, y, s->colour);
        SINELINEStep(s, phases);
    }
}
