// sdlsnd.h: SDLSND, the audio output: a first-in, first-out queue of samples
// (sound/sample.h) played one after the other as 16-bit signed little-endian
// mono at 44100 values per second.
//
// The main thread appends samples by reference (SDLSNDPlaySAMPLE; the queue
// never owns them). The device's audio thread calls SDLSNDCallback whenever it
// needs data; the callback copies values from the queue's first sample, from
// `position` on, and drops each sample once it has played to its end, so the
// next one follows without a gap. Only the low-order 16 bits of each value are
// written (no clamping). An empty queue plays the device's silence and keeps
// the position; with mute set the callback writes silence and does not advance.
//
// Threads: the queue, the position and the values of queued samples are shared
// with the audio thread. The device holds its audio lock around every callback.
// SDLSNDPlaySAMPLE takes the lock around its append (and swaps in a grown
// queue under it, allocating only outside it). Code that rewrites the values
// of a queued sample, or reads the queue, does so between SDLSNDLock and
// SDLSNDUnlock; SDLSNDQueued reads the queue length that way.
//
// The module has no error report and no identity record; it carries trace
// lines that are switched off at build time. Every operation accepts null and
// then does nothing.
#pragma once
#include <cstdint>
#include <type_traits>

#include "core/list.h"
#include "sound/sample.h"

struct SDLSND {
    int32_t rate;      // values per second: 44100
    int32_t width;     // bits per value: 16
    void* buffer;      // reserved; SDLSNDFree frees it when set
    int32_t position;  // next value to play in the queue's first sample
    LIST* queue;       // SAMPLE* waiting to be played, first = playing; not owned
    char sign;         // 's': signed values
    char order;        // 'l': little-endian
    char mute;         // non-zero: the callback plays silence and does not advance
};
static_assert(std::is_trivially_copyable_v<SDLSND> && std::is_standard_layout_v<SDLSND>);

constexpr int32_t SDLSND_RATE = 44100;           // values per second
constexpr int32_t SDLSND_WIDTH = 16;             // bits per value
constexpr int32_t SDLSND_DEVICE_VALUES = 4096;   // values per device buffer (8192 bytes)
constexpr int32_t SDLSND_QUEUE_RESERVE = 8;      // queue capacity reserved at SDLSNDNew

// [SECTION] Protocol
// Initialises the whole media library, opens the device and starts playing an
// empty queue. Null when the library or the device cannot be opened.
[[nodiscard]] SDLSND* SDLSNDNew();
// Stops and closes the device (without holding the audio lock: the close waits
// for the audio thread), then frees the queue (not its samples).
void SDLSNDFree(SDLSND** ref);
[[nodiscard]] const char* SDLSNDToASCII(const SDLSND* snd);  // "" (constant) for non-null, else null
[[nodiscard]] SDLSND* SDLSNDFromASCII(const char* text);     // always null
[[nodiscard]] bool SDLSNDEqual(const SDLSND* a, const SDLSND* b);  // true when both are non-null
[[nodiscard]] SDLSND* SDLSNDCopy(const SDLSND* snd);         // always null

// [SECTION] Playing
int32_t SDLSNDPlay(SDLSND* snd);                  // does nothing, returns 0
void SDLSNDPlaySAMPLE(SDLSND* snd, SAMPLE* sample);  // appends the reference (queue created if null)
[[nodiscard]] int32_t SDLSNDQueued(SDLSND* snd);  // entries in the queue, read under the lock; 0 for null

// [SECTION] Sharing with the audio thread (null-safe; no-ops for null)
void SDLSNDLock(SDLSND* snd);    // the device's audio lock
void SDLSNDUnlock(SDLSND* snd);

// The device's callback, run on the audio thread with the audio lock held:
// fills bytes bytes of buffer (pre-filled with silence by the device).
void SDLSNDCallback(void* userdata, uint8_t* buffer, int32_t bytes);
