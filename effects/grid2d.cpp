// grid2d.cpp: GRID2D, grid particles.
#include "effects/grid2d.h"

#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"

const char* const GRID2D_IDENTITY[4] = {"GRID2D  ", "20100922", "Vaskoril", "C       "};

namespace {
constexpr bool kReport = true;  // GRID2D has no switch: its line is always printed
void GRID2DError() { REPORTError("GRID2D error\n", kReport); }

constexpr int32_t kWords = 6;        // x, y, z, vx, vy, vz
constexpr int32_t kLargest = 32768;  // pixels a signed 16.16 word can count to

bool BoxOk(const GRID2D* grid) { return grid->width > 0 && grid->height > 0 && grid->depth > 0; }

int32_t* Particle(GRID2D* grid, int32_t index) {
    return grid->particles + static_cast<size_t>(index) * kWords;
}

// The wrap range of one axis in 16.16, at most 2^31 so that every position
// inside it fits the signed word.
int64_t Range(int32_t size) { return static_cast<int64_t>(size < kLargest ? size : kLargest) << 16; }

// p + v wrapped into 0 .. range - 1. For any step smaller than the range this
// is one subtraction or addition of the range; the remainder also brings back
// positions a caller set far outside.
int32_t Wrap(int32_t p, int32_t v, int64_t range) {
    int64_t next = (static_cast<int64_t>(p) + v) % range;
    if (next < 0) next += range;
    return static_cast<int32_t>(next);
}

int32_t RandomComponent() {
    const int32_t magnitude = RNGDraw() & 0x3FFFF;
    return (RNGDraw() & 1) != 0 ? -magnitude : magnitude;
}

bool IndexOk(const GRID2D* grid, int32_t index) {
    if (index < 0 || index >= grid->count) {
        GRID2DError();
        return false;
    }
    return true;
}
}  // namespace

GRID2D* GRID2DNew() {
    GRID2D* grid = static_cast<GRID2D*>(REPORTZeroAlloc(1, sizeof(GRID2D)));
    if (grid == nullptr) {
        GRID2DError();
        return nullptr;
    }
    grid->width = 256;
    grid->height = 256;
    grid->depth = 256;
    GRID2DSetCount(grid, 16);
    if (grid->particles == nullptr) {
        std::free(grid);
        return nullptr;
    }
    return grid;
}

void GRID2DFree(GRID2D** ref) {
    if (ref == nullptr || *ref == nullptr) {
        GRID2DError();
        return;
    }
    std::free((*ref)->particles);
    std::free(*ref);
    *ref = nullptr;
}

char* GRID2DToASCII(const GRID2D*) { return nullptr; }

GRID2D* GRID2DFromASCII(const char*) { return nullptr; }

bool GRID2DEqual(const GRID2D* a, const GRID2D* b) {
    if (a == nullptr || b == nullptr || a->particles == nullptr || b->particles == nullptr) {
        return false;
    }
    if (a->width != b->width || a->height != b->height || a->depth != b->depth ||
        a->count != b->count) {
        return false;
    }
    const size_t bytes = static_cast<size_t>(a->count) * kWords * sizeof(int32_t);
    return std::memcmp(a->particles, b->particles, bytes) == 0;
}

GRID2D* GRID2DCopy(const GRID2D* src) {
    if (src == nullptr || src->particles == nullptr) return nullptr;
    GRID2D* grid = static_cast<GRID2D*>(REPORTZeroAlloc(1, sizeof(GRID2D)));
    const size_t words = static_cast<size_t>(src->count) * kWords;
    int32_t* particles = static_cast<int32_t*>(REPORTZeroAlloc(words, sizeof(int32_t)));
    if (grid == nullptr || particles == nullptr) {
        std::free(grid);
        std::free(particles);
        GRID2DError();
        return nullptr;
    }
    *grid = *src;
    if (words > 0) std::memcpy(particles, src->particles, words * sizeof(int32_t));
    grid->particles = particles;
    return grid;
}

