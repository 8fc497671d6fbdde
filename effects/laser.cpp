// laser.cpp: LASER, the bouncing beam.
#include "effects/laser.h"

#include <cstdlib>

#include "core/report.h"
#include "core/rng.h"
#include "image/img.h"

const char* const LASER_IDENTITY[5] = {"LASER   ", "20110905", "Vaskoril", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void LASERError() { REPORTError("LASER Error.\n", kReport); }

bool Bound(const LASER* laser) { return laser != nullptr && laser->image != nullptr; }

int32_t Neg(int32_t v) { return static_cast<int32_t>(0u - static_cast<uint32_t>(v)); }

// One axis of a step: the new coordinate, and whether it was clamped at the
// far edge (+1), the near edge (-1) or not at all (0).
int32_t Step(int32_t at, int32_t velocity, int32_t limit, int32_t* edge) {
    const int64_t next = static_cast<int64_t>(at) + velocity;
    *edge = 0;
    if (next >= limit) {
        *edge = 1;
        return limit - 1;
    }
    if (next < 0) {
        *edge = -1;
        return 0;
    }
    return static_cast<int32_t>(next);
}
}  // namespace

LASER* LASERNew() {
    LASER* laser = static_cast<LASER*>(REPORTZeroAlloc(1, sizeof(LASER)));
    if (laser == nullptr) LASERError();
    return laser;
}

void LASERFree(LASER** ref) {
    if (ref == nullptr || *ref == nullptr) {
        LASERError();
        return;
    }
    std::free(*ref);
    *ref = nullptr;
}

char* LASERToASCII(const LASER* laser) {
    if (laser == nullptr) LASERError();
    return nullptr;
}

LASER* LASERFromASCII(const char* text) {
    if (text == nullptr) LASERError();
    return nullptr;
}

bool LASEREqual(const LASER* a, const LASER* b) {
    if (a == nullptr || b == nullptr) {
        LASERError();
        return false;
    }
    return a->sourceX == b->sourceX && a->sourceY == b->sourceY && a->endX == b->endX &&
           a->endY == b->endY && a->velocityX == b->velocityX && a->velocityY == b->velocityY &&
           a->speedRange == b->speedRange && a->minimumSpeed == b->minimumSpeed &&
           a->colour == b->colour && a->image == b->image;
}

void LASERCopy(const LASER* src, LASER* dst) {
    if (src == nullptr || dst == nullptr) {
        LASERError();
        return;
    }
    *dst = *src;
}

void LASERSet(LASER* laser, IMG* img) {
    if (laser == nullptr || img == nullptr) return;  // silently, as callers expect
    if (img->width <= 0 || img->height <= 0) {
        LASERError();  // nothing to choose a point from: both sizes are divisors
        return;
    }
    laser->image = img;
    laser->sourceX = RNGDraw() % img->width;
    laser->sourceY = RNGDraw() % img->height;
    laser->endX = RNGDraw() % img->width;
    laser->endY = 0;
    laser->speedRange = 4;
    laser->minimumSpeed = 2;
    laser->velocityX = LASERRandomSpeed(laser);
    laser->velocityY = LASERRandomSpeed(laser);
    laser->colour = static_cast<uint32_t>(RNGDraw()) & 0xFFFFFFu;
}

int32_t LASERRandomSpeed(LASER* laser) {
    if (laser == nullptr || laser->speedRange <= 0) {
        LASERError();
        return 0;
    }
    const uint32_t m = static_cast<uint32_t>(RNGDraw() % laser->speedRange) +
                       static_cast<uint32_t>(laser->minimumSpeed);
    const int32_t speed = static_cast<int32_t>(m);
    return (RNGDraw() & 1) != 0 ? Neg(speed) : speed;
}

void LASERBounce(LASER* laser) {
    if (!Bound(laser)) {
        LASERError();
        return;
    }
    const int32_t w = laser->image->width;
    const int32_t h = laser->image->height;
    int32_t vx = laser->velocityX;
    int32_t vy = laser->velocityY;
    int32_t edge = 0;
    const int32_t x = Step(laser->endX, vx, w, &edge);
    if (edge != 0) {
        // Along the side edge, turning the way that keeps the sense of rotation.
        const bool upper = laser->endY < h / 2;
        vy = (edge > 0) == upper ? vx : Neg(vx);
        vx = 0;
    }
    const int32_t y = Step(laser->endY, vy, h, &edge);
    if (edge != 0) {
        const bool left = x < w / 2;
        vx = (edge > 0) == left ? vy : Neg(vy);
        vy = 0;
    }
    laser->endX = x;
    laser->endY = y;
    laser->velocityX = vx;
    laser->velocityY = vy;
}

void LASERWander(LASER* laser) {
    if (!Bound(laser)) {
        LASERError();
        return;
    }
    if (laser->velocityX == 0 && laser->velocityY == 0) {
        laser->velocityX = LASERRandomSpeed(laser);
        laser->velocityY = LASERRandomSpeed(laser);
    }
    int32_t edge = 0;
    laser->endX = Step(laser->endX, laser->velocityX, laser->image->width, &edge);
    if (edge != 0) {
        laser->velocityY = LASERRandomSpeed(laser);
        laser->velocityX = 0;
    }
    laser->endY = Step(laser->endY, laser->velocityY, laser->image->height, &edge);
    if (edge != 0) {
        laser->velocityX = LASERRandomSpeed(laser);
        laser->velocityY = 0;
    }
}

void LASERDraw(LASER* laser) {
    if (!Bound(laser)) {
        LASERError();
        return;
    }
    IMGDrawLine(laser->image, laser->sourceX, laser->sourceY, laser->endX, laser->endY,
                laser->colour);
}

void LASERDrawRandom(LASER* laser) {
    if (!Bound(laser)) {
        LASERError();
        return;
    }
    const uint32_t colour = static_cast<uint32_t>(RNGDraw()) & 0xFFFFFFu;
    IMGDrawLine(laser->image, laser->sourceX, laser->sourceY, laser->endX, laser->endY, colour);
}
