// The capture backend's device edge: the virtual clock under the frame pacing,
// audio pulled in lock-step through the audio output's callback, the virtual
// screen and its outputs, the key script's replay and the end of the run.
//
// The backend's state is process-wide; every test works with differences, so
// the suite passes both in one process and one test per process.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/capture/capture.h"
#include "platform/edge.h"
#include "platform/fps.h"
#include "platform/sdlsnd.h"
#include "sound/sample.h"
#include "tests/support/test_support.h"

extern const uint32_t SDLDPY_MODE_FLAGS = 0x10000001u;  // the window program's word

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::string Temp(const char* name) {
    return ::testing::TempDir() + "capture_edge_" + std::to_string(getpid()) + "_" + name;
}

// Starts the backend with no key script, ending never, writing what is given.
void StartWith(const char* outDir, const char* wav, const char* hashes, int32_t every) {
    CAPTURESetup setup{};
    setup.every = every;
    setup.outDir = outDir;
    setup.wavPath = wav;
    setup.hashPath = hashes;
    ASSERT_TRUE(CAPTUREStart(&setup));
}

TEST(CaptureClock, EachTickIsExactlyOneFrameAndNothingSleeps) {
    const uint64_t slept = CAPTURESleptMs();
    frameRate = 25;
    FPSTick();
    FPSWait();
    uint64_t before = CAPTUREClockMicros();
    for (int i = 0; i < 75; i++) {
        FPSTick();
        FPSWait();
    }
    EXPECT_EQ(CAPTUREClockMicros() - before, 3000000u);  // 75 frames of 40 ms
    EXPECT_EQ(fpsMeasured, 25);

    frameRate = 50;
    before = CAPTUREClockMicros();
    for (int i = 0; i < 150; i++) {
        FPSTick();
        FPSWait();
    }
    EXPECT_EQ(CAPTUREClockMicros() - before, 3000000u);  // 150 frames of 20 ms
    EXPECT_EQ(fpsMeasured, 50);
    EXPECT_EQ(CAPTURESleptMs(), slept);

    frameRate = 0;  // the pacing makes it 1: a tick of one second
    before = CAPTUREClockMicros();
    FPSTick();
    EXPECT_EQ(frameRate, 1);
    EXPECT_EQ(CAPTUREClockMicros() - before, 1000000u);
    frameRate = 25;
}

TEST(CaptureClock, AudioValuesFollowTheClockWithoutDrift) {
    frameRate = 25;
    FPSTick();
    uint64_t values = CAPTUREAudioValues();
    const uint32_t ms = EDGETicks();  // however often the clock is read in a frame,
    EXPECT_EQ(EDGETicks(), ms);       // it moves once per frame count
    FPSTick();
    EXPECT_EQ(CAPTUREAudioValues() - values, 1764u);  // 44100 / 25
    frameRate = 50;
    values = CAPTUREAudioValues();
    FPSTick();
    EXPECT_EQ(CAPTUREAudioValues() - values, 882u);

    // 30 frames per second do not divide a second into whole milliseconds or
    // values: 3000 frames of 33333 us are 99.999 s, 4409955.9 values.
    frameRate = 30;
    values = CAPTUREAudioValues();
    const uint64_t clock = CAPTUREClockMicros();
    for (int i = 0; i < 3000; i++) FPSTick();
    EXPECT_EQ(CAPTUREClockMicros() - clock, 99999000u);
    const uint64_t pulled = CAPTUREAudioValues() - values;
    EXPECT_GE(pulled, 4409955u);
    EXPECT_LE(pulled, 4409956u);
    frameRate = 25;
}

