// scenes.cpp: the five scenes: set-up, fade-out and frame loop of each.
//
// A scene's set-up writes the fade colour and the music period and makes its
// random choices in a fixed order; the order of draws is part of the run's
// identity, so every choice is drawn even where nothing uses it. A frame's own
// drawing never draws a random number (the music step, a common layer, is the
// only frame-time consumer) and never allocates.
//
// Arithmetic on frameCount: the sine indices of the plasma and the spiral path
// multiply the frame count (3f, 2f); they are formed in uint32_t, whose
// wrapping keeps the index exact (1024 divides 2^32) after any running time.
#include <cstdint>

#include "core/list.h"
#include "core/rng.h"
#include "demo/moxa7730.h"
#include "effects/lspiral.h"
#include "effects/raster.h"
#include "image/img.h"
#include "platform/fps.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "text/cursorx.h"
#include "text/lscroll.h"
#include "vector/csine.h"
#include "vector/lfont.h"
#include "vector/sine.h"

// [SECTION] Scene state
const uint32_t barColours[BAR_COUNT] = {
    0xFF0000u, 0xFF4000u, 0xFF8000u, 0xFFC000u, 0xFFFF00u, 0xC0FF00u, 0x80FF00u, 0x40FF00u,
    0x00FF00u, 0x00FF40u, 0x00FF80u, 0x00FFC0u, 0x00FFFFu, 0x00C0FFu, 0x0080FFu, 0x0040FFu,
    0x0000FFu, 0x4000FFu, 0x8000FFu, 0xC000FFu, 0xFF00FFu, 0xFF00C0u, 0xFF0080u, 0xFF0040u,
};
int32_t textY = 0;
const char* textPos = nullptr;
uint32_t bandTable[BAND_TABLE_SIZE] = {};
RASTER* plasmaV = nullptr;
RASTER* plasmaH = nullptr;
int32_t colourStride = 32;
int32_t swayPhase = 0;
LSPIRAL* spiral1 = nullptr;
LSPIRAL* spiral2 = nullptr;
LIST* figures = nullptr;

namespace {
constexpr int32_t kLineHeight = 16;     // a credit line at scale 2
constexpr int32_t kSwayStep = 8;        // phase step of the sway per frame
constexpr int32_t kSwaySpread = 32;     // phase difference between neighbouring rows
constexpr int32_t kSwayAmplitude = 8;   // speed amplitude of the sway
constexpr int32_t kWallSpeed = 3;       // the wall's steady drift per frame
constexpr int32_t kPathAmplitude = 64;  // of spiral 2's Lissajous path
constexpr int32_t kPlasmaWeight = 128;  // rows mixed half and half over the columns
constexpr int32_t kBandSegment = 512;

// S[x] of any 32-bit angle: the table index is the angle's low ten bits.
int32_t Sine(uint32_t angle) {
    return SINE_TABLE[angle & SINE_MASK];
}

uint32_t Frame() {
    return static_cast<uint32_t>(frameCount);
}

int32_t ImageWidth() {
    return imgWork != nullptr ? imgWork->width : 0;
}
int32_t ImageHeight() {
    return imgWork != nullptr ? imgWork->height : 0;
}

void SetMusicPeriod(int32_t period) {
    if (music != nullptr) music->period = period;
}

uint32_t PaletteColour(uint32_t index) {
    if (palette == nullptr || palette->length < PALETTE_SIZE) return 0;
    return static_cast<uint32_t>(palette->values[index % PALETTE_SIZE]);
}

// A grey fade of 0x40..0x7F per channel.
uint32_t RandomGreyFade() {
    const uint32_t r = static_cast<uint32_t>(RNGDraw());
    return ((r & 0x3Fu) | 0x40u) * 0x010101u;
}

// The bar sweep: cursor over the 1024-entry sine table, a base step of 8..14
// per frame and bars 1 or 2 entries apart. Scene C draws it too, unused.
void ChooseBarSweep() {
    const int32_t step = RNGDraw() % 7 + 8;
    const int32_t offsetStep = RNGDraw() % 2 + 1;
    if (barCursor == nullptr) return;
    barCursor->size = SINE_SIZE;
    barCursor->step = step;
    barCursor->offsetStep = offsetStep;
}

void PlaceScrollerRows() {
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        if (scrollers[i] != nullptr) scrollers[i]->y = 8 * i;
    }
}

// A raster of `count` colours: the old one when its size matches (the same
// colours would be written), else a new one in place of the old.
void KeepRaster(RASTER** raster, int32_t count) {
    if (*raster != nullptr && (*raster)->count == count) return;
    if (*raster != nullptr) RASTERFree(raster);
    *raster = RASTERNew();
    RASTERSetSize(*raster, count);
}

