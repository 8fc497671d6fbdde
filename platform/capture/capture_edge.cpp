// capture_edge.cpp: the device edge on a virtual clock (see capture.h), and the
// run's outputs: presentation hashes, frame PNGs and the WAV file.
//
// Everything runs on the main thread: the audio output's callback is called
// from the clock, with the audio lock held as a device would hold it, so a run
// is the same on every start, frame for frame and value for value.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#if defined(__SSE2__) && !defined(__EMSCRIPTEN__)
#include <immintrin.h>
#define CAPTURE_SSE2 1
#else
#define CAPTURE_SSE2 0
#endif

#include "core/report.h"
#include "platform/capture/capture.h"
#include "platform/capture/present_impl.h"
#include "platform/edge.h"
#include "platform/fps.h"
#include "platform/sdlsnd.h"

namespace {

constexpr uint64_t kMicrosPerSecond = 1000000u;
constexpr uint64_t kAudioRate = 44100u;                   // values per second
constexpr int32_t kChunkValues = 4096;                    // one device buffer
constexpr int32_t kMaxSide = 16384;                       // largest mode side accepted
constexpr uint64_t kMaxWavData = (UINT32_MAX - 36u) & ~1u;  // what a WAV header can state
constexpr uint64_t kRawFrameUs = kMicrosPerSecond / 25u;      // the raw pictures' rate

struct Capture {
    // What the run writes (CAPTUREStart).
    int32_t     frames;     // end after the presentation of this frame; 0: never
    int32_t     every;      // PNG of every every-th presentation
    const char* outDir;
    char*       pngPath;    // outDir + "/frame-NNNNNN.png", owned
    size_t      pngPathSize;
    FILE*       hashes;
    FILE*       wav;
    uint64_t    wavBytes;   // data bytes written after the header
    FILE*       raw;        // raw RGB pictures at 25 per second
    uint64_t    rawFrames;  // pictures written so far
    uint8_t*    rawRow;     // one picture's bytes, owned
    size_t      rawRowSize;
    bool        failed;     // an output could not be written
    // The files' names, and which of them could not be written completely:
    // those are removed when they close, so nothing half-written is left
    // looking complete.
    const char* hashPath;
    const char* wavPath;
    const char* rawPath;
    bool        hashesBad;
    bool        wavBad;
    bool        rawBad;
    bool        exitHooked;

    // Key script, sorted by frame (stable), owned.
    CAPTUREKey* keys;
    int32_t     keyCount;
    int32_t     nextKey;     // first entry not yet delivered
    bool        polled;      // a poll has happened
    int32_t     pollFrame;   // frameCount at the last poll
    bool        keyHeld;     // a key went down at the last poll: it goes up at the next
    int32_t     heldSym;
    bool        releasePending;

    // Virtual screen: the mode's pixels as shown.
    uint32_t* screen;     // owned, width * height
    int32_t   width;
    int32_t   height;
    bool      shown;      // a mode is open (EDGEVideoClose forgets it)
    int64_t   presentations;
    bool      hashKnown;  // screenHash is the hash of the screen as it is
    uint64_t  screenHash;

    // Clock.
    uint64_t clockUs;
    bool     ticked;      // a frame tick has happened
    int32_t  tickFrame;   // frameCount seen at the last tick
    uint64_t sleptMs;     // what the pacing asked to sleep (never slept)

