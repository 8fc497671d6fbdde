// lframe.cpp: LFRAME, the line frame.
#include "effects/lframe.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"

const char* const LFRAME_IDENTITY[5] = {"LFRAME  ", "20120517", "Vaskoril", "C       ",
                                        "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LFRAMEError() { REPORTError("LFRAME error\n", kReport); }

bool Whole(const SEG2D* s) { return s != nullptr && s->start != nullptr && s->end != nullptr; }
bool Ready(const LFRAME* f) { return f != nullptr && Whole(f->positions) && Whole(f->velocities); }
bool SizeOk(const LFRAME* f) { return f->size.x > 0 && f->size.y > 0; }

int32_t Neg(int32_t v) { return static_cast<int32_t>(0u - static_cast<uint32_t>(v)); }
int32_t Sign() { return 2 * (RNGDraw() & 1) - 1; }
uint32_t Colour() { return static_cast<uint32_t>(RNGDraw()) & 0x00FFFFFFu; }
int32_t Speed() { return (RNGDraw() & 7) + 4; }

// A new segment pair with its share count of 1, or all null.
struct Pair {
    SEG2D*   positions;
    SEG2D*   velocities;
    int32_t* shares;
};

Pair NewPair() {
    Pair p{SEG2DNew(), SEG2DNew(), static_cast<int32_t*>(REPORTZeroAlloc(1, sizeof(int32_t)))};
    if (p.positions == nullptr || p.velocities == nullptr || p.shares == nullptr) {
        if (p.positions != nullptr) SEG2DFree(&p.positions);
        if (p.velocities != nullptr) SEG2DFree(&p.velocities);
        std::free(p.shares);
        return Pair{nullptr, nullptr, nullptr};
    }
    *p.shares = 1;
    return p;
}

// The frame lets go of its pair; the last holder frees it.
void Release(LFRAME* f) {
    if (f->shares != nullptr && --*f->shares > 0) {
        f->positions = nullptr;
        f->velocities = nullptr;
        f->shares = nullptr;
        return;
    }
    if (f->positions != nullptr) SEG2DFree(&f->positions);
    if (f->velocities != nullptr) SEG2DFree(&f->velocities);
    std::free(f->shares);
    f->shares = nullptr;
}

// dst holds src's pair from now on (nothing happens when it already does).
void Share(const LFRAME* src, LFRAME* dst) {
    if (dst->positions == src->positions && dst->shares == src->shares) return;
    Release(dst);
    dst->positions = src->positions;
    dst->velocities = src->velocities;
    dst->shares = src->shares;
    if (dst->shares != nullptr) ++*dst->shares;
}

void Install(LFRAME* f, const Pair& p) {
    Release(f);
    f->positions = p.positions;
    f->velocities = p.velocities;
    f->shares = p.shares;
}

void Put(VEC2D* v, int32_t x, int32_t y) {
    v->x = x;
    v->y = y;
}

// A reset's common start: checks, a new pair, two colours. False: nothing
// was drawn or changed.
bool Begin(LFRAME* f, Pair* p) {
    if (f == nullptr || !SizeOk(f)) {
        LFRAMEError();
        return false;
    }
    *p = NewPair();
    if (p->positions == nullptr) {
        LFRAMEError();
        return false;
    }
    return true;
}

void Colours(const Pair& p) {
    p.positions->start->colour = Colour();
    p.positions->end->colour = Colour();
}

// A point on edge e (0 left, 1 top, 2 right, 3 bottom) at a random place
// along it: one draw.
void OnEdge(VEC2D* v, int32_t e, int32_t w, int32_t h) {
    switch (e) {
        case 0: Put(v, 0, RNGDraw() % h); break;
        case 1: Put(v, RNGDraw() % w, 0); break;
        case 2: Put(v, w - 1, RNGDraw() % h); break;
        default: Put(v, RNGDraw() % w, h - 1); break;
    }
}

// One axis of the endpoint rule: the coordinate after the step, clamped to
// 0 .. limit - 1; edge is -1 or +1 when it was clamped, 0 otherwise.
int32_t Step(int32_t at, int32_t v, int32_t k, int32_t limit, int32_t* edge) {
    const int64_t next = static_cast<int64_t>(at) + static_cast<int64_t>(v) * k;
    *edge = next < 0 ? -1 : (next >= limit ? 1 : 0);
    if (*edge < 0) return 0;
    if (*edge > 0) return limit - 1;
    return static_cast<int32_t>(next);
}

void MoveEnd(VEC2D* pos, VEC2D* vel, int32_t k, int32_t w, int32_t h) {
    int32_t vx = vel->x;
    int32_t vy = vel->y;
    int32_t edge = 0;
    const int32_t x = Step(pos->x, vx, k, w, &edge);
    if (edge != 0) {
        // Off the left edge (-1) turn with vx away from the top row, off the
        // right edge the other way: the sense of rotation stays.
        const bool turnWith = (edge < 0) == (pos->y != 0);
        vy = turnWith ? vx : Neg(vx);
        vx = 0;
    }
    const int32_t y = Step(pos->y, vy, k, h, &edge);
    if (edge != 0) {
        const bool turnWith = (edge < 0) == (x != 0);
        vx = turnWith ? vy : Neg(vy);
        vy = 0;
    }
    Put(pos, x, y);
    Put(vel, vx, vy);
}
// A velocity of one unit along edge e: vertical on the left and right edges.
void Along(VEC2D* v, int32_t e, int32_t sign) {
    const bool upright = e == 0 || e == 2;
    Put(v, upright ? 0 : sign, upright ? sign : 0);
}

// The parallel and across starts: colours, an edge e, one coordinate for each
// endpoint, a sign, the speed. Parallel puts both endpoints on e, moving the
// same way; across puts the second on the next edge clockwise (left -> top ->
// right -> bottom -> left), turned so that both run round in the same sense.
void EdgeStart(LFRAME* frame, bool across) {
    Pair p{};
    if (!Begin(frame, &p)) return;
    const int32_t w = frame->size.x;
    const int32_t h = frame->size.y;
    Colours(p);
    const int32_t e = RNGDraw() % 4;
    const int32_t second = across ? (e + 1) % 4 : e;
    OnEdge(p.positions->start, e, w, h);
    OnEdge(p.positions->end, second, w, h);
    const int32_t s = Sign();
    Along(p.velocities->start, e, s);
    Along(p.velocities->end, second, across && e % 2 == 0 ? -s : s);
    frame->speed = Speed();
    Install(frame, p);
}
}  // namespace

