// spirals.h: SPIRALS, particles that circle a common centre on outward spirals.
//
// Each particle has an angle for x, an angle for y (a quarter turn apart when
// placed, so equal speeds give a circle) and a radius that grows by
// radialSpeed every move. A particle of radius r lies about r / 2 pixels from
// the centre (the 1.15 sine times r, shifted by 16); once r exceeds maxRadius
// it is placed again at a random angle and radius below 1.5 x the width.
// Angles are 1024ths of a turn into SINE_TABLE. Particles are single pixels.
//
// Ownership: SPIRALSNew returns an object the caller owns; SPIRALSFree releases
// it and its particle array and clears the caller's reference. The image is
// set by the caller and never owned. SPIRALSCopy is a new random object.
//
// Failures: a null object, array or image, an index outside 0 .. count - 1, a
// size that is not positive (placing needs it as a divisor), or a count that
// is not positive or whose 3 x n words would not fit int32_t call the error
// report "SPIRALS error\n" (switch off: only counted) and change nothing.
//
// Arithmetic: radii grow as wrapping 32-bit words and the radius-sine product
// is formed in 64 bits, so particles that can no longer be placed (a draw
// into an image of width 0) keep moving without overflow. Move and Draw never
// allocate.
#pragma once
#include <cstdint>
#include <type_traits>

#include "vector/vec2d.h"

struct IMG;

// Triples are VEC2D by value; their third word is not read.
struct SPIRALS {
    VEC2D    centre;       // pixels; 128, 128
    VEC2D    size;         // the last image drawn into; 256 x 256; width bounds new radii
    IMG*     image;        // where Draw plots; set by the caller, not owned
    VEC2D    speed;        // added to the x and y angles by Move; 1, 1
    int32_t  radialSpeed;  // added to every radius by Move; 1
    int32_t  maxRadius;    // radius beyond which a particle is placed again; 256
    uint32_t colour;       // white 0x00FFFFFF
    int32_t  count;        // particles; 16
    int32_t* particles;    // owned, 3 x count words: angle x, angle y, radius
};
static_assert(std::is_trivially_copyable_v<SPIRALS> && std::is_standard_layout_v<SPIRALS>);

// {"SPIRALS ", "20101102", "Vaskoril", "C       ", "CODE    "}
extern const char* const SPIRALS_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] SPIRALS* SPIRALSNew();  // defaults, then SetCount 16: 32 draws
void                   SPIRALSFree(SPIRALS** ref);
[[nodiscard]] char*    SPIRALSToASCII(const SPIRALS* s);   // null
[[nodiscard]] SPIRALS* SPIRALSFromASCII(const char* text);  // null
[[nodiscard]] bool     SPIRALSEqual(const SPIRALS* a, const SPIRALS* b);  // false
[[nodiscard]] SPIRALS* SPIRALSCopy(const SPIRALS* src);    // a new random object
void                   SPIRALSCopyInto(const SPIRALS* src, SPIRALS* dst);  // checks only

// [SECTION] Particles
void SPIRALSSetCount(SPIRALS* s, int32_t n);  // 0 < n <= INT32_MAX / 3; then Scatter
void SPIRALSScatter(SPIRALS* s);              // places 0 .. count - 1 in order
// Two draws: angle x = r rem 1023, angle y = (angle x + 256) rem 1024, radius =
// r rem (3 x width / 2).
void SPIRALSPlaceParticle(SPIRALS* s, int32_t index);
void SPIRALSMove(SPIRALS* s);  // angles += speed (mod 1024), radius += radialSpeed
void SPIRALSDraw(SPIRALS* s);  // into s->image at centre + (r * sin) >> 16