TEST(CaptureAudio, TheCallbackFillsTheWavInLockStep) {
    const std::string wav = Temp("audio.wav");
    frameRate = 25;
    FPSTick();  // align on a whole frame before the file starts
    StartWith(nullptr, wav.c_str(), nullptr, 1);

    Owned<SDLSND, SDLSNDFree> snd(SDLSNDNew());
    ASSERT_NE(snd.get(), nullptr);
    Owned<SAMPLE, SAMPLEFree> tone(SAMPLENew());
    SAMPLESetLength(tone.get(), 3000);
    for (int32_t i = 0; i < 3000; i++) SAMPLESet(tone.get(), i, i + 1);
    SAMPLESet(tone.get(), 2999, 0x12345);  // only the low 16 bits play: 0x2345
    SDLSNDPlaySAMPLE(snd.get(), tone.get());

    FPSTick();  // 1764 values: 1 .. 1764
    EXPECT_EQ(SDLSNDQueued(snd.get()), 1);
    FPSTick();  // 1236 more, then the queue is empty: 528 values of silence
    EXPECT_EQ(SDLSNDQueued(snd.get()), 0);
    SDLSNDFree(snd.ref());
    FPSTick();  // no device: silence, and the clock goes on
    ASSERT_TRUE(CAPTUREFlush());

    const std::string file = ReadFile(wav);
    ASSERT_EQ(file.size(), CAPTURE_WAV_HEADER + 3u * 1764u * 2u);
    uint8_t header[CAPTURE_WAV_HEADER];
    CAPTUREWavHeader(3u * 1764u * 2u, header);
    EXPECT_EQ(std::memcmp(file.data(), header, sizeof header), 0);
    std::vector<int16_t> v(3 * 1764);
    std::memcpy(v.data(), file.data() + CAPTURE_WAV_HEADER, v.size() * 2);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1763], 1764);
    EXPECT_EQ(v[1764], 1765);
    EXPECT_EQ(v[2998], 2999);
    EXPECT_EQ(v[2999], 0x2345);
    for (size_t i = 3000; i < v.size(); i++) ASSERT_EQ(v[i], 0) << i;
    std::remove(wav.c_str());
}

TEST(CaptureScreen, PresentationsComposeAtTheTopLeft) {
    int32_t depth = 0;
    bool flip = true;
    ASSERT_TRUE(EDGEVideoOpen(4, 3, 0x10000001u, &depth, &flip));
    EXPECT_EQ(depth, 32);
    EXPECT_FALSE(flip);
    const int64_t count = CAPTUREPresentations();

    // A 2 x 2 corner of a 3-wide image; the byte above the colour is dropped.
    const uint32_t small[6] = {0xFF000001u, 0x00000002u, 0x00000099u,
                               0x00000003u, 0x01000004u, 0x00000099u};
    EDGEVideoPresent(small, 2, 2, 3);
    const uint32_t afterSmall[12] = {1, 2, 0, 0,
                                     3, 4, 0, 0,
                                     0, 0, 0, 0};
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(afterSmall, 12));

    // A larger image shows its top-left 4 x 3 region.
    std::vector<uint32_t> big(5 * 5);
    for (size_t i = 0; i < big.size(); i++) big[i] = static_cast<uint32_t>(0x100 + i);
    EDGEVideoPresent(big.data(), 5, 5, 5);
    const uint32_t afterBig[12] = {0x100, 0x101, 0x102, 0x103,
                                   0x105, 0x106, 0x107, 0x108,
                                   0x10A, 0x10B, 0x10C, 0x10D};
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(afterBig, 12));
    EXPECT_EQ(CAPTUREPresentations() - count, 2);

    // The same picture again, then one that differs in its last shown pixel only.
    EDGEVideoPresent(big.data(), 5, 5, 5);
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(afterBig, 12));
    big[13] = 0x10000u;
    EDGEVideoPresent(big.data(), 5, 5, 5);
    uint32_t afterOne[12];
    std::memcpy(afterOne, afterBig, sizeof afterOne);
    afterOne[11] = 0x10000u;
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(afterOne, 12));
    EXPECT_EQ(CAPTUREPresentations() - count, 4);

    EDGEVideoPresent(nullptr, 2, 2, 2);  // refused: nothing shown, nothing counted
    EDGEVideoPresent(small, 3, 1, 2);    // rows shorter than the width
    EXPECT_EQ(CAPTUREPresentations() - count, 4);

    EDGEVideoClose();  // no mode: nothing to present on
    EDGEVideoPresent(small, 2, 2, 3);
    EXPECT_EQ(CAPTUREPresentations() - count, 4);
    ASSERT_TRUE(EDGEVideoOpen(4, 3, 0x10000001u, &depth, &flip));  // a new mode is black
    const uint32_t black[12] = {};
    EXPECT_EQ(CAPTUREScreenHash(), CAPTUREHashPixels(black, 12));
    EXPECT_FALSE(EDGEVideoOpen(-1, 3, 0, &depth, &flip));
    EXPECT_FALSE(EDGEVideoOpen(100000, 100000, 0, &depth, &flip));
}

