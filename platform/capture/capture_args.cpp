// capture_args.cpp: demo_capture's command line.
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "platform/capture/capture.h"

const char* const CAPTURE_USAGE =
    "usage: demo_capture --frames N [--keys SCRIPT] [--out DIR] [--every K] [--wav FILE] "
    "[--hashes FILE]\n"
    "Runs the demo headless on a virtual clock and writes what a viewer would see and hear.\n"
    "  --frames N     stop after the frame whose frame count is N has been presented (N >= 1)\n"
    "  --keys SCRIPT  key presses FRAME:KEY,... (e.g. 120:space,300:g,900:q); KEY is one\n"
    "                 printable character or esc, space, quit (the window's close request)\n"
    "  --out DIR      write every K-th presentation as DIR/frame-NNNNNN.png\n"
    "  --every K      K for --out (default 1, K >= 1)\n"
    "  --wav FILE     write the audio (44100 Hz, 16-bit signed, mono)\n"
    "  --hashes FILE  one line per presentation: index, frame count, FNV-1a 64 of its pixels\n"
    "  --help         print this text\n";

namespace {

// A count 1 .. INT32_MAX in plain decimal digits.
bool ParseCount(const char* text, int32_t* out) {
    if (text == nullptr || *text == '\0') return false;
    int64_t value = 0;
    for (const char* p = text; *p != '\0'; p++) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + (*p - '0');
        if (value > INT32_MAX) return false;
    }
    if (value < 1) return false;
    *out = static_cast<int32_t>(value);
    return true;
}

// A path: not empty, and not an option (a forgotten value would swallow it).
bool ParsePath(const char* text, const char** out) {
    if (text == nullptr || *text == '\0' || std::strncmp(text, "--", 2) == 0) return false;
    *out = text;
    return true;
}

}  // namespace

int32_t CAPTUREParseArgs(int32_t argc, const char* const* argv, CAPTURESetup* setup) {
    if (setup == nullptr) return CAPTURE_ARGS_BAD;
    *setup = CAPTURESetup{};
    if (argc < 1 || argv == nullptr) return CAPTURE_ARGS_BAD;
    setup->every = 1;
    bool seenFrames = false, seenKeys = false, seenOut = false, seenEvery = false;
    bool seenWav = false, seenHashes = false;
    const char* keySpec = nullptr;
    int32_t i = 1;
    while (i < argc) {
        const char* opt = argv[i];
        if (opt == nullptr) return CAPTURE_ARGS_BAD;
        if (std::strcmp(opt, "--help") == 0) return CAPTURE_ARGS_HELP;
        const char* value = (i + 1 < argc) ? argv[i + 1] : nullptr;
        bool ok = false;
        bool* seen = nullptr;
        if (std::strcmp(opt, "--frames") == 0) {
            seen = &seenFrames;
            ok = ParseCount(value, &setup->frames);
        } else if (std::strcmp(opt, "--every") == 0) {
            seen = &seenEvery;
            ok = ParseCount(value, &setup->every);
        } else if (std::strcmp(opt, "--keys") == 0) {
            seen = &seenKeys;
            ok = value != nullptr && CAPTUREParseKeys(value, nullptr, 0) >= 0;
            keySpec = value;
        } else if (std::strcmp(opt, "--out") == 0) {
            seen = &seenOut;
            ok = ParsePath(value, &setup->outDir);
        } else if (std::strcmp(opt, "--wav") == 0) {
            seen = &seenWav;
            ok = ParsePath(value, &setup->wavPath);
        } else if (std::strcmp(opt, "--hashes") == 0) {
            seen = &seenHashes;
            ok = ParsePath(value, &setup->hashPath);
        }
        if (seen == nullptr || *seen || !ok) {
            *setup = CAPTURESetup{};
            return CAPTURE_ARGS_BAD;
        }
        *seen = true;
        i += 2;  // the option and its value
    }
    if (!seenFrames) {
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
                return CAPTURE_ARGS_BAD;
            }
            setup->keyCount = count;
        }
    }
    return CAPTURE_ARGS_RUN;
}
