#include "sound/music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "tests/support/test_support.h"
#include "tests/support/sample_values.h"

namespace {
using Music = Owned<MUSIC, MUSICFree>;

// A music whose loop is `length` values long, all 0, with the given notes.
MUSIC* Small(int32_t length, std::initializer_list<SAMPLE*> notes) {
    MUSIC* m = MUSICNew();
    SAMPLESetLength(m->mix, length);
    for (SAMPLE* n : notes) MUSICAddSample(m, n);
    return m;
}

template <typename F>
uint64_t Reports(F f) {
    const uint64_t before = REPORTCount();
    f();
    return REPORTCount() - before;
}

// Seeds whose five draws place a note at a known offset. The offset is one
// of 16 multiples of L/16 picked by the low bits of draws 1..4; the note is
// draw 0 modulo the bank's size.
constexpr uint32_t kSeedOffset0 = 27;        // L/16 multiple 0, note 0 of 2
constexpr uint32_t kSeedOffset14 = 5;        // 14, note 0 of 2
constexpr uint32_t kSeedOffset15 = 63;       // 15, note 0 of 2
constexpr uint32_t kSeedOffset3Note1 = 70;   // 3, note 1 of 2
}  // namespace

TEST(Music, IdentityRecordHasAuthorBeforeDate) {
    EXPECT_STREQ(MUSIC_IDENTITY[0], "MUSIC   ");
    EXPECT_STREQ(MUSIC_IDENTITY[1], "Vaskoril");
    EXPECT_STREQ(MUSIC_IDENTITY[2], "20120601");
    EXPECT_STREQ(MUSIC_IDENTITY[3], "C       ");
    EXPECT_STREQ(MUSIC_IDENTITY[4], "CODE    ");
}

TEST(Music, NewAndFree) {
    MUSIC* m = MUSICNew();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->countdown, 0);
    EXPECT_EQ(m->period, 10);
    ASSERT_NE(m->mix, nullptr);
    EXPECT_EQ(m->mix->length, 80000);
    EXPECT_EQ(SAMPLEMax(m->mix), 0);
    EXPECT_EQ(SAMPLEMin(m->mix), 0);
    ASSERT_NE(m->bank, nullptr);
    EXPECT_EQ(m->bank->count, 0);
    MUSICAddSample(m, Make({1}));
    MUSICAddSample(m, Make({2, 3}));
    EXPECT_EQ(m->bank->count, 2);
    MUSICFree(&m);  // frees the notes too (the leak checker would tell)
    EXPECT_EQ(m, nullptr);
    EXPECT_EQ(Reports([&] { MUSICFree(&m); }), 1u);
}

TEST(Music, NullArgumentsAndStubs) {
    Music m(MUSICNew());
    SAMPLE* orphan = Make({1});
    StdoutCapture out;
    EXPECT_EQ(Reports([&] {
                  MUSICFree(nullptr);
                  EXPECT_EQ(MUSICToASCII(nullptr), nullptr);
                  EXPECT_EQ(MUSICFromASCII(nullptr), nullptr);
                  EXPECT_FALSE(MUSICEqual(nullptr, m.get()));
                  EXPECT_EQ(MUSICClone(nullptr), nullptr);
                  MUSICAddSample(nullptr, orphan);
                  MUSICAddSample(m.get(), nullptr);
                  EXPECT_FALSE(MUSICPrepare(nullptr));
                  EXPECT_FALSE(MUSICCommit(nullptr));
                  MUSICStep(nullptr);
              }),
              10u);
    EXPECT_EQ(out.Take(), "");
    EXPECT_EQ(MUSICToASCII(m.get()), nullptr);
    EXPECT_EQ(MUSICFromASCII("MUSIC"), nullptr);
    EXPECT_FALSE(MUSICEqual(m.get(), m.get()));
    EXPECT_EQ(MUSICClone(m.get()), nullptr);
    EXPECT_EQ(m->bank->count, 0);
    SAMPLEFree(&orphan);
}

TEST(Music, StepsAtOnceThenEveryPeriod) {
    Music m(Small(16, {Make({4})}));
    m->period = 3;
    RNGSeed(1);
    std::vector<int> stepped;
    for (int call = 1; call <= 10; ++call) {
        const uint32_t before = RNGState();
        MUSICStep(m.get());
        if (RNGState() != before) stepped.push_back(call);
    }
    EXPECT_EQ(stepped, (std::vector<int>{1, 4, 7, 10}));
}

TEST(Music, PeriodChangeWaitsForTheCountdown) {
    Music m(Small(16, {Make({4})}));
    std::vector<int> stepped;
    for (int call = 1; call <= 16; ++call) {
        if (MUSICPrepare(m.get())) {
            stepped.push_back(call);
            EXPECT_TRUE(MUSICCommit(m.get()));
        }
        if (call == 2) m->period = 2;  // the 10-step countdown still runs out first
    }
    EXPECT_EQ(stepped, (std::vector<int>{1, 11, 13, 15}));
}

