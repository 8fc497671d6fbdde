// capture_args.cpp: demo_capture's command line.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "platform/capture/capture.h"

const char* const CAPTURE_USAGE =
    "usage: demo_capture --frames N [--keys SCRIPT] [--out DIR] [--every K] [--wav FILE] "
    "[--hashes FILE] [--raw FILE]\n"
    "Runs the demo headless on a virtual clock and writes what a viewer would see and hear.\n"
    "  --frames N     stop after the frame whose frame count is N has been presented (N >= 1)\n"
    "  --keys SCRIPT  key presses FRAME:KEY,... (e.g. 120:space,300:g,900:q); KEY is one\n"
    "                 printable character or esc, space, quit (the window's close request)\n"
    "  --out DIR      write every K-th presentation as DIR/frame-NNNNNN.png\n"
    "  --every K      K for --out (default 1, K >= 1)\n"
    "  --wav FILE     write the audio (44100 Hz, 16-bit signed, mono)\n"
    "  --hashes FILE  one line per presentation: index, frame count, FNV-1a 64 of its pixels\n"
    "  --raw FILE     the picture shown at every 25th of a second, as raw 8-bit RGB\n"
    "                 rows of the mode's size (256 x 256 x 3 bytes); - is standard output\n"
    "  --help         print this text\n"
    "  --version      print the program's version\n";

namespace {

// Why the last line was refused, one line without a line feed.
constinit char problem[160] = "";

__attribute__((format(printf, 1, 2))) void Problem(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(problem, sizeof problem, format, args);
    va_end(args);
}

// An option's value for the messages: at most 40 characters, unprintable ones
// as '?'.
const char* Shown(const char* text) {
    static char shown[48];
    size_t o = 0;
    for (size_t i = 0; text != nullptr && text[i] != '\0' && o + 4 < sizeof shown; i++) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        shown[o++] = (c >= 0x20 && c <= 0x7E) ? static_cast<char>(c) : '?';
        if (i == 39 && text[i + 1] != '\0') {
            shown[o++] = '.';
            shown[o++] = '.';
            shown[o++] = '.';
            break;
        }
    }
    shown[o] = '\0';
    return shown;
}

// A count 1 .. INT32_MAX in plain decimal digits.
bool ParseCount(const char* option, const char* text, int32_t* out) {
    int64_t value = 0;
    bool digits = text != nullptr && *text != '\0';
    for (const char* p = text; digits && *p != '\0'; p++) {
        if (*p < '0' || *p > '9') {
            digits = false;
        } else if (value <= INT32_MAX) {
            value = value * 10 + (*p - '0');
        }
    }
    if (digits && value > INT32_MAX) {
        Problem("%s %s is too large (at most 2147483647)", option, Shown(text));
        return false;
    }
    if (!digits || value < 1) {
        Problem("%s needs a whole number of at least 1", option);
        return false;
    }
    *out = static_cast<int32_t>(value);
    return true;
}

// A path: not empty, and not an option (a forgotten value would swallow it).
bool ParsePath(const char* option, const char* what, const char* text, const char** out) {
    if (text == nullptr || *text == '\0' || std::strncmp(text, "--", 2) == 0) {
        Problem("%s needs %s", option, what);
        return false;
    }
    *out = text;
    return true;
}

bool ParseScript(const char* text) {
    char fault[120];
    if (text == nullptr) {
        Problem("--keys needs a script FRAME:KEY,...");
        return false;
    }
    if (CAPTUREDescribeKeysFault(text, fault, sizeof fault)) {
        Problem("%s in --keys", fault);
        return false;
    }
    return true;
}

}  // namespace

const char* CAPTUREArgsProblem() { return problem; }

int32_t CAPTUREParseArgs(int32_t argc, const char* const* argv, CAPTURESetup* setup) {
    problem[0] = '\0';
    if (setup == nullptr || argc < 1 || argv == nullptr) {
        Problem("no command line");
        if (setup != nullptr) *setup = CAPTURESetup{};
        return CAPTURE_ARGS_BAD;
    }
    *setup = CAPTURESetup{};
    setup->every = 1;
    bool seenFrames = false, seenKeys = false, seenOut = false, seenEvery = false;
    bool seenWav = false, seenHashes = false, seenRaw = false;
    const char* keySpec = nullptr;
    int32_t i = 1;
    while (i < argc) {
        const char* opt = argv[i];
        if (opt == nullptr) {
            Problem("a missing argument");
            *setup = CAPTURESetup{};
            return CAPTURE_ARGS_BAD;
        }
        if (std::strcmp(opt, "--help") == 0) {
            problem[0] = '\0';
            *setup = CAPTURESetup{};
            return CAPTURE_ARGS_HELP;
        }
        const char* value = (i + 1 < argc) ? argv[i + 1] : nullptr;
        bool ok = false;
        bool* seen = nullptr;
        if (std::strcmp(opt, "--frames") == 0) {
            seen = &seenFrames;
            ok = ParseCount(opt, value, &setup->frames);
        } else if (std::strcmp(opt, "--every") == 0) {
            seen = &seenEvery;
            ok = ParseCount(opt, value, &setup->every);
        } else if (std::strcmp(opt, "--keys") == 0) {
            seen = &seenKeys;
            ok = ParseScript(value);
            keySpec = value;
        } else if (std::strcmp(opt, "--out") == 0) {
            seen = &seenOut;
            ok = ParsePath(opt, "a folder", value, &setup->outDir);
        } else if (std::strcmp(opt, "--wav") == 0) {
            seen = &seenWav;
            ok = ParsePath(opt, "a file name", value, &setup->wavPath);
        } else if (std::strcmp(opt, "--hashes") == 0) {
            seen = &seenHashes;
            ok = ParsePath(opt, "a file name", value, &setup->hashPath);
        } else if (std::strcmp(opt, "--raw") == 0) {
            seen = &seenRaw;
            ok = ParsePath(opt, "a file name (- for standard output)", value, &setup->rawPath);
        } else if (opt[0] == '-') {
            Problem("unknown option '%s'", Shown(opt));
        } else {
            Problem("unexpected argument '%s' (every value follows its option)", Shown(opt));
        }
        if (seen != nullptr && *seen) Problem("%s is given twice", opt);
        if (seen == nullptr || *seen || !ok) {
            *setup = CAPTURESetup{};
            return CAPTURE_ARGS_BAD;
        }
        *seen = true;
        i += 2;  // the option and its value
    }
    if (!seenFrames) {
        Problem("--frames N is required");
        *setup = CAPTURESetup{};
        return CAPTURE_ARGS_BAD;
    }
    if (keySpec != nullptr) {
        const int32_t count = CAPTUREParseKeys(keySpec, nullptr, 0);
        if (count > 0) {
            setup->keys = static_cast<CAPTUREKey*>(
                REPORTZeroAlloc(static_cast<size_t>(count), sizeof(CAPTUREKey)));
            if (setup->keys == nullptr ||
                CAPTUREParseKeys(keySpec, setup->keys, count) != count) {
                std::free(setup->keys);
                *setup = CAPTURESetup{};
                Problem("no memory for %d keys", static_cast<int>(count));
                return CAPTURE_ARGS_BAD;
            }
            setup->keyCount = count;
        }
    }
    return CAPTURE_ARGS_RUN;
}
