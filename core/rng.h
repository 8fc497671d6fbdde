// rng.h: RNG, the program's one random generator.
//
// A process-wide 32-bit linear congruential state: each draw sets
// state = state * 214013 + 2531011 (mod 2^32) and returns (state >> 16) & 0x7FFF,
// a value in 0 ... 32767. The demo seeds it once at start-up, so every run makes
// the same choices in the same order. Every draw belongs to the main thread; the
// order of draws is part of the program's behaviour.
#pragma once
#include <cstdint>

constexpr uint32_t RNG_DEMO_SEED = 0xB1751415u;  // the demo's start-up seed
constexpr int32_t RNG_MAX = 32767;               // largest value of a draw

void RNGSeed(uint32_t seed);     // state = seed
[[nodiscard]] int32_t RNGDraw();  // next value, 0 ... 32767
[[nodiscard]] uint32_t RNGState();  // the current state (for tests and tools)