    // Audio.
    void*    userdata;    // the audio output record, while open
    bool     paused;
    uint64_t audioValues; // values pulled so far (the WAV's length in values)
};
constinit Capture cap{};

uint8_t chunk[kChunkValues * 2];  // one device buffer of 16-bit values

// The device's audio lock: recursive, as the media library's is (the edge's
// own audio calls take it, whoever else holds it). Never destroyed, so that exit
// handlers that close the audio output still find it.
std::recursive_mutex& AudioMutex() {
    static std::recursive_mutex* const mutex = new std::recursive_mutex();
    return *mutex;
}

// A request to stop from outside (SIGINT, SIGTERM, SIGHUP) or a reader of an
// output that went away (SIGPIPE). The handler only records it; the run then
// leaves through the normal exit path at the next keyboard poll (as the
// window's close request) or presentation, so that the exit handler completes
// the files. A write that SIGPIPE interrupted fails on its own and ends the
// run with status 1. A second SIGINT, SIGTERM or SIGHUP ends the process at
// once, by that signal, whatever it is waiting for.
volatile std::sig_atomic_t stopSignal = 0;  // any of the four
volatile std::sig_atomic_t stopAsked = 0;   // SIGINT, SIGTERM or SIGHUP
bool stopDelivered = false;  // the poll has handed the request over once

// An output file could not be written (errno tells why): the first such
// failure is reported, and the file is marked for removal.
void FailOutput(bool* bad, const char* path) {
    const int error = errno;
    if (!cap.failed) {
        std::fprintf(stderr, "demo_capture: cannot write %s: %s\n", path != nullptr ? path : "?",
                     error != 0 ? std::strerror(error) : "write error");
    }
    cap.failed = true;
    *bad = true;
}

// Closes an output file; one that failed is removed when it is a plain file
// (standard output, a pipe or a device is left alone).
void CloseOutput(FILE** file, const char* path, bool* bad) {
    if (*file == nullptr) return;
    errno = 0;
    if (std::fclose(*file) != 0) FailOutput(bad, path);
    *file = nullptr;
    struct stat st;
    if (*bad && path != nullptr && std::strcmp(path, "-") != 0 && stat(path, &st) == 0 &&
        S_ISREG(st.st_mode)) {
        std::remove(path);
    }
    *bad = false;
}

// Pulls every audio value due at the current virtual time: 44100 per second,
// counted from time 0 in exact integers, so nothing drifts.
void PullAudio() {
    const uint64_t due = cap.clockUs * kAudioRate / kMicrosPerSecond;
    while (cap.audioValues < due) {
        const uint64_t left = due - cap.audioValues;
        const int32_t n = left < kChunkValues ? static_cast<int32_t>(left) : kChunkValues;
        const size_t bytes = static_cast<size_t>(n) * 2u;
        std::memset(chunk, 0, bytes);  // the device's silence
        {
            std::lock_guard<std::recursive_mutex> hold(AudioMutex());
            if (cap.userdata != nullptr && !cap.paused) {
                SDLSNDCallback(cap.userdata, chunk, static_cast<int32_t>(bytes));
            }
        }
        if (cap.wav != nullptr && cap.wavBytes + bytes <= kMaxWavData) {
            if (std::fwrite(chunk, 1, bytes, cap.wav) != bytes) FailOutput(&cap.wavBad, cap.wavPath);
            cap.wavBytes += bytes;
        }
        cap.audioValues += static_cast<uint64_t>(n);
    }
}

// Writes size bytes to fd, going on after a short write, with write(2) rather
// than through a stdio buffer, so that nothing is left to flush at exit. Once a
// stop is asked for, nothing more is written (a picture begun is cut short):
// the reader may have stopped reading, and a write blocked on it ends with the
// signal. A reader that went away (SIGPIPE) is a failed write, not a stop.
enum class Wrote { kAll, kStopped, kFailed };  // kFailed: errno says why
Wrote WriteWhole(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        if (stopAsked != 0) return Wrote::kStopped;
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Wrote::kFailed;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return Wrote::kAll;
}

// Raw pictures sample the virtual screen on a fixed 25-per-second grid: picture
// k shows what the screen shows at the end of [k, k + 1) 25ths of a second, so
// a video of them lasts exactly as long as the audio pulled by then, whatever
// the demo's frame rate. Presentations that take no virtual time (a fade-out)
// never show.
void WriteRaw() {
    if (cap.raw == nullptr || cap.screen == nullptr) return;
    const size_t bytes = static_cast<size_t>(cap.width) * static_cast<size_t>(cap.height) * 3u;
    if (bytes == 0) return;
    if (bytes > cap.rawRowSize) {
        uint8_t* grown = static_cast<uint8_t*>(std::realloc(cap.rawRow, bytes));
        if (grown == nullptr) {
            FailOutput(&cap.rawBad, cap.rawPath);
            return;
        }
        cap.rawRow = grown;
        cap.rawRowSize = bytes;
    }
    bool converted = false;
    while (cap.rawFrames * kRawFrameUs < cap.clockUs) {
        if (!converted) {
            const size_t count = bytes / 3u;
            uint8_t* out = cap.rawRow;
            for (size_t i = 0; i < count; i++) {
                const uint32_t p = cap.screen[i];
                out[0] = static_cast<uint8_t>(p >> 16);
                out[1] = static_cast<uint8_t>(p >> 8);
                out[2] = static_cast<uint8_t>(p);
                out += 3;
            }
            converted = true;
        }
        const Wrote wrote = WriteWhole(fileno(cap.raw), cap.rawRow, bytes);
        if (wrote != Wrote::kAll) {
            if (wrote == Wrote::kFailed) FailOutput(&cap.rawBad, cap.rawPath);
            return;  // stopped: the presentation leaves through the exit path
        }
        cap.rawFrames++;
    }
}

// Opens the raw pictures' file; "-" takes over standard output, whose former
// users (error reports) are sent to standard error from now on.
bool OpenRaw(const char* path) {
    if (std::strcmp(path, "-") != 0) {
        cap.raw = std::fopen(path, "wb");
        return cap.raw != nullptr;
    }
    std::fflush(stdout);
    const int fd = dup(STDOUT_FILENO);
    if (fd < 0) return false;
    if (dup2(STDERR_FILENO, STDOUT_FILENO) < 0 || (cap.raw = fdopen(fd, "wb")) == nullptr) {
        close(fd);
        return false;
    }
    return true;
}

// mkdir -p: creates every missing folder of path; true when it is a folder.
bool MakeFolder(const char* path) {
    const size_t n = std::strlen(path);
    char* p = static_cast<char*>(REPORTZeroAlloc(n + 1, 1));
    if (p == nullptr) return false;
    std::memcpy(p, path, n);
    for (size_t i = 1; i <= n; i++) {
        if (p[i] == '/' || p[i] == '\0') {
            const char saved = p[i];
            p[i] = '\0';
            if (mkdir(p, 0777) != 0 && errno != EEXIST) {
                std::free(p);
                return false;
            }
            p[i] = saved;
        }
    }
    std::free(p);
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool CloseOutputs() {
    if (cap.wav != nullptr && !cap.wavBad) {
        uint8_t header[CAPTURE_WAV_HEADER];
        CAPTUREWavHeader(static_cast<uint32_t>(cap.wavBytes), header);
        errno = 0;
        if (std::fflush(cap.wav) != 0 || std::fseek(cap.wav, 0, SEEK_SET) != 0 ||
            std::fwrite(header, 1, sizeof header, cap.wav) != sizeof header) {
            FailOutput(&cap.wavBad, cap.wavPath);
        }
    }
    CloseOutput(&cap.hashes, cap.hashPath, &cap.hashesBad);
    CloseOutput(&cap.wav, cap.wavPath, &cap.wavBad);
    CloseOutput(&cap.raw, cap.rawPath, &cap.rawBad);
    return !cap.failed;
}

// An output cannot be created: says which, and removes the files already
// created for this run, which would stay empty.
bool StartFailed(const char* path) {
    std::fprintf(stderr, "demo_capture: cannot create %s: %s\n", path, std::strerror(errno));
    cap.hashesBad = cap.hashes != nullptr;
    cap.wavBad = cap.wav != nullptr;
    cap.rawBad = cap.raw != nullptr && std::strcmp(cap.rawPath, "-") != 0;
    const bool failed = cap.failed;
    cap.failed = true;  // reported above
    (void)CloseOutputs();
    cap.failed = failed;
    return false;
}

extern "C" void OnStopSignal(int signal) {
    if (signal == SIGPIPE) {
        stopSignal = 1;
        return;
    }
    if (stopAsked != 0) {  // asked again: end now, by this signal
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        sigaction(signal, &fallback, nullptr);
        raise(signal);  // blocked while the handler runs, delivered as it returns
        return;
    }
    stopAsked = 1;
    stopSignal = 1;
}

// A signal the parent set to be ignored stays ignored (nohup, a background job
// of a shell): whoever started the run asked for it to survive that signal.
// Without SA_RESTART: a signal ends a write blocked on a full pipe (EINTR or a
// short count), so a stop reaches the exit path even when the reader of an
// output has stopped reading.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        struct sigaction inherited {};
        if (sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

// At process exit, whichever way the run ends (the last frame, a quit key).
void FlushAtExit() {
    if (!CAPTUREFlush()) {
        std::fputs("demo_capture: the output files are incomplete\n", stderr);
        std::fflush(nullptr);
        _exit(1);
    }
}

}  // namespace

// [SECTION] Presenting rows
//
// The screen is opaque: the byte above the colour does not reach it. The lanes
// do per pixel what the plain loop does: an AND with 0x00FFFFFF, an XOR with
// the old screen word ORed into an accumulator, a store; the accumulator's
// lanes ORed together are the plain loop's OR, as OR is associative and
// commutative. Loads of a block come before its stores, which differs from
// the plain loop only for overlapping rows (never: the screen is private).

#if CAPTURE_SSE2
namespace {
// Blocks of 4 pixels from x while they fit; returns where it stopped.
int32_t CopyOpaqueSse2(const uint32_t* from, uint32_t* to, int32_t x, int32_t count,
                       uint32_t* changed) {
    const __m128i mask = _mm_set1_epi32(0x00FFFFFF);
    __m128i acc = _mm_setzero_si128();
    for (; x + 4 <= count; x += 4) {
        const __m128i p =
            _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x)), mask);
        __m128i* dst = reinterpret_cast<__m128i*>(to + x);
        acc = _mm_or_si128(acc, _mm_xor_si128(_mm_loadu_si128(dst), p));
        _mm_storeu_si128(dst, p);
    }
    acc = _mm_or_si128(acc, _mm_shuffle_epi32(acc, _MM_SHUFFLE(1, 0, 3, 2)));
    acc = _mm_or_si128(acc, _mm_shuffle_epi32(acc, _MM_SHUFFLE(2, 3, 0, 1)));
    *changed |= static_cast<uint32_t>(_mm_cvtsi128_si32(acc));
    return x;
}

