#include "sound/sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/report.h"
#include "core/rng.h"
#include "tests/support/test_support.h"

namespace {
using Sample = Owned<SAMPLE, SAMPLEFree>;
using Values = std::vector<int32_t>;

SAMPLE* Filled(int32_t length, int32_t value) {
    SAMPLE* s = SAMPLENew();
    SAMPLESetLength(s, length);
    std::fill(s->values, s->values + length, value);
    return s;
}

Values Of(const SAMPLE* s) { return Values(s->values, s->values + s->length); }

template <typename F>
uint64_t Reports(F f) {
    const uint64_t before = REPORTCount();
    f();
    return REPORTCount() - before;
}
}  // namespace

TEST(Sound, IdentityRecord) {
    EXPECT_STREQ(SOUND_IDENTITY[0], "SOUND   ");
    EXPECT_STREQ(SOUND_IDENTITY[1], "20120707");
    EXPECT_STREQ(SOUND_IDENTITY[2], "Vaskoril");
    EXPECT_STREQ(SOUND_IDENTITY[3], "C       ");
    EXPECT_STREQ(SOUND_IDENTITY[4], "CODE    ");
}

TEST(Sound, RefusedArgumentsChangeNothing) {
    Sample empty(SAMPLENew());
    Sample s(Filled(4, 9));
    StdoutCapture out;
    EXPECT_EQ(Reports([&] {
                  EXPECT_EQ(SOUNDToASCII(nullptr), nullptr);
                  SOUNDSine(nullptr, 440);
                  SOUNDSquare(nullptr, 440);
                  SOUNDNoise(nullptr);
                  SOUNDFadeOut(nullptr);
                  SOUNDFadeIn(nullptr);
                  SOUNDFadeOut(empty.get());  // the gain step would divide by the length
                  SOUNDFadeIn(empty.get());
                  SOUNDSine(s.get(), 0);
                  SOUNDSine(s.get(), -440);
                  SOUNDSquare(s.get(), 0);
                  SOUNDSquare(s.get(), INT32_MAX);  // a period of less than 1/32768 value
              }),
              12u);
    EXPECT_EQ(out.Take(), "");
    EXPECT_EQ(Of(s.get()), (Values{9, 9, 9, 9}));
    EXPECT_EQ(SOUNDToASCII(s.get()), nullptr);
    // Generators on an empty sample are no-ops, not errors.
    EXPECT_EQ(Reports([&] {
                  SOUNDSine(empty.get(), 440);
                  SOUNDSquare(empty.get(), 440);
                  SOUNDNoise(empty.get());
              }),
              0u);
}

TEST(Sound, ToneTableIsOneSinePeriod) {
    const SAMPLE* t = SOUNDToneTable();
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->length, 44100);
    const int32_t* v = t->values;
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 4);
    EXPECT_EQ(v[100], 466);
    EXPECT_EQ(v[5000], 21417);
    EXPECT_EQ(v[11024], 32766);
    EXPECT_EQ(v[11025], 32766);  // just under 1: the widened single-precision pi/2
    EXPECT_EQ(v[11026], 32766);
    EXPECT_EQ(v[22050], 0);
    EXPECT_EQ(v[22051], -4);
    EXPECT_EQ(v[33075], -32766);
    EXPECT_EQ(v[44099], -4);
    EXPECT_EQ(*std::max_element(v, v + 44100), 32766);
    EXPECT_EQ(*std::min_element(v, v + 44100), -32766);
    EXPECT_EQ(SOUNDToneTable(), t);  // built once
}

TEST(Sound, SineReadsTheTableAtTheFrequency) {
    Sample one(Filled(44100, 5));
    SOUNDSine(one.get(), 1);
    EXPECT_TRUE(SAMPLEEqual(one.get(), SOUNDToneTable()));

    Sample a(Filled(1000, 5));
    SOUNDSine(a.get(), 441);  // 100 values per period
    for (int32_t p = 0; p < 1000; p += 100) {
        EXPECT_EQ(a->values[p], 0);
        EXPECT_EQ(a->values[p + 25], 32766);
        EXPECT_EQ(a->values[p + 50], 0);
        EXPECT_EQ(a->values[p + 75], -32766);
    }
    EXPECT_EQ(a->values[1], 2057);  // table entry 441

    // Above the output rate the tone folds back: 44101 reads like 1, 88200 like 0.
    Sample folded(Filled(44100, 5));
    SOUNDSine(folded.get(), 44101);
    EXPECT_TRUE(SAMPLEEqual(folded.get(), SOUNDToneTable()));
    SOUNDSine(folded.get(), 88200);
    EXPECT_EQ(*std::max_element(folded->values, folded->values + 44100), 0);
    EXPECT_EQ(*std::min_element(folded->values, folded->values + 44100), 0);
}

