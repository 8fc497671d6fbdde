// csine.cpp: CSINE, the polar sine figure.
#include "vector/csine.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "vector/seg2d.h"
#include "vector/sine.h"

const char* const CSINE_IDENTITY[5] = {"CSINE   ", "20120412", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void CSINEError() {
    REPORTError("CSINE error\n", kReport);
}

constexpr uint32_t kTurn = 1024u << 16;  // one turn as a 16.16 phase

SEG2D* SegmentAt(const CSINE* figure, int32_t i) {
    return static_cast<SEG2D*>(figure->segments->slots[i]);
}

bool Whole(const SEG2D* s) {
    return s != nullptr && s->start != nullptr && s->end != nullptr;
}

int32_t Index(uint32_t phase) {
    return static_cast<int32_t>((phase >> 16) & SINE_MASK);
}

// Frees the segments of list, last to first, then the list.
void FreeList(LIST** list) {
    for (int32_t i = (*list)->count - 1; i >= 0; --i) {
        SEG2D* s = static_cast<SEG2D*>((*list)->slots[i]);
        if (s != nullptr) SEG2DFree(&s);
    }
    LISTFree(list);
}

// Places every joint: joint i at the radius of phase a + i * radiusStep in
// the direction b + i * bStep (sine for x, cosine for y, so direction 0 points
// straight down from the centre).
void PlaceJoints(CSINE* figure, uint32_t a, uint32_t b, uint32_t bStep) {
    const int64_t cx = static_cast<int64_t>(figure->width >> 1) + figure->xOffset;
    const int64_t cy = static_cast<int64_t>(figure->height >> 1) + figure->yOffset;
    const uint32_t aStep = static_cast<uint32_t>(figure->radiusStep);
    const int64_t amplitude = figure->amplitude;
    const int64_t base = figure->baseRadius;
    const int32_t n = figure->segments->count;
    for (int32_t i = 0; i < n; ++i) {
        SEG2D* s = SegmentAt(figure, i);
        if (Whole(s)) {
            const int64_t r = ((SINE_TABLE[Index(a)] * amplitude) >> 16) + base;
            const int32_t d = Index(b);
            s->start->x = static_cast<int32_t>(cx + ((SINE_TABLE[d] * r) >> 16));
            s->start->y =
                static_cast<int32_t>(cy + ((SINE_TABLE[(d + 256) & SINE_MASK] * r) >> 16));
        } else {
            CSINEError();
        }
        a += aStep;
        b += bStep;
    }
}

// End of segment i = start of segment i + 1; the last one ends at the start
// of segment `last` (its own for the open curve, the first for the ring).
void Chain(CSINE* figure, int32_t last) {
    const int32_t n = figure->segments->count;
    for (int32_t i = 0; i < n; ++i) {
        SEG2D* s = SegmentAt(figure, i);
        const SEG2D* next = SegmentAt(figure, i + 1 < n ? i + 1 : last);
        if (Whole(s) && Whole(next)) {
            s->end->x = next->start->x;
            s->end->y = next->start->y;
        }
    }
}

int32_t Draw() {
    return RNGDraw();
}

// Both randomisers centre the figure in a 256 x 256 area.
void Centre(CSINE* figure) {
    figure->width = 256;
    figure->height = 256;
    figure->xOffset = 0;
    figure->yOffset = 0;
}
}  // namespace

CSINE* CSINENew() {
    CSINE* figure = static_cast<CSINE*>(REPORTZeroAlloc(1, sizeof(CSINE)));
    if (figure == nullptr) {
        CSINEError();
        return nullptr;
    }
    figure->width = 256;
    figure->height = 256;
    figure->radiusSpeed = 0x80000;
    figure->amplitude = 128;
    figure->radiusStep = 0x500000;
    figure->colour = 0x00FFFFFFu;
    figure->angleSpeed = 0x100000;
    figure->baseRadius = 128;
    figure->angleStep = 0x200000;
    CSINESetSegmentCount(figure, 64);
    if (figure->segments == nullptr) {
        std::free(figure);
        return nullptr;  // reported by CSINESetSegmentCount
    }
    return figure;
}

void CSINEFree(CSINE** ref) {
    if (ref == nullptr || *ref == nullptr) {
        CSINEError();
        return;
    }
    if ((*ref)->segments != nullptr) CSINEFreeSegments(*ref);
    std::free(*ref);
    *ref = nullptr;
}

char* CSINEToASCII(const CSINE* figure) {
    if (figure == nullptr) CSINEError();
    return nullptr;
}

CSINE* CSINEFromASCII(const char* text) {
    if (text == nullptr) CSINEError();
    return nullptr;
}

bool CSINEEqual(const CSINE* a, const CSINE* b) {
    if (a == nullptr || b == nullptr) CSINEError();
    return false;
}

void CSINECopy(const CSINE* src, CSINE* dst) {
    if (src == nullptr || dst == nullptr) CSINEError();
}

CSINE* CSINEClone(const CSINE* figure) {
    if (figure == nullptr) {
        CSINEError();
        return nullptr;
    }
    return CSINENew();
}

