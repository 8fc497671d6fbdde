// grid2d.h: GRID2D, particles drifting through a box that turn away from
// whatever is already drawn.
//
// Particles move in 16.16 fixed point (pixel = value >> 16) through a box of
// width x height x depth pixels and wrap round at its faces. A particle whose
// next position lands on a lit pixel of the grid's image (the image of the
// last GRID2DDraw) keeps its place and takes a new random velocity, so
// particles settle against drawings and each other's dots. Dots are yellow,
// bright at depth 0 and black at the far face. Velocity components are at
// most 32767 (rand() & 0x3FFFF of a 15-bit draw): below half a pixel a step.
//
// Ownership: GRID2DNew and GRID2DCopy return a grid the caller owns;
// GRID2DFree releases it and its particles and clears the reference. Images
// are never owned; the grid's image must outlive its use by GRID2DMove.
//
// Failures: a null grid, image or particle array is ignored silently, except
// in GRID2DFree, which reports. Misuse that would fault reports "GRID2D
// error\n" (always printed) and changes nothing: an index outside
// 0 .. count - 1, a box size <= 0 (a divisor of the random position and the
// wrap range), a negative count or one whose 6 x n words would not fit
// int32_t, and a failed allocation (GRID2DNew then returns null; GRID2DSetCount
// leaves no particles, count 0).
//
// Range: positions are signed 16.16 words, so they hold 0 .. 32767 pixels; a
// box wider than 32768 pixels wraps at 32768 on that axis. Sums are formed in
// 64 bits. Move and Draw never allocate.
#pragma once
#include <cstdint>
#include <type_traits>

struct IMG;

struct GRID2D {
    int32_t  width;      // box size in pixels; 256 each after New
    int32_t  height;
    int32_t  depth;
    IMG*     image;      // the image of the last Draw, and Move's obstacle map; not owned
    int32_t  count;      // particles; 16 after New
    int32_t* particles;  // owned, 6 x count words: x, y, z, vx, vy, vz in 16.16
};
static_assert(std::is_trivially_copyable_v<GRID2D> && std::is_standard_layout_v<GRID2D>);

// {"GRID2D  ", "20100922", "Vaskoril", "C       "}
extern const char* const GRID2D_IDENTITY[4];

// [SECTION] Protocol
[[nodiscard]] GRID2D* GRID2DNew();  // 256 x 256 x 256, 16 particles: 144 draws
void                  GRID2DFree(GRID2D** ref);
[[nodiscard]] char*   GRID2DToASCII(const GRID2D* grid);   // no text form: null
[[nodiscard]] GRID2D* GRID2DFromASCII(const char* text);   // no text form: null
// Same box, count and particles (the image is not compared).
[[nodiscard]] bool    GRID2DEqual(const GRID2D* a, const GRID2D* b);
[[nodiscard]] GRID2D* GRID2DCopy(const GRID2D* src);  // box, image, particles; no draws

// [SECTION] Particles
void GRID2DSetCount(GRID2D* grid, int32_t count);  // new zeroed particles, then Reset
void GRID2DReset(GRID2D* grid);  // last to first: RandomPosition, then RandomVelocity
void GRID2DRandomPosition(GRID2D* grid, int32_t index);  // 3 draws: x, y, z
void GRID2DRandomVelocity(GRID2D* grid, int32_t index);  // 6 draws: magnitude, sign per axis
void GRID2DMove(GRID2D* grid);  // nothing before the first Draw
void GRID2DDraw(GRID2D* grid, IMG* img);  // img becomes the grid's image; one dot each
// sprite centred on every particle, black sprite pixels left out
void GRID2DDrawSprites(GRID2D* grid, IMG* dst, const IMG* sprite);
