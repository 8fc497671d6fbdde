// sdldpy.h: SDLDPY, the display: the one video mode of the run, and the
// presentation of a whole image on it.
//
// Singleton: the first SDLDPYNew allocates the record and opens a 256 x 256 mode;
// later calls return the same instance. SDLDPYFree releases it, after which
// SDLDPYNew creates a new one. Every operation that takes a display checks that
// it is the instance; anything else (null included), a null image or an image
// without pixels is refused through the module's error report, which never
// prints (it is only counted, see core/report.h).
//
// The mode is opened with the flag word SDLDPY_MODE_FLAGS at depth 0 (the
// desktop's). Each program defines the flag word in one tiny source file
// (demo/modes/); a test executable that uses the display defines it itself.
//
// Presentation copies the image's top-left corner, clipped to the display, to
// the screen's top-left corner; the rest of the screen keeps what it showed.
// The device work happens in EDGEVideoPresent (platform/edge.h).
#pragma once
#include <cstdint>
#include <type_traits>

#include "image/img.h"

struct SDLDPY {
    int32_t width;   // width of the open mode in pixels
    int32_t height;  // height of the open mode in pixels
    int32_t depth;   // the screen's bits per pixel, as the media library reports it
};
static_assert(std::is_trivially_copyable_v<SDLDPY> && std::is_standard_layout_v<SDLDPY>);

// Mode flag words (SDL 1.2 values).
constexpr uint32_t SDLDPY_FLAGS_WINDOW = 0x10000001u;      // any format | hardware surface
constexpr uint32_t SDLDPY_FLAGS_FULLSCREEN = 0x90000001u;  // the same, full-screen
constexpr uint32_t SDLDPY_DOUBLE_BUFFER = 0x40000000u;     // double-buffered screen
constexpr int32_t SDLDPY_DEFAULT_SIZE = 256;               // SDLDPYNew's mode: 256 x 256

extern const uint32_t SDLDPY_MODE_FLAGS;  // defined once per program

// {"SDLDPY  ", "20100924", "Vaskoril", "C SDL   "}
extern const char* const SDLDPY_IDENTITY[4];

// [SECTION] Protocol
[[nodiscard]] SDLDPY* SDLDPYNew();                       // the instance; null only when out of memory
void SDLDPYFree(SDLDPY** ref);                            // the instance only; *ref = nullptr
[[nodiscard]] const char* SDLDPYToASCII(const SDLDPY* dpy);  // "" (constant, not freed) for the instance
[[nodiscard]] SDLDPY* SDLDPYFromASCII(const char* text);     // no text form: always null
[[nodiscard]] bool SDLDPYEqual(const SDLDPY* a, const SDLDPY* b);  // true only when both are the instance
[[nodiscard]] SDLDPY* SDLDPYCopy(const SDLDPY* dpy);         // the instance itself; null for anything else
[[nodiscard]] SDLDPY* SDLDPYInstance();                   // the instance, or null (never creates one)
[[nodiscard]] bool SDLDPYIsDoubleBuffered();              // the open screen is double-buffered

// [SECTION] Mode and presentation
// Sets the video mode (width, height >= 0). On success the record takes the
// size and the screen's depth, and the result is true. When the device refuses
// the mode no screen is held, presentations draw nothing, the record reads
// 0 x 0 and the result is false. Refused arguments change nothing (false).
bool SDLDPYOpen(SDLDPY* dpy, int32_t width, int32_t height);
// Shows the image's top-left corner, clipped to the display. The only
// presentation the demo uses.
void SDLDPYPresent(SDLDPY* dpy, const IMG* img);
// The same, for an image of exactly the display's size only (else refused).
void SDLDPYPresentDirect(SDLDPY* dpy, const IMG* img);
void SDLDPYPresentCopy(SDLDPY* dpy, const IMG* img);
