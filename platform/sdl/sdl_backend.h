// sdl_backend.h: what the SDL 1.2 backend's files share (and its tests reach).
// Only platform/sdl/ and its tests include this, since it brings in SDL.
#pragma once
#include <SDL/SDL.h>

#include <cstdint>

// Registers SDL_Quit to run at exit, once per process, so that every way out
// (the quit keys' exit, a return from main) shuts the library down and gives
// back a full-screen mode. The entry calls it first thing; the video and audio
// opens call it too, for programs with another entry (the tests).
void SDLEDGEQuitAtExit();

// The shutdown's watchdog: flushes every output stream, then arms an alarm
// whose handler ends the process with status after seconds (its own SIGALRM
// handler, installed even over an inherited ignored SIGALRM). Disarm cancels
// the alarm. The library's shutdown at exit runs under it, with the status the
// process is leaving with.
void SDLEDGEArmWatchdog(unsigned seconds, int status);
void SDLEDGEDisarmWatchdog();

// Copies a width x height rectangle of 0x00RRGGBB pixels (rows pitch pixels
// apart) to the surface's top-left corner, clipped to the surface; the rest of
// the surface keeps its content. Plain row copies on a 0x00RRGGBB 32-bit
// surface; any other format is converted by the library's blit from a surface
// that borrows the pixels. Does not update the screen.
void SDLEDGEDraw(SDL_Surface* surface, const uint32_t* pixels, int32_t width, int32_t height,
                 int32_t pitch);

// The window's icon: a copy of a width x height rectangle of 0x00RRGGBB pixels
// (rows pitch pixels apart), handed to the library before each mode is set
// (the library takes an icon only then). Null pixels, a size outside 1 .. 1024
// or a pitch below the width forget the icon. False when it cannot be kept.
bool SDLEDGESetIcon(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch);

// [SECTION] Fitting the window to the screen (sdl_scale.cpp)
// MOXA7730_SCALE's factor: a whole number 1 .. 16 in plain digits, else 0.
[[nodiscard]] int32_t SDLEDGEParseScale(const char* text);
// The largest whole factor (1 .. 16, at least 1) that keeps a 256 x 256
// window within three quarters of the desktop's shorter side (its height on a
// landscape screen): 2 on 1024 x 768, 3 on 1920 x 1080, 6 on 3840 x 2160.
[[nodiscard]] int32_t SDLEDGEScaleFactor(int32_t desktopWidth, int32_t desktopHeight);
// Before the demo's video part starts: asks for nearest-neighbour scaling and,
// for a window, enlarges it by MOXA7730_SCALE, or else leaves the factor that
// fits the desktop to SDLEDGEFitToDesktop. Settings the user made in the
// environment are kept. In a web page it does nothing (the page scales the
// canvas with CSS, and the library there reads no such settings).
void SDLEDGEFitWindow(uint32_t modeFlags);
// Between the video part's start and the first mode: sets the factor that fits
// the desktop, when SDLEDGEFitWindow left it to the desktop. Does nothing
// otherwise, and nothing a second time.
void SDLEDGEFitToDesktop();

// [SECTION] The web page (sdl_page.cpp)
// Whether the program runs in a web page (built by Emscripten).
[[nodiscard]] bool SDLEDGEInPage();
// Sleeps for the frame wait: SDL_Delay natively; in a web page a sleep that
// unwinds to the browser, giving it a turn.
void SDLEDGESleep(uint32_t ms);
// Called before each presentation: in a web page, lets the browser show the
// previous presentation first unless it has had a turn since. Natively nothing.
void SDLEDGEShowPrevious();
// A 32-bit surface whose pixels are bytes R, G, B, A in memory (the page's
// screen, whatever alpha mask it reports).
[[nodiscard]] bool SDLEDGEIsRGBA32(const SDL_Surface* surface);
// Copies 0x00RRGGBB pixels to such a surface's top-left corner as opaque
// R, G, B, A bytes, within the lock the page's screen needs. The rectangle
// must fit the surface (SDLEDGEDraw clips it first).
void SDLEDGECopyRowsRGBA(SDL_Surface* surface, const uint32_t* pixels, int32_t width,
                         int32_t height, int32_t pitch);
