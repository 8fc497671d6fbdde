// sound.h: SOUND, fills and shapes samples in place: sine tones, square waves,
// noise, and linear fade-out and fade-in envelopes.
//
// Everything is integer fixed point: phases and positions are 17.15 values
// (value x 32768), gains 1.15 (32768 is unity). The only floating point is the
// one-time tone table, one period of a sine of amplitude 32767 over 44100
// values (one second at the output rate), built on the first SOUNDSine and kept
// for the rest of the run. Its peak is 32766 at index 11025 and its trough
// -32766 at 33075; entries 0 and 22050 are 0.
//
// SOUND has no objects of its own. Every operation refuses a null or unusable
// sample with the "SOUND Error.\n" report (silent in this build) and changes
// nothing; the envelopes also refuse an empty sample, and the tone generators a
// frequency below 1. Main thread only (the tone table is built lazily).
#pragma once
#include <cstdint>

#include "sound/sample.h"

extern const char* const SOUND_IDENTITY[5];  // name, date, author, language, kind

// The module's one protocol stub: checks its argument; SOUND has no text form.
[[nodiscard]] char* SOUNDToASCII(const SAMPLE* sample);  // always null

void SOUNDSine(SAMPLE* sample, int32_t frequency);    // f cycles per 44100 values, from phase 0
void SOUNDSquare(SAMPLE* sample, int32_t frequency);  // whole periods; the rest is left alone
void SOUNDNoise(SAMPLE* sample);    // one draw per value, last value first: -32768..-1
void SOUNDFadeOut(SAMPLE* sample);  // gain falls linearly from 1 to about 0 over the length
void SOUNDFadeIn(SAMPLE* sample);   // gain rises linearly from 0 to about 1 over the length

// The tone table (44100 values), built on demand; null only when out of memory.
// Read-only for callers.
[[nodiscard]] const SAMPLE* SOUNDToneTable();
