// raster.h: RASTER, raster bars: a cyclic list of colours painted across an
// image one whole row (or one whole column) per colour.
//
// Line i of an image takes colour (start + i) mod count, so the list repeats
// when the image has more lines than the raster has colours. A new raster has
// 256 colours, all 0, and start 0. The demo fills its rasters every frame and
// paints them over the whole work image, replacing it (RASTERDrawColumns,
// RASTERDrawRows) or mixing each pixel with its row colour (RASTERBlendRows).
//
// Ownership: RASTERNew and RASTERClone return a raster the caller owns;
// RASTERFree releases its colours and the record and clears the reference.
//
// Failures: a null raster or colour array, or a count of 0 where a colour is
// picked by remainder, reports "RASTER error\n" (switch off: silent, counted)
// and does nothing. The three line primitives (RASTERFillRow, RASTERBlendRow,
// RASTERFillColumn) report a null image through the image module ("IMG
// error\n"); a row or column outside the image is not an error, it paints
// nothing.
//
// Ranges: start may hold any value; painting and RASTERAdvance first reduce it
// into 0 .. count - 1. Blend weights are clamped to 0 (pixel unchanged) .. 256
// (colour alone). Channel arithmetic is unsigned: every result has top byte 0.
#pragma once
#include <cstdint>
#include <type_traits>

struct IMG;

struct RASTER {
    int32_t   count;    // number of colours
    int32_t   start;    // colour painted on line 0; 0 after every resize
    uint32_t* colours;  // owned, count words 0x00RRGGBB
};
static_assert(std::is_trivially_copyable_v<RASTER> && std::is_standard_layout_v<RASTER>,
              "RASTER stays plain data: zeroed allocation and free stay legal");

// {"RASTER  ", "20120517", "Vaskoril", "C       ", "CODE    "}
extern const char* const RASTER_IDENTITY[5];

constexpr int32_t RASTER_DEFAULT_COUNT = 256;
constexpr int32_t RASTER_WEIGHT_MAX = 256;  // blend weight of the colour alone

// [SECTION] Protocol
[[nodiscard]] RASTER* RASTERNew();                           // 256 black colours, start 0
void                  RASTERFree(RASTER** ref);              // frees, sets *ref = nullptr
[[nodiscard]] char*   RASTERToASCII(const RASTER* raster);   // no text form: always null
[[nodiscard]] RASTER* RASTERFromASCII(const char* text);     // no text form: always null
// Equal counts and colours (start is not compared).
[[nodiscard]] bool    RASTEREqual(const RASTER* a, const RASTER* b);
[[nodiscard]] RASTER* RASTERClone(const RASTER* raster);     // same colours, start 0

// [SECTION] The colour list
// count zeroed colours and start 0. A negative count, or one whose array cannot
// be allocated, reports and leaves the raster as it was. 0 is a valid count.
void    RASTERSetSize(RASTER* raster, int32_t count);
void    RASTERClear(RASTER* raster);                      // every colour 0
int32_t RASTERAdvance(RASTER* raster);                    // start + 1 mod count; the new start
// Each channel of colour i becomes (2 c(i) + sum over n = 1 .. radius of
// c((i + n) mod count) + c(|i - n| mod count)) / (2 radius + 2): wrapped ahead,
// mirrored at index 0 behind. A radius <= 0 reports. Costs O(count) for any
// radius; allocates one array of count colours.
void    RASTERSmooth(RASTER* raster, int32_t radius);

// [SECTION] Painting a whole image (every pixel of it)
void RASTERDrawRows(const RASTER* raster, IMG* img);     // row i: colour (start + i) mod count
void RASTERBlendRows(const RASTER* raster, IMG* img, int32_t weight);  // mixed at weight / 256
void RASTERDrawColumns(const RASTER* raster, IMG* img);  // column x: colour (start + x) mod count

// [SECTION] Line primitives: ranges are clamped to the image
void RASTERFillRow(IMG* img, uint32_t colour, int32_t row, int32_t x0, int32_t x1);
// Per channel: (p (256 - weight) + colour weight) >> 8.
void RASTERBlendRow(IMG* img, uint32_t colour, int32_t row, int32_t x0, int32_t x1,
                    int32_t weight);
void RASTERFillColumn(IMG* img, uint32_t colour, int32_t column, int32_t y0, int32_t y1);

// The per-pixel mix of RASTERBlendRow: the weight must lie in 0 .. 256.
[[nodiscard]] inline uint32_t RASTERMix(uint32_t pixel, uint32_t colour, uint32_t weight) {
    // Red and blue share one word: each channel's sum is at most 255 * 256, so
    // blue stays below bit 16 and red below bit 32; green has its own word.
    const uint32_t keep = RASTER_WEIGHT_MAX - weight;
    const uint32_t rb = ((pixel & 0xFF00FFu) * keep + (colour & 0xFF00FFu) * weight) >> 8;
    const uint32_t g = ((pixel & 0x00FF00u) * keep + (colour & 0x00FF00u) * weight) >> 8;
    return (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

// [SECTION] Files (opened and closed only: the raster has no file form)
[[nodiscard]] RASTER* RASTERLoad(const char* path);  // count 0 when the file opens, else null
// True when the raster has colours and count != 0 and path can be created.
bool RASTERSave(const RASTER* raster, const char* path);
