// plain_line.h: the reference walks the line benchmarks measure IMGDrawLine
// against: the same stepping as the image's line walk, written the plain way.
#pragma once
#include <cstdint>

#include "image/img.h"

struct Line {
    int32_t x1, y1, x2, y2;
};

// The walk with no clipping at all: every point must lie inside the image.
inline void PlainLine(IMG* img, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) {
    int32_t dx = x2 - x1;
    int32_t dy = y2 - y1;
    const int32_t sx = dx < 0 ? -1 : 1;
    const int32_t sy = dy < 0 ? -1 : 1;
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    uint32_t* p = img->pixels;
    const int32_t w = img->width;
    int32_t x = x1;
    int32_t y = y1;
    if (dx > dy) {
        int32_t e = dx >> 1;
        for (int32_t n = dx; n >= 0; --n) {
            p[y * w + x] = colour;
            x += sx;
            e -= dy;
            if (e <= 0) {
                e += dx;
                y += sy;
            }
        }
    } else {
        int32_t e = dy >> 1;
        for (int32_t n = dy; n >= 0; --n) {
            p[y * w + x] = colour;
            y += sy;
            e -= dx;
            if (e <= 0) {
                e += dy;
                x += sx;
            }
        }
    }
}

// The walk with every point tested; counts the points inside, and records
// the first and last of them.
inline int64_t CheckedLine(IMG* img, const Line& l, uint32_t colour, Line* visible) {
    const int32_t w = img->width;
    const int32_t h = img->height;
    if ((l.x1 < 0 && l.x2 < 0) || (l.y1 < 0 && l.y2 < 0) || (l.x1 >= w && l.x2 >= w) ||
        (l.y1 >= h && l.y2 >= h)) {
        return 0;
    }
    int32_t dx = l.x2 - l.x1;
    int32_t dy = l.y2 - l.y1;
    const int32_t sx = dx < 0 ? -1 : 1;
    const int32_t sy = dy < 0 ? -1 : 1;
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    const bool xMajor = dx > dy;
    const int32_t major = xMajor ? dx : dy;
    const int32_t minor = xMajor ? dy : dx;
    int32_t x = l.x1;
    int32_t y = l.y1;
    int32_t e = major >> 1;
    int64_t count = 0;
    for (int32_t n = major; n >= 0; --n) {
        if (x >= 0 && x < w && y >= 0 && y < h) {
            img->pixels[y * w + x] = colour;
            if (visible != nullptr) {
                if (count == 0) {
                    visible->x1 = x;
                    visible->y1 = y;
                }
                visible->x2 = x;
                visible->y2 = y;
            }
            ++count;
        }
        if (xMajor) {
            x += sx;
        } else {
            y += sy;
        }
        e -= minor;
        if (e <= 0) {
            e += major;
            if (xMajor) {
                y += sy;
            } else {
                x += sx;
            }
        }
    }
    return count;
}
