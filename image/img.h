// img.h: IMG, the 32-bit image every drawing of the system lands in.
//
// Pixels are 0x00RRGGBB words, row by row: pixel (x, y) is pixels[x + y * width].
// Black (0) is the transparent colour of the masked copies. IMGSetPixel and
// IMGGetPixel do all clipping: coordinates outside the image are ignored (set)
// or read as 0 (get), silently.
//
// Ownership: IMGNew, IMGClone (and the readers) return an image the caller owns;
// IMGFree releases the pixels and the record and clears the caller's reference.
// Every operation accepts null: it reports "IMG error\n" (switch off in the
// build) and does nothing, returning 0, false or nullptr.
#pragma once
#include <cstdint>

struct IMG {
    int32_t   width;   // columns
    int32_t   height;  // rows
    uint32_t* pixels;  // owned, width * height words
};

extern const char* const IMG_IDENTITY[5];

// [SECTION] Protocol and pixel access
[[nodiscard]] IMG* IMGNew();                  // 16 x 16, black
void               IMGFree(IMG** ref);        // frees, sets *ref = nullptr
[[nodiscard]] bool IMGEqual(const IMG* a, const IMG* b);
[[nodiscard]] IMG* IMGClone(const IMG* img);  // deep copy, caller owns
void               IMGSetSize(IMG* img, int32_t width, int32_t height);  // black afterwards
void               IMGSetPixel(IMG* img, int32_t x, int32_t y, uint32_t colour);
[[nodiscard]] uint32_t IMGGetPixel(const IMG* img, int32_t x, int32_t y);

// [SECTION] Lines (image/img_line.cpp)
void IMGDrawLine(IMG* img, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
