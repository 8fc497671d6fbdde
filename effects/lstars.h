// lstars.h: LSTARS, a field of stars moving together and wrapping round.
//
// Positions and the common velocity are 16.16 fixed point (pixel = value >> 16,
// arithmetic). Every move adds the velocity to every star; a star that has
// left the area by more than its streak's length (two moves) re-enters at the
// opposite edge, so a streak never tears. Stars draw as dots, as streaks back
// to where the star was two moves earlier, or as characters of a bitmap font
// chosen by the star's row (the glyph's top-left corner 16 pixels left of and
// above the star). Every draw makes the wrap area the image's size.
//
// Ownership: LSTARSNew returns a field the caller owns; LSTARSFree releases it
// and its star array and clears the caller's reference. The font and the
// images are never owned. LSTARSCopy is a new random field, not a copy.
//
// Failures: a null field, image, star array or font, an index outside
// 0 .. count - 1, a size that is not positive (a divisor when placing), or a
// count that is not positive or whose 2 x n words would not fit int32_t call
// the error report "LSTARS error\n" (switch off: only counted) and change
// nothing. After a failed allocation count keeps n and the array is absent.
//
// Arithmetic: positions and wrap targets wrap as unsigned 32-bit words and
// margins and streak ends are formed in 64 bits, so no velocity or size
// overflows. Moves and draws never allocate.
#pragma once
#include <cstdint>
#include <type_traits>

#include "vector/vec2d.h"

struct IMG;
struct FONT;

// Triples are VEC2D by value; their third word is not read.
struct LSTARS {
    VEC2D    origin;    // not read by any operation
    VEC2D    size;      // the wrap area, pixels; 256 x 256; set by every draw
    VEC2D    velocity;  // 16.16 per move, common to all stars; (0, 0x10000)
    uint32_t colour;    // dots and streaks; white 0x00FFFFFF
    FONT*    font;      // for LSTARSDrawChars; set by the caller, not owned
    int32_t  count;     // stars; 16
    int32_t* stars;     // owned, 2 x count words: x0, y0, x1, y1, ... in 16.16
};
static_assert(std::is_trivially_copyable_v<LSTARS> && std::is_standard_layout_v<LSTARS>);

// {"LSTARS  ", "20120327", "Vaskoril", "C       ", "CODE    "}
extern const char* const LSTARS_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] LSTARS* LSTARSNew();  // defaults, then SetCount 16: 32 draws
void                  LSTARSFree(LSTARS** ref);
[[nodiscard]] char*   LSTARSToASCII(const LSTARS* s);     // no text form: null
[[nodiscard]] LSTARS* LSTARSFromASCII(const char* text);  // no text form: null
[[nodiscard]] bool    LSTARSEqual(const LSTARS* a, const LSTARS* b);  // always false
[[nodiscard]] LSTARS* LSTARSCopy(const LSTARS* src);      // a new random field
void                  LSTARSCopyInto(const LSTARS* src, LSTARS* dst);  // checks only

// [SECTION] Stars
void LSTARSSetCount(LSTARS* s, int32_t n);  // 0 < n <= INT32_MAX / 2; then Scatter
void LSTARSScatter(LSTARS* s);              // last star to first: PlaceStar
// Two draws: x = (r rem width) << 16, then y = (r rem height) << 16.
void LSTARSPlaceStar(LSTARS* s, int32_t index);
void LSTARSMove(LSTARS* s);  // every star += velocity, then wraps round the area

// [SECTION] Drawing (each sets size to the image's size first)
void LSTARSDrawDots(LSTARS* s, IMG* img);     // one pixel per star, first to last
void LSTARSDrawStreaks(LSTARS* s, IMG* img);  // last to first: star -> two moves back
// First to last: character (y >> 16) rem 64 (the sign of the row), pen at
// ((x >> 16) - 16, (y >> 16) - 16), drawn with FONTDrawChar into img.
void LSTARSDrawChars(LSTARS* s, IMG* img);
