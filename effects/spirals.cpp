// spirals.cpp: SPIRALS, spiral particles.
#include "effects/spirals.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "vector/sine.h"

const char* const SPIRALS_IDENTITY[5] = {"SPIRALS ", "20101102", "Vaskoril", "C       ",
                                         "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void SPIRALSError() { REPORTError("SPIRALS error\n", kReport); }

constexpr int32_t kWords = 3;  // angle x, angle y, radius

int32_t AddWrap(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t AddPhase(int32_t a, int32_t b) { return AddWrap(a, b) & SINE_MASK; }

// centre + (radius * sine) >> 16: the product in 64 bits, the sum wrapping.
int32_t Place(int32_t centre, int32_t radius, int32_t angle) {
    const int64_t offset = (static_cast<int64_t>(radius) * SINE_TABLE[angle & SINE_MASK]) >> 16;
    return AddWrap(centre, static_cast<int32_t>(offset));
}

bool SizeOk(const SPIRALS* s) { return s->size.x > 0 && s->size.y > 0; }
}  // namespace

SPIRALS* SPIRALSNew() {
    SPIRALS* s = static_cast<SPIRALS*>(REPORTZeroAlloc(1, sizeof(SPIRALS)));
    if (s == nullptr) {
        SPIRALSError();
        return nullptr;
    }
    s->centre = VEC2D{128, 128, 0};
    s->size = VEC2D{256, 256, 0};
    s->speed = VEC2D{1, 1, 0};
    s->radialSpeed = 1;
    s->maxRadius = 256;
    s->colour = 0x00FFFFFFu;
    SPIRALSSetCount(s, 16);
    if (s->particles == nullptr) SPIRALSFree(&s);
    return s;
}

void SPIRALSFree(SPIRALS** ref) {
    if (ref == nullptr || *ref == nullptr) {
        SPIRALSError();
        return;
    }
    std::free((*ref)->particles);
    std::free(*ref);
    *ref = nullptr;
}

char* SPIRALSToASCII(const SPIRALS* s) {
    if (s == nullptr) SPIRALSError();
    return nullptr;
}

SPIRALS* SPIRALSFromASCII(const char* text) {
    if (text == nullptr) SPIRALSError();
    return nullptr;
}

bool SPIRALSEqual(const SPIRALS* a, const SPIRALS* b) {
    if (a == nullptr || b == nullptr) SPIRALSError();
    return false;
}

SPIRALS* SPIRALSCopy(const SPIRALS* src) {
    if (src == nullptr) {
        SPIRALSError();
        return nullptr;
    }
    return SPIRALSNew();
}

void SPIRALSCopyInto(const SPIRALS* src, SPIRALS* dst) {
    if (src == nullptr || dst == nullptr) SPIRALSError();
}

void SPIRALSSetCount(SPIRALS* s, int32_t n) {
    if (s == nullptr || n <= 0 || n > INT32_MAX / kWords) {
        SPIRALSError();
        return;
    }
    std::free(s->particles);
    s->count = n;
    s->particles = static_cast<int32_t*>(
        REPORTZeroAlloc(static_cast<size_t>(n) * kWords, sizeof(int32_t)));
    if (s->particles == nullptr) {
        SPIRALSError();
        return;
    }
    SPIRALSScatter(s);
}

void SPIRALSScatter(SPIRALS* s) {
    if (s == nullptr || s->particles == nullptr || !SizeOk(s)) {
        SPIRALSError();
        return;
    }
    for (int32_t i = 0; i < s->count; ++i) SPIRALSPlaceParticle(s, i);
}

void SPIRALSPlaceParticle(SPIRALS* s, int32_t index) {
    if (s == nullptr || s->particles == nullptr || index < 0 || index >= s->count || !SizeOk(s)) {
        SPIRALSError();
        return;
    }
    int32_t* p = s->particles + static_cast<size_t>(index) * kWords;
    p[0] = RNGDraw() % 1023;
    p[1] = (p[0] + 256) % 1024;
    // 3 x width / 2 is at least 1 for a positive width; 64 bits keep it exact.
    const int64_t bound = static_cast<int64_t>(s->size.x) * 3 / 2;
    p[2] = static_cast<int32_t>(RNGDraw() % bound);
}

void SPIRALSMove(SPIRALS* s) {
    if (s == nullptr || s->particles == nullptr) {
        SPIRALSError();
        return;
    }
    for (int32_t i = 0; i < s->count; ++i) {
        int32_t* p = s->particles + static_cast<size_t>(i) * kWords;
        p[0] = AddPhase(p[0], s->speed.x);
        p[1] = AddPhase(p[1], s->speed.y);
        p[2] = AddWrap(p[2], s->radialSpeed);
        if (p[2] > s->maxRadius) SPIRALSPlaceParticle(s, i);
    }
}

void SPIRALSDraw(SPIRALS* s) {
    if (s == nullptr || s->particles == nullptr || s->image == nullptr) {
        SPIRALSError();
        return;
    }
    IMG* img = s->image;
    s->size.x = img->width;
    s->size.y = img->height;
    for (int32_t i = 0; i < s->count; ++i) {
        const int32_t* p = s->particles + static_cast<size_t>(i) * kWords;
        IMGPutPixel(img, Place(s->centre.x, p[2], p[0]), Place(s->centre.y, p[2], p[1]), s->colour);
    }
}