TEST(CaptureScreen, HashLinesAndEveryKthPng) {
    const std::string dir = Temp("frames") + "/nested/deeper";
    const std::string hashes = Temp("hashes.txt");
    int32_t depth = 0;
    bool flip = false;
    ASSERT_TRUE(EDGEVideoOpen(2, 2, 0x10000001u, &depth, &flip));
    StartWith(dir.c_str(), nullptr, hashes.c_str(), 2);
    const int64_t first = CAPTUREPresentations();
    const uint32_t red[4] = {0xFF0000u, 0xFF0000u, 0xFF0000u, 0xFF0000u};
    frameCount = 41;
    EDGEVideoPresent(red, 2, 2, 2);
    frameCount = 42;
    EDGEVideoPresent(red, 1, 1, 2);
    EDGEVideoPresent(red, 2, 2, 2);
    ASSERT_TRUE(CAPTUREFlush());

    char expected[200];
    std::snprintf(expected, sizeof expected,
                  "%lld 41 %016llx\n%lld 42 %016llx\n%lld 42 %016llx\n",
                  static_cast<long long>(first),
                  static_cast<unsigned long long>(CAPTUREHashPixels(red, 4)),
                  static_cast<long long>(first + 1),
                  static_cast<unsigned long long>(CAPTUREHashPixels(red, 4)),
                  static_cast<long long>(first + 2),
                  static_cast<unsigned long long>(CAPTUREHashPixels(red, 4)));
    EXPECT_EQ(ReadFile(hashes), expected);
    for (int64_t i = first; i < first + 3; i++) {
        char name[64];
        std::snprintf(name, sizeof name, "/frame-%06lld.png", static_cast<long long>(i));
        EXPECT_EQ(Exists(dir + name), i % 2 == 0) << name;
    }
    std::remove(hashes.c_str());
}

// Raw pictures sample the screen on a 25-per-second grid of virtual time: a
// presentation that takes no time adds none, and at 50 frames per second every
// other frame is left out.
TEST(CaptureRaw, PicturesOnATwentyFifthOfASecondGrid) {
    const std::string raw = Temp("pictures.rgb");
    int32_t depth = 0;
    bool flip = false;
    ASSERT_TRUE(EDGEVideoOpen(2, 1, 0x10000001u, &depth, &flip));
    frameRate = 25;
    CAPTURESetup setup{};
    setup.every = 1;
    setup.rawPath = raw.c_str();
    ASSERT_TRUE(CAPTUREStart(&setup));
    const uint64_t start = CAPTUREClockMicros();
    const uint64_t toGrid = (40000u - start % 40000u) % 40000u;

    const uint32_t red[2] = {0xFF0000u, 0x123456u};
    const uint32_t blue[2] = {0x0000FFu, 0x0000FFu};
    const uint32_t green[2] = {0x00FF00u, 0x00FF00u};
    const uint32_t white[2] = {0xFFFFFFu, 0xFFFFFFu};
    EDGEVideoPresent(blue, 2, 1, 2);  // at the start time: no picture yet
    frameCount++;
    FPSTick();
    EDGEVideoPresent(red, 2, 1, 2);   // the end of the first 25th
    EDGEVideoPresent(blue, 2, 1, 2);  // a fade-out pass, in no time
    frameRate = 50;
    frameCount++;
    FPSTick();
    EDGEVideoPresent(green, 2, 1, 2);
    frameCount++;
    FPSTick();
    EDGEVideoPresent(white, 2, 1, 2);
    frameRate = 25;
    ASSERT_TRUE(CAPTUREFlush());

    const std::string file = ReadFile(raw);
    ASSERT_EQ(file.size(), 2u * 6u);  // 80 ms: two pictures of 2 x 1 RGB
    const std::string first("\xFF\x00\x00\x12\x34\x56", 6);
    EXPECT_EQ(file.substr(0, 6), first);
    // The second 25th ends between the two 50ths; which one it shows depends
    // on where the grid lies against the frames.
    const std::string second = toGrid < 20000u ? std::string("\x00\xFF\x00\x00\xFF\x00", 6)
                                               : std::string(6, '\xFF');
    EXPECT_EQ(file.substr(6, 6), second) << "grid offset " << toGrid;
    std::remove(raw.c_str());
}

TEST(CaptureRaw, AStartBetweenTwoGridPointsWaitsForTheNext) {
    const std::string raw = Temp("late.rgb");
    int32_t depth = 0;
    bool flip = false;
    ASSERT_TRUE(EDGEVideoOpen(2, 1, 0x10000001u, &depth, &flip));
    frameRate = 50;
    if (CAPTUREClockMicros() % 40000u == 0) {  // off the grid of 25ths
        frameCount++;
        FPSTick();
    }
    CAPTURESetup setup{};
    setup.every = 1;
    setup.rawPath = raw.c_str();
    ASSERT_TRUE(CAPTUREStart(&setup));
    const uint64_t next = (CAPTUREClockMicros() / 40000u + 1) * 40000u;

    // Blue until the first grid point after the start, red once past it: the
    // only picture is the one ending the first whole 25th.
    const uint32_t blue[2] = {0x0000FFu, 0x0000FFu};
    const uint32_t red[2] = {0xFF0000u, 0x123456u};
    EDGEVideoPresent(blue, 2, 1, 2);
    for (int i = 0; i < 4 && CAPTUREClockMicros() <= next; ++i) {
        frameCount++;
        FPSTick();
        EDGEVideoPresent(CAPTUREClockMicros() > next ? red : blue, 2, 1, 2);
    }
    frameRate = 25;
    ASSERT_TRUE(CAPTUREFlush());
    EXPECT_EQ(std::string("\xFF\x00\x00\x12\x34\x56", 6), ReadFile(raw));
    std::remove(raw.c_str());
}

