// The program module's own logic: the key table, the palette, the sound bank
// and the first music step, run without a display (the capture backend).
#include "demo/moxa7730.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/list.h"
#include "core/rng.h"
#include "platform/fps.h"
#include "platform/sdlkbd.h"
#include "platform/sdlsnd.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "tests/demo/demo_support.h"

namespace {

struct Flags {
    uint8_t run, fade, blur, glow, radials, info, overlay, s1, s2, s4;
    int32_t rate;
};

Flags Snapshot() {
    return {runFlags, fadeOn,       blurOn, glowOn, radialsOn, infoFlags,
            overlayFlags, spare1,   spare2, spare4, frameRate};
}

bool Same(const Flags& a, const Flags& b) {
    return a.run == b.run && a.fade == b.fade && a.blur == b.blur && a.glow == b.glow &&
           a.radials == b.radials && a.info == b.info && a.overlay == b.overlay &&
           a.s1 == b.s1 && a.s2 == b.s2 && a.s4 == b.s4 && a.rate == b.rate;
}

// Start-up builders replace the process-wide objects; free the old ones first so
// repeated builds in one test process leak nothing. The sound output of an
// earlier start-up in this process may still queue the old bank's mix: empty
// its queue first, so later frames do not play freed memory.
void FreshBank() {
    if (snd != nullptr) {
        SDLSNDLock(snd);
        while (LISTPop(snd->queue) != nullptr) {
        }
        snd->position = 0;
        SDLSNDUnlock(snd);
    }
    if (music != nullptr) MUSICFree(&music);
    RNGSeed(RNG_DEMO_SEED);
    MOXA7730BuildSoundBank();
}

}  // namespace

TEST(Keys, TogglesFlipExactlyTheirBitAndBack) {
    struct Case {
        char key;
        uint8_t* flag;
        uint8_t bit;
    };
    const Case cases[] = {
        {'1', &spare1, 1},       {'2', &spare2, 1},    {'3', &overlayFlags, 1},
        {'4', &spare4, 1},       {'7', &overlayFlags, 4}, {'8', &infoFlags, 1},
        {'9', &infoFlags, 2},    {'b', &blurOn, 1},    {'g', &glowOn, 1},
        {'m', &fadeOn, 1},       {'r', &radialsOn, 1},
    };
    for (const Case& c : cases) {
        const uint8_t before = *c.flag;
        MOXA7730HandleKey(static_cast<int8_t>(c.key));
        EXPECT_EQ(before ^ c.bit, *c.flag) << "key " << c.key;
        MOXA7730HandleKey(static_cast<int8_t>(c.key));
        EXPECT_EQ(before, *c.flag) << "key " << c.key;
    }
}

TEST(Keys, RateKeysSetTwentyFiveAndFifty) {
    MOXA7730HandleKey('6');
    EXPECT_EQ(50, frameRate);
    MOXA7730HandleKey('6');
    EXPECT_EQ(50, frameRate);
    MOXA7730HandleKey('5');
    EXPECT_EQ(25, frameRate);
}

TEST(Keys, SpaceRequestsTheNextSceneOnce) {
    EXPECT_FALSE(MOXA7730SceneShouldEnd());
    MOXA7730HandleKey(' ');
    EXPECT_TRUE(MOXA7730SceneShouldEnd());
    EXPECT_FALSE(MOXA7730SceneShouldEnd());  // the scene loop cleared the request
}

TEST(Keys, AHeldKeyActsOnce) {
    StartOnce();
    const uint8_t before = blurOn;
    kbd->keys[0] = 'b';  // pressed, and no release reported yet
    MOXA7730PollKeys();
    MOXA7730PollKeys();
    EXPECT_EQ(before ^ 1, blurOn);
    EXPECT_EQ(0, kbd->keys[0]);
    MOXA7730HandleKey('b');
}

TEST(Keys, OtherCodesChangeNothing) {
    const Flags before = Snapshot();
    const int codes[] = {0, 'a', 'z', 'Z', '0', -1, -128, 127, 10};
    for (int code : codes) {
        MOXA7730HandleKey(static_cast<int8_t>(code));
    }
    EXPECT_TRUE(Same(before, Snapshot()));
}

