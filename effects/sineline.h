// sineline.h: SINELINE, a polyline that snakes across an image on sums of sines.
//
// Each vertex is the centre of the image plus three sine waves in x and three
// in y. Every wave has a phase (moved on by its speed once a frame) and a
// phase step from one vertex to the next, all drawn at random by Reset; the
// amplitudes follow from the image (half, a quarter and an eighth of its size
// before the 1.15 table and the shift by 16 halve them again), so every vertex
// lies within 7/16 of the size from the centre. Angles are 1024ths of a turn
// into SINE_TABLE. SINEDOTS (effects/sinedots.h) shares this record and
// motion and plots the vertices as dots.
//
// Ownership: SINELINENew returns an object the caller owns; SINELINEFree
// releases it and its scratch array and clears the caller's reference. The
// image drawn into is never owned. SINELINECopy is a new random object, not a
// copy (the protocol's shape for effects).
//
// Failures: a null object or image, a missing scratch array, or a count that
// is not positive or whose 4 x n scratch words would not fit int32_t call the
// error report "SINELINE error\n" (switch off: only counted) and change
// nothing. After a failed allocation count keeps n and the array is absent, so
// Reset, Move and Draw refuse until a SetCount succeeds.
//
// Arithmetic: the three wave products are summed in 64 bits and shifted once,
// so any image size is safe; phases are added as unsigned words and masked to
// 0 .. 1023, so any stored phase, speed or step is safe. Move and Draw never
// allocate.
#pragma once
#include <cstdint>
#include <type_traits>

#include "vector/vec2d.h"

struct IMG;

// Every triple is a VEC2D by value: x and y carry the value; the third word
// (VEC2D's colour) is not read by any operation.
struct SINELINE {
    VEC2D    origin;      // not read by any operation; 0, 0
    VEC2D    size;        // the last image drawn into; 256 x 256 after New
    VEC2D    phaseA;      // wave phases, 0 .. 1023, for x and for y
    VEC2D    phaseB;
    VEC2D    phaseC;
    VEC2D    speedA;      // added to the phases by Move: A 3 .. 10, B 2 .. 9, C 1 .. 4
    VEC2D    speedB;
    VEC2D    speedC;
    VEC2D    stepA;       // phase step from vertex to vertex: x 5 .. 22, y 6 .. 23
    VEC2D    stepB;
    VEC2D    stepC;
    VEC2D    amplitudeA;  // (w >> 1, h >> 1) after a draw; 128, 128 after New
    VEC2D    amplitudeB;  // (w >> 2, h >> 2); 64, 64
    VEC2D    amplitudeC;  // (w >> 3, h >> 3); 32, 32
    uint32_t colour;      // line colour; red 0x00FF0000 after New
    int32_t  count;       // vertices; 16 after New
    int32_t* scratch;     // owned, 4 x count zeroed words; must exist, never read
};
static_assert(std::is_trivially_copyable_v<SINELINE> && std::is_standard_layout_v<SINELINE>);

// {"SINELINE", "20110909", "Vaskoril", "C       ", "CODE    "}
extern const char* const SINELINE_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] SINELINE* SINELINENew();        // defaults, count 16, then Reset: 18 draws
void                    SINELINEFree(SINELINE** ref);
[[nodiscard]] char*     SINELINEToASCII(const SINELINE* s);      // no text form: null
[[nodiscard]] SINELINE* SINELINEFromASCII(const char* text);     // no text form: null
[[nodiscard]] bool      SINELINEEqual(const SINELINE* a, const SINELINE* b);  // always false
[[nodiscard]] SINELINE* SINELINECopy(const SINELINE* src);       // a new random object
void                    SINELINECopyInto(const SINELINE* src, SINELINE* dst);  // checks only

// [SECTION] Figure
void SINELINESetCount(SINELINE* s, int32_t n);  // 0 < n <= INT32_MAX / 4; does not reset
void SINELINEReset(SINELINE* s);                // new phases, speeds, steps: 18 draws
void SINELINEMove(SINELINE* s);                 // every phase += its speed, modulo 1024
void SINELINEDraw(SINELINE* s, IMG* img);       // count lines, vertex to previous vertex

// [SECTION] Shared with SINEDOTS
// The vertex of the six phases (ax, ay, bx, by, cx, cy), about the centre of a
// w x h image, with the amplitudes as stored: x = (w >> 1) + ((Aa.x * S[ax] +
// Ab.x * S[bx] + Ac.x * S[cx]) >> 16), y likewise. These three refuse a null
// object, phase array or result (reported, nothing written).
void SINELINEVertex(const SINELINE* s, const int32_t phases[6], int32_t w, int32_t h,
                    int32_t* x, int32_t* y);
// Sets size and amplitudes from a w x h image and loads the stored phases.
void SINELINEPrepare(SINELINE* s, int32_t w, int32_t h, int32_t phases[6]);
// Moves the six phases on by one vertex step each, modulo 1024.
void SINELINEStep(const SINELINE* s, int32_t phases[6]);