// Blocks of 32 pixels (four of 8) from x while they fit.
__attribute__((target("avx2"))) int32_t CopyOpaqueAvx2(const uint32_t* from, uint32_t* to,
                                                       int32_t x, int32_t count,
                                                       uint32_t* changed) {
    const __m256i mask = _mm256_set1_epi32(0x00FFFFFF);
    __m256i acc = _mm256_setzero_si256();
    for (; x + 32 <= count; x += 32) {
        for (int32_t k = 0; k < 32; k += 8) {
            const __m256i p = _mm256_and_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + x + k)), mask);
            __m256i* dst = reinterpret_cast<__m256i*>(to + x + k);
            acc = _mm256_or_si256(acc, _mm256_xor_si256(_mm256_loadu_si256(dst), p));
            _mm256_storeu_si256(dst, p);
        }
    }
    const __m128i half =
        _mm_or_si128(_mm256_castsi256_si128(acc), _mm256_extracti128_si256(acc, 1));
    const __m128i quarter = _mm_or_si128(half, _mm_shuffle_epi32(half, _MM_SHUFFLE(1, 0, 3, 2)));
    const __m128i one = _mm_or_si128(quarter, _mm_shuffle_epi32(quarter, _MM_SHUFFLE(2, 3, 0, 1)));
    *changed |= static_cast<uint32_t>(_mm_cvtsi128_si32(one));
    return x;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has;
}
}  // namespace
#endif

