// sineline.cpp: SINELINE, the wandering sine polyline.
#include "effects/sineline.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "vector/sine.h"

const char* const SINELINE_IDENTITY[5] = {"SINELINE", "20110909", "Vaskoril", "C       ",
                                          "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void SINELINEError() { REPORTError("SINELINE error\n", kReport); }

constexpr int32_t kScratchWords = 4;  // scratch words per vertex

// (a + b) modulo 1024, for any two words: the add wraps as unsigned.
int32_t AddPhase(int32_t a, int32_t b) {
    return static_cast<int32_t>((static_cast<uint32_t>(a) + static_cast<uint32_t>(b)) &
                                static_cast<uint32_t>(SINE_MASK));
}

int32_t Rem1024() { return RNGDraw() % 1024; }
int32_t Masked(int32_t mask, int32_t base) { return (RNGDraw() & mask) + base; }

// One wave's component of a vertex: the three products in 64 bits, one shift.
int32_t Wave(int32_t centre, int32_t a, int32_t pa, int32_t b, int32_t pb, int32_t c, int32_t pc) {
    const int64_t sum = static_cast<int64_t>(a) * SINE_TABLE[pa & SINE_MASK] +
                        static_cast<int64_t>(b) * SINE_TABLE[pb & SINE_MASK] +
                        static_cast<int64_t>(c) * SINE_TABLE[pc & SINE_MASK];
    return static_cast<int32_t>(static_cast<uint32_t>(centre) +
                                static_cast<uint32_t>(static_cast<int32_t>(sum >> 16)));
}
}  // namespace

SINELINE* SINELINENew() {
    SINELINE* s = static_cast<SINELINE*>(REPORTZeroAlloc(1, sizeof(SINELINE)));
    if (s == nullptr) {
        SINELINEError();
        return nullptr;
    }
    s->size = VEC2D{256, 256, 256};
    SINELINESetCount(s, 16);
    if (s->scratch == nullptr) {
        SINELINEFree(&s);
        return nullptr;
    }
    s->colour = 0x00FF0000u;
    SINELINEReset(s);
    return s;
}

void SINELINEFree(SINELINE** ref) {
    if (ref == nullptr || *ref == nullptr) {
        SINELINEError();
        return;
    }
    std::free((*ref)->scratch);
    std::free(*ref);
    *ref = nullptr;
}

char* SINELINEToASCII(const SINELINE* s) {
    if (s == nullptr) SINELINEError();
    return nullptr;
}

SINELINE* SINELINEFromASCII(const char* text) {
    if (text == nullptr) SINELINEError();
    return nullptr;
}

bool SINELINEEqual(const SINELINE* a, const SINELINE* b) {
    if (a == nullptr || b == nullptr) SINELINEError();
    return false;
}

SINELINE* SINELINECopy(const SINELINE* src) {
    if (src == nullptr) {
        SINELINEError();
        return nullptr;
    }
    return SINELINENew();
}

void SINELINECopyInto(const SINELINE* src, SINELINE* dst) {
    if (src == nullptr || dst == nullptr) SINELINEError();
}

void SINELINESetCount(SINELINE* s, int32_t n) {
    if (s == nullptr || n <= 0 || n > INT32_MAX / kScratchWords) {
        SINELINEError();
        return;
    }
    std::free(s->scratch);
    s->count = n;
    s->scratch = static_cast<int32_t*>(
        REPORTZeroAlloc(static_cast<size_t>(n) * kScratchWords, sizeof(int32_t)));
    if (s->scratch == nullptr) SINELINEError();
}

