// present_impl.h: the row copy a presentation makes onto the virtual screen,
// apart so that tests can compare its fast form with the plain one.
#pragma once
#include <cstdint>

// Copies count pixels with the byte above the colour cleared (the screen is
// opaque): to[i] = from[i] & 0x00FFFFFF. Returns the OR of to[i] ^ (the new
// to[i]) over the row, taken before each store: 0 when the row was already
// so. from and to must not overlap.
uint32_t CAPTURECopyOpaqueRow(const uint32_t* from, uint32_t* to, int32_t count);
// The same, one pixel at a time: the reference the fast form must equal.
uint32_t CAPTURECopyOpaqueRowPlain(const uint32_t* from, uint32_t* to, int32_t count);