TEST(Music, PlacesTheNoteAtTheDrawnOffset) {
    // Notes of 4k so that a quarter of them reads back as k.
    {
        Music m(Small(16, {Make({4, 8, 12, 16}), Make({40, 80})}));
        RNGSeed(kSeedOffset0);
        MUSICStep(m.get());
        EXPECT_EQ(Of(m->mix), (Values{1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
    {
        Music m(Small(16, {Make({4, 8, 12, 16}), Make({40, 80})}));
        RNGSeed(kSeedOffset3Note1);
        MUSICStep(m.get());
        EXPECT_EQ(Of(m->mix), (Values{0, 0, 0, 10, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
    {
        // Offset 14: the note's tail wraps round to the start of the loop.
        Music m(Small(16, {Make({4, 8, 12, 16}), Make({40, 80})}));
        RNGSeed(kSeedOffset14);
        MUSICStep(m.get());
        EXPECT_EQ(Of(m->mix), (Values{3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2}));
    }
    {
        // A note longer than the loop is cut to the loop's length.
        SAMPLE* longNote = SAMPLENew();
        SAMPLESetLength(longNote, 20);
        for (int32_t k = 0; k < 20; ++k) longNote->values[k] = 4 * (k + 1);
        Music m(Small(16, {longNote}));
        RNGSeed(kSeedOffset14);
        MUSICStep(m.get());
        EXPECT_EQ(Of(m->mix), (Values{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1, 2}));
    }
}

TEST(Music, NoteNearTheEndOfTheFullLoopWraps) {
    SAMPLE* note = SAMPLENew();
    SAMPLESetLength(note, 22050);
    for (int32_t k = 0; k < 22050; ++k) note->values[k] = 4 * (k + 1);
    Music m(MUSICNew());
    MUSICAddSample(m.get(), note);
    RNGSeed(kSeedOffset15);  // 15 * 5000 = 75000
    MUSICStep(m.get());
    const int32_t* mix = m->mix->values;
    EXPECT_EQ(mix[74999], 0);
    EXPECT_EQ(mix[75000], 1);
    EXPECT_EQ(mix[79999], 5000);
    EXPECT_EQ(mix[0], 5001);
    EXPECT_EQ(mix[17049], 22050);
    EXPECT_EQ(mix[17050], 0);
}

TEST(Music, LoopDecaysByThreeQuarters) {
    // An empty note adds nothing: every value becomes (2v + v) >> 2, rounded
    // down, with the sums wrapping.
    Music m(Small(10, {SAMPLENew()}));
    const Values start{7, -7, 4, -4, 1, -1, 0, INT32_MAX, INT32_MIN, 32766};
    std::copy(start.begin(), start.end(), m->mix->values);
    MUSICStep(m.get());
    EXPECT_EQ(Of(m->mix), (Values{5, -6, 3, -3, 0, -1, 0, 536870911, -536870912, 24574}));

    // Old loop and new note together: ((2 * 8) + (4 + 8)) >> 2 = 7.
    Music both(Small(4, {Make({4, 4, 4, 4})}));
    std::fill(both->mix->values, both->mix->values + 4, 8);
    MUSICStep(both.get());
    EXPECT_EQ(Of(both->mix), (Values{7, 7, 7, 7}));
}

TEST(Music, EmptyBankKeepsTheRhythmButDrawsNothing) {
    Music m(Small(16, {}));
    std::fill(m->mix->values, m->mix->values + 16, 100);
    RNGSeed(9);
    EXPECT_EQ(Reports([&] { MUSICStep(m.get()); }), 1u);
    EXPECT_EQ(RNGState(), 9u);
    EXPECT_EQ(m->countdown, 10);  // reset as for any due step
    EXPECT_EQ(Of(m->mix), Values(16, 100));
    EXPECT_EQ(Reports([&] { MUSICStep(m.get()); }), 0u);  // not due: nothing to say
    EXPECT_EQ(m->countdown, 9);
}

TEST(Music, CommitIsTheOnlyWriteToTheMix) {
    Music a(Small(16, {Make({4, 8, 12, 16})}));
    Music b(Small(16, {Make({4, 8, 12, 16})}));
    RNGSeed(kSeedOffset0);
    ASSERT_TRUE(MUSICPrepare(a.get()));
    EXPECT_EQ(Of(a->mix), Values(16, 0));  // prepared, not yet visible
    EXPECT_FALSE(MUSICCommit(b.get()));    // prepared for a, not for b
    EXPECT_EQ(Of(b->mix), Values(16, 0));
    EXPECT_TRUE(MUSICCommit(a.get()));
    EXPECT_EQ(Of(a->mix), (Values{1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(MUSICCommit(a.get()));  // nothing left to commit

    // A music freed with a prepared mix leaves nothing behind to commit.
    MUSIC* gone = Small(16, {Make({4})});
    ASSERT_TRUE(MUSICPrepare(gone));
    MUSICFree(&gone);
    EXPECT_FALSE(MUSICCommit(b.get()));

    // A mix whose length changed between the halves is not overwritten.
    ASSERT_TRUE(MUSICPrepare(b.get()));
    SAMPLESetLength(b->mix, 8);
    EXPECT_EQ(Reports([&] { EXPECT_FALSE(MUSICCommit(b.get())); }), 1u);
}