TEST(KeysDeathTest, QuitKeysFadeOutAndExitWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // 27 is Escape (and a symbol such as 283 whose low byte is 27); Q and q.
    const int codes[] = {27, 'Q', 'q'};
    for (int code : codes) {
        EXPECT_EXIT(MOXA7730HandleKey(static_cast<int8_t>(code)), testing::ExitedWithCode(0), "")
            << "code " << code;
    }
}

TEST(Palette, SixRampsJoinWithoutSteps) {
    if (palette != nullptr) SAMPLEFree(&palette);
    MOXA7730BuildPalette();
    ASSERT_NE(nullptr, palette);
    ASSERT_EQ(PALETTE_SIZE, palette->length);
    const int32_t* p = palette->values;
    // Ends of each ramp, by hand: green, cyan, blue, magenta, red, yellow.
    EXPECT_EQ(0x00FF00, p[0]);
    EXPECT_EQ(0x00FFFF, p[255]);
    EXPECT_EQ(0x00FFFF, p[256]);
    EXPECT_EQ(0x0000FF, p[511]);
    EXPECT_EQ(0x0000FF, p[512]);
    EXPECT_EQ(0xFF00FF, p[767]);
    EXPECT_EQ(0xFF00FF, p[768]);
    EXPECT_EQ(0xFF0000, p[1023]);
    EXPECT_EQ(0xFF0000, p[1024]);
    EXPECT_EQ(0xFFFF00, p[1279]);
    EXPECT_EQ(0xFFFF00, p[1280]);
    EXPECT_EQ(0x00FF00, p[1535]);  // the last ramp ends where the first begins
    EXPECT_EQ(0x00FF80, p[128]);
    EXPECT_EQ(0x8000FF, p[640]);
}

TEST(SoundBank, FirstMusicStepPlacesNote23At55000) {
    // The run's order of draws: seeding, the bank's 32 fundamentals, then the
    // two choices of scene A's bar sweep, then the music step of its first frame.
    FreshBank();
    ASSERT_NE(nullptr, music);
    ASSERT_EQ(BANK_SIZE, music->bank->count);
    EXPECT_EQ(14, RNGDraw() % 7 + 8);
    EXPECT_EQ(1, RNGDraw() % 2 + 1);

    MOXA7730MusicStep();  // no audio output: the step still runs, nothing is queued
    const SAMPLE* mix = music->mix;
    const auto* note = static_cast<const SAMPLE*>(LISTGet(music->bank, 23));
    ASSERT_EQ(80000, mix->length);
    ASSERT_EQ(BANK_NOTE_LENGTH, note->length);
    for (int32_t j = 0; j < note->length; ++j) {
        ASSERT_EQ(note->values[j] >> 2, mix->values[55000 + j]) << j;
    }
    for (int32_t i = 0; i < 55000; ++i) ASSERT_EQ(0, mix->values[i]) << i;
    for (int32_t i = 55000 + note->length; i < 80000; ++i) ASSERT_EQ(0, mix->values[i]) << i;
}

TEST(SoundBank, NotesAreLoudestAtTheStartAndFadeToSilence) {
    FreshBank();
    ASSERT_EQ(BANK_SIZE, music->bank->count);
    for (int32_t i = 0; i < BANK_SIZE; ++i) {
        const auto* note = static_cast<const SAMPLE*>(LISTGet(music->bank, i));
        int32_t peakHead = 0;
        int32_t peakTail = 0;
        for (int32_t j = 0; j < note->length; ++j) {
            const int32_t a = note->values[j] < 0 ? -note->values[j] : note->values[j];
            EXPECT_LE(a, 32766);
            if (j < 2000) peakHead = std::max(peakHead, a);
            if (j >= note->length - 200) peakTail = std::max(peakTail, a);
        }
        EXPECT_GT(peakHead, 8000) << "note " << i;
        EXPECT_LT(peakTail, 400) << "note " << i;
    }
}