uint32_t CAPTURECopyOpaqueRowPlain(const uint32_t* from, uint32_t* to, int32_t count) {
    uint32_t changed = 0;
    for (int32_t x = 0; x < count; x++) {
        const uint32_t p = from[x] & 0x00FFFFFFu;
        changed |= to[x] ^ p;
        to[x] = p;
    }
    return changed;
}

uint32_t CAPTURECopyOpaqueRow(const uint32_t* from, uint32_t* to, int32_t count) {
    uint32_t changed = 0;
    int32_t x = 0;
#if CAPTURE_SSE2
    if (HasAvx2()) x = CopyOpaqueAvx2(from, to, x, count, &changed);
    x = CopyOpaqueSse2(from, to, x, count, &changed);
#endif
    if (x < count) changed |= CAPTURECopyOpaqueRowPlain(from + x, to + x, count - x);
    return changed;
}

// [SECTION] Run

bool CAPTUREStart(const CAPTURESetup* setup) {
    if (setup == nullptr || setup->frames < 0 || setup->every < 1 || setup->keyCount < 0 ||
        (setup->keyCount > 0 && setup->keys == nullptr)) {
        return false;
    }
    (void)CAPTUREFlush();  // a second start ends the first one's outputs
    cap.failed = false;
    if (cap.keys != setup->keys) std::free(cap.keys);
    std::free(cap.pngPath);
    cap.keys = setup->keys;
    cap.keyCount = setup->keyCount;
    std::stable_sort(cap.keys, cap.keys + cap.keyCount,
                     [](const CAPTUREKey& a, const CAPTUREKey& b) { return a.frame < b.frame; });
    cap.nextKey = 0;
    cap.frames = setup->frames;
    cap.every = setup->every;
    cap.outDir = setup->outDir;
    cap.pngPath = nullptr;
    cap.pngPathSize = 0;
    cap.wavBytes = 0;

    if (setup->outDir != nullptr) {
        if (!MakeFolder(setup->outDir)) {
            std::fprintf(stderr, "demo_capture: cannot create the folder %s: %s\n", setup->outDir,
                         std::strerror(errno));
            cap.outDir = nullptr;
            return false;
        }
        cap.pngPathSize = std::strlen(setup->outDir) + 32;  // "/frame-" + digits + ".png"
        cap.pngPath = static_cast<char*>(REPORTZeroAlloc(cap.pngPathSize, 1));
        if (cap.pngPath == nullptr) return false;
    }
    cap.hashPath = setup->hashPath;
    cap.wavPath = setup->wavPath;
    cap.rawPath = setup->rawPath;
    if (setup->hashPath != nullptr) {
        cap.hashes = std::fopen(setup->hashPath, "w");
        if (cap.hashes == nullptr) return StartFailed(setup->hashPath);
    }
    if (setup->wavPath != nullptr) {
        cap.wav = std::fopen(setup->wavPath, "wb");
        uint8_t header[CAPTURE_WAV_HEADER];
        CAPTUREWavHeader(0, header);  // valid from the start; sizes completed at the end
        if (cap.wav == nullptr || std::fwrite(header, 1, sizeof header, cap.wav) != sizeof header) {
            return StartFailed(setup->wavPath);
        }
        // Audio already pulled before the start is not in the file.
    }
    if (setup->rawPath != nullptr) {
        if (!OpenRaw(setup->rawPath)) return StartFailed(setup->rawPath);
        // Pictures start with the virtual time of the start, like the WAV.
        cap.rawFrames = (cap.clockUs + kRawFrameUs - 1) / kRawFrameUs;
    }
    if (!cap.exitHooked) {
        cap.exitHooked = std::atexit(FlushAtExit) == 0;
        CatchStopSignals();
    }
    return true;
}