TEST(CaptureStart, RefusesOutputsItCannotCreate) {
    const std::string file = Temp("plain_file");
    { std::ofstream(file) << "x"; }
    CAPTURESetup setup{};
    setup.every = 1;
    setup.outDir = file.c_str();  // a file where the folder should be
    EXPECT_FALSE(CAPTUREStart(&setup));
    setup.outDir = nullptr;
    const std::string below = file + "/h.txt";
    setup.hashPath = below.c_str();
    EXPECT_FALSE(CAPTUREStart(&setup));
    setup.hashPath = nullptr;
    setup.rawPath = below.c_str();
    EXPECT_FALSE(CAPTUREStart(&setup));
    setup.rawPath = nullptr;
    setup.every = 0;
    EXPECT_FALSE(CAPTUREStart(&setup));
    EXPECT_FALSE(CAPTUREStart(nullptr));
    std::remove(file.c_str());
}

TEST(CaptureKeys, ReplayAtTheChosenFramesPolls) {
    // Unsorted on purpose; the entry for frame 1 has no poll and is dropped.
    const char* script = "3:esc,2:a,2:b,1:x,5:quit";
    CAPTURESetup setup{};
    setup.every = 1;
    setup.keyCount = CAPTUREParseKeys(script, nullptr, 0);
    setup.keys = static_cast<CAPTUREKey*>(std::calloc(5, sizeof(CAPTUREKey)));
    ASSERT_EQ(CAPTUREParseKeys(script, setup.keys, setup.keyCount), 5);
    ASSERT_TRUE(CAPTUREStart(&setup));

    auto poll = [](int32_t frame) {
        frameCount = frame;
        std::string seen;
        EDGEEvent e{};
        while (EDGEPollEvent(&e)) {
            if (e.type == EDGE_EVENT_KEY_DOWN) seen += "down " + std::to_string(e.sym) + ";";
            if (e.type == EDGE_EVENT_KEY_UP) seen += "up " + std::to_string(e.sym) + ";";
            if (e.type == EDGE_EVENT_QUIT) seen += "quit;";
        }
        return seen;
    };
    EXPECT_EQ(poll(2), "down 97;down 98;");
    EXPECT_EQ(poll(2), "");  // a second poll in the same frame finds nothing
    EXPECT_EQ(poll(3), "up 98;down 27;");
    EXPECT_EQ(poll(4), "up 27;");
    EXPECT_EQ(poll(5), "quit;");
    EXPECT_EQ(poll(6), "");
    EXPECT_FALSE(EDGEPollEvent(nullptr));
}

// Runs in the death test's child: two presentations, the second of the last frame.
void RunToTheLastFrame(const std::string& hashes) {
    int32_t depth = 0;
    bool flip = false;
    if (!EDGEVideoOpen(2, 2, 0x10000001u, &depth, &flip)) std::exit(3);
    CAPTURESetup setup{};
    setup.frames = 7;
    setup.every = 1;
    setup.hashPath = hashes.c_str();
    if (!CAPTUREStart(&setup)) std::exit(4);
    const uint32_t px[4] = {1, 2, 3, 4};
    frameCount = 6;
    EDGEVideoPresent(px, 2, 2, 2);
    frameCount = 7;
    EDGEVideoPresent(px, 2, 2, 2);  // the last frame: flushes and exits 0
    std::exit(5);
}

TEST(CaptureRunDeathTest, EndsAfterThePresentationOfTheLastFrame) {
    const std::string hashes = Temp("end.txt");
    EXPECT_EXIT(RunToTheLastFrame(hashes), ::testing::ExitedWithCode(0), "");
    // Both presentations reached the file before the exit.
    const std::string text = ReadFile(hashes);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    EXPECT_NE(text.find(" 6 "), std::string::npos);
    EXPECT_NE(text.find(" 7 "), std::string::npos);
    std::remove(hashes.c_str());
}

}  // namespace
