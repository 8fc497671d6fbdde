// sdlkbd.h: SDLKBD, the keyboard: the media library's event queue turned into
// one key code per frame.
//
// Singleton, created only while a display exists (platform/sdldpy.h). Once per
// frame the demo calls SDLKBDGetKey, reads the key byte keys[0], acts on it and
// sets it back to 0. The key byte is the low byte of the key symbol of the last
// key pressed, read as a signed byte (a symbol of 283 reads as 27), or 0 when
// the last key event of the poll was a release. A request to quit (the window's
// close button, SIGINT, SIGTERM) reads as 27, the Escape key, so that the
// program leaves through its ordinary quit path; it wins over every key event
// of the same poll, before or after it. Every other event is dropped.
//
// The module has no error report; it carries trace lines that are switched off
// at build time. Every operation accepts null and then does nothing.
#pragma once
#include <cstdint>
#include <type_traits>

struct SDLKBD {
    int8_t* keys;  // owned, SDLKBD_KEY_BUFFER bytes, zeroed; keys[0] is the key byte
};
static_assert(std::is_trivially_copyable_v<SDLKBD> && std::is_standard_layout_v<SDLKBD>);

constexpr int32_t SDLKBD_KEY_BUFFER = 8;  // bytes in the key buffer; only byte 0 is used
constexpr int8_t SDLKBD_KEY_QUIT = 27;    // what a quit request reads as (Escape)

// {"SDLKBD", "20030728", "VKR"}
extern const char* const SDLKBD_IDENTITY[3];

[[nodiscard]] SDLKBD* SDLKBDNew();  // null without a display; else the instance
void SDLKBDFree(SDLKBD** ref);      // frees the instance, *ref = nullptr; null does nothing
[[nodiscard]] const char* SDLKBDToASCII(const SDLKBD* kbd);  // "" (constant) for non-null, else null
[[nodiscard]] SDLKBD* SDLKBDFromASCII(const char* text);     // always null
[[nodiscard]] bool SDLKBDEqual(const SDLKBD* a, const SDLKBD* b);  // both non-null and the same
[[nodiscard]] SDLKBD* SDLKBDCopy(const SDLKBD* kbd);         // always null
void SDLKBDGetKey(SDLKBD* kbd);  // drains the event queue into keys[0]
