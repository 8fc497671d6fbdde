// music.cpp: MUSIC, the generative loop over a bank of notes.
#include "sound/music.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/report.h"
#include "core/rng.h"

const char* const MUSIC_IDENTITY[5] = {"MUSIC   ", "Vaskoril", "20120601", "C       ",
                                       "CODE    "};

namespace {
constexpr bool kReport = false;  // build-time error switch
void MUSICError() { REPORTError("MUSIC ERROR\n", kReport); }

// The next mix, built off to the side so that the audio thread only ever sees
// the single copy of MUSICCommit. Kept for the whole run; re-made only when a
// mix of another length comes along.
constinit SAMPLE* mixScratch = nullptr;
// The music whose next mix sits in mixScratch, or null.
constinit const MUSIC* pending = nullptr;

bool Usable(const SAMPLE* s) {
    return s != nullptr && s->values != nullptr && s->length >= 0 && s->length <= s->capacity;
}

// out = ((2 * mix) + (note + mix)) >> 2 over count values, in wrapping
// arithmetic; the sum is formed modulo 2^32, so its grouping does not matter.
void Blend(int32_t* __restrict out, const int32_t* __restrict mix,
           const int32_t* __restrict note, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const auto m = static_cast<uint32_t>(mix[i]);
        out[i] = static_cast<int32_t>((m << 1) + static_cast<uint32_t>(note[i]) + m) >> 2;
    }
}

// The same with no note under these values: three quarters, rounded down.
void Decay(int32_t* __restrict out, const int32_t* __restrict mix, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const auto m = static_cast<uint32_t>(mix[i]);
        out[i] = static_cast<int32_t>((m << 1) + m) >> 2;
    }
}

bool EnsureScratch(int32_t length) {
    if (mixScratch != nullptr && mixScratch->length == length) return true;
    if (mixScratch != nullptr) SAMPLEFree(&mixScratch);
    pending = nullptr;
    mixScratch = SAMPLENew();
    SAMPLESetLength(mixScratch, length);
    if (mixScratch == nullptr || mixScratch->length != length) {
        if (mixScratch != nullptr) SAMPLEFree(&mixScratch);
        return false;
    }
    return true;
}
}  // namespace

// [SECTION] Protocol

MUSIC* MUSICNew() {
    auto* music = static_cast<MUSIC*>(REPORTZeroAlloc(1, sizeof(MUSIC)));
    if (music == nullptr) {
        MUSICError();
        return nullptr;
    }
    music->countdown = 0;
    music->period = MUSIC_PERIOD;
    music->mix = SAMPLENew();
    if (music->mix != nullptr) SAMPLESetLength(music->mix, MUSIC_MIX_LENGTH);
    music->bank = LISTNew();
    if (music->mix == nullptr || music->mix->length != MUSIC_MIX_LENGTH || music->bank == nullptr) {
        if (music->mix != nullptr) SAMPLEFree(&music->mix);
        if (music->bank != nullptr) LISTFree(&music->bank);
        std::free(music);
        MUSICError();
        return nullptr;
    }
    return music;
}

void MUSICFree(MUSIC** ref) {
    if (ref == nullptr || *ref == nullptr) {
        MUSICError();
        return;
    }
    MUSIC* music = *ref;
    if (pending == music) pending = nullptr;
    if (music->mix != nullptr) SAMPLEFree(&music->mix);
    if (music->bank != nullptr) {
        for (int32_t i = music->bank->count - 1; i >= 0; --i) {
            auto* note = static_cast<SAMPLE*>(LISTGet(music->bank, i));
            if (note != nullptr) SAMPLEFree(&note);
        }
        LISTFree(&music->bank);
    }
    std::free(music);
    *ref = nullptr;
}

char* MUSICToASCII(const MUSIC* music) {
    if (music == nullptr) MUSICError();
    return nullptr;
}

