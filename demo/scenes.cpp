// scenes.cpp: the five scenes: set-up, fade-out and frame loop of each.
//
// A scene's set-up writes the fade colour and the music period and makes its
// random choices in a fixed order; the order of draws is part of the run's
// identity, so every choice is drawn even where its consumer is a later layer.
#include <cstdint>

#include "core/rng.h"
#include "demo/moxa7730.h"
#include "sound/music.h"

namespace {
constexpr int32_t kFramesA = 1001;
constexpr int32_t kFramesB = 1501;
constexpr int32_t kFramesC = 1000;
constexpr int32_t kFramesD = 1000;
constexpr int32_t kFramesE = 1000;

// The sweep of the raster-bar layer: a cyclic index over the 1024-entry sine
// table whose base moves by `step` per frame and whose bars are `offsetStep`
// apart. Scenes A and C choose both at every visit.
struct BarSweep {
    int32_t step;
    int32_t offsetStep;
};
constinit BarSweep barSweep{1, 2};

constinit int32_t colourStride = 32;  // palette step between neighbouring scroller rows

void ChooseBarSweep() {
    barSweep.step = RNGDraw() % 7 + 8;
    barSweep.offsetStep = RNGDraw() % 2 + 1;
}

// A grey fade of 0x40..0x7F per channel.
uint32_t RandomGreyFade() {
    const uint32_t r = static_cast<uint32_t>(RNGDraw());
    return ((r & 0x3Fu) | 0x40u) * 0x010101u;
}

void SetMusicPeriod(int32_t period) {
    if (music != nullptr) music->period = period;
}

// One frame's common layers and the next-scene check; true when the scene ends.
bool FrameEnds() {
    MOXA7730CommonLayers();
    return MOXA7730SceneShouldEnd();
}
}  // namespace

void MOXA7730SceneA() {
    fadeColour = 0x040201u;
    SetMusicPeriod(48);
    ChooseBarSweep();
    MOXA7730FadeOut();
    for (int32_t n = kFramesA; n >= 1; --n) {
        if (FrameEnds()) break;
    }
}

void MOXA7730SceneB() {
    MOXA7730FadeOut();
    fadeColour = 0x404040u;
    SetMusicPeriod(64);
    for (int32_t n = kFramesB; n >= 1; --n) {
        if (FrameEnds()) break;
    }
}

void MOXA7730SceneC() {
    fadeColour = RandomGreyFade();
    ChooseBarSweep();  // unused by this scene; the draws keep the sequence
    SetMusicPeriod(80);
    colourStride = RNGDraw() % 28 + 4;
    MOXA7730FadeOut();
    for (int32_t n = kFramesC; n >= 1; --n) {
        if (FrameEnds()) break;
    }
}

void MOXA7730SceneD() {
    fadeColour = RandomGreyFade();
    SetMusicPeriod(96);
    MOXA7730FadeOut();
    for (int32_t n = kFramesD; n >= 1; --n) {
        if (FrameEnds()) break;
    }
}

void MOXA7730SceneE() {
    // Music period: unchanged, the one scene D left.
    const uint32_t r = static_cast<uint32_t>(RNGDraw());
    fadeColour = (r & 0x7Fu) * 0x010101u + 0x010101u;
    MOXA7730FadeOut();
    for (int32_t n = kFramesE; n >= 1; --n) {
        if (FrameEnds()) break;
    }
}
