// imgfx_ops.cpp: the image operations that the image-effects module offers
// again. Each checks its images under this module's report, then runs the
// image module's operation (whose range checks report as the image module).
#include "core/report.h"
#include "image/img.h"
#include "image/img_internal.h"
#include "image/imgfx.h"

namespace {
constexpr bool kReport = false;  // the IMGFX build-time error switch (as in imgfx.cpp)
void IMGFXError() {
    REPORTError("IMGFX error\n", kReport);
}

bool Usable(const IMG* img) {
    if (img == nullptr || img->pixels == nullptr) {
        IMGFXError();
        return false;
    }
    return true;
}

bool UsablePair(const IMG* a, const IMG* b) {
    return Usable(a) && Usable(b);
}
}  // namespace

// [SECTION] Checks, line walk, points and run tables

bool IMGFXCheckFit(const IMG* a, const void* reference, const IMG* b) {
    if (a == nullptr || reference == nullptr || b == nullptr || a->width < b->width ||
        a->height < b->height) {
        IMGFXError();
        return false;
    }
    return true;
}

void IMGFXDrawLine(IMG* img, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
    if (!Usable(img)) return;
    IMGDrawLine(img, x0, y0, x1, y1, colour);
}

int32_t* IMGFXRunTable(int32_t a, int32_t b) {
    int32_t* table = IMGRunsBuild(a, b, true, false);
    if (table == nullptr) IMGFXError();
    return table;
}

int32_t* IMGFXRunTableSym(int32_t a, int32_t b) {
    int32_t* table = IMGRunsBuild(a, b, true, true);
    if (table == nullptr) IMGFXError();
    return table;
}

int32_t* IMGFXLinePoints(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int32_t* points = IMGPointsBuild(x0, y0, x1, y1);
    if (points == nullptr) IMGFXError();
    return points;
}

size_t IMGFXFindMarker(const char* text, const char* marker) {
    if (text == nullptr || marker == nullptr) {
        IMGFXError();
        return 0;
    }
    return IMGFindMarker(text, marker);
}

// [SECTION] The image operations again

void IMGFXScale(const IMG* src, IMG* dst) {
    if (UsablePair(src, dst)) IMGScale(src, dst);
}

IMG* IMGFXRotoZoom(const IMG* src, int32_t angle) {
    return Usable(src) ? IMGRotoZoom(src, angle) : nullptr;
}

void IMGFXSubtract(IMG* img, uint32_t colour) {
    if (Usable(img)) IMGSubtract(img, colour);
}

void IMGFXBlitHalf(const IMG* src, IMG* dst, int32_t x, int32_t y) {
    if (UsablePair(src, dst)) IMGBlitHalf(src, dst, x, y);
}

void IMGFXCopyRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset) {
    if (UsablePair(src, dst)) IMGCopyRowWrap(src, dst, srcRow, dstRow, offset);
}

void IMGFXOrRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow, int32_t offset) {
    if (UsablePair(src, dst)) IMGOrRowWrap(src, dst, srcRow, dstRow, offset);
}

void IMGFXAnd(const IMG* mask, IMG* dst) {
    if (UsablePair(mask, dst)) IMGAnd(mask, dst);
}

void IMGFXCopyColumnWrap(const IMG* src, IMG* dst, int32_t srcColumn, int32_t dstColumn,
                         int32_t offset) {
    if (UsablePair(src, dst)) IMGCopyColumnWrap(src, dst, srcColumn, dstColumn, offset);
}

void IMGFXBlitSpaced(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                     int32_t w, int32_t h, int32_t stepX, int32_t stepY) {
    if (UsablePair(src, dst)) IMGBlitSpaced(src, dst, sx, sy, dx, dy, w, h, stepX, stepY);
}

void IMGFXFillRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    if (Usable(img)) IMGFillRect(img, x, y, w, h, colour);
}

void IMGFXDrawRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour) {
    if (Usable(img)) IMGDrawRect(img, x, y, w, h, colour);
}

void IMGFXCopyRow(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow) {
    if (UsablePair(src, dst)) IMGCopyRow(src, dst, srcRow, dstRow);
}

void IMGFXDrawCircle(IMG* img, int32_t cx, int32_t cy, int32_t r, uint32_t colour) {
    if (Usable(img)) IMGDrawCircle(img, cx, cy, r, colour);
}

void IMGFXBlitAdd(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                  int32_t w, int32_t h) {
    if (UsablePair(src, dst)) IMGBlitAdd(src, dst, sx, sy, dx, dy, w, h);
}

void IMGFXBlitOpaque(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                     int32_t w, int32_t h) {
    if (UsablePair(src, dst)) IMGBlitOpaque(src, dst, sx, sy, dx, dy, w, h);
}

void IMGFXBlitAddSat(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                     int32_t w, int32_t h) {
    if (UsablePair(src, dst)) IMGBlitAddSat(src, dst, sx, sy, dx, dy, w, h);
}

void IMGFXInvert(IMG* img) {
    if (Usable(img)) IMGInvert(img);
}

void IMGFXInvertRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (Usable(img)) IMGInvertRect(img, x, y, w, h);
}
