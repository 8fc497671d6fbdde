// demo_capture's command line: what runs, what asks for help, what is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
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
    CAPTURESetup setup{};
    EXPECT_EQ(CAPTUREParseArgs(0, argv, &setup), CAPTURE_ARGS_BAD);
    EXPECT_EQ(CAPTUREParseArgs(3, nullptr, &setup), CAPTURE_ARGS_BAD);
}

}  // namespace
