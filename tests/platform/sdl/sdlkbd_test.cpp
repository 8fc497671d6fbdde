// The keyboard over the SDL backend: events pushed into the library's queue
// and drained by one poll, as in one frame of the demo.
#include "platform/sdlkbd.h"

#include <gtest/gtest.h>

#include "platform/sdldpy.h"
#include "tests/platform/sdl/sdl_test_env.h"

namespace {

void Push(Uint8 type, int sym = 0) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) {
        e.key.type = type;
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = static_cast<SDLKey>(sym);
    }
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void Press(int sym) { Push(SDL_KEYDOWN, sym); }
void Release(int sym) { Push(SDL_KEYUP, sym); }

// The keyboard with an empty event queue and a cleared key byte.
SDLKBD* Keyboard() {
    if (TestDisplay() == nullptr) return nullptr;
    SDLKBD* kbd = SDLKBDNew();
    if (kbd != nullptr) {
        SDLKBDGetKey(kbd);
        kbd->keys[0] = 0;
    }
    return kbd;
}

// One frame's poll; the key byte it leaves.
int8_t Poll(SDLKBD* kbd) {
    SDLKBDGetKey(kbd);
    return kbd->keys[0];
}

TEST(SdlKeyboard, LastKeyEventOfThePollWins) {
    SDLKBD* kbd = Keyboard();
    ASSERT_NE(kbd, nullptr);

    Press('a');
    Press('b');
    EXPECT_EQ(Poll(kbd), 'b') << "two presses: the second";

    kbd->keys[0] = 0;
    Press('q');
    Release('q');
    EXPECT_EQ(Poll(kbd), 0) << "press and release in one poll: lost";

    Press('g');
    EXPECT_EQ(Poll(kbd), 'g');
    EXPECT_EQ(Poll(kbd), 'g') << "an empty queue leaves the key byte alone";
    Release('g');
    EXPECT_EQ(Poll(kbd), 0) << "a release in a later poll clears it";
}

TEST(SdlKeyboard, KeyByteIsTheSymbolsLowByteAsASignedByte) {
    SDLKBD* kbd = Keyboard();
    ASSERT_NE(kbd, nullptr);
    Press(283);  // a function key: low byte 27, the Escape code
    EXPECT_EQ(Poll(kbd), 27);
    Press(SDLK_WORLD_0);  // 160
    EXPECT_EQ(Poll(kbd), -96);
    Press(SDLK_SPACE);
    EXPECT_EQ(Poll(kbd), 32);
}

TEST(SdlKeyboard, QuitRequestReadsAsEscapeAndOtherEventsAreDropped) {
    SDLKBD* kbd = Keyboard();
    ASSERT_NE(kbd, nullptr);
    Push(SDL_QUIT);
    EXPECT_EQ(Poll(kbd), SDLKBD_KEY_QUIT);
    EXPECT_EQ(SDLKBD_KEY_QUIT, 27);

    Press('m');
    Push(SDL_USEREVENT);
    EXPECT_EQ(Poll(kbd), 'm') << "a non-key event after the press changes nothing";
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 0) << "the poll drains the whole queue";
}

TEST(SdlKeyboard, QuitRequestSurvivesTheKeyEventsAfterItInThePoll) {
    SDLKBD* kbd = Keyboard();
    ASSERT_NE(kbd, nullptr);
    // Alt+F4: the close request arrives before the releases of both keys.
    Press(SDLK_LALT);
    Press(SDLK_F4);
    Push(SDL_QUIT);
    Release(SDLK_F4);
    Release(SDLK_LALT);
    EXPECT_EQ(Poll(kbd), SDLKBD_KEY_QUIT);

    // A SIGTERM while someone types: presses after the request.
    kbd->keys[0] = 0;
    Push(SDL_QUIT);
    Press('g');
    Press('b');
    EXPECT_EQ(Poll(kbd), SDLKBD_KEY_QUIT);

    // The request belongs to one poll only: the next poll reads keys again.
    kbd->keys[0] = 0;
    Press('m');
    EXPECT_EQ(Poll(kbd), 'm');
}

TEST(SdlKeyboard, NeedsADisplayAndIsASingleton) {
    SDLKBD* kbd = Keyboard();
    ASSERT_NE(kbd, nullptr);
    EXPECT_EQ(SDLKBDNew(), kbd);
    EXPECT_TRUE(SDLKBDEqual(kbd, kbd));
    EXPECT_FALSE(SDLKBDEqual(kbd, nullptr));
    EXPECT_FALSE(SDLKBDEqual(nullptr, nullptr));
    EXPECT_EQ(SDLKBDCopy(kbd), nullptr);
    EXPECT_STREQ(SDLKBDToASCII(kbd), "");
    EXPECT_EQ(SDLKBDToASCII(nullptr), nullptr);
    EXPECT_EQ(SDLKBDFromASCII("x"), nullptr);
    SDLKBDGetKey(nullptr);  // ignored

    SDLKBDFree(&kbd);
    EXPECT_EQ(kbd, nullptr);
    SDLKBDFree(&kbd);  // already null: nothing
    SDLKBDFree(nullptr);

    // Without a display there is no keyboard.
    SDLDPY* dpy = SDLDPYInstance();
    SDLDPYFree(&dpy);
    ASSERT_EQ(SDLDPYInstance(), nullptr);
    EXPECT_EQ(SDLKBDNew(), nullptr);

    ASSERT_NE(TestDisplay(), nullptr);
    SDLKBD* again = SDLKBDNew();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->keys[0], 0) << "a new key buffer is zeroed";
    EXPECT_EQ(SDLKBDNew(), again);
}

TEST(SdlKeyboard, IdentityRecord) {
    EXPECT_STREQ(SDLKBD_IDENTITY[0], "SDLKBD");
    EXPECT_STREQ(SDLKBD_IDENTITY[1], "20030728");
    EXPECT_STREQ(SDLKBD_IDENTITY[2], "VKR");
}

}  // namespace
