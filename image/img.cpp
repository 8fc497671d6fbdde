// img.cpp: the image record, its life cycle and single-pixel access.
#include "image/img.h"

#include <cstdlib>
#include <cstring>

#include "core/report.h"

const char* const IMG_IDENTITY[5] = {"IMG     ", "20120518", "Vaskoril", "C       ", "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void IMGError() {
    REPORTError("IMG error\n", kReport);
}

constexpr int32_t kNewSide = 16;  // a new image is 16 x 16

// Pixel count of an image. IMGSetSize stores only non-negative sides whose
// product fits in int32_t; a side written negative by hand counts as empty.
size_t PixelCount(const IMG* img) {
    if (img->width <= 0 || img->height <= 0) return 0;
    return static_cast<size_t>(img->width) * static_cast<size_t>(img->height);
}

// Leaves img 0 x 0 with a zero-length (non-null when memory allows) array.
void MakeEmpty(IMG* img) {
    img->width = 0;
    img->height = 0;
    img->pixels = static_cast<uint32_t*>(REPORTZeroAllocAligned(0, sizeof(uint32_t)));
}
}  // namespace

IMG* IMGNew() {
    IMG* img = static_cast<IMG*>(REPORTZeroAlloc(1, sizeof(IMG)));
    if (img == nullptr) {
        IMGError();
        return nullptr;
    }
    img->pixels = static_cast<uint32_t*>(
        REPORTZeroAllocAligned(static_cast<size_t>(kNewSide) * kNewSide, sizeof(uint32_t)));
    if (img->pixels == nullptr) {
        std::free(img);
        IMGError();
        return nullptr;
    }
    img->width = kNewSide;
    img->height = kNewSide;
    return img;
}

void IMGFree(IMG** ref) {
    if (ref == nullptr || *ref == nullptr) {
        IMGError();
        return;
    }
    std::free((*ref)->pixels);
    std::free(*ref);
    *ref = nullptr;
}

bool IMGEqual(const IMG* a, const IMG* b) {
    if (a == nullptr || b == nullptr) {
        IMGError();
        return false;
    }
    if (a->width != b->width || a->height != b->height) return false;
    const size_t count = PixelCount(a);
    if (count == 0) return true;
    if (a->pixels == nullptr || b->pixels == nullptr) return a->pixels == b->pixels;
    return std::memcmp(a->pixels, b->pixels, count * sizeof(uint32_t)) == 0;
}

IMG* IMGClone(const IMG* img) {
    if (img == nullptr) {
        IMGError();
        return nullptr;
    }
    IMG* copy = IMGNew();
    if (copy == nullptr) return nullptr;
    IMGSetSize(copy, img->width, img->height);
    if (copy->width != img->width || copy->height != img->height) {
        IMGFree(&copy);  // the size was refused or memory ran out (reported)
        return nullptr;
    }
    const size_t count = PixelCount(img);
    if (count != 0 && img->pixels != nullptr) {
        std::memcpy(copy->pixels, img->pixels, count * sizeof(uint32_t));
    }
    return copy;
}

void IMGSetSize(IMG* img, int32_t width, int32_t height) {
    if (img == nullptr) {
        IMGError();
        return;
    }
    std::free(img->pixels);
    img->pixels = nullptr;
    // Index arithmetic of every user is x + y * width in int32_t, so the pixel
    // count must fit there; anything else (or a negative side) is refused.
    const int64_t count = static_cast<int64_t>(width) * static_cast<int64_t>(height);
    if (width < 0 || height < 0 || count > INT32_MAX) {
        MakeEmpty(img);
        IMGError();
        return;
    }
    img->pixels = static_cast<uint32_t*>(
        REPORTZeroAllocAligned(static_cast<size_t>(count), sizeof(uint32_t)));
    if (img->pixels == nullptr) {
        MakeEmpty(img);
        IMGError();
        return;
    }
    img->width = width;
    img->height = height;
}

void IMGSetPixel(IMG* img, int32_t x, int32_t y, uint32_t colour) {
    if (img == nullptr || img->pixels == nullptr) {
        IMGError();
        return;
    }
    if (IMGInside(img, x, y)) {
        img->pixels[static_cast<size_t>(y) * static_cast<size_t>(img->width) +
                    static_cast<size_t>(x)] = colour;
    }
}

uint32_t IMGGetPixel(const IMG* img, int32_t x, int32_t y) {
    if (img == nullptr || img->pixels == nullptr) {
        IMGError();
        return 0;
    }
    return IMGInside(img, x, y) ? IMGPixelAt(img, x, y) : 0u;
}
