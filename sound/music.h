// music.h: MUSIC, an endless, slowly changing loop made from a bank of notes.
//
// A music holds a mix buffer (80000 values, about 1.81 s at 44100 values per
// second) that the audio output plays over and over, and a bank of notes. Every
// `period` steps one note of the bank, chosen at random, is laid into the loop
// at one of 16 random positions L/16 apart (wrapping round the loop's end),
// and the rest of the loop decays to three quarters. Per value:
//
//     new mix = ((2 * mix) + (placed note + mix)) >> 2     (wrapping, arithmetic shift)
//
// Ownership: MUSICNew returns a music the caller owns; MUSICFree frees its mix,
// every note of its bank, the bank and the record. MUSICAddSample hands the note
// over to the bank. Fields are public: callers set `period` directly.
//
// Threads: the audio thread may read `mix` while the main thread steps. A step
// therefore comes in two halves:
//   MUSICPrepare  all the work (five passes' worth, fused) into a process-wide
//                 scratch buffer the audio thread never sees; reads `mix` only.
//   MUSICCommit   one memcpy of the scratch into mix->values: the only write to
//                 the mix, cheap enough to do under the audio lock.
// A frame that shares the mix with the audio thread calls
//     if (MUSICPrepare(music)) { lock audio; MUSICCommit(music); unlock audio; }
// and MUSICStep does both halves for callers with nothing to lock. Every
// Prepare that returns true must be committed before the next Prepare (there
// is one scratch buffer per process); a later Prepare otherwise starts again
// from the uncommitted mix. Main thread only, apart from the audio thread's reads.
//
// Failures: a null music, or one without a usable mix, is refused with the
// "MUSIC ERROR\n" report (silent in this build). A step that falls due while
// the bank is empty reports, draws nothing and leaves the mix alone; the
// countdown has still been reset, so steps keep their rhythm when notes arrive.
#pragma once
#include <cstdint>
#include <type_traits>

#include "core/list.h"
#include "sound/sample.h"

struct MUSIC {
    int32_t countdown;  // steps left until the next note; 0 at creation, so the first step plays
    int32_t period;     // steps between notes; 10 at creation
    SAMPLE* mix;        // owned: the loop, 80000 values, all 0 at creation
    LIST*   bank;       // owned with its SAMPLEs: the notes to choose from
};
static_assert(std::is_trivially_copyable_v<MUSIC> && std::is_standard_layout_v<MUSIC>);

// {"MUSIC   ", "Vaskoril", "20120601", "C       ", "CODE    "}: author before date.
extern const char* const MUSIC_IDENTITY[5];

constexpr int32_t MUSIC_MIX_LENGTH = 80000;  // values in a new music's loop
constexpr int32_t MUSIC_PERIOD = 10;         // a new music's period

// Protocol
[[nodiscard]] MUSIC* MUSICNew();                        // period 10, silent 80000-value mix, empty bank
void                 MUSICFree(MUSIC** ref);            // frees mix, notes, bank, record; *ref = nullptr
[[nodiscard]] char*  MUSICToASCII(const MUSIC* music);  // no text form: always null
[[nodiscard]] MUSIC* MUSICFromASCII(const char* text);  // no text form: always null
[[nodiscard]] bool   MUSICEqual(const MUSIC* a, const MUSIC* b);  // not comparable: always false
[[nodiscard]] MUSIC* MUSICClone(const MUSIC* music);    // not copyable: always null

void MUSICAddSample(MUSIC* music, SAMPLE* sample);  // appends to the bank, which now owns it

// Stepping
// Counts the step down; when a note falls due, draws five random numbers
// (note = r0 % bank count; offset = (r1&1)*L/2 + (r2&1)*L/4 + (r3&1)*L/8 + (r4&1)*L/16,
// each term L >> k) and builds the next mix in the scratch buffer. True when a
// new mix waits for MUSICCommit.
[[nodiscard]] bool MUSICPrepare(MUSIC* music);
// Copies a prepared mix into music->mix->values. False when nothing is waiting.
bool MUSICCommit(MUSIC* music);
void MUSICStep(MUSIC* music);  // MUSICPrepare, then MUSICCommit when it is due
