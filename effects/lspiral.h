// lspiral.h: LSPIRAL, a rotating spiral drawn as one open polyline.
//
// Point k lies at angle (angle + 2k * pointStep) and radius factor
// rho = k * radiusStep from the centre:
//     x_k = centre.x + ((SINE_TABLE[(angle.x + 2k pointStep.x) & 1023] * rho) >> 16)
//     y_k = centre.y + ((SINE_TABLE[(angle.y + 2k pointStep.y) & 1023] * rho) >> 16)
// so the radius of point k is about rho / 2 pixels, and y leads x by a quarter
// turn (x follows the sine, y the cosine). Every update turns the whole figure
// by speed; a positive speed turns it anticlockwise on screen. Point 0 is the
// centre. Reset draws every parameter but the centre at random, so each reset
// gives a new figure: smooth for small point steps, spiky for large ones.
//
// Arithmetic: angle sums are taken modulo 2^32 before the & 1023, the product
// of sine and rho is 64-bit, and the centre plus the offset wraps modulo 2^32,
// so any count, step or centre is safe (a far point is simply clipped).
//
// Draw reads the points of the last update: moving the centre after an update
// shows only after the next one.
//
// Ownership: LSPIRALNew and LSPIRALCopy return a spiral the caller owns;
// LSPIRALFree releases its points and the record and clears the reference.
// Failures: a null spiral, image or points array, or a count <= 0, reports
// "LSPIRAL error\n" (switch off: silent, counted) and does nothing.
#pragma once
#include <cstdint>
#include <type_traits>

struct IMG;

// x and y; the third component is carried but no operation sets or reads it.
struct LSPIRALTriple {
    int32_t x;
    int32_t y;
    int32_t z;
};

struct LSPIRAL {
    LSPIRALTriple size;        // nominal area, (256, 256) after a reset; read by nothing
    LSPIRALTriple centre;      // pixels; (128, 128) after a reset; callers may move it
    LSPIRALTriple angle;       // phase of each coordinate, 0 .. 1023; y = x + 256
    LSPIRALTriple speed;       // added to the angles by each update; +-(1 .. 16)
    LSPIRALTriple pointStep;   // half the angle between consecutive points; 4 .. 67
    int32_t       radiusStep;  // growth of rho per point; 1 .. 8
    uint32_t      colour;      // 0x00RRGGBB; red 0x80, green and blue 0x80 .. 0xFF
    int32_t       count;       // number of points; 128 after New
    int32_t*      points;      // owned: x0, y0, x1, y1, ...; zero until the first update
};
static_assert(std::is_trivially_copyable_v<LSPIRAL> && std::is_standard_layout_v<LSPIRAL>,
              "LSPIRAL stays plain data: zeroed allocation and free stay legal");

// {"LSPIRAL ", "20120707", "Vaskoril", "C       ", "CODE    "}
extern const char* const LSPIRAL_IDENTITY[5];

constexpr int32_t LSPIRAL_DEFAULT_COUNT = 128;

// [SECTION] Protocol
// 128 points at (0, 0), random parameters: draws the values of two resets.
[[nodiscard]] LSPIRAL* LSPIRALNew();
void                   LSPIRALFree(LSPIRAL** ref);             // frees, sets *ref = nullptr
[[nodiscard]] char*    LSPIRALToASCII(const LSPIRAL* spiral);  // no text form: always null
[[nodiscard]] LSPIRAL* LSPIRALFromASCII(const char* text);     // no text form: always null
[[nodiscard]] bool     LSPIRALEqual(const LSPIRAL* a, const LSPIRAL* b);  // always false
// Not a copy: a new spiral from LSPIRALNew, with its own random parameters.
[[nodiscard]] LSPIRAL* LSPIRALCopy(const LSPIRAL* src);
void                   LSPIRALCopyInto(const LSPIRAL* src, LSPIRAL* dst);  // checks only

// [SECTION] The figure
// count = n and 2n zeroed coordinates, then LSPIRALReset. n <= 0 reports and
// changes nothing; when the points cannot be allocated they stay absent (count
// keeps n) and the reset still runs.
void LSPIRALSetCount(LSPIRAL* spiral, int32_t n);
// New random parameters, in this order of draws: angle.x, speed, its sign,
// pointStep, colour, radiusStep (six draws). Count and points are untouched.
void LSPIRALReset(LSPIRAL* spiral);
void LSPIRALUpdate(LSPIRAL* spiral);            // turns by speed, recomputes every point
void LSPIRALDraw(const LSPIRAL* spiral, IMG* img);  // count - 1 lines, point k to k + 1