void GRID2DSetCount(GRID2D* grid, int32_t count) {
    if (grid == nullptr) return;
    if (count < 0 || count > INT32_MAX / kWords) {
        GRID2DError();
        return;
    }
    std::free(grid->particles);
    grid->particles = static_cast<int32_t*>(
        REPORTZeroAlloc(static_cast<size_t>(count) * kWords, sizeof(int32_t)));
    grid->count = grid->particles != nullptr ? count : 0;
    if (grid->particles == nullptr) {
        GRID2DError();
        return;
    }
    GRID2DReset(grid);
}

void GRID2DReset(GRID2D* grid) {
    if (grid == nullptr || grid->particles == nullptr) return;
    for (int32_t j = grid->count - 1; j >= 0; --j) {
        GRID2DRandomPosition(grid, j);
        GRID2DRandomVelocity(grid, j);
    }
}

void GRID2DRandomPosition(GRID2D* grid, int32_t index) {
    if (grid == nullptr || grid->particles == nullptr || !IndexOk(grid, index)) return;
    if (!BoxOk(grid)) {
        GRID2DError();
        return;
    }
    int32_t* p = Particle(grid, index);
    // A draw is below 32768, so each shifted remainder fits the signed word.
    p[0] = (RNGDraw() % grid->width) << 16;
    p[1] = (RNGDraw() % grid->height) << 16;
    p[2] = (RNGDraw() % grid->depth) << 16;
}

void GRID2DRandomVelocity(GRID2D* grid, int32_t index) {
    if (grid == nullptr || grid->particles == nullptr || !IndexOk(grid, index)) return;
    int32_t* p = Particle(grid, index);
    p[3] = RandomComponent();
    p[4] = RandomComponent();
    p[5] = RandomComponent();
}

void GRID2DMove(GRID2D* grid) {
    if (grid == nullptr || grid->particles == nullptr || grid->image == nullptr) return;
    if (!BoxOk(grid)) {
        GRID2DError();
        return;
    }
    const int64_t rangeX = Range(grid->width);
    const int64_t rangeY = Range(grid->height);
    const int64_t rangeZ = Range(grid->depth);
    for (int32_t j = 0; j < grid->count; ++j) {
        int32_t* p = Particle(grid, j);
        const int32_t x = Wrap(p[0], p[3], rangeX);
        const int32_t y = Wrap(p[1], p[4], rangeY);
        const int32_t z = Wrap(p[2], p[5], rangeZ);
        if (IMGFetchPixel(grid->image, x >> 16, y >> 16) != 0) {
            GRID2DRandomVelocity(grid, j);  // blocked: stays, turns
            continue;
        }
        p[0] = x;
        p[1] = y;
        p[2] = z;
    }
}

void GRID2DDraw(GRID2D* grid, IMG* img) {
    if (grid == nullptr || img == nullptr) return;
    grid->image = img;
    if (grid->particles == nullptr) return;
    for (int32_t j = 0; j < grid->count; ++j) {
        const int32_t* p = Particle(grid, j);
        const uint32_t a = 255u - (static_cast<uint32_t>(p[2] >> 16) & 0xFFu);
        IMGPutPixel(img, p[0] >> 16, p[1] >> 16, (a << 16) | (a << 8));
    }
}

void GRID2DDrawSprites(GRID2D* grid, IMG* dst, const IMG* sprite) {
    if (grid == nullptr || dst == nullptr || sprite == nullptr || grid->particles == nullptr) {
        return;
    }
    const int32_t w = sprite->width;
    const int32_t h = sprite->height;
    for (int32_t j = 0; j < grid->count; ++j) {
        const int32_t* p = Particle(grid, j);
        IMGBlit(sprite, dst, 0, 0, (p[0] >> 16) - w / 2, (p[1] >> 16) - h / 2, w, h);
    }
}
