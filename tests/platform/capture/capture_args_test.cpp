// demo_capture's command line: what runs, what asks for help, what is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/capture/capture.h"
#include "platform/edge.h"

namespace {

struct Parsed {
    int32_t result;
    CAPTURESetup setup;
};

Parsed ParseLine(std::initializer_list<const char*> args) {
    std::vector<const char*> argv = {"demo_capture"};
    argv.insert(argv.end(), args.begin(), args.end());
    Parsed p{};
    p.result = CAPTUREParseArgs(static_cast<int32_t>(argv.size()), argv.data(), &p.setup);
    return p;
}

TEST(CaptureArgs, FullLine) {
    Parsed p = ParseLine({"--frames", "250", "--keys", "120:space,900:q", "--out", "cap",
                          "--every", "5", "--wav", "cap/demo.wav", "--hashes", "h.txt"});
    ASSERT_EQ(p.result, CAPTURE_ARGS_RUN);
    EXPECT_EQ(p.setup.frames, 250);
    EXPECT_EQ(p.setup.every, 5);
    EXPECT_STREQ(p.setup.outDir, "cap");
    EXPECT_STREQ(p.setup.wavPath, "cap/demo.wav");
    EXPECT_STREQ(p.setup.hashPath, "h.txt");
    ASSERT_EQ(p.setup.keyCount, 2);
    EXPECT_EQ(p.setup.keys[0].frame, 120);
    EXPECT_EQ(p.setup.keys[0].sym, 32);
    EXPECT_EQ(p.setup.keys[1].frame, 900);
    EXPECT_EQ(p.setup.keys[1].sym, 113);
    std::free(p.setup.keys);
}

TEST(CaptureArgs, DefaultsAndOrder) {
    Parsed p = ParseLine({"--wav", "a.wav", "--frames", "1"});
    ASSERT_EQ(p.result, CAPTURE_ARGS_RUN);
    EXPECT_EQ(p.setup.frames, 1);
    EXPECT_EQ(p.setup.every, 1);
    EXPECT_EQ(p.setup.outDir, nullptr);
    EXPECT_EQ(p.setup.hashPath, nullptr);
    EXPECT_EQ(p.setup.keys, nullptr);
    EXPECT_EQ(p.setup.keyCount, 0);
    EXPECT_STREQ(p.setup.wavPath, "a.wav");

    Parsed empty = ParseLine({"--frames", "3", "--keys", ""});  // an empty script is no keys
    ASSERT_EQ(empty.result, CAPTURE_ARGS_RUN);
    EXPECT_EQ(empty.setup.keyCount, 0);
    EXPECT_EQ(empty.setup.keys, nullptr);
}

TEST(CaptureArgs, HelpWins) {
    EXPECT_EQ(ParseLine({"--help"}).result, CAPTURE_ARGS_HELP);
    EXPECT_EQ(ParseLine({"--frames", "10", "--help"}).result, CAPTURE_ARGS_HELP);
    EXPECT_NE(std::string(CAPTURE_USAGE).find("--frames N"), std::string::npos);
}

TEST(CaptureArgs, RefusesBadLines) {
    const std::vector<std::vector<const char*>> bad = {
        {},                                            // --frames is required
        {"--every", "2"},                              // still no --frames
        {"--frames"},                                  // missing value
        {"--frames", "0"},                             // N < 1
        {"--frames", "-5"},
        {"--frames", "+5"},
        {"--frames", "12x"},
        {"--frames", ""},
        {"--frames", "2147483648"},                    // beyond a frame count
        {"--frames", "10", "--every", "0"},            // K < 1
        {"--frames", "10", "--every"},
        {"--frames", "10", "--keys", "10:"},           // bad script
        {"--frames", "10", "--keys", "0:q"},
        {"--frames", "10", "--keys"},
        {"--frames", "10", "--out", "--every", "5"},   // a forgotten value
        {"--frames", "10", "--wav", ""},
        {"--frames", "10", "--hashes"},
        {"--frames", "10", "--frames", "11"},          // twice
        {"--frames", "10", "--fps", "50"},             // unknown
        {"--frames", "10", "extra"},
        {"--frames=10"},
        {"-h"},
    };
    for (const auto& args : bad) {
        std::vector<const char*> argv = {"demo_capture"};
        argv.insert(argv.end(), args.begin(), args.end());
        CAPTURESetup setup{};
        setup.frames = 99;
        EXPECT_EQ(CAPTUREParseArgs(static_cast<int32_t>(argv.size()), argv.data(), &setup),
                  CAPTURE_ARGS_BAD)
            << (args.empty() ? "(none)" : args[0]) << ' ' << args.size();
        EXPECT_EQ(setup.frames, 0);  // nothing half-filled
        EXPECT_EQ(setup.keys, nullptr);
    }
    const char* argv[] = {"demo_capture", "--frames", "1"};
    EXPECT_EQ(CAPTUREParseArgs(3, argv, nullptr), CAPTURE_ARGS_BAD);
    EXPECT_STRNE(CAPTUREArgsProblem(), "");
    CAPTURESetup setup{};
    EXPECT_EQ(CAPTUREParseArgs(0, argv, &setup), CAPTURE_ARGS_BAD);
    EXPECT_EQ(CAPTUREParseArgs(3, nullptr, &setup), CAPTURE_ARGS_BAD);
}

// Every refusal says what was wrong on one line; an accepted line clears it.
TEST(CaptureArgs, SaysWhatWasWrong) {
    const std::vector<std::pair<std::vector<const char*>, const char*>> cases = {
        {{}, "--frames N is required"},
        {{"--frames"}, "--frames needs a whole number of at least 1"},
        {{"--frames", "0"}, "--frames needs a whole number of at least 1"},
        {{"--frames", "12x"}, "--frames needs a whole number of at least 1"},
        {{"--frames", "2147483648"}, "--frames 2147483648 is too large (at most 2147483647)"},
        {{"--frames", "99999999999999999999999"},
         "--frames 99999999999999999999999 is too large (at most 2147483647)"},
        {{"--frames", "1", "--every", "0"}, "--every needs a whole number of at least 1"},
        {{"--frames", "1", "--every", "--out"}, "--every needs a whole number of at least 1"},
        {{"--frames", "1", "--keys", "5:nosuchkey"}, "unknown key 'nosuchkey' at frame 5 in --keys"},
        {{"--frames", "1", "--keys"}, "--keys needs a script FRAME:KEY,..."},
        {{"--frames", "1", "--out", "--every"}, "--out needs a folder"},
        {{"--frames", "1", "--wav", ""}, "--wav needs a file name"},
        {{"--frames", "1", "--raw"}, "--raw needs a file name (- for standard output)"},
        {{"--frames", "1", "--frames", "2"}, "--frames is given twice"},
        {{"--frames", "1", "--fps", "50"}, "unknown option '--fps'"},
        {{"--frames", "1", "extra"}, "unexpected argument 'extra' (every value follows its option)"},
        {{"--frames", "1", "-\x1b[2J"}, "unknown option '-?[2J'"},  // no terminal controls
    };
    for (const auto& [args, wanted] : cases) {
        std::vector<const char*> argv = {"demo_capture"};
        argv.insert(argv.end(), args.begin(), args.end());
        CAPTURESetup setup{};
        EXPECT_EQ(CAPTUREParseArgs(static_cast<int32_t>(argv.size()), argv.data(), &setup),
                  CAPTURE_ARGS_BAD);
        EXPECT_STREQ(CAPTUREArgsProblem(), wanted);
    }
    const std::string longName = "--" + std::string(300, 'x');
    const char* argv[] = {"demo_capture", longName.c_str()};
    CAPTURESetup setup{};
    EXPECT_EQ(CAPTUREParseArgs(2, argv, &setup), CAPTURE_ARGS_BAD);
    EXPECT_LT(std::string(CAPTUREArgsProblem()).size(), 80u);  // shown cut short

    Parsed ok = ParseLine({"--frames", "5", "--raw", "-"});
    ASSERT_EQ(ok.result, CAPTURE_ARGS_RUN);
    EXPECT_STREQ(ok.setup.rawPath, "-");
    EXPECT_STREQ(CAPTUREArgsProblem(), "");
}

}  // namespace
