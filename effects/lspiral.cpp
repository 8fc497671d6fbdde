// lspiral.cpp: the line spiral's random parameters, its points and its lines.
#include "effects/lspiral.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"
#include "vector/sine.h"

const char* const LSPIRAL_IDENTITY[5] = {"LSPIRAL ", "20120707", "Vaskoril", "C       ",
                                         "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LSPIRALError() {
    REPORTError("LSPIRAL error\n", kReport);
}

constexpr int32_t kSide = 256;  // size and twice the centre after a reset
constexpr uint32_t kQuarterTurn = SINE_SIZE / 4;

// One coordinate of point k: centre + ((sine(angle + 2k step) * rho) >> 16),
// the angle taken modulo 2^32 and the sum wrapped modulo 2^32.
int32_t Coordinate(int32_t centre, int32_t angle, int32_t step, uint32_t k, int64_t rho) {
    const uint32_t index =
        (static_cast<uint32_t>(angle) + 2u * k * static_cast<uint32_t>(step)) & SINE_MASK;
    const int64_t offset = (static_cast<int64_t>(SINE_TABLE[index]) * rho) >> 16;
    return static_cast<int32_t>(static_cast<uint32_t>(centre) + static_cast<uint32_t>(offset));
}
}  // namespace

// [SECTION] Protocol

LSPIRAL* LSPIRALNew() {
    LSPIRAL* spiral = static_cast<LSPIRAL*>(REPORTZeroAlloc(1, sizeof(LSPIRAL)));
    if (spiral == nullptr) {
        LSPIRALError();
        return nullptr;
    }
    LSPIRALSetCount(spiral, LSPIRAL_DEFAULT_COUNT);
    LSPIRALReset(spiral);
    return spiral;
}

void LSPIRALFree(LSPIRAL** ref) {
    if (ref == nullptr || *ref == nullptr) {
        LSPIRALError();
        return;
    }
    std::free((*ref)->points);
    std::free(*ref);
    *ref = nullptr;
}

char* LSPIRALToASCII(const LSPIRAL* spiral) {
    if (spiral == nullptr) LSPIRALError();
    return nullptr;
}

LSPIRAL* LSPIRALFromASCII(const char* text) {
    if (text == nullptr) LSPIRALError();
    return nullptr;
}

bool LSPIRALEqual(const LSPIRAL* a, const LSPIRAL* b) {
    if (a == nullptr || b == nullptr) LSPIRALError();
    return false;
}

LSPIRAL* LSPIRALCopy(const LSPIRAL* src) {
    if (src == nullptr) {
        LSPIRALError();
        return nullptr;
    }
    return LSPIRALNew();
}

void LSPIRALCopyInto(const LSPIRAL* src, LSPIRAL* dst) {
    if (src == nullptr || dst == nullptr) LSPIRALError();
}

// [SECTION] The figure

void LSPIRALSetCount(LSPIRAL* spiral, int32_t n) {
    if (spiral == nullptr || n <= 0) {
        LSPIRALError();
        return;
    }
    std::free(spiral->points);
    spiral->count = n;
    // 2n coordinates: the size is formed in size_t, never in int32_t.
    spiral->points =
        static_cast<int32_t*>(REPORTZeroAlloc(2 * static_cast<size_t>(n), sizeof(int32_t)));
    if (spiral->points == nullptr) LSPIRALError();
    LSPIRALReset(spiral);
}

void LSPIRALReset(LSPIRAL* spiral) {
    if (spiral == nullptr) {
        LSPIRALError();
        return;
    }
    spiral->size.x = kSide;
    spiral->size.y = kSide;
    spiral->angle.x = RNGDraw() & SINE_MASK;
    spiral->angle.y =
        static_cast<int32_t>((static_cast<uint32_t>(spiral->angle.x) + kQuarterTurn) & SINE_MASK);
    spiral->speed.x = (RNGDraw() & 15) + 1;
    if ((RNGDraw() & 1) != 0) spiral->speed.x = -spiral->speed.x;
    spiral->speed.y = spiral->speed.x;
    spiral->pointStep.x = (RNGDraw() & 63) + 4;
    spiral->pointStep.y = spiral->pointStep.x;
    spiral->colour = (static_cast<uint32_t>(RNGDraw()) & 0x7F7F7Fu) | 0x808080u;
    spiral->centre.x = kSide / 2;
    spiral->centre.y = kSide / 2;
    spiral->radiusStep = (RNGDraw() & 7) + 1;
}

void LSPIRALUpdate(LSPIRAL* spiral) {
    if (spiral == nullptr || spiral->points == nullptr) {
        LSPIRALError();
        return;
    }
    spiral->angle.x = static_cast<int32_t>(
        (static_cast<uint32_t>(spiral->angle.x) + static_cast<uint32_t>(spiral->speed.x)) &
        SINE_MASK);
    spiral->angle.y = static_cast<int32_t>(
        (static_cast<uint32_t>(spiral->angle.y) + static_cast<uint32_t>(spiral->speed.y)) &
        SINE_MASK);
    int32_t* p = spiral->points;
    const int64_t radiusStep = spiral->radiusStep;
    for (int32_t k = 0; k < spiral->count; ++k) {
        const int64_t rho = static_cast<int64_t>(k) * radiusStep;
        const auto uk = static_cast<uint32_t>(k);
        p[2 * static_cast<size_t>(k)] =
            Coordinate(spiral->centre.x, spiral->angle.x, spiral->pointStep.x, uk, rho);
        p[2 * static_cast<size_t>(k) + 1] =
            Coordinate(spiral->centre.y, spiral->angle.y, spiral->pointStep.y, uk, rho);
    }
}

void LSPIRALDraw(const LSPIRAL* spiral, IMG* img) {
    if (spiral == nullptr || spiral->points == nullptr || img == nullptr) {
        LSPIRALError();
        return;
    }
    const int32_t* p = spiral->points;
    for (int32_t k = 0; k + 1 < spiral->count; ++k) {
        const size_t i = 2 * static_cast<size_t>(k);
        IMGDrawLine(img, p[i], p[i + 1], p[i + 2], p[i + 3], spiral->colour);
    }
}
