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
//
// Sizes: an image always holds exactly width * height pixels in a non-null
// array (zero-length when the product is 0). IMGSetSize refuses a negative size
// or a pixel count that does not fit in int32_t, and survives a failed
// allocation: in each case it reports and leaves the image EMPTY, 0 x 0 with a
// zero-length array, never a size that disagrees with its array.
//
// Compositing: operations on two images take the source first and the
// destination second. Rectangles are clipped silently to both images; the
// arithmetic is done in 64 bits, so any int32_t corner and size is safe.
// The masked copies (IMGBlit, IMGBlitHalf, IMGBlitSpaced, IMGCopyRowWrap,
// IMGCopyColumnWrap) leave the destination unchanged under source pixels of 0.
// Source and destination may be the same image; the copies then run in the
// documented pixel order, as a plain pixel-by-pixel loop would.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct IMG {
    int32_t   width;   // columns
    int32_t   height;  // rows
    uint32_t* pixels;  // owned, width * height words
};
static_assert(std::is_trivially_copyable_v<IMG> && std::is_standard_layout_v<IMG>,
              "IMG stays plain data: zeroed allocation and free stay legal");

extern const char* const IMG_IDENTITY[5];

// [SECTION] Protocol and pixel access
[[nodiscard]] IMG* IMGNew();                  // 16 x 16, black
void               IMGFree(IMG** ref);        // frees, sets *ref = nullptr
[[nodiscard]] bool IMGEqual(const IMG* a, const IMG* b);
[[nodiscard]] IMG* IMGClone(const IMG* img);  // deep copy, caller owns
void               IMGSetSize(IMG* img, int32_t width, int32_t height);  // black afterwards
void               IMGSetPixel(IMG* img, int32_t x, int32_t y, uint32_t colour);
[[nodiscard]] uint32_t IMGGetPixel(const IMG* img, int32_t x, int32_t y);

// [SECTION] Inline pixel access for hot loops
// IMGInside: (x, y) lies in the image. The image must be non-null.
[[nodiscard]] inline bool IMGInside(const IMG* img, int32_t x, int32_t y) {
    // One unsigned compare per axis also rejects negative coordinates.
    return static_cast<uint32_t>(x) < static_cast<uint32_t>(img->width) &&
           static_cast<uint32_t>(y) < static_cast<uint32_t>(img->height);
}

// IMGPixelAt: unchecked read; the caller has clipped (x, y) and checked the image.
[[nodiscard]] inline uint32_t IMGPixelAt(const IMG* img, int32_t x, int32_t y) {
    return img->pixels[static_cast<size_t>(y) * static_cast<size_t>(img->width) +
                       static_cast<size_t>(x)];
}

// IMGPutPixel: IMGSetPixel inlined. Clipped silently; a null image or pixel
// array takes the reporting path of IMGSetPixel.
inline void IMGPutPixel(IMG* img, int32_t x, int32_t y, uint32_t colour) {
    if (img == nullptr || img->pixels == nullptr) {
        IMGSetPixel(img, x, y, colour);
        return;
    }
    if (IMGInside(img, x, y)) {
        img->pixels[static_cast<size_t>(y) * static_cast<size_t>(img->width) +
                    static_cast<size_t>(x)] = colour;
    }
}

// IMGFetchPixel: IMGGetPixel inlined. 0 outside the image; a null image or pixel
// array takes the reporting path of IMGGetPixel.
[[nodiscard]] inline uint32_t IMGFetchPixel(const IMG* img, int32_t x, int32_t y) {
    if (img == nullptr || img->pixels == nullptr) return IMGGetPixel(img, x, y);
    return IMGInside(img, x, y) ? IMGPixelAt(img, x, y) : 0u;
}

// [SECTION] Whole images (the demo runs these on 256 x 256 every frame)
void IMGCopy(const IMG* src, IMG* dst);        // every pixel; sizes must be equal
void IMGClear(IMG* img);                       // every pixel 0
void IMGSubtract(IMG* img, uint32_t colour);   // per channel, floored at 0; top byte 0
void IMGAnd(const IMG* mask, IMG* dst);        // dst[i] &= mask[i] over the shorter array
void IMGInvert(IMG* img);                      // p = ~p & 0xFFFFFF

// [SECTION] Rectangles: source corner (sx, sy), destination corner (dx, dy), w x h
void IMGBlit(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
             int32_t w, int32_t h);  // non-zero source pixels only
void IMGBlitOpaque(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                   int32_t w, int32_t h);  // every pixel
void IMGBlitAdd(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                int32_t w, int32_t h);  // d += s as 32-bit words, carries cross channels
void IMGBlitAddSat(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                   int32_t w, int32_t h);  // per channel min(255, d + s); top byte 0
void IMGBlitHalf(const IMG* src, IMG* dst, int32_t x, int32_t y);  // whole source at (x, y):
    // non-zero s turns d into (s >> 1 & 0x7F7F7F) + (d >> 1 & 0x7F7F7F)
void IMGBlitSpaced(const IMG* src, IMG* dst, int32_t sx, int32_t sy, int32_t dx, int32_t dy,
                   int32_t w, int32_t h, int32_t stepX, int32_t stepY);
    // source (sx + j, sy + i) to (dx + j * stepX, dy + i * stepY), non-zero only;
    // a step of 0 or below reports and draws nothing
void IMGInvertRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h);  // p = ~p, whole word

// [SECTION] Rows and columns
// The wrapping copies put source pixel i at (offset + i) modulo the destination's
// length, for min(source, destination) length pixels. A row or column outside
// its image reports; a destination of length 0 copies nothing.
void IMGCopyRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow,
                    int32_t offset);  // non-zero only
void IMGOrRowWrap(const IMG* src, IMG* dst, int32_t srcRow, int32_t dstRow,
                  int32_t offset);  // d |= s
void IMGCopyColumnWrap(const IMG* src, IMG* dst, int32_t srcColumn, int32_t dstColumn,
                       int32_t offset);  // non-zero only
void IMGCopyRow(const IMG* src, IMG* dst, int32_t srcRow,
                int32_t dstRow);  // min width pixels from the row starts, zeros included

// [SECTION] Lines (image/img_line.cpp)
void IMGDrawLine(IMG* img, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour);
