// The watchdog over the library's shutdown at exit: when the shutdown hangs
// (as it does on a display server that has gone), the process still ends, with
// the status it was leaving with and its buffered output written.
//
// The library's SDL_Quit is wrapped here (forwarding to the library) so that a
// test can make it hang. Each case runs in a child process; a helper thread
// ends the child with status 99 if the watchdog never fires.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/sdl/sdl_backend.h"

namespace {
bool hangInQuit = false;

// Ends the process with status 99 after `seconds`, whatever else happens.
void Backstop(unsigned seconds) {
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        _exit(99);
    }).detach();
}

[[noreturn]] void Hang() {
    for (;;) pause();
}
}  // namespace

extern "C" void SDL_Quit(void) {
    static const auto next = reinterpret_cast<void (*)()>(dlsym(RTLD_NEXT, "SDL_Quit"));
    if (hangInQuit) Hang();
    next();
}

namespace {

TEST(SdlWatchdogDeathTest, EndsWithTheGivenStatusAndFlushesWhatWasBuffered) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Backstop(10);
            static char buffer[4096];
            std::setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
            std::fputs("written before the watchdog\n", stderr);
            SDLEDGEArmWatchdog(1, 3);
            Hang();
        },
        testing::ExitedWithCode(3), "written before the watchdog");
}

TEST(SdlWatchdogDeathTest, FiresEvenWhenSigalrmWasIgnored) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Backstop(10);
            std::signal(SIGALRM, SIG_IGN);  // as inherited from a parent that ignores it
            SDLEDGEArmWatchdog(1, 0);
            Hang();
        },
        testing::ExitedWithCode(0), "");
}

TEST(SdlWatchdogDeathTest, DisarmedItLetsTheProcessRunOn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SDLEDGEArmWatchdog(1, 3);
            SDLEDGEDisarmWatchdog();
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            _exit(5);
        },
        testing::ExitedWithCode(5), "");
}

TEST(SdlWatchdogDeathTest, AHangingShutdownAtExitKeepsTheExitStatus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int status : {0, 4}) {
        EXPECT_EXIT(
            {
                Backstop(15);
                SDLEDGEQuitAtExit();
                hangInQuit = true;
                std::exit(status);
            },
            testing::ExitedWithCode(status), "")
            << status;
    }
}

}  // namespace
