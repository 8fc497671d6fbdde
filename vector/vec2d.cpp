// vec2d.cpp: VEC2D, integer points with a colour.
#include "vector/vec2d.h"

#include <cstdlib>

#include "core/report.h"
#include "image/img.h"
#include "vector/sine.h"

const char* const VEC2D_IDENTITY[5] = {"VEC2D   ", "20120518", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = true;  // build-time error switch: on for this module
void VEC2DError() { REPORTError("VEC2D error\n", kReport); }

constexpr uint32_t kWhite = 0x00FFFFFFu;

// Wrapping int32_t arithmetic (two's complement, no undefined overflow).
int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
}  // namespace

VEC2D* VEC2DNew() {
    VEC2D* v = static_cast<VEC2D*>(REPORTZeroAlloc(1, sizeof(VEC2D)));
    if (v == nullptr) {
        VEC2DError();
        return nullptr;
    }
    v->colour = kWhite;
    return v;
}

void VEC2DFree(VEC2D** ref) {
    if (ref == nullptr || *ref == nullptr) {
        VEC2DError();
        return;
    }
    std::free(*ref);
    *ref = nullptr;
}

char* VEC2DToASCII(const VEC2D* v) {
    if (v == nullptr) VEC2DError();
    return nullptr;
}

VEC2D* VEC2DFromASCII(const char* text) {
    if (text == nullptr) VEC2DError();
    return nullptr;
}

bool VEC2DEqual(const VEC2D* a, const VEC2D* b) {
    if (a == nullptr || b == nullptr) {
        VEC2DError();
        return false;
    }
    return a->x == b->x && a->y == b->y && a->colour == b->colour;
}

void VEC2DCopy(const VEC2D* src, VEC2D* dst) {
    if (src == nullptr || dst == nullptr) {
        VEC2DError();
        return;
    }
    *dst = *src;
}

VEC2D* VEC2DClone(const VEC2D* v) {
    if (v == nullptr) {
        VEC2DError();
        return nullptr;
    }
    VEC2D* copy = VEC2DNew();
    if (copy != nullptr) *copy = *v;
    return copy;
}

void VEC2DDraw(const VEC2D* v, IMG* img) {
    if (v == nullptr || img == nullptr) {
        VEC2DError();
        return;
    }
    IMGSetPixel(img, v->x, v->y, v->colour);
}

void VEC2DDrawRotated(const VEC2D* v, int32_t angle, const VEC2D* offset, IMG* img) {
    if (v == nullptr || offset == nullptr || img == nullptr) {
        VEC2DError();
        return;
    }
    VEC2D p = *v;
    VEC2DRotate(&p, angle);
    IMGSetPixel(img, WrapAdd(p.x, offset->x), WrapAdd(p.y, offset->y), p.colour);
}

void VEC2DAdd(const VEC2D* a, VEC2D* b) {
    if (a == nullptr || b == nullptr) {
        VEC2DError();
        return;
    }
    b->x = WrapAdd(b->x, a->x);
    b->y = WrapAdd(b->y, a->y);
}

void VEC2DSub(VEC2D* a, const VEC2D* b) {
    if (a == nullptr || b == nullptr) {
        VEC2DError();
        return;
    }
    a->x = WrapSub(a->x, b->x);
    a->y = WrapSub(a->y, b->y);
}

void VEC2DNeg(VEC2D* v) {
    if (v == nullptr) {
        VEC2DError();
        return;
    }
    v->x = WrapSub(0, v->x);
    v->y = WrapSub(0, v->y);
}

void VEC2DRotate(VEC2D* v, int32_t angle) {
    if (v == nullptr) {
        VEC2DError();
        return;
    }
    if (angle == 0) return;
    const int64_t s = SINE_TABLE[angle & SINE_MASK];
    const int64_t c = SINE_TABLE[(static_cast<uint32_t>(angle) + 256u) & SINE_MASK];  // wraps, defined
    const int64_t x = v->x;
    const int64_t y = v->y;
    // 64-bit products: the same values as 32-bit ones wherever those do not
    // overflow, and defined everywhere else. The narrowing wraps.
    v->x = static_cast<int32_t>((x * c - y * s) >> 15);
    v->y = static_cast<int32_t>((x * s + y * c) >> 15);
}

void VEC2DScale(VEC2D* v, int32_t k) {
    if (v == nullptr) {
        VEC2DError();
        return;
    }
    v->x = WrapMul(v->x, k);
    v->y = WrapMul(v->y, k);
}

void VEC2DMul(VEC2D* a, const VEC2D* b) {
    if (a == nullptr || b == nullptr) {
        VEC2DError();
        return;
    }
    a->x = WrapMul(a->x, b->x);
    a->y = WrapMul(a->y, b->y);
}

int32_t VEC2DCompareX(const VEC2D* a, const VEC2D* b) {
    if (a == nullptr || b == nullptr) {
        VEC2DError();
        return 0;
    }
    return WrapSub(a->x, b->x);
}

int32_t VEC2DCompareY(const VEC2D* a, const VEC2D* b) {
    if (a == nullptr || b == nullptr) {
        VEC2DError();
        return 0;
    }
    return WrapSub(a->y, b->y);
}

int32_t VEC2DLengthSquared(const VEC2D* v) {
    if (v == nullptr) {
        VEC2DError();
        return -1;
    }
    return WrapAdd(WrapMul(v->x, v->x), WrapMul(v->y, v->y));
}