MUSIC* MUSICFromASCII(const char* text) {
    if (text == nullptr) MUSICError();
    return nullptr;
}

bool MUSICEqual(const MUSIC* a, const MUSIC* b) {
    if (a == nullptr || b == nullptr) MUSICError();
    return false;
}

MUSIC* MUSICClone(const MUSIC* music) {
    if (music == nullptr) MUSICError();
    return nullptr;
}

void MUSICAddSample(MUSIC* music, SAMPLE* sample) {
    if (music == nullptr || sample == nullptr || music->bank == nullptr) {
        MUSICError();
        return;
    }
    LISTPush(music->bank, sample);
}

// [SECTION] Stepping

bool MUSICPrepare(MUSIC* music) {
    if (music == nullptr || !Usable(music->mix)) {
        MUSICError();
        return false;
    }
    // Wrapping decrement: a caller's period far below zero must not overflow.
    music->countdown = static_cast<int32_t>(static_cast<uint32_t>(music->countdown) - 1u);
    if (music->countdown > 0) return false;
    music->countdown = music->period;

    const int32_t count = music->bank != nullptr ? music->bank->count : 0;
    if (count <= 0) {  // nothing to play: no draws, the mix stays as it is
        MUSICError();
        return false;
    }
    const int32_t length = music->mix->length;
    if (!EnsureScratch(length)) {
        MUSICError();
        return false;
    }

    const int32_t r0 = RNGDraw();
    const int32_t r1 = RNGDraw();
    const int32_t r2 = RNGDraw();
    const int32_t r3 = RNGDraw();
    const int32_t r4 = RNGDraw();
    const int32_t index = r0 % count;
    int32_t offset = (r1 % 2) * (length >> 1) + (r2 % 2) * (length >> 2) +
                     (r3 % 2) * (length >> 3) + (r4 % 2) * (length >> 4);

    const auto* note = static_cast<const SAMPLE*>(LISTGet(music->bank, index));
    if (!Usable(note)) return false;  // a null entry in the bank: nothing to place

    // The note, cut to the loop's length, starts at offset and wraps round the
    // end. Positions by segment:
    //   [0, wrapEnd)        the note's tail, from note index length - offset
    //   [wrapEnd, offset)   no note
    //   [offset, noteEnd)   the note's head, from note index 0
    //   [noteEnd, length)   no note
    // This is "clear, add the note, rotate right by offset, add the mix,
    // shift-add-shift" in one pass, written to the scratch.
    int32_t* out = mixScratch->values;
    const int32_t* mix = music->mix->values;
    if (length > 0) {
        offset %= length;
        const int32_t n = std::min(note->length, length);
        const int32_t wrapEnd = static_cast<int32_t>(std::max<int64_t>(0, int64_t{offset} + n - length));
        const int32_t noteEnd = static_cast<int32_t>(std::min<int64_t>(length, int64_t{offset} + n));
        if (wrapEnd > 0) Blend(out, mix, note->values + (length - offset), wrapEnd);
        Decay(out + wrapEnd, mix + wrapEnd, offset - wrapEnd);
        Blend(out + offset, mix + offset, note->values, noteEnd - offset);
        Decay(out + noteEnd, mix + noteEnd, length - noteEnd);
    }
    pending = music;
    return true;
}

bool MUSICCommit(MUSIC* music) {
    if (music == nullptr || !Usable(music->mix)) {
        MUSICError();
        return false;
    }
    if (pending != music) return false;  // nothing prepared for this music
    pending = nullptr;
    if (mixScratch == nullptr || mixScratch->length != music->mix->length) {
        MUSICError();  // the mix changed length since it was prepared
        return false;
    }
    std::memcpy(music->mix->values, mixScratch->values,
                static_cast<size_t>(music->mix->length) * sizeof(int32_t));
    return true;
}

void MUSICStep(MUSIC* music) {
    if (MUSICPrepare(music)) MUSICCommit(music);
}