// The credit page's next line: past the next line feed, or back to the start
// of the text when its end comes first (the position never passes the NUL).
const char* NextCreditLine(const char* p) {
    if (p == nullptr || *p == '\0') return creditText;
    while (*p != '\n') {
        if (*p == '\0') return creditText;
        ++p;
    }
    return p + 1;
}

// One frame's common layers and the next-scene check; true when the scene ends.
bool FrameEnds() {
    MOXA7730CommonLayers();
    return MOXA7730SceneShouldEnd();
}
}  // namespace

// [SECTION] Scene A: bars and credits

void MOXA7730SetUpA() {
    fadeColour = 0x040201u;
    SetMusicPeriod(48);
    ChooseBarSweep();
}

void MOXA7730DrawA(int32_t n) {
    (void)n;
    const int32_t h = ImageHeight();
    if (barRaster != nullptr && barRaster->colours != nullptr && barCursor != nullptr) {
        RASTERClear(barRaster);
        CURSORXSetOffset(barCursor, 0);
        for (int32_t i = 0; i < BAR_COUNT; ++i) {
            const int32_t v = CURSORXStepOffset(barCursor);
            const int64_t k =
                ((static_cast<int64_t>(h - 2) * Sine(static_cast<uint32_t>(v))) >> 16) + (h >> 1);
            // Bars swing over 1 .. h - 2; an image wider than the raster is not
            // reached past its end, and later bars overwrite earlier ones.
            if (k >= 0 && k < barRaster->count) barRaster->colours[k] = barColours[i];
        }
        CURSORXStep(barCursor);
        RASTERDrawColumns(barRaster, imgWork);
    }

    if (writer8 == nullptr) return;
    if (textPos == nullptr) textPos = creditText;
    writer8->image = imgWork;
    writer8->angle = 0;
    writer8->scale->x = 2;
    writer8->scale->y = 2;
    writer8->position->x = 0;
    writer8->position->y = textY;
    LFONTDrawString(writer8, textPos);
    textY -= 1;
    if (textY <= -kLineHeight) {
        textY = 0;
        textPos = NextCreditLine(textPos);
    }
}

void MOXA7730SceneA() {
    MOXA7730SetUpA();
    MOXA7730FadeOut();
    for (int32_t n = SCENE_A_FRAMES; n >= 1; --n) {
        MOXA7730DrawA(n);
        if (FrameEnds()) break;
    }
}

// [SECTION] Scene B: plasma bands

void MOXA7730SetUpB() {
    // Six segments of 512: each ramp rises from black to full and falls back.
    for (uint32_t i = 0; i < 256; ++i) {
        const uint32_t ramps[6] = {i << 16, (i << 16) | (i << 8), i << 8, (i << 8) | i,
                                   i,       (i << 16) | i};
        for (uint32_t k = 0; k < 6; ++k) {
            bandTable[k * kBandSegment + i] = ramps[k];
            bandTable[k * kBandSegment + (kBandSegment - 1) - i] = ramps[k];
        }
    }
    KeepRaster(&plasmaV, ImageWidth());
    KeepRaster(&plasmaH, ImageHeight());
    fadeColour = 0x404040u;
    SetMusicPeriod(64);
}

void MOXA7730DrawB(int32_t n) {
    (void)n;
    if (plasmaV == nullptr || plasmaH == nullptr || plasmaV->colours == nullptr ||
        plasmaH->colours == nullptr) {
        return;
    }
    // Each index is at least 6144 - 1536 - 3072 > 0 before the remainder.
    const uint32_t f = Frame();
    constexpr int32_t t = BAND_TABLE_SIZE;
    for (int32_t i = 0; i < plasmaV->count; ++i) {
        const auto ui = static_cast<uint32_t>(i);
        const int32_t index =
            (((Sine(ui - f) * t) >> 16) + t + ((Sine(ui + 3u * f) * t) >> 15) + t) % t;
        plasmaV->colours[i] = bandTable[index];
    }
    for (int32_t i = 0; i < plasmaH->count; ++i) {
        const auto ui = static_cast<uint32_t>(i);
        const int32_t index =
            (((Sine(ui + 3u * f) * t) >> 16) + t + ((Sine(ui - 2u * f) * t) >> 15) + t) % t;
        plasmaH->colours[i] = bandTable[index];
    }
    RASTERDrawColumns(plasmaV, imgWork);
    RASTERBlendRows(plasmaH, imgWork, kPlasmaWeight);
}

void MOXA7730SceneB() {
    MOXA7730FadeOut();
    MOXA7730SetUpB();
    for (int32_t n = SCENE_B_FRAMES; n >= 1; --n) {
        MOXA7730DrawB(n);
        if (FrameEnds()) break;
    }
}

// [SECTION] Scene C: scroller wall

void MOXA7730SetUpC() {
    fadeColour = RandomGreyFade();
    ChooseBarSweep();  // unused by this scene; the draws keep the sequence
    PlaceScrollerRows();
    SetMusicPeriod(80);
    colourStride = RNGDraw() % 28 + 4;
}

