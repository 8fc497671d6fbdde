// The sound bank against values computed apart from the code under test: a
// short script followed the recipe from the formulas (the tone table from the
// sine, the tones' phase walk, the sums and shifts, the fade's gain steps) for
// the run's seed, whose 32 draws give the fundamentals 363, 297, 136, ...;
// its results are pasted below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "core/list.h"
#include "core/rng.h"
#include "demo/moxa7730.h"
#include "sound/music.h"
#include "sound/sample.h"

namespace {

struct Pinned {
    int32_t note;       // index in the bank
    int32_t f;          // its fundamental, for the record
    int32_t at[6];      // values 1, 2, 100, 1000, 11025 and 22049
    int32_t max, min;
    uint32_t sum;       // sum of the values, modulo 2^32
    uint32_t weighted;  // sum of (index + 1) * value, modulo 2^32
};

constexpr int32_t kAt[6] = {1, 2, 100, 1000, 11025, 22049};

// clang-format off
constexpr Pinned kPinned[] = {
    {0, 363, {3373, 6666, -13236, 13810, -8192, -1}, 22490, -22355, 0x66968u, 0xf7056ca3u},
    {15, 523, {4230, 8219, 5232, -10729, -4097, -1}, 18279, -18163, 0x2b328u, 0xf702481eu},
    {23, 115, {1071, 2142, 17351, 1133, -8192, -1}, 22463, -22147, 0x14bf3du, 0xf71e05b3u},
    {31, 276, {2569, 5103, -3615, 16441, 0, -1}, 22473, -22337, 0x8820cu, 0xf7027ec8u},
};
// clang-format on

void BuildBank() {
    if (music != nullptr) MUSICFree(&music);
    RNGSeed(RNG_DEMO_SEED);
    MOXA7730BuildSoundBank();
}

TEST(SoundBankValues, NotesMatchValuesWorkedOutApart) {
    BuildBank();
    ASSERT_NE(music, nullptr);
    ASSERT_EQ(music->bank->count, BANK_SIZE);
    for (const Pinned& p : kPinned) {
        SCOPED_TRACE(p.note);
        const auto* note = static_cast<const SAMPLE*>(LISTGet(music->bank, p.note));
        ASSERT_NE(note, nullptr);
        ASSERT_EQ(note->length, BANK_NOTE_LENGTH);
        const int32_t* v = note->values;
        EXPECT_EQ(v[0], 0);  // every tone starts at phase 0
        for (int k = 0; k < 6; ++k) EXPECT_EQ(v[kAt[k]], p.at[k]) << "value " << kAt[k];
        EXPECT_EQ(*std::max_element(v, v + note->length), p.max);
        EXPECT_EQ(*std::min_element(v, v + note->length), p.min);
        uint32_t sum = 0;
        uint32_t weighted = 0;
        for (int32_t i = 0; i < note->length; ++i) {
            sum += static_cast<uint32_t>(v[i]);
            weighted += static_cast<uint32_t>(i + 1) * static_cast<uint32_t>(v[i]);
        }
        EXPECT_EQ(sum, p.sum);
        EXPECT_EQ(weighted, p.weighted);
    }
}

TEST(SoundBankValues, FirstMusicStepMixesNote23AtAQuarter) {
    // The run's draws after the bank: scene A's two choices, then the first
    // music step places note 23 at 55000 at a quarter of its level.
    BuildBank();
    (void)RNGDraw();
    (void)RNGDraw();
    MOXA7730MusicStep();
    const SAMPLE* mix = music->mix;
    ASSERT_EQ(mix->length, 80000);
    EXPECT_EQ(mix->values[55001], 1071 >> 2);
    EXPECT_EQ(mix->values[55002], 2142 >> 2);
    EXPECT_EQ(mix->values[55100], 17351 >> 2);
    EXPECT_EQ(mix->values[56000], 1133 >> 2);
    EXPECT_EQ(mix->values[55000 + 11025], -8192 >> 2);
    EXPECT_EQ(mix->values[55000 + 22049], -1);
}

}  // namespace
