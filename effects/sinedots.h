// sinedots.h: SINEDOTS, the dotted twin of SINELINE.
//
// The same record, the same eighteen random values in the same order and the
// same motion as SINELINE (effects/sineline.h); the draw plots each vertex as
// one pixel instead of joining them, so the dots lie exactly on the vertices
// of a sine line with the same phases and steps.
//
// Ownership: as SINELINE: SINEDOTSNew returns an object the caller owns,
// SINEDOTSFree releases it and clears the reference; the image is not owned.
//
// Failures: as SINELINE, reported through "SINEDOTS error\n", which is never
// printed (failed checks are only counted) and return 0 or null.
#pragma once
#include <cstdint>

#include "effects/sineline.h"

using SINEDOTS = SINELINE;  // field for field the sine line's record

// {"SINEDOTS", "20100924", "Vaskoril", "C       "}
extern const char* const SINEDOTS_IDENTITY[4];

// [SECTION] Protocol
[[nodiscard]] SINEDOTS* SINEDOTSNew();  // defaults, count 16, then Reset: 18 draws
void                    SINEDOTSFree(SINEDOTS** ref);
[[nodiscard]] char*     SINEDOTSToASCII(const SINEDOTS* s);   // null
[[nodiscard]] SINEDOTS* SINEDOTSFromASCII(const char* text);  // null
[[nodiscard]] bool      SINEDOTSEqual(const SINEDOTS* a, const SINEDOTS* b);  // false
[[nodiscard]] SINEDOTS* SINEDOTSCopy(const SINEDOTS* src);    // a new random object
void                    SINEDOTSCopyInto(const SINEDOTS* src, SINEDOTS* dst);  // checks only

// [SECTION] Figure
void SINEDOTSSetCount(SINEDOTS* s, int32_t n);  // 0 < n <= INT32_MAX / 4; does not reset
void SINEDOTSReset(SINEDOTS* s);                // 18 draws, as SINELINEReset
void SINEDOTSMove(SINEDOTS* s);                 // every phase += its speed, modulo 1024
void SINEDOTSDraw(SINEDOTS* s, IMG* img);       // count dots on the vertices
