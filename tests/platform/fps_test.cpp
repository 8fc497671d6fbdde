// Frame pacing: the arithmetic is driven with hand-picked clock readings, so no
// test sleeps or depends on the machine's speed.
#include "platform/fps.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

FPSState Paced(int32_t rate) {
    FPSState s{};
    s.rate = rate;
    return s;
}

// One frame: tick at nowMs, then ask for the sleep.
uint32_t Frame(FPSState* s, uint32_t nowMs) {
    FPSTickAt(s, nowMs);
    return FPSSleepMs(s);
}

TEST(FpsPacing, RateAtOrBelowZeroBecomesOneFramePerSecond) {
    for (int32_t rate : {0, -1, -25}) {
        FPSState s = Paced(rate);
        FPSTickAt(&s, 0);
        EXPECT_EQ(s.rate, 1) << "rate " << rate;
        EXPECT_EQ(s.frameUs, 1000000u) << "rate " << rate;
    }
    FPSState s = Paced(25);
    FPSTickAt(&s, 0);
    EXPECT_EQ(s.frameUs, 40000u);
    s.rate = 50;  // a key changes the rate: effective at the next tick
    FPSTickAt(&s, 0);
    EXPECT_EQ(s.frameUs, 20000u);
}

TEST(FpsPacing, SlackRisesOnShortFramesFallsOnLongOnesAndNeverGoesNegative) {
    FPSState s = Paced(25);  // 40 ms frames
    // The first frame measures from clock 0: a long frame, no sleep.
    EXPECT_EQ(Frame(&s, 1000), 0u);
    EXPECT_EQ(s.slackUs, 0);
    EXPECT_EQ(Frame(&s, 1010), 30u);   // 10 ms frame: slack 30 ms
    EXPECT_EQ(Frame(&s, 1050), 30u);   // exactly 40 ms: unchanged
    EXPECT_EQ(Frame(&s, 1100), 20u);   // 50 ms: 10 ms less
    EXPECT_EQ(Frame(&s, 1200), 0u);    // 100 ms: would be -40 ms, floored at 0
    EXPECT_EQ(s.slackUs, 0);
    EXPECT_EQ(Frame(&s, 1239), 1u);    // 39 ms: 1 ms again, no debt carried
    EXPECT_EQ(Frame(&s, 5000), 0u);    // a very long stall
    EXPECT_EQ(s.slackUs, 0);
}

TEST(FpsPacing, SlackBelowOneMillisecondIsDueButSleepsZero) {
    FPSState s = Paced(30);  // 33333 us frames
    Frame(&s, 1000);                 // from clock 0: long, no slack
    EXPECT_EQ(Frame(&s, 1033), 0u);  // 33000 us: 333 us of slack
    EXPECT_EQ(s.slackUs, 333);
}

TEST(FpsPacing, MeasuredRateCountsWindowsWithTheClosingFrameInTheNext) {
    FPSState s = Paced(25);
    // Ten frames a second, ticks at 100, 200, ... ms.
    for (uint32_t k = 1; k <= 9; ++k) EXPECT_EQ(FPSTickAt(&s, 100 * k), 0) << "tick " << k;
    // The tenth tick completes the first second: it counts the nine before it
    // and opens the next window with itself.
    EXPECT_EQ(FPSTickAt(&s, 1000), 9);
    for (uint32_t k = 11; k <= 19; ++k) EXPECT_EQ(FPSTickAt(&s, 100 * k), 9);
    EXPECT_EQ(FPSTickAt(&s, 2000), 10);
    EXPECT_EQ(s.measured, 10);
    EXPECT_EQ(s.count, 20);
}

TEST(FpsPacing, DurationsStayRightAcrossBothClockWraps) {
    // The microsecond clock (ms * 1000) wraps at 2^32 us, about 71.6 minutes.
    FPSState s = Paced(25);
    FPSTickAt(&s, 4294960);  // 4294960000 us
    FPSSleepMs(&s);
    FPSTickAt(&s, 4294980);  // 20 ms later; 4294980000 us wraps to 12704
    EXPECT_EQ(s.nowUs, 12704u);
    EXPECT_EQ(s.lastUs, 20000u);
    EXPECT_EQ(FPSSleepMs(&s), 20u);

    // The millisecond clock itself wraps after 49.7 days.
    FPSState t = Paced(50);
    FPSTickAt(&t, 0xFFFFFFF0u);
    FPSSleepMs(&t);
    FPSTickAt(&t, 4u);  // 20 ms later
    EXPECT_EQ(t.lastUs, 20000u);
    EXPECT_EQ(FPSSleepMs(&t), 0u);  // exactly the frame time
}

TEST(FpsPacing, FrameCountWrapsInsteadOfOverflowing) {
    FPSState s = Paced(25);
    s.count = INT32_MAX;
    FPSTickAt(&s, 0);
    EXPECT_EQ(s.count, INT32_MIN);
}

TEST(FpsPacing, NullStateIsIgnored) {
    EXPECT_EQ(FPSTickAt(nullptr, 100), 0);
    EXPECT_EQ(FPSSleepMs(nullptr), 0u);
}

TEST(FpsProcess, TickUpdatesThePublicVariables) {
    const int32_t before = frameCount;
    frameRate = 0;
    FPSTick();
    EXPECT_EQ(frameRate, 1);
    EXPECT_EQ(frameCount, before + 1);
    frameRate = 25;
}

TEST(FpsProcess, IdentityRecord) {
    const char* const want[5] = {"FPS     ", "20101122", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(FPS_IDENTITY[i], want[i]);
}

}  // namespace
