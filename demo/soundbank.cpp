// soundbank.cpp: the 32-note sound bank, the music step of the frame cycle and
// the 1536-colour palette.
#include <cstdint>

#include "core/list.h"
#include "core/rng.h"
#include "demo/moxa7730.h"
#include "platform/sdlsnd.h"
#include "sound/music.h"
#include "sound/sample.h"
#include "sound/sound.h"

namespace {
constexpr int32_t kQueueDepth = 4;  // mix buffers kept queued on the audio output
}  // namespace

// Each note is (w * sine(f) + sine(2f) + sine(4f)) >> 2 under a linear fade from
// full to silence over half a second, w = 2 below f = 512 and 1 from there.
void MOXA7730BuildSoundBank() {
    music = MUSICNew();
    SAMPLE* scratch = SAMPLENew();
    SAMPLESetLength(scratch, BANK_NOTE_LENGTH);
    for (int32_t i = 0; i < BANK_SIZE; ++i) {
        SAMPLE* note = SAMPLENew();
        SAMPLESetLength(note, BANK_NOTE_LENGTH);
        const int32_t f = (RNGDraw() & 0x1FF) + 16;
        SOUNDSine(note, f);
        SAMPLEAdd(note, note);
        SAMPLEShiftRight(note, f >> 9);
        SOUNDSine(scratch, 2 * f);
        SAMPLEShiftRight(scratch, 0);
        SAMPLEAdd(note, scratch);
        SOUNDSine(scratch, 4 * f);
        SAMPLEShiftRight(scratch, 0);
        SAMPLEAdd(note, scratch);
        SAMPLEShiftRight(note, 2);
        SOUNDFadeOut(note);
        MUSICAddSample(music, note);
    }
    SAMPLEFree(&scratch);  // nothing uses the overtone scratch after the bank
}

// The music's new mix is prepared off the lock; only the final pass that writes
// the mix buffer the audio thread plays runs under the audio lock.
void MOXA7730MusicStep() {
    if (MUSICPrepare(music)) {
        SDLSNDLock(snd);
        MUSICCommit(music);
        SDLSNDUnlock(snd);
    }
    if (snd != nullptr && music != nullptr && SDLSNDQueued(snd) < kQueueDepth) {
        SDLSNDPlaySAMPLE(snd, music->mix);
    }
}

void MOXA7730BuildPalette() {
    palette = SAMPLENew();
    SAMPLESetLength(palette, PALETTE_SIZE);
    if (palette == nullptr || palette->length < PALETTE_SIZE) return;
    int32_t* p = palette->values;
    for (int32_t i = 0; i < 256; ++i) {
        p[i] = 0x00FF00 + i;                  // green to cyan
        p[256 + i] = 0x00FFFF - 256 * i;      // cyan to blue
        p[512 + i] = 0x0000FF + (i << 16);    // blue to magenta
        p[768 + i] = 0xFF00FF - i;            // magenta to red
        p[1024 + i] = 0xFF0000 + 256 * i;     // red to yellow
        p[1280 + i] = 0xFFFF00 - (i << 16);   // yellow to green
    }
}