TEST(Sound, SinePhaseWrapsWhereThePeriodDoesNotDivideTheTable) {
    // Value i reads entry (i * f) mod 44100: the phase keeps its remainder at
    // every wrap. 1000 and 997 do not divide 44100, so their periods start at
    // a different entry each time; two table periods cover many wraps.
    const SAMPLE* table = SOUNDToneTable();
    ASSERT_NE(table, nullptr);
    for (const int32_t f : {1000, 997, 30001}) {
        SCOPED_TRACE(f);
        Sample s(Filled(88200, 5));
        SOUNDSine(s.get(), f);
        int32_t wrong = 0;
        for (int64_t i = 0; i < 88200; ++i) {
            const int64_t entry = (i * f) % 44100;
            if (s->values[i] != table->values[entry] && wrong++ < 3) {
                ADD_FAILURE() << "value " << i << " is not entry " << entry;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    // By hand for 1000: value 45 reads entry 45000 - 44100 = 900, value 89
    // entry 89000 - 88200 = 800, value 44100 entry 0 again.
    Sample k(Filled(44101, 5));
    SOUNDSine(k.get(), 1000);
    EXPECT_EQ(k->values[45], table->values[900]);
    EXPECT_EQ(k->values[89], table->values[800]);
    EXPECT_EQ(k->values[44100], 0);
}

TEST(Sound, SquareWritesWholePeriods) {
    Sample s(Filled(25, 7));
    SOUNDSquare(s.get(), 4410);  // exactly 10 values per period
    EXPECT_EQ(Of(s.get()),
              (Values{32767, 32767, 32767, 32767, 32767, 0, -32768, -32768, -32768, 0,  //
                      32767, 32767, 32767, 32767, 32767, 0, -32768, -32768, -32768, 0,  //
                      7, 7, 7, 7, 7}));  // no third whole period: left as it was

    // Periods shorter than one value must stay inside the sample.
    Sample fast(Filled(4, 7));
    SOUNDSquare(fast.get(), 88200);
    for (int32_t v : Of(fast.get())) EXPECT_TRUE(v == 32767 || v == 0 || v == -32768) << v;
}

TEST(Sound, NoiseDrawsOncePerValueFromTheEnd) {
    RNGSeed(1234);
    const int32_t d0 = RNGDraw();
    const int32_t d1 = RNGDraw();
    const int32_t d2 = RNGDraw();
    const uint32_t after = RNGState();

    RNGSeed(1234);
    Sample s(Filled(3, 0));
    SOUNDNoise(s.get());
    EXPECT_EQ(RNGState(), after);  // advanced by exactly the length
    EXPECT_EQ(Of(s.get()), (Values{d2 - 32768, d1 - 32768, d0 - 32768}));
    for (int32_t v : Of(s.get())) {
        EXPECT_GE(v, -32768);
        EXPECT_LE(v, -1);
    }
}

TEST(Sound, FadesRunTheGainAcrossTheLength) {
    Sample out(Filled(22050, 32767));
    SOUNDFadeOut(out.get());
    EXPECT_EQ(out->values[0], 32767);  // unity gain first
    EXPECT_EQ(out->values[1], 32766);
    EXPECT_EQ(out->values[22048], 3);
    EXPECT_EQ(out->values[22049], 2);
    EXPECT_TRUE(std::is_sorted(out->values, out->values + 22050, std::greater<int32_t>()));

    Sample neg(Filled(22050, -32768));
    SOUNDFadeOut(neg.get());
    EXPECT_EQ(neg->values[0], -32768);
    EXPECT_EQ(neg->values[22049], -3);  // arithmetic shift rounds toward minus infinity

    Sample in(Filled(22050, 32767));
    SOUNDFadeIn(in.get());
    EXPECT_EQ(in->values[0], 0);
    EXPECT_EQ(in->values[22049], 32764);
    EXPECT_TRUE(std::is_sorted(in->values, in->values + 22050));

    // Three values: the gain moves by 0x40000000 / 3 >> 15 = 10922 per value.
    Sample three(Filled(3, 1000));
    SOUNDFadeOut(three.get());
    EXPECT_EQ(Of(three.get()), (Values{1000, 666, 333}));
    Sample threeIn(Filled(3, 1000));
    SOUNDFadeIn(threeIn.get());
    EXPECT_EQ(Of(threeIn.get()), (Values{0, 333, 666}));
    Sample single(Filled(1, 1000));
    SOUNDFadeOut(single.get());
    EXPECT_EQ(Of(single.get()), (Values{1000}));
}

// The demo's sound bank: one draw per note right after seeding, each note a
// chord of f, 2f and 4f under a fade.
TEST(Sound, BankFundamentalsAndNoteRange) {
    RNGSeed(0xB1751415u);
    std::vector<int32_t> fundamentals;
    for (int32_t n = 0; n < 32; ++n) fundamentals.push_back((RNGDraw() & 0x1FF) + 16);
    EXPECT_EQ(fundamentals, (std::vector<int32_t>{363, 297, 136, 466, 51,  264, 141, 34,
                                                  105, 49,  500, 133, 431, 76,  21,  523,
                                                  424, 517, 62,  214, 440, 446, 410, 115,
                                                  524, 128, 87,  107, 475, 312, 519, 276}));

    Sample scratch(Filled(22050, 0));
    for (int32_t f : fundamentals) {
        SCOPED_TRACE(f);
        Sample note(Filled(22050, 0));
        SOUNDSine(note.get(), f);
        SAMPLEAdd(note.get(), note.get());
        SAMPLEShiftRight(note.get(), f >> 9);
        SOUNDSine(scratch.get(), 2 * f);
        SAMPLEShiftRight(scratch.get(), 0);
        SAMPLEAdd(note.get(), scratch.get());
        SOUNDSine(scratch.get(), 4 * f);
        SAMPLEShiftRight(scratch.get(), 0);
        SAMPLEAdd(note.get(), scratch.get());
        SAMPLEShiftRight(note.get(), 2);
        SOUNDFadeOut(note.get());
        const int32_t limit = f >= 512 ? 24574 : 32766;
        EXPECT_LE(SAMPLEMax(note.get()), limit);
        EXPECT_GE(SAMPLEMin(note.get()), -limit);
        EXPECT_EQ(note->values[0], 0);  // every sine starts at phase 0
    }
}