LFRAME* LFRAMENew() {
    LFRAME* f = static_cast<LFRAME*>(REPORTZeroAlloc(1, sizeof(LFRAME)));
    if (f == nullptr) {
        LFRAMEError();
        return nullptr;
    }
    f->size = VEC2D{256, 256, 256};
    LFRAMEReset(f);
    if (f->positions == nullptr) {
        std::free(f);
        return nullptr;
    }
    return f;
}

void LFRAMEFree(LFRAME** ref) {
    if (ref == nullptr || *ref == nullptr) {
        LFRAMEError();
        return;
    }
    Release(*ref);
    std::free(*ref);
    *ref = nullptr;
}

char* LFRAMEToASCII(const LFRAME* frame) {
    if (frame == nullptr) LFRAMEError();
    return nullptr;
}

LFRAME* LFRAMEFromASCII(const char* text) {
    if (text == nullptr) LFRAMEError();
    return nullptr;
}

bool LFRAMEEqual(const LFRAME* a, const LFRAME* b) {
    if (a == nullptr || b == nullptr) {
        LFRAMEError();
        return false;
    }
    return a->positions == b->positions && a->velocities == b->velocities && a->speed == b->speed;
}

void LFRAMECopyInto(const LFRAME* src, LFRAME* dst) {
    if (src == nullptr || dst == nullptr) {
        LFRAMEError();
        return;
    }
    Share(src, dst);
    dst->speed = src->speed;
    dst->origin = src->origin;
}

LFRAME* LFRAMECopy(const LFRAME* src) {
    if (src == nullptr) {
        LFRAMEError();
        return nullptr;
    }
    LFRAME* f = LFRAMENew();
    if (f == nullptr) return nullptr;
    Share(src, f);
    f->speed = src->speed;
    return f;
}

void LFRAMEReset(LFRAME* frame) {
    Pair p{};
    if (!Begin(frame, &p)) return;
    const int32_t w = frame->size.x;
    const int32_t h = frame->size.y;
    VEC2D* a = p.positions->start;
    VEC2D* b = p.positions->end;
    a->x = RNGDraw() % w;
    a->y = RNGDraw() % h;
    b->x = RNGDraw() % w;
    b->y = RNGDraw() % h;
    Colours(p);
    VEC2D* va = p.velocities->start;
    VEC2D* vb = p.velocities->end;
    va->x = Sign();
    va->y = Sign();
    vb->x = Sign();
    vb->y = Sign();
    frame->speed = Speed();
    Install(frame, p);
}

void LFRAMEResetParallel(LFRAME* frame) { EdgeStart(frame, false); }

void LFRAMEResetAcross(LFRAME* frame) { EdgeStart(frame, true); }

void LFRAMEMove(LFRAME* frame) {
    if (!Ready(frame) || !SizeOk(frame)) {
        LFRAMEError();
        return;
    }
    const int32_t w = frame->size.x;
    const int32_t h = frame->size.y;
    MoveEnd(frame->positions->start, frame->velocities->start, frame->speed, w, h);
    MoveEnd(frame->positions->end, frame->velocities->end, frame->speed, w, h);
}

void LFRAMEDraw(const LFRAME* frame, IMG* img) {
    if (frame == nullptr || frame->positions == nullptr) {
        LFRAMEError();
        return;
    }
    SEG2DDraw(frame->positions, img);
}

void LFRAMEDrawEnds(const LFRAME* frame, IMG* img) {
    if (frame == nullptr || frame->positions == nullptr) {
        LFRAMEError();
        return;
    }
    SEG2DDrawEnds(frame->positions, img);
}