bool CAPTUREFlush() {
    std::fflush(stdout);
    return CloseOutputs();
}

uint64_t CAPTUREClockMicros() { return cap.clockUs; }
int64_t CAPTUREPresentations() { return cap.presentations; }
uint64_t CAPTUREAudioValues() { return cap.audioValues; }
uint64_t CAPTURESleptMs() { return cap.sleptMs; }

uint64_t CAPTUREScreenHash() {
    if (cap.screen == nullptr) return CAPTUREHashPixels(nullptr, 0);
    // The hash walks every byte in order and cannot be split; a screen that a
    // presentation left unchanged (the black passes of a fade-out) keeps it.
    if (!cap.hashKnown) {
        cap.screenHash = CAPTUREHashPixels(
            cap.screen, static_cast<size_t>(cap.width) * static_cast<size_t>(cap.height));
        cap.hashKnown = true;
    }
    return cap.screenHash;
}

// [SECTION] Video

bool EDGEVideoOpen(int32_t width, int32_t height, uint32_t /*flags*/, int32_t* depth,
                   bool* doubleBuffered) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide) return false;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (cap.screen == nullptr || width != cap.width || height != cap.height) {
        uint32_t* screen = static_cast<uint32_t*>(REPORTZeroAllocAligned(count, sizeof(uint32_t)));
        if (screen == nullptr) return false;
        std::free(cap.screen);
        cap.screen = screen;
        cap.width = width;
        cap.height = height;
    } else {
        std::memset(cap.screen, 0, count * sizeof(uint32_t));  // a new mode starts black
    }
    cap.shown = true;
    cap.hashKnown = false;
    if (depth != nullptr) *depth = 32;
    if (doubleBuffered != nullptr) *doubleBuffered = false;
    return true;
}

