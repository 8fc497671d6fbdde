// vec2d.h: VEC2D, a point or displacement with integer coordinates and a colour.
//
// x grows to the right, y downwards (the image's row index). The colour is the
// 0x00RRGGBB pixel value used when the point, or a segment starting at it, is
// drawn. A new vector is (0, 0) and white (0x00FFFFFF).
//
// Ownership: VEC2DNew and VEC2DClone return a vector the caller owns; VEC2DFree
// releases it and clears the caller's reference. Operations on two vectors take
// the source first: VEC2DAdd(a, b) changes b, VEC2DSub(a, b) changes a.
//
// Failures: every operation checks its references. A null one calls the error
// report, whose switch is ON: "VEC2D error\n" is printed on standard output.
// The operation then does nothing and returns the value given below.
//
// Arithmetic: coordinates wrap modulo 2^32 where a sum or product leaves
// int32_t (there is no undefined overflow); rotation is exact for coordinates
// up to about +-65535, the range the system uses.
#pragma once
#include <cstdint>
#include <type_traits>

struct IMG;

struct VEC2D {
    int32_t  x;       // pixels, growing to the right
    int32_t  y;       // pixels, growing downwards
    uint32_t colour;  // 0x00RRGGBB
};
static_assert(std::is_trivially_copyable_v<VEC2D> && std::is_standard_layout_v<VEC2D>);

// {"VEC2D   ", "20120518", "Vaskoril", "C       ", "CODE    "}
extern const char* const VEC2D_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] VEC2D* VEC2DNew();                       // (0, 0), white; null when out of memory
void                 VEC2DFree(VEC2D** ref);           // frees, sets *ref = nullptr
[[nodiscard]] char*  VEC2DToASCII(const VEC2D* v);     // no text form: always null
[[nodiscard]] VEC2D* VEC2DFromASCII(const char* text); // no text form: always null
[[nodiscard]] bool   VEC2DEqual(const VEC2D* a, const VEC2D* b);  // x, y and colour equal
void                 VEC2DCopy(const VEC2D* src, VEC2D* dst);    // x, y and colour
[[nodiscard]] VEC2D* VEC2DClone(const VEC2D* v);                 // caller owns; null on failure

// [SECTION] Drawing
void VEC2DDraw(const VEC2D* v, IMG* img);  // IMGSetPixel(img, x, y, colour)
// Plots rotate((x, y), angle) + offset in v's colour; v is unchanged.
void VEC2DDrawRotated(const VEC2D* v, int32_t angle, const VEC2D* offset, IMG* img);

// [SECTION] Arithmetic (the colour is never touched)
void VEC2DAdd(const VEC2D* a, VEC2D* b);  // b += a
void VEC2DSub(VEC2D* a, const VEC2D* b);  // a -= b
void VEC2DNeg(VEC2D* v);                  // (-x, -y)
// Rotation about the origin by angle (1024ths of a turn; positive turns +x
// towards +y, clockwise on screen): with s, c the table sine and cosine,
// x' = (x*c - y*s) >> 15 and y' = (x*s + y*c) >> 15, arithmetic shifts. Angle 0
// leaves the vector exact; any other angle shrinks it slightly ((100, 0) by
// 1024 becomes (99, 0)), so callers rotate fresh copies.
void VEC2DRotate(VEC2D* v, int32_t angle);
void VEC2DScale(VEC2D* v, int32_t k);         // x *= k, y *= k
void VEC2DMul(VEC2D* a, const VEC2D* b);      // a.x *= b.x, a.y *= b.y

// [SECTION] Queries
[[nodiscard]] int32_t VEC2DCompareX(const VEC2D* a, const VEC2D* b);  // a.x - b.x; 0 for null
[[nodiscard]] int32_t VEC2DCompareY(const VEC2D* a, const VEC2D* b);  // a.y - b.y; 0 for null
[[nodiscard]] int32_t VEC2DLengthSquared(const VEC2D* v);             // x*x + y*y; -1 for null
