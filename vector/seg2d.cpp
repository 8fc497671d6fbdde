// seg2d.cpp: SEG2D, segments between two owned endpoints.
#include "vector/seg2d.h"

#include <cstdlib>

#include "core/report.h"
#include "image/img.h"

const char* const SEG2D_IDENTITY[5] = {"SEG2D   ", "20120515", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void SEG2DError() { REPORTError("SEG2D error\n", kReport); }

// A segment that can be used: present, with both endpoints.
bool Whole(const SEG2D* s) { return s != nullptr && s->start != nullptr && s->end != nullptr; }

int32_t Min(int32_t a, int32_t b) { return a < b ? a : b; }
int32_t Max(int32_t a, int32_t b) { return a > b ? a : b; }

bool Outside(int32_t v, int32_t p, int32_t q) { return (v >= p) != (v <= q); }

// The four endpoint tests of the span test on one axis. All four hold when the
// segments' spans are apart on that axis.
bool ApartX(const SEG2D* a, const SEG2D* b) {
    return Outside(b->start->x, a->start->x, a->end->x) &&
           Outside(b->end->x, a->start->x, a->end->x) &&
           Outside(a->start->x, b->start->x, b->end->x) &&
           Outside(a->end->x, b->start->x, b->end->x);
}
bool ApartY(const SEG2D* a, const SEG2D* b) {
    return Outside(b->start->y, a->start->y, a->end->y) &&
           Outside(b->end->y, a->start->y, a->end->y) &&
           Outside(a->start->y, b->start->y, b->end->y) &&
           Outside(a->end->y, b->start->y, b->end->y);
}

int32_t Span(const SEG2D* a, const SEG2D* b) {
    if (ApartX(a, b)) return 0;
    if (ApartY(a, b)) return 0;
    return 1;
}

// Wide enough for every intermediate of the crossing test with int32_t
// coordinates: |m| < 2^41, |m * x| < 2^72.
__extension__ typedef __int128 Wide;

struct Line {
    Wide m;  // slope, 8.8 fixed point
    Wide c;  // intercept at x = 0, 8.8 fixed point
};

Line LineOf(const SEG2D* s) {
    int64_t dx = static_cast<int64_t>(s->end->x) - s->start->x;
    if (dx == 0) dx = 1;
    const int64_t dy = static_cast<int64_t>(s->end->y) - s->start->y;
    Line l;
    l.m = static_cast<Wide>(dy * 256 / dx);  // truncates towards zero
    l.c = static_cast<Wide>(s->start->y) * 256 - l.m * s->start->x;
    return l;
}

bool Within(Wide xi, const SEG2D* s) { return !((xi >= s->start->x) != (xi <= s->end->x)); }
}  // namespace

SEG2D* SEG2DNew() {
    SEG2D* s = static_cast<SEG2D*>(REPORTZeroAlloc(1, sizeof(SEG2D)));
    VEC2D* start = VEC2DNew();
    VEC2D* end = VEC2DNew();
    if (s == nullptr || start == nullptr || end == nullptr) {
        std::free(s);
        std::free(start);
        std::free(end);
        SEG2DError();
        return nullptr;
    }
    end->x = 1;
    end->y = 1;
    s->start = start;
    s->end = end;
    return s;
}

void SEG2DFree(SEG2D** ref) {
    if (ref == nullptr || *ref == nullptr) {
        SEG2DError();
        return;
    }
    SEG2D* s = *ref;
    if (s->start != nullptr) VEC2DFree(&s->start);
    if (s->end != nullptr) VEC2DFree(&s->end);
    std::free(s);
    *ref = nullptr;
}

void SEG2DFreeShell(SEG2D** ref) {
    if (ref == nullptr || *ref == nullptr) {
        SEG2DError();
        return;
    }
    std::free(*ref);
    *ref = nullptr;
}

char* SEG2DToASCII(const SEG2D* s) {
    if (s == nullptr) SEG2DError();
    return nullptr;
}

SEG2D* SEG2DFromASCII(const char* text) {
    if (text == nullptr) SEG2DError();
    return nullptr;
}

bool SEG2DEqual(const SEG2D* a, const SEG2D* b) {
    if (!Whole(a) || !Whole(b)) {
        SEG2DError();
        return false;
    }
    return VEC2DEqual(a->start, b->start) && VEC2DEqual(a->end, b->end);
}

