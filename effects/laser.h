// laser.h: LASER, a beam from a fixed source to an end point that runs round
// the edges of an image.
//
// LASERSet binds an image and draws a random source, an end point on the top
// edge, a velocity of 2 .. 5 pixels a step per axis with random signs, and a
// colour. Each frame the caller moves the end point (Bounce: it runs along an
// edge once it reaches it and turns the corner at the next; Wander: at an edge
// it takes a new random speed along it) and draws the beam with IMGDrawLine.
//
// Ownership: LASERNew returns a laser the caller owns; LASERFree releases it
// and clears the caller's reference. The image is never owned and must
// outlive the laser.
//
// Failures: every operation checks its laser and calls the error report
// "LASER Error.\n" (switch off: only counted) on a failed check, doing nothing
// and returning 0. LASERSet ignores null arguments silently and refuses an
// image without pixels to choose from (width or height <= 0, a divisor);
// LASERRandomSpeed refuses a speed range <= 0 (an unbound laser). The moves
// and draws refuse a laser without an image. Sums are formed in 64 bits and
// clamped to the image, so no stored value can overflow them.
#pragma once
#include <cstdint>
#include <type_traits>

struct IMG;

struct LASER {
    int32_t  sourceX;       // fixed start of the beam, pixels
    int32_t  sourceY;
    int32_t  endX;          // moving end of the beam, pixels
    int32_t  endY;
    int32_t  velocityX;     // pixels per step of the end point
    int32_t  velocityY;
    int32_t  speedRange;    // number of possible speeds; 4 after Set
    int32_t  minimumSpeed;  // smallest speed; 2 after Set
    uint32_t colour;        // 0x00RRGGBB
    IMG*     image;         // bound by Set; not owned
};
static_assert(std::is_trivially_copyable_v<LASER> && std::is_standard_layout_v<LASER>);

// {"LASER   ", "20110905", "Vaskoril", "C       ", "CODE    "}
extern const char* const LASER_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] LASER* LASERNew();  // all zero, unbound
void                 LASERFree(LASER** ref);
[[nodiscard]] char*  LASERToASCII(const LASER* laser);   // no text form: null
[[nodiscard]] LASER* LASERFromASCII(const char* text);   // no text form: null
[[nodiscard]] bool   LASEREqual(const LASER* a, const LASER* b);  // every field equal
void                 LASERCopy(const LASER* src, LASER* dst);    // every field, image included

// [SECTION] Beam
// Binds img, then 8 draws: source x, source y, end x (end y = 0), speed range 4
// and minimum 2, velocity x and y (two draws each), colour rand() & 0xFFFFFF.
void LASERSet(LASER* laser, IMG* img);
// (rand() mod speedRange) + minimumSpeed, negated when a second draw is odd.
[[nodiscard]] int32_t LASERRandomSpeed(LASER* laser);
void LASERBounce(LASER* laser);      // one step, turning along the border
void LASERWander(LASER* laser);      // one step, a random new speed at the border
void LASERDraw(LASER* laser);        // the beam in its colour
void LASERDrawRandom(LASER* laser);  // the beam in rand() & 0xFFFFFF (one draw)