void CSINESetSegmentCount(CSINE* figure, int32_t n) {
    if (figure == nullptr || n < 0) {
        CSINEError();
        return;
    }
    // The new list is made whole before the old one goes, so a failure part
    // way leaves the figure as it was.
    LIST* list = LISTNew();
    if (list == nullptr) {
        CSINEError();
        return;
    }
    for (int32_t i = 0; i < n; ++i) {
        SEG2D* s = SEG2DNew();
        if (s != nullptr) LISTPush(list, s);
        if (s == nullptr || list->count != i + 1) {
            if (s != nullptr) SEG2DFree(&s);  // not taken by the list
            FreeList(&list);
            CSINEError();
            return;
        }
    }
    if (figure->segments != nullptr) CSINEFreeSegments(figure);
    figure->segments = list;
}

void CSINEFreeSegments(CSINE* figure) {
    if (figure == nullptr || figure->segments == nullptr) {
        CSINEError();
        return;
    }
    FreeList(&figure->segments);
}

void CSINESetColor(CSINE* figure, uint32_t colour) {
    if (figure == nullptr || figure->segments == nullptr) {
        CSINEError();
        return;
    }
    figure->colour = colour;
    for (int32_t i = 0; i < figure->segments->count; ++i) {
        SEG2D* s = SegmentAt(figure, i);
        if (Whole(s)) {
            s->start->colour = colour;
            s->end->colour = colour;
        }
    }
}

void CSINEUpdate(CSINE* figure) {
    if (figure == nullptr || figure->segments == nullptr) {
        CSINEError();
        return;
    }
    figure->radiusPhase += static_cast<uint32_t>(figure->radiusSpeed);
    figure->anglePhase += static_cast<uint32_t>(figure->angleSpeed);
    PlaceJoints(figure, figure->radiusPhase, figure->anglePhase,
                static_cast<uint32_t>(figure->angleStep));
    Chain(figure, figure->segments->count - 1);
}

void CSINEUpdateRing(CSINE* figure) {
    if (figure == nullptr || figure->segments == nullptr) {
        CSINEError();
        return;
    }
    figure->radiusPhase += static_cast<uint32_t>(figure->radiusSpeed);
    const int32_t n = figure->segments->count;
    PlaceJoints(figure, figure->radiusPhase, 0, n > 0 ? kTurn / static_cast<uint32_t>(n) : 0);
    Chain(figure, 0);
}

void CSINERandomize(CSINE* figure) {
    if (figure == nullptr) {
        CSINEError();
        return;
    }
    Centre(figure);
    // One draw per statement, in this order; an odd count of steps from the
    // even spread minus an odd number, in 16.16.
    figure->radiusPhase = static_cast<uint32_t>(Draw() & 1023);
    figure->radiusSpeed = ((Draw() & 31) * 2 - 15) * 65536;
    figure->radiusStep = ((Draw() & 63) * 2 - 31) * 65536;
    figure->amplitude = (Draw() & 255) + 16;
    figure->colour = static_cast<uint32_t>(Draw() & 0xFFFFFF);
    figure->anglePhase = static_cast<uint32_t>(Draw() & 1023);
    figure->angleSpeed = ((Draw() & 31) * 2 - 15) * 65536;
    figure->angleStep = ((Draw() & 15) * 2 - 7) * 65536;
    figure->baseRadius = (Draw() & 255) + 16;
    CSINESetSegmentCount(figure, (Draw() & 255) + 64);
}

void CSINERandomizeRing(CSINE* figure) {
    if (figure == nullptr) {
        CSINEError();
        return;
    }
    Centre(figure);
    CSINESetSegmentCount(figure, (Draw() & 255) + 64);
    const int32_t n = figure->segments != nullptr ? figure->segments->count : 0;
    const int32_t k = (Draw() & 15) + 1;
    figure->radiusPhase = static_cast<uint32_t>(Draw() & 1023);
    figure->radiusSpeed = ((Draw() & 31) + 1) * 65536;
    // k whole waves round the ring: k * 1024 steps over n joints (k <= 16, so
    // the dividend is at most 2^30).
    figure->radiusStep = n > 0 ? static_cast<int32_t>((static_cast<int64_t>(k) << 26) / n) : 0;
    figure->amplitude = (Draw() & 255) + 16;
    figure->colour = static_cast<uint32_t>(Draw() & 0xFFFFFF);
    figure->anglePhase = static_cast<uint32_t>(Draw() & 1023);
    figure->angleSpeed = ((Draw() & 31) + 1) * 65536;
    figure->angleStep = ((Draw() & 63) + 16) * 65536;
    figure->baseRadius = (Draw() & 255) + 16;
}

void CSINEDraw(const CSINE* figure, IMG* image) {
    if (figure == nullptr || figure->segments == nullptr || image == nullptr) {
        CSINEError();
        return;
    }
    for (int32_t i = figure->segments->count - 1; i >= 0; --i)
        SEG2DDraw(SegmentAt(figure, i), image);
}

void CSINEDrawRays(CSINE* figure, IMG* image) {
    if (figure == nullptr || figure->segments == nullptr || image == nullptr) {
        CSINEError();
        return;
    }
    const int32_t cx = image->width / 2;
    const int32_t cy = image->height / 2;
    for (int32_t i = figure->segments->count - 1; i >= 0; --i) {
        SEG2D* s = SegmentAt(figure, i);
        if (!Whole(s)) {
            CSINEError();
            continue;
        }
        s->start->x = cx;
        s->start->y = cy;
        SEG2DDraw(s, image);
    }
}
