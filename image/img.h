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
// Pixel arrays start on a 64-byte boundary, so whole-image copies run at the
// same speed whatever the order in which images were allocated.
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
[[nodiscard]] char* IMGToASCII(const IMG* img);     // text form, see below
[[nodiscard]] IMG*  IMGFromASCII(const char* text);  // text form, see below
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

// [SECTION] Shapes (image/img_shapes.cpp)
// Rectangles are drawn only when they lie wholly inside the image with a
// positive size; anything else reports and draws nothing (no clipping).
void IMGFillRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour);
void IMGDrawRect(IMG* img, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t colour);  // outline
// 1024 points (r * cos, r * sin of the sine table, >> 15), the right half one
// column left of the left half's mirror. The centre must lie inside the image
// and r > 0; points outside the image are dropped.
void IMGDrawCircle(IMG* img, int32_t cx, int32_t cy, int32_t r, uint32_t colour);

// [SECTION] Points and run tables (arrays the caller frees with std::free)
// The points of IMGDrawLine's walk: entry 0 holds 2 * (n + 1), then n + 1
// x, y pairs from (x0, y0) to (x1, y1), n = max(|x1 - x0|, |y1 - y0|). Null
// (reported) when the count does not fit in int32_t or memory runs out.
[[nodiscard]] int32_t* IMGLinePoints(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// Runs that spread hi = max(|a|, |b|) over lo = min(|a|, |b|): lo + 1 entries,
// the first lo adding up to hi and the last 1 (lo = 0: one entry, hi + 1).
// (4, 2) and (2, 4) give 2, 2, 1. Lengths of magnitude INT32_MAX or more are
// refused (null, reported).
[[nodiscard]] int32_t* IMGRunTable(int32_t a, int32_t b);
// The same spread filled from both ends: lo entries, symmetric.
[[nodiscard]] int32_t* IMGRunTableSym(int32_t a, int32_t b);

// [SECTION] Resampling
// Nearest-neighbour resize of the whole source to the destination's size,
// by the run tables of both axes. An empty source or destination is left alone.
void IMGScale(const IMG* src, IMG* dst);
// A rotated copy in a new image of (size * 92667) >> 16 per side (just under
// sqrt 2), which the caller owns. Angle in 1024ths of a turn; angle 0 turns
// the picture by half a turn. Null (reported) when the new size cannot be made.
[[nodiscard]] IMG* IMGRotoZoom(const IMG* src, int32_t angle);

// [SECTION] Text and file forms (image/img_forms.cpp)
// Text form: "IMG{\nP3\n<width> <height>\n255\n", then per pixel red, green
// and blue as "%3d " (channels masked to 8 bits), six pixels a line, the last
// blank of a line (and of the last pixel) a line feed, then "}\n". An empty
// image gives "IMG{}", which does not parse back. The text is freed with
// std::free. IMGFromASCII finds "IMG", "{" and "P3\n" in that order, then
// reads width, height, the unused maximum and the pixels; pixel values are
// taken as they stand ((r << 16) | (g << 8) | b). A text too short for the
// size it declares gives null, checked before anything is allocated.
//
// Files: IMGSave writes binary PPM, "P6\n<width> <height>\n255\n" and three
// bytes a pixel; false (reported) for an empty image or when any write fails.
// A regular file at the path is replaced only by a complete picture (written
// beside it, then renamed over it): a failed save leaves it as it was, and
// leaves no file where there was none. A FIFO or a device is written in place
// and never removed. IMGLoad reads P1 to P6 from a file, IMGFromPNM from
// `length` bytes in memory; neither scales by the maximum. Both give null
// (reported) on an unknown format, a zero size, a size the remaining data
// cannot hold, and data that ends early. Round trips are exact for pixels
// whose top byte is 0. The in-memory reader leaves the character that ends a
// header number unread, reads P1 pixels as single digits, and widens a P4
// image to a multiple of 8 columns.
bool IMGSave(const IMG* img, const char* fileName);
[[nodiscard]] IMG* IMGLoad(const char* fileName);
[[nodiscard]] IMG* IMGFromPNM(const uint8_t* bytes, size_t length);
// Index just past the first occurrence of marker in text; 0 when there is none.
[[nodiscard]] size_t IMGFindMarker(const char* text, const char* marker);
