// Closing the audio output while the device's thread runs. The library's audio
// thread takes the audio lock on every pass, paused or not, and closing the
// device waits for that thread: a close made with the lock held can wait for
// ever. The library's lock and close calls are wrapped here (the wrappers
// forward to the library) to see which thread holds the lock when the device
// is closed.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/sdlsnd.h"
#include "sound/sample.h"
#include "tests/platform/sdl/sdl_test_env.h"
#include "tests/support/test_support.h"

namespace {
thread_local int lockDepth = 0;         // audio locks this thread holds
std::atomic<int> closesWithLockHeld{0};
std::atomic<int> closes{0};

template <typename Fn>
Fn Next(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}
}  // namespace

extern "C" {
void SDL_LockAudio(void) {
    static const auto next = Next<void (*)()>("SDL_LockAudio");
    next();
    ++lockDepth;
}
void SDL_UnlockAudio(void) {
    static const auto next = Next<void (*)()>("SDL_UnlockAudio");
    --lockDepth;
    next();
}
void SDL_CloseAudio(void) {
    static const auto next = Next<void (*)()>("SDL_CloseAudio");
    ++closes;
    if (lockDepth > 0) ++closesWithLockHeld;
    next();
}
}

namespace {

TEST(SdlAudioClose, ClosesTheDeviceWithoutHoldingTheAudioLock) {
    closes = 0;
    closesWithLockHeld = 0;
    SDLSND* snd = SDLSNDNew();
    ASSERT_NE(snd, nullptr);
    SDLSNDFree(&snd);
    EXPECT_EQ(snd, nullptr);
    EXPECT_EQ(closes.load(), 1);
    EXPECT_EQ(closesWithLockHeld.load(), 0);
}

// Many opens and closes, each with the device's thread running and playing;
// a close that waits for ever ends the process through the watchdog below
// instead of hanging the suite.
TEST(SdlAudioClose, ManyOpenCloseCyclesNeverHang) {
    std::atomic<bool> finished{false};
    std::thread watchdog([&finished] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!finished && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!finished) {
            std::fputs("SdlAudioClose: an open/close cycle hangs\n", stderr);
            std::_Exit(1);
        }
    });
    Owned<SAMPLE, SAMPLEFree> tone(SAMPLENew());
    SAMPLESetLength(tone.get(), 300);
    closesWithLockHeld = 0;
    for (int cycle = 0; cycle < 16; ++cycle) {
        SDLSND* snd = SDLSNDNew();
        ASSERT_NE(snd, nullptr) << "cycle " << cycle;
        for (int i = 0; i < 4; ++i) SDLSNDPlaySAMPLE(snd, tone.get());
        // Let the thread reach different points of its pass before the close.
        std::this_thread::sleep_for(std::chrono::milliseconds(cycle % 7));
        SDLSNDFree(&snd);
        ASSERT_EQ(snd, nullptr);
    }
    finished = true;
    watchdog.join();
    EXPECT_EQ(closesWithLockHeld.load(), 0);
}

}  // namespace
