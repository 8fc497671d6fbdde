// icon.h: the program's icon: the title's letters "MO" over "XA" in the 16 x 16
// line font, each letter in its own colour, enlarged with sharp pixels and
// given a glow, on black.
//
// tools/make_icon draws it at build time for the installed icon files; the
// window programs draw it at start for their window (platform/sdl/entry).
#pragma once
#include <cstdint>

struct IMG;

constexpr int32_t MOXA7730_ICON_MIN = 16;    // smallest size drawn
constexpr int32_t MOXA7730_ICON_MAX = 1024;  // largest size drawn

// A new size x size picture, which the caller owns (IMGFree). Null for a size
// outside MOXA7730_ICON_MIN .. MOXA7730_ICON_MAX or when memory runs out.
// Draws no random number.
[[nodiscard]] IMG* MOXA7730DrawIcon(int32_t size);