void EDGEVideoPresent(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch) {
    if (!cap.shown || cap.screen == nullptr) return;
    if (pixels == nullptr || width < 0 || height < 0 || pitch < width) return;
    const int32_t w = std::min(width, cap.width);
    const int32_t h = std::min(height, cap.height);
    uint32_t changed = 0;
    if (w == pitch && w == cap.width && w > 0 && h > 0 &&
        static_cast<size_t>(w) * static_cast<size_t>(h) <= static_cast<size_t>(INT32_MAX)) {
        changed = CAPTURECopyOpaqueRow(pixels, cap.screen, w * h);  // both rows run on
    } else {
        for (int32_t y = 0; y < h; y++) {
            changed |= CAPTURECopyOpaqueRow(
                pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch),
                cap.screen + static_cast<size_t>(y) * static_cast<size_t>(cap.width), w);
        }
    }
    if (changed != 0) cap.hashKnown = false;
    const int64_t index = cap.presentations++;
    if (cap.hashes != nullptr) {
        const uint64_t hash = CAPTUREScreenHash();
        if (std::fprintf(cap.hashes, "%" PRId64 " %" PRId32 " %016" PRIx64 "\n", index, frameCount,
                         hash) < 0) {
            FailOutput(&cap.hashesBad, cap.hashPath);
        }
    }
    if (cap.pngPath != nullptr && index % cap.every == 0) {
        std::snprintf(cap.pngPath, cap.pngPathSize, "%s/frame-%06" PRId64 ".png", cap.outDir,
                      index);
        if (!CAPTUREWritePNG(cap.pngPath, cap.screen, cap.width, cap.height)) {
            bool pngBad = false;  // the PNG writer has removed the file
            FailOutput(&pngBad, cap.pngPath);
        }
    }
    WriteRaw();
    if (cap.failed) std::exit(1);  // FlushAtExit closes what is open
    if (stopSignal != 0) std::exit(0);  // asked to stop: this presentation is the last
    if (cap.frames > 0 && frameCount >= cap.frames) std::exit(0);
}

void EDGEVideoClose() { cap.shown = false; }

// [SECTION] Events

bool EDGEPollEvent(EDGEEvent* event) {
    if (event == nullptr) return false;
    if (stopSignal != 0 && !stopDelivered) {  // the demo quits as on a close request
        stopDelivered = true;
        event->type = EDGE_EVENT_QUIT;
        event->sym = 0;
        return true;
    }
    if (!cap.polled || frameCount != cap.pollFrame) {
        // A new frame's poll: the keys pressed at the last poll are let go now,
        // and entries for frames that had no poll are dropped.
        cap.polled = true;
        cap.pollFrame = frameCount;
        cap.releasePending = cap.keyHeld;
        cap.keyHeld = false;
        while (cap.nextKey < cap.keyCount && cap.keys[cap.nextKey].frame < frameCount) {
            cap.nextKey++;
        }
    }
    if (cap.releasePending) {
        cap.releasePending = false;
        event->type = EDGE_EVENT_KEY_UP;
        event->sym = cap.heldSym;
        return true;
    }
    if (cap.nextKey < cap.keyCount && cap.keys[cap.nextKey].frame == frameCount) {
        const CAPTUREKey& key = cap.keys[cap.nextKey++];
        event->type = key.type;
        event->sym = key.sym;
        if (key.type == EDGE_EVENT_KEY_DOWN) {
            cap.keyHeld = true;
            cap.heldSym = key.sym;
        }
        return true;
    }
    return false;
}

// [SECTION] Time

uint32_t EDGETicks() {
    // The frame pacing reads the clock once per frame. The first reading after
    // frameCount has changed is that frame's tick: the clock moves on by the
    // frame time of the current rate, and the audio due by then is pulled.
    if (!cap.ticked || frameCount != cap.tickFrame) {
        cap.ticked = true;
        cap.tickFrame = frameCount;
        const int32_t rate = frameRate > 0 ? frameRate : 1;
        cap.clockUs += kMicrosPerSecond / static_cast<uint64_t>(rate);
        PullAudio();
    }
    return static_cast<uint32_t>(cap.clockUs / 1000u);
}

void EDGEDelay(uint32_t ms) { cap.sleptMs += ms; }  // virtual time does not wait

// [SECTION] Audio

bool EDGEAudioOpen(void* userdata) {
    if (userdata == nullptr || cap.userdata != nullptr) return false;  // one device at a time
    std::lock_guard<std::recursive_mutex> hold(AudioMutex());
    cap.userdata = userdata;
    cap.paused = true;  // a device opens paused
    return true;
}

void EDGEAudioPause(bool pause) {
    std::lock_guard<std::recursive_mutex> hold(AudioMutex());
    cap.paused = pause;
}

void EDGEAudioLock() { AudioMutex().lock(); }
void EDGEAudioUnlock() { AudioMutex().unlock(); }

void EDGEAudioClose() {
    std::lock_guard<std::recursive_mutex> hold(AudioMutex());
    cap.userdata = nullptr;
    cap.paused = true;
}