void SEG2DCopy(const SEG2D* src, SEG2D* dst) {
    if (!Whole(src) || !Whole(dst)) {
        SEG2DError();
        return;
    }
    VEC2DCopy(src->start, dst->start);
    VEC2DCopy(src->end, dst->end);
}

SEG2D* SEG2DClone(const SEG2D* s) {
    if (!Whole(s)) {
        SEG2DError();
        return nullptr;
    }
    SEG2D* copy = SEG2DNew();
    if (copy != nullptr) SEG2DCopy(s, copy);
    return copy;
}

void SEG2DDraw(const SEG2D* s, IMG* img) {
    if (!Whole(s) || img == nullptr) {
        SEG2DError();
        return;
    }
    IMGDrawLine(img, s->start->x, s->start->y, s->end->x, s->end->y, s->start->colour);
}

void SEG2DDrawEnds(const SEG2D* s, IMG* img) {
    if (!Whole(s) || img == nullptr) {
        SEG2DError();
        return;
    }
    VEC2DDraw(s->start, img);
    VEC2DDraw(s->end, img);
}

void SEG2DDrawRotated(const SEG2D* s, int32_t angle, const VEC2D* offset, IMG* img) {
    if (!Whole(s) || offset == nullptr || img == nullptr) {
        SEG2DError();
        return;
    }
    VEC2D start;
    VEC2D end;
    SEG2D copy{&start, &end};
    SEG2DCopy(s, &copy);
    SEG2DRotate(&copy, angle);
    SEG2DTranslate(&copy, offset);
    SEG2DDraw(&copy, img);
}

void SEG2DRotate(SEG2D* s, int32_t angle) {
    if (!Whole(s)) {
        SEG2DError();
        return;
    }
    VEC2DRotate(s->start, angle);
    VEC2DRotate(s->end, angle);
}

void SEG2DTranslate(SEG2D* s, const VEC2D* offset) {
    if (!Whole(s) || offset == nullptr) {
        SEG2DError();
        return;
    }
    VEC2DAdd(offset, s->start);
    VEC2DAdd(offset, s->end);
}

void SEG2DScale(SEG2D* s, int32_t k) {
    if (!Whole(s)) {
        SEG2DError();
        return;
    }
    VEC2DScale(s->start, k);
    VEC2DScale(s->end, k);
}

void SEG2DMul(SEG2D* s, const VEC2D* k) {
    if (!Whole(s) || k == nullptr) {
        SEG2DError();
        return;
    }
    VEC2DMul(s->start, k);
    VEC2DMul(s->end, k);
}

int32_t SEG2DBoxOverlap(const SEG2D* a, const SEG2D* b) {
    if (!Whole(a) || !Whole(b)) {
        SEG2DError();
        return 0;
    }
    const int32_t axMin = Min(a->start->x, a->end->x);
    const int32_t axMax = Max(a->start->x, a->end->x);
    const int32_t ayMin = Min(a->start->y, a->end->y);
    const int32_t ayMax = Max(a->start->y, a->end->y);
    const int32_t bxMin = Min(b->start->x, b->end->x);
    const int32_t bxMax = Max(b->start->x, b->end->x);
    const int32_t byMin = Min(b->start->y, b->end->y);
    const int32_t byMax = Max(b->start->y, b->end->y);
    return (bxMin <= axMax && bxMax >= axMin && byMin <= ayMax && byMax >= ayMin) ? 1 : 0;
}

int32_t SEG2DOverlaps(const SEG2D* a, const SEG2D* b) {
    if (!Whole(a) || !Whole(b)) {
        SEG2DError();
        return 0;
    }
    return SEG2DBoxOverlap(a, b) != 0 ? 1 : 0;
}

int32_t SEG2DSpanOverlap(const SEG2D* a, const SEG2D* b) {
    if (!Whole(a) || !Whole(b)) {
        SEG2DError();
        return 0;
    }
    return Span(a, b);
}

int32_t SEG2DCrosses(const SEG2D* a, const SEG2D* b) {
    if (!Whole(a) || !Whole(b)) {
        SEG2DError();
        return 0;
    }
    const Line la = LineOf(a);
    const Line lb = LineOf(b);
    if (la.m == lb.m) {
        if (la.c != lb.c) return 0;  // parallel
        return Span(a, b);           // the same line
    }
    const Wide xi = (lb.c - la.c) / (la.m - lb.m);  // truncates; the divisor is non-zero
    return (Within(xi, a) && Within(xi, b)) ? 1 : 0;
}