void SINELINEReset(SINELINE* s) {
    if (s == nullptr || s->scratch == nullptr) {
        SINELINEError();
        return;
    }
    // The order of the eighteen draws is part of the figure a seed gives.
    s->phaseA.x = Rem1024();
    s->phaseA.y = Rem1024();
    s->speedA.x = Masked(7, 3);
    s->speedA.y = Masked(7, 3);
    s->stepA.x = Masked(15, 5);
    s->stepA.y = Masked(15, 6);
    s->amplitudeA.x = 128;
    s->amplitudeA.y = 128;
    s->phaseB.x = Rem1024();
    s->phaseB.y = Rem1024();
    s->speedB.x = Masked(7, 2);
    s->speedB.y = Masked(7, 2);
    s->stepB.x = Masked(15, 6);
    s->stepB.y = Masked(15, 7);
    s->amplitudeB.x = 64;
    s->amplitudeB.y = 64;
    s->phaseC.x = Rem1024();
    s->phaseC.y = Rem1024();
    s->speedC.x = Masked(3, 1);
    s->speedC.y = Masked(3, 1);
    s->stepC.x = Masked(15, 7);
    s->stepC.y = Masked(15, 8);
    s->amplitudeC.x = 32;
    s->amplitudeC.y = 32;
}

void SINELINEMove(SINELINE* s) {
    if (s == nullptr || s->scratch == nullptr) {
        SINELINEError();
        return;
    }
    s->phaseA.x = AddPhase(s->phaseA.x, s->speedA.x);
    s->phaseA.y = AddPhase(s->phaseA.y, s->speedA.y);
    s->phaseB.x = AddPhase(s->phaseB.x, s->speedB.x);
    s->phaseB.y = AddPhase(s->phaseB.y, s->speedB.y);
    s->phaseC.x = AddPhase(s->phaseC.x, s->speedC.x);
    s->phaseC.y = AddPhase(s->phaseC.y, s->speedC.y);
}

void SINELINEVertex(const SINELINE* s, const int32_t phases[6], int32_t w, int32_t h,
                    int32_t* x, int32_t* y) {
    if (s == nullptr || phases == nullptr || x == nullptr || y == nullptr) {
        SINELINEError();
        return;
    }
    *x = Wave(w >> 1, s->amplitudeA.x, phases[0], s->amplitudeB.x, phases[2],
              s->amplitudeC.x, phases[4]);
    *y = Wave(h >> 1, s->amplitudeA.y, phases[1], s->amplitudeB.y, phases[3],
              s->amplitudeC.y, phases[5]);
}

void SINELINEPrepare(SINELINE* s, int32_t w, int32_t h, int32_t phases[6]) {
    if (s == nullptr || phases == nullptr) {
        SINELINEError();
        return;
    }
    s->size.x = w;
    s->size.y = h;
    s->amplitudeA.x = w >> 1;
    s->amplitudeA.y = h >> 1;
    s->amplitudeB.x = w >> 2;
    s->amplitudeB.y = h >> 2;
    s->amplitudeC.x = w >> 3;
    s->amplitudeC.y = h >> 3;
    phases[0] = s->phaseA.x;
    phases[1] = s->phaseA.y;
    phases[2] = s->phaseB.x;
    phases[3] = s->phaseB.y;
    phases[4] = s->phaseC.x;
    phases[5] = s->phaseC.y;
}

void SINELINEStep(const SINELINE* s, int32_t phases[6]) {
    if (s == nullptr || phases == nullptr) {
        SINELINEError();
        return;
    }
    phases[0] = AddPhase(phases[0], s->stepA.x);
    phases[1] = AddPhase(phases[1], s->stepA.y);
    phases[2] = AddPhase(phases[2], s->stepB.x);
    phases[3] = AddPhase(phases[3], s->stepB.y);
    phases[4] = AddPhase(phases[4], s->stepC.x);
    phases[5] = AddPhase(phases[5], s->stepC.y);
}

void SINELINEDraw(SINELINE* s, IMG* img) {
    if (s == nullptr || img == nullptr || s->scratch == nullptr) {
        SINELINEError();
        return;
    }
    int32_t phases[6];
    SINELINEPrepare(s, img->width, img->height, phases);
    int32_t px = 0;
    int32_t py = 0;
    SINELINEVertex(s, phases, img->width, img->height, &px, &py);
    for (int32_t i = 0; i < s->count; ++i) {
        int32_t x = 0;
        int32_t y = 0;
        SINELINEVertex(s, phases, img->width, img->height, &x, &y);
        IMGDrawLine(img, x, y, px, py, s->colour);
        SINELINEStep(s, phases);
        px = x;
        py = y;
    }
}
