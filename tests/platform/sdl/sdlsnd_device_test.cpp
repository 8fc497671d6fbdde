// The audio output on the library's dummy audio driver: the device really
// calls back on its own thread and drains the queue.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/sdlsnd.h"
#include "sound/sample.h"
#include "tests/platform/sdl/sdl_test_env.h"
#include "tests/support/test_support.h"

namespace {

TEST(SdlAudio, FailsAsAWholeWhenTheAudioDriverCannotStart) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SDLSND* snd = SDLSNDNew();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(snd, nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST(SdlAudio, PlaysTheQueueOnTheDeviceThreadAndClosesCleanly) {
    SDLSND* snd = SDLSNDNew();
    ASSERT_NE(snd, nullptr);
    EXPECT_EQ(snd->rate, 44100);
    EXPECT_EQ(snd->width, 16);
    EXPECT_EQ(snd->sign, 's');
    EXPECT_EQ(snd->order, 'l');
    EXPECT_EQ(snd->mute, 0);
    EXPECT_EQ(snd->position, 0);
    ASSERT_NE(snd->queue, nullptr);
    EXPECT_EQ(snd->queue->capacity, SDLSND_QUEUE_RESERVE);
    EXPECT_EQ(SDLSNDQueued(snd), 0);

    Owned<SAMPLE, SAMPLEFree> tone(SAMPLENew());
    SAMPLESetLength(tone.get(), 1000);
    for (int i = 0; i < 3; ++i) SDLSNDPlaySAMPLE(snd, tone.get());
    // Three passes of 1000 values fit in one 4096-value device buffer.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (SDLSNDQueued(snd) > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(SDLSNDQueued(snd), 0);

    SDLSNDFree(&snd);
    EXPECT_EQ(snd, nullptr);
}

}  // namespace
