// csine.h: CSINE, the polar sine figure: a chain of segments whose joints lie
// around a centre at a radius that swings with one sine wave, while the
// direction turns with a second phase.
//
// Joint i is the start of segment i. An update advances the phases and places
// every joint; the end of segment i is then the start of segment i + 1. The
// open curve (CSINEUpdate) leaves the last segment a single point; the ring
// (CSINEUpdateRing) closes it onto the first joint and spreads the joints once
// around the centre.
//
// Units: phases are 16.16 counts of sine-table steps (1024 per turn), indexed
// with (phase >> 16) & 1023; they accumulate and wrap modulo 2^32, so they are
// unsigned. Radii and offsets count half pixels: a joint lies
// (SINE_TABLE[b] * r) >> 16 from the centre, about r / 2 pixels. Products and
// sums are 64-bit; coordinates keep their low 32 bits (for the ranges the
// randomisers make, exactly the 32-bit results).
//
// Ownership: CSINENew and CSINEClone return a figure the caller owns, with its
// own segment list and segments; CSINEFree releases them all and clears the
// caller's reference.
//
// Failures: a missing figure, segment list or image calls the error report
// "CSINE error\n" (switch off: silent, counted) and nothing happens. A failed
// allocation in CSINESetSegmentCount frees what it made and keeps the previous
// list.
#pragma once
#include <cstdint>
#include <type_traits>

#include "core/list.h"

struct IMG;

struct CSINE {
    int32_t  xOffset;      // added to the centre x; 0
    int32_t  yOffset;      // added to the centre y; 0
    int32_t  width;        // centre x = (width >> 1) + xOffset; 256
    int32_t  height;       // centre y = (height >> 1) + yOffset; 256
    uint32_t radiusPhase;  // 16.16 phase of the radius wave at the first joint; 0
    int32_t  radiusSpeed;  // added to radiusPhase per update; 0x80000 (8 steps)
    int32_t  amplitude;    // of the radius wave, half pixels; 128
    int32_t  radiusStep;   // radius phase increment per joint; 0x500000 (80 steps)
    uint32_t colour;       // last colour set on the segments; 0x00FFFFFF
    uint32_t anglePhase;   // 16.16 direction of the first joint (open curve); 0
    int32_t  angleSpeed;   // added to anglePhase per update (open curve); 0x100000
    int32_t  baseRadius;   // mean radius, half pixels; 128
    int32_t  angleStep;    // direction increment per joint (open curve); 0x200000
    LIST*    segments;     // owned list of owned SEG2D; 64 after CSINENew
};
static_assert(std::is_trivially_copyable_v<CSINE> && std::is_standard_layout_v<CSINE>);

// {"CSINE   ", "20120412", "Vaskoril", "C       ", "CODE    "}
extern const char* const CSINE_IDENTITY[5];

// [SECTION] Protocol
[[nodiscard]] CSINE* CSINENew();              // the defaults above, 64 segments; null when out of memory
void                 CSINEFree(CSINE** ref);  // segments, list and record; *ref = nullptr
[[nodiscard]] char*  CSINEToASCII(const CSINE* figure);    // not provided: always null
[[nodiscard]] CSINE* CSINEFromASCII(const char* text);     // not provided: always null
[[nodiscard]] bool   CSINEEqual(const CSINE* a, const CSINE* b);  // not provided: always false
void                 CSINECopy(const CSINE* src, CSINE* dst);    // not provided: checks only
[[nodiscard]] CSINE* CSINEClone(const CSINE* figure);  // a new default figure; nothing is copied

// [SECTION] Segments and colour
// Replaces the segment list with n new segments, each (0,0)->(1,1), white. A
// negative n, or memory running out, reports and keeps the previous list.
void CSINESetSegmentCount(CSINE* figure, int32_t n);
void CSINEFreeSegments(CSINE* figure);  // every segment, last to first, then the list
// The colour field and both endpoints of every segment; needs the list.
void CSINESetColor(CSINE* figure, uint32_t colour);

// [SECTION] Animation
void CSINEUpdate(CSINE* figure);      // the open curve: both phases advance
void CSINEUpdateRing(CSINE* figure);  // the closed ring: the radius phase advances
// Ten random draws, in order: radius phase, radius speed, radius step,
// amplitude, colour, angle phase, angle speed, angle step, base radius, the
// segment count (64 .. 319). Width and height 256, offsets 0. The segments
// keep their colours.
void CSINERandomize(CSINE* figure);
// Ten random draws, in order: the segment count (64 .. 319), the lobes k
// (1 .. 16), radius phase, radius speed, amplitude, colour, angle phase, angle
// speed, angle step, base radius; the radius step runs the wave k times round.
void CSINERandomizeRing(CSINE* figure);

// [SECTION] Drawing (last segment to first; no allocation)
void CSINEDraw(const CSINE* figure, IMG* image);
// Every segment from the image centre (width / 2, height / 2): the starts are
// overwritten until the next update.
void CSINEDrawRays(CSINE* figure, IMG* image);
