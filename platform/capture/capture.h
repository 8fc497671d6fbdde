// capture.h: CAPTURE, the headless backend of the platform layer.
//
// demo_capture links this backend instead of the SDL one. It implements every
// function of platform/edge.h on a virtual clock, with no display, no sound
// card and no waiting, and writes what a viewer would have seen and heard:
//
//   - Clock: milliseconds of virtual time. Each frame tick (the first clock
//     reading after frameCount changed) advances it by exactly the frame time
//     of the current frameRate, 1000000 / frameRate microseconds, so the frame
//     pacing measures exact frames and never sleeps. EDGEDelay returns at once.
//   - Audio: pulled in lock-step with the clock, exactly 44100 values per
//     virtual second (an exact integer count, no drift), in chunks of at most
//     one device buffer, through the audio output's own callback with the
//     buffer pre-filled with silence and the audio lock held.
//   - Display: a virtual screen of the mode's size that each presentation
//     updates at its top-left corner, as a real screen would. Every
//     presentation is counted from 0; it can be hashed, written as a PNG, and
//     the run ends after the presentation of the chosen last frame.
//   - Keyboard: a key script replays key presses at the poll of chosen frames.
//
// Nothing of this is visible to the demo: it talks to the platform modules
// only. Without CAPTUREStart the backend still runs (the unit tests of the
// platform modules use it): it keeps time and composes presentations but
// writes nothing and never ends the process.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>

// [SECTION] Key script
// A script is a comma-separated list of FRAME:KEY entries, e.g.
// "120:space,300:g,310:6,900:q". FRAME is a decimal frame count >= 1 (no sign,
// no blanks); KEY is one printable character (its own key byte: "Q" is 81),
// or one of the names esc (27), space (32) and quit (the window's close
// request). The empty script has no entries.
struct CAPTUREKey {
    int32_t frame;  // frameCount at whose keyboard poll the key arrives
    int32_t type;   // EDGE_EVENT_KEY_DOWN or EDGE_EVENT_QUIT
    int32_t sym;    // key symbol for a key press, 0 for quit
};
static_assert(std::is_trivially_copyable_v<CAPTUREKey> && std::is_standard_layout_v<CAPTUREKey>);

// Parses script into keys (at most capacity entries are stored; keys may be null
// with capacity 0 to count). Returns the number of entries of the script, or -1
// when it is malformed or null.
[[nodiscard]] int32_t CAPTUREParseKeys(const char* script, CAPTUREKey* keys, int32_t capacity);
// Puts the first fault of a malformed script into words on one line, without
// a line feed, into text (size bytes, always terminated when size > 0), e.g.
// "unknown key 'nosuchkey' at frame 5". True when the script is malformed
// (or null); false, with text empty, when it parses.
bool CAPTUREDescribeKeysFault(const char* script, char* text, size_t size);

// [SECTION] File forms
// 64-bit FNV-1a over count pixels, each taken as its 4 little-endian bytes.
[[nodiscard]] uint64_t CAPTUREHashPixels(const uint32_t* pixels, size_t count);
constexpr size_t CAPTURE_WAV_HEADER = 44;
// The header of a 44100 Hz, 16-bit signed, mono WAV file whose data chunk holds
// dataBytes bytes (sizes that would not fit the format's 32-bit fields are
// clamped to the largest even size that fits).
void CAPTUREWavHeader(uint32_t dataBytes, uint8_t header[CAPTURE_WAV_HEADER]);
// Writes width x height pixels 0x00RRGGBB as an 8-bit RGB PNG. False on any
// failure (the partial file is removed).
[[nodiscard]] bool CAPTUREWritePNG(const char* path, const uint32_t* pixels, int32_t width,
                                   int32_t height);

// [SECTION] Command line
// demo_capture --frames N [--keys SCRIPT] [--out DIR] [--every K] [--wav FILE] [--hashes FILE]
//              [--raw FILE]
struct CAPTURESetup {
    int32_t     frames;    // the run ends after frame frames has been presented; 0: never
    int32_t     every;     // every every-th presentation is written to outDir
    const char* outDir;    // folder for frame-NNNNNN.png, or null
    const char* wavPath;   // the audio as WAV, or null (its first 4 GiB, 13.5 hours)
    const char* hashPath;  // one line per presentation, or null
    CAPTUREKey* keys;      // the key script, owned (std::free), null when empty
    int32_t     keyCount;
    // The picture shown at every 25th of a second of virtual time, as raw
    // 8-bit RGB rows, or null. "-" is standard output, which the frames then
    // own: anything else printed there goes to standard error instead.
    const char* rawPath;
};
static_assert(std::is_trivially_copyable_v<CAPTURESetup> && std::is_standard_layout_v<CAPTURESetup>);

enum : int32_t {
    CAPTURE_ARGS_RUN = 0,   // setup is filled; the caller owns setup->keys
    CAPTURE_ARGS_HELP = 1,  // --help: print the usage on standard output, exit 0
    CAPTURE_ARGS_BAD = 2,   // say what was wrong (CAPTUREArgsProblem) on standard error, exit 2
};
extern const char* const CAPTURE_USAGE;
// Parses argv[1 .. argc-1] strictly: every option once, every value present and
// well-formed, --frames required. setup is zeroed first; it owns memory only
// when the result is CAPTURE_ARGS_RUN. The texts stay argv's.
[[nodiscard]] int32_t CAPTUREParseArgs(int32_t argc, const char* const* argv, CAPTURESetup* setup);
// Why the last CAPTUREParseArgs refused its line, on one line without a line
// feed ("--every needs a whole number of at least 1"); empty after a line it
// accepted.
[[nodiscard]] const char* CAPTUREArgsProblem();

// [SECTION] Run
// Takes over setup (and its key script), creates outDir if needed, opens the
// output files and arranges for CAPTUREFlush to run at process exit. SIGINT,
// SIGTERM, SIGHUP and SIGPIPE are caught from then on: the run stops at the
// next keyboard poll (as on the window's close request) or presentation, the
// files completed, with status 0 (1 when an output could not be written). A
// stop also ends a write blocked on a pipe nobody reads: the raw pictures end
// there, the last one possibly cut short (a blocked WAV or hash pipe counts as
// not written). A second SIGINT, SIGTERM or SIGHUP ends the process at once,
// by that signal. False, with a message on standard error, when an output
// cannot be created.
[[nodiscard]] bool CAPTUREStart(const CAPTURESetup* setup);
// Writes out everything pending, completes the WAV header and closes the
// files. Safe to call at any time and more than once (later calls find nothing
// open). False when an output could not be written completely; the process
// then ends with status 1 instead of 0.
bool CAPTUREFlush();

// Observers, for tests and reports.
[[nodiscard]] uint64_t CAPTUREClockMicros();    // virtual time since start
[[nodiscard]] int64_t  CAPTUREPresentations();  // presentations so far
[[nodiscard]] uint64_t CAPTUREAudioValues();    // values pulled from the audio output so far
[[nodiscard]] uint64_t CAPTUREScreenHash();     // hash of the virtual screen as now shown
[[nodiscard]] uint64_t CAPTURESleptMs();        // sleeps the pacing asked for (none taken)