void MOXA7730DrawC(int32_t n) {
    if (writer8 != nullptr) {
        writer8->scale->x = 1;
        writer8->scale->y = 1;
        writer8->angle = 0;
    }
    // Every row in its palette colour, the font recoloured once (the last
    // row's colour) rather than once a row.
    const auto un = static_cast<uint32_t>(n);
    uint32_t colours[SCROLLER_COUNT];
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        const uint32_t entry = un + static_cast<uint32_t>(i) * static_cast<uint32_t>(colourStride);
        colours[i] = PaletteColour(entry);
    }
    LSCROLLDrawColouredRows(scrollers, colours, SCROLLER_COUNT);
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        if (scrollers[i] == nullptr) continue;
        const uint32_t phase = static_cast<uint32_t>(swayPhase) +
                               static_cast<uint32_t>(i) * static_cast<uint32_t>(kSwaySpread);
        scrollers[i]->speed = (Sine(phase) * kSwayAmplitude) >> 15;
        LSCROLLStep(scrollers[i]);
    }
    for (int32_t i = 0; i < SCROLLER_COUNT; ++i) {
        if (scrollers[i] == nullptr) continue;
        scrollers[i]->speed = kWallSpeed;
        LSCROLLStep(scrollers[i]);
    }
    swayPhase = (swayPhase + kSwayStep) & SINE_MASK;
}

void MOXA7730SceneC() {
    MOXA7730SetUpC();
    MOXA7730FadeOut();
    for (int32_t n = SCENE_C_FRAMES; n >= 1; --n) {
        MOXA7730DrawC(n);
        if (FrameEnds()) break;
    }
}

// [SECTION] Scene D: twin spirals

void MOXA7730SetUpD() {
    if (spiral1 == nullptr) spiral1 = LSPIRALNew();
    if (spiral2 == nullptr) spiral2 = LSPIRALNew();
    LSPIRALReset(spiral1);
    LSPIRALReset(spiral2);
    fadeColour = RandomGreyFade();  // drawn after the two resets
    SetMusicPeriod(96);
}

void MOXA7730DrawD(int32_t n) {
    (void)n;
    LSPIRALUpdate(spiral1);
    LSPIRALDraw(spiral1, imgWork);
    LSPIRALUpdate(spiral2);
    if (spiral2 != nullptr) {
        // The new centre shows from the next update on.
        const uint32_t f = Frame();
        spiral2->centre.x = ImageWidth() / 2 + ((Sine(2u * f) * kPathAmplitude) >> 15);
        spiral2->centre.y = ImageHeight() / 2 + ((Sine(3u * f) * kPathAmplitude) >> 15);
    }
    LSPIRALDraw(spiral2, imgWork);
}

void MOXA7730SceneD() {
    MOXA7730SetUpD();
    MOXA7730FadeOut();
    for (int32_t n = SCENE_D_FRAMES; n >= 1; --n) {
        MOXA7730DrawD(n);
        if (FrameEnds()) break;
    }
}

// [SECTION] Scene E: sine figures

void MOXA7730SetUpE() {
    if (figures == nullptr) {
        figures = LISTNew();
        const int32_t count = RNGDraw() % 3 + 5;
        for (int32_t i = 0; i < count; ++i) LISTPush(figures, CSINENew());
    }
    const int32_t count = figures != nullptr ? figures->count : 0;
    for (int32_t i = count - 1; i >= 0; --i) {
        auto* figure = static_cast<CSINE*>(LISTGet(figures, i));
        CSINERandomize(figure);
        if (figure != nullptr) {
            figure->width = ImageWidth();
            figure->height = ImageHeight();
            figure->baseRadius = ImageWidth() / 2;
        }
        CSINESetColor(figure, PaletteColour(static_cast<uint32_t>(RNGDraw())));
    }
    // Music period: unchanged, the one scene D left.
    const uint32_t r = static_cast<uint32_t>(RNGDraw());
    fadeColour = (r & 0x7Fu) * 0x010101u + 0x010101u;
}

void MOXA7730DrawE(int32_t n) {
    (void)n;
    const int32_t count = figures != nullptr ? figures->count : 0;
    for (int32_t i = count - 1; i >= 0; --i) {
        auto* figure = static_cast<CSINE*>(LISTGet(figures, i));
        CSINEUpdate(figure);
        if ((radialsOn & 1) != 0) {
            CSINEDrawRays(figure, imgWork);
        } else {
            CSINEDraw(figure, imgWork);
        }
    }
}

void MOXA7730SceneE() {
    MOXA7730SetUpE();
    MOXA7730FadeOut();
    for (int32_t n = SCENE_E_FRAMES; n >= 1; --n) {
        MOXA7730DrawE(n);
        if (FrameEnds()) break;
    }
}
