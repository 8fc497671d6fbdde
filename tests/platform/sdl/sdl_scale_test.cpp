// Fitting the window to the screen: the factor for common desktops, the
// MOXA7730_SCALE setting, and which library settings the program leaves alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_backend.h"
#include "tests/platform/sdl/sdl_test_env.h"

namespace {

TEST(SdlScale, LargestFactorWithinThreeQuartersOfTheDesktop) {
    EXPECT_EQ(SDLEDGEScaleFactor(1024, 768), 2);   // 512 <= 576 < 768
    EXPECT_EQ(SDLEDGEScaleFactor(1920, 1080), 3);  // 768 <= 810 < 1024
    EXPECT_EQ(SDLEDGEScaleFactor(2560, 1440), 4);  // 1024 <= 1080
    EXPECT_EQ(SDLEDGEScaleFactor(3840, 2160), 6);  // 1536 <= 1620 < 1792
    EXPECT_EQ(SDLEDGEScaleFactor(1366, 1024), 3);  // exactly 768: the edge counts
    EXPECT_EQ(SDLEDGEScaleFactor(1366, 1023), 2);
    EXPECT_EQ(SDLEDGEScaleFactor(1080, 1920), 3);  // upright: the width bounds it
    EXPECT_EQ(SDLEDGEScaleFactor(640, 480), 1);
    EXPECT_EQ(SDLEDGEScaleFactor(320, 200), 1);    // too small still gets the picture
    EXPECT_EQ(SDLEDGEScaleFactor(0, 0), 1);
    EXPECT_EQ(SDLEDGEScaleFactor(-5, 1080), 1);
    EXPECT_EQ(SDLEDGEScaleFactor(INT32_MAX, INT32_MAX), 16);  // no overflow, capped
}

TEST(SdlScale, SettingIsAWholeNumberFromOneToSixteen) {
    EXPECT_EQ(SDLEDGEParseScale("1"), 1);
    EXPECT_EQ(SDLEDGEParseScale("3"), 3);
    EXPECT_EQ(SDLEDGEParseScale("016"), 16);
    for (const char* bad : {"0", "17", "99999999999999999999", "-2", "+2", "2x", " 2", "2.5", ""}) {
        EXPECT_EQ(SDLEDGEParseScale(bad), 0) << '"' << bad << '"';
    }
    EXPECT_EQ(SDLEDGEParseScale(nullptr), 0);
}

// Environment values as text ("" when unset), restored afterwards.
struct EnvGuard {
    const char* names[3] = {"MOXA7730_SCALE", "SDL12COMPAT_WINDOW_SCALING",
                            "SDL12COMPAT_SCALE_METHOD"};
    std::string saved[3];
    bool was[3] = {};
    EnvGuard() {
        for (int i = 0; i < 3; i++) {
            const char* v = std::getenv(names[i]);
            was[i] = v != nullptr;
            saved[i] = v != nullptr ? v : "";
            unsetenv(names[i]);
        }
    }
    ~EnvGuard() {
        for (int i = 0; i < 3; i++) {
            if (was[i]) {
                setenv(names[i], saved[i].c_str(), 1);
            } else {
                unsetenv(names[i]);
            }
        }
    }
};

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? v : "(unset)";
}

TEST(SdlScale, FitWindowSetsOnlyWhatTheUserLeftOpen) {
    {
        EnvGuard guard;
        setenv("MOXA7730_SCALE", "3", 1);
        SDLEDGEFitWindow(SDLDPY_FLAGS_WINDOW);
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "3");
        EXPECT_EQ(Env("SDL12COMPAT_SCALE_METHOD"), "nearest");
    }
    {
        EnvGuard guard;  // the user's own settings win over MOXA7730_SCALE
        setenv("MOXA7730_SCALE", "3", 1);
        setenv("SDL12COMPAT_WINDOW_SCALING", "1.5", 1);
        setenv("SDL12COMPAT_SCALE_METHOD", "linear", 1);
        SDLEDGEFitWindow(SDLDPY_FLAGS_WINDOW);
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "1.5");
        EXPECT_EQ(Env("SDL12COMPAT_SCALE_METHOD"), "linear");
    }
    {
        EnvGuard guard;  // full screen: sharp pixels, no window factor
        setenv("MOXA7730_SCALE", "2", 1);
        SDLEDGEFitWindow(SDLDPY_FLAGS_FULLSCREEN);
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "(unset)");
        EXPECT_EQ(Env("SDL12COMPAT_SCALE_METHOD"), "nearest");
    }
    {
        EnvGuard guard;  // a bad setting is ignored: the desktop decides, once video is up
        setenv("MOXA7730_SCALE", "huge", 1);
        SDLEDGEFitWindow(SDLDPY_FLAGS_WINDOW);
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "(unset)");
        const bool wasUp = SDL_WasInit(SDL_INIT_VIDEO) != 0;
        ASSERT_TRUE(wasUp || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0);
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        ASSERT_NE(info, nullptr);
        SDLEDGEFitToDesktop();
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"),
                  std::to_string(SDLEDGEScaleFactor(info->current_w, info->current_h)));
        setenv("SDL12COMPAT_WINDOW_SCALING", "7", 1);
        SDLEDGEFitToDesktop();  // once only
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "7");
        if (!wasUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    {
        EnvGuard guard;  // a factor the user sets between the two steps is kept
        SDLEDGEFitWindow(SDLDPY_FLAGS_WINDOW);
        setenv("SDL12COMPAT_WINDOW_SCALING", "5", 1);
        const bool wasUp = SDL_WasInit(SDL_INIT_VIDEO) != 0;
        ASSERT_TRUE(wasUp || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0);
        SDLEDGEFitToDesktop();
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "5");
        if (!wasUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    {
        EnvGuard guard;  // a chosen factor leaves nothing to the desktop
        setenv("MOXA7730_SCALE", "1", 1);
        SDLEDGEFitWindow(SDLDPY_FLAGS_WINDOW);
        unsetenv("SDL12COMPAT_WINDOW_SCALING");
        SDLEDGEFitToDesktop();
        EXPECT_EQ(Env("SDL12COMPAT_WINDOW_SCALING"), "(unset)");
    }
}

}  // namespace
