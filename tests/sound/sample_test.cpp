#include "sound/sample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/report.h"
#include "tests/support/test_support.h"
#include "tests/support/sample_values.h"

namespace {
using Sample = Owned<SAMPLE, SAMPLEFree>;

std::string Text(const SAMPLE* s) {
    char* t = SAMPLEToASCII(s);
    std::string out = t != nullptr ? t : "<null>";
    std::free(t);
    return out;
}

// Counts the error reports raised while running f.
template <typename F>
uint64_t Reports(F f) {
    const uint64_t before = REPORTCount();
    f();
    return REPORTCount() - before;
}

std::vector<uint8_t> Written(const SAMPLE* s, int32_t bits, char order, int32_t* count = nullptr) {
    FILE* f = std::tmpfile();
    const int32_t n = SAMPLEWrite(s, f, bits, order);
    if (count != nullptr) *count = n;
    std::vector<uint8_t> bytes(static_cast<size_t>(std::ftell(f)));
    std::rewind(f);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
    std::fclose(f);
    return bytes;
}

SAMPLE* ReadBytes(const std::vector<uint8_t>& bytes, int32_t bits, char order, char sign) {
    FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    SAMPLE* s = SAMPLERead(f, bits, order, sign);
    std::fclose(f);
    return s;
}
}  // namespace

TEST(Sample, IdentityRecord) {
    EXPECT_STREQ(SAMPLE_IDENTITY[0], "SAMPLE  ");
    EXPECT_STREQ(SAMPLE_IDENTITY[1], "20120516");
    EXPECT_STREQ(SAMPLE_IDENTITY[2], "Vaskoril");
    EXPECT_STREQ(SAMPLE_IDENTITY[3], "C       ");
    EXPECT_STREQ(SAMPLE_IDENTITY[4], "CODE    ");
}

TEST(Sample, NullArgumentsAreRefusedWithAReport) {
    SAMPLE* none = nullptr;
    Sample ok(Make({1, 2}));
    StdoutCapture out;  // the switch is off: nothing may be printed
    EXPECT_EQ(Reports([&] { SAMPLEFree(nullptr); }), 1u);
    EXPECT_EQ(Reports([&] { SAMPLEFree(&none); }), 1u);
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLEToASCII(nullptr), nullptr); }), 1u);
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLEFromASCII(nullptr), nullptr); }), 1u);
    EXPECT_EQ(Reports([&] { EXPECT_FALSE(SAMPLEEqual(nullptr, ok.get())); }), 1u);
    EXPECT_EQ(Reports([&] { EXPECT_FALSE(SAMPLEEqual(ok.get(), nullptr)); }), 1u);
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLEClone(nullptr), nullptr); }), 1u);
    EXPECT_EQ(Reports([&] {
                  SAMPLEReserve(nullptr, 4);
                  SAMPLESetLength(nullptr, 4);
                  EXPECT_EQ(SAMPLEGet(nullptr, 0), 0);
                  SAMPLESet(nullptr, 0, 1);
                  SAMPLEClear(nullptr);
                  SAMPLECopyRange(nullptr, ok.get(), 1, 0, 0);
                  SAMPLECopyRange(ok.get(), nullptr, 1, 0, 0);
                  SAMPLEInsert(nullptr, ok.get(), 0);
                  SAMPLEInsert(ok.get(), nullptr, 0);
                  EXPECT_EQ(SAMPLESub(nullptr, 0, 1), nullptr);
                  EXPECT_EQ(SAMPLEInsertValue(nullptr, 5, 0), 0);
                  EXPECT_EQ(SAMPLERemove(nullptr, 0), 0);
                  EXPECT_EQ(SAMPLEFind(nullptr, 1, 0), -1);
              }),
              13u);
    EXPECT_EQ(Reports([&] {
                  SAMPLEAdd(nullptr, ok.get());
                  SAMPLEAdd(ok.get(), nullptr);
                  SAMPLEMul(nullptr, ok.get());
                  SAMPLEMul(ok.get(), nullptr);
                  SAMPLEScale(nullptr, 2);
                  SAMPLEShiftRight(nullptr, 1);
                  SAMPLEShiftLeft(nullptr, 1);
                  SAMPLERotateLeft(nullptr, 1);
                  SAMPLERotateRight(nullptr, 1);
                  SAMPLEReverse(nullptr);
                  EXPECT_EQ(SAMPLEMin(nullptr), 0);
                  EXPECT_EQ(SAMPLEMax(nullptr), 0);
                  SAMPLEMapRange(nullptr, 0, 1);
                  EXPECT_EQ(SAMPLEResample(nullptr, 4), 0);
                  EXPECT_EQ(SAMPLEMatches(nullptr, ok.get(), 0), 0);
                  EXPECT_EQ(SAMPLEBestOffset(ok.get(), nullptr), 0);
                  EXPECT_EQ(SAMPLERead(nullptr, 16, 'l', 's'), nullptr);
                  EXPECT_EQ(SAMPLEWrite(nullptr, stdout, 16, 'l'), 0);
                  EXPECT_EQ(SAMPLEWrite(ok.get(), nullptr, 16, 'l'), 0);
              }),
              19u);
    EXPECT_EQ(out.Take(), "");
    EXPECT_EQ(Of(ok.get()), (Values{1, 2}));
}

TEST(Sample, LifeCycle) {
    Sample s(SAMPLENew());
    ASSERT_NE(s.get(), nullptr);
    EXPECT_EQ(s->length, 0);
    EXPECT_EQ(s->capacity, 32);

    SAMPLE* raw = Make({4, 5, 6});
    SAMPLE* copy = SAMPLEClone(raw);
    EXPECT_TRUE(SAMPLEEqual(raw, copy));
    EXPECT_EQ(copy->capacity, 3);
    copy->values[2] = 7;
    EXPECT_FALSE(SAMPLEEqual(raw, copy));
    copy->length = 2;
    EXPECT_FALSE(SAMPLEEqual(raw, copy));  // same prefix, other length
    SAMPLEFree(&raw);
    EXPECT_EQ(raw, nullptr);
    EXPECT_EQ(Reports([&] { SAMPLEFree(&raw); }), 1u);  // a second free only reports
    SAMPLEFree(&copy);

    Sample empty(SAMPLENew());
    Sample emptyCopy(SAMPLEClone(empty.get()));
    EXPECT_EQ(emptyCopy->capacity, 32);
    EXPECT_TRUE(SAMPLEEqual(empty.get(), emptyCopy.get()));
}

TEST(Sample, SizeAndElementAccess) {
    Sample s(Make({1, 2, 3, 4}));
    SAMPLESetLength(s.get(), 2);
    EXPECT_EQ(s->capacity, 32);
    SAMPLESetLength(s.get(), 4);  // inside the capacity: the old values come back
    EXPECT_EQ(Of(s.get()), (Values{1, 2, 3, 4}));

    SAMPLEReserve(s.get(), 3);  // a smaller capacity truncates
    EXPECT_EQ(s->capacity, 3);
    EXPECT_EQ(Of(s.get()), (Values{1, 2, 3}));
    SAMPLESetLength(s.get(), 5);  // past the capacity: new values are zero
    EXPECT_EQ(s->capacity, 5);
    EXPECT_EQ(Of(s.get()), (Values{1, 2, 3, 0, 0}));

    EXPECT_EQ(Reports([&] {
                  SAMPLEReserve(s.get(), 0);
                  SAMPLESetLength(s.get(), -1);
                  EXPECT_EQ(SAMPLEGet(s.get(), 5), 0);
                  EXPECT_EQ(SAMPLEGet(s.get(), -1), 0);
                  SAMPLESet(s.get(), 5, 9);
              }),
              5u);
    EXPECT_EQ(s->capacity, 5);
    EXPECT_EQ(SAMPLEGet(s.get(), 2), 3);
    SAMPLESet(s.get(), 4, -9);
    EXPECT_EQ(SAMPLEGet(s.get(), 4), -9);
    SAMPLEClear(s.get());
    EXPECT_EQ(Of(s.get()), (Values{0, 0, 0, 0, 0}));
}

TEST(Sample, CopyRangeIsOverlapSafe) {
    Sample up(Make({1, 2, 3, 4, 5, 6}));
    SAMPLECopyRange(up.get(), up.get(), 3, 0, 2);  // destination inside the source range
    EXPECT_EQ(Of(up.get()), (Values{1, 2, 1, 2, 3, 6}));

    Sample down(Make({1, 2, 3, 4, 5, 6}));
    SAMPLECopyRange(down.get(), down.get(), 3, 2, 0);
    EXPECT_EQ(Of(down.get()), (Values{3, 4, 5, 4, 5, 6}));

    Sample other(Make({0, 0, 0}));
    SAMPLECopyRange(down.get(), other.get(), 2, 4, 1);
    EXPECT_EQ(Of(other.get()), (Values{0, 5, 6}));
    SAMPLECopyRange(down.get(), other.get(), 0, 6, 3);  // empty range at both ends: fine
    EXPECT_EQ(Reports([&] {
                  SAMPLECopyRange(down.get(), other.get(), 2, 5, 0);  // source runs past 6
                  SAMPLECopyRange(down.get(), other.get(), 2, 0, 2);  // destination runs past 3
                  SAMPLECopyRange(down.get(), other.get(), 1, -1, 0);
                  SAMPLECopyRange(down.get(), other.get(), 1, 0, -1);
                  SAMPLECopyRange(down.get(), other.get(), -1, 0, 0);
                  SAMPLECopyRange(down.get(), other.get(), INT32_MAX, 2, 0);  // sum overflows int32
              }),
              6u);
    EXPECT_EQ(Of(other.get()), (Values{0, 5, 6}));
}

TEST(Sample, InsertSubInsertValueRemoveFind) {
    Sample dst(Make({1, 2, 3}));
    Sample src(Make({8, 9}));
    SAMPLEInsert(dst.get(), src.get(), 1);
    EXPECT_EQ(Of(dst.get()), (Values{1, 8, 9, 2, 3}));
    EXPECT_EQ(dst->capacity, 5);
    SAMPLEInsert(dst.get(), src.get(), 5);  // at the end
    EXPECT_EQ(Of(dst.get()), (Values{1, 8, 9, 2, 3, 8, 9}));
    EXPECT_EQ(Reports([&] { SAMPLEInsert(dst.get(), src.get(), 8); }), 1u);

    Sample self(Make({1, 2}));
    SAMPLEInsert(self.get(), self.get(), 1);
    EXPECT_EQ(Of(self.get()), (Values{1, 1, 2, 2}));

    Sample s(Make({1, 2, 3, 4}));
    Sample head(SAMPLESub(s.get(), -5, 2));
    EXPECT_EQ(Of(head.get()), (Values{1, 2}));
    Sample tail(SAMPLESub(s.get(), 3, 99));
    EXPECT_EQ(Of(tail.get()), (Values{4}));
    Sample none(SAMPLESub(s.get(), 2, 2));
    EXPECT_EQ(none->length, 0);
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLESub(s.get(), 3, 1), nullptr); }), 1u);

    Sample full(SAMPLENew());
    SAMPLESetLength(full.get(), 32);
    EXPECT_EQ(SAMPLEInsertValue(full.get(), 77, 0), 77);
    EXPECT_EQ(full->capacity, 64);  // doubled when full
    EXPECT_EQ(full->length, 33);
    EXPECT_EQ(full->values[0], 77);
    EXPECT_EQ(full->values[1], 0);
    EXPECT_EQ(SAMPLEInsertValue(s.get(), -6, 4), -6);  // append
    EXPECT_EQ(Of(s.get()), (Values{1, 2, 3, 4, -6}));
    EXPECT_EQ(Reports([&] { SAMPLEInsertValue(s.get(), 1, 6); }), 1u);

    EXPECT_EQ(SAMPLERemove(s.get(), 0), 4);
    EXPECT_EQ(Of(s.get()), (Values{2, 3, 4, -6}));
    EXPECT_EQ(SAMPLERemove(s.get(), 3), 3);
    EXPECT_EQ(Of(s.get()), (Values{2, 3, 4}));
    EXPECT_EQ(Reports([&] { SAMPLERemove(s.get(), 3); }), 1u);

    Sample f(Make({5, 6, 5}));
    EXPECT_EQ(SAMPLEFind(f.get(), 5, 0), 0);
    EXPECT_EQ(SAMPLEFind(f.get(), 5, 1), 2);
    EXPECT_EQ(SAMPLEFind(f.get(), 7, 0), -1);
    EXPECT_EQ(SAMPLEFind(f.get(), 5, 3), -1);
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLEFind(f.get(), 5, -1), -1); }), 1u);
}

TEST(Sample, ArithmeticWrapsInsteadOfClamping) {
    Sample a(Make({INT32_MAX, 1, -5, 65536, 65537}));
    Sample b(Make({1, INT32_MAX, 5}));
    SAMPLEAdd(a.get(), b.get());  // the shorter source only touches the first three
    EXPECT_EQ(Of(a.get()), (Values{INT32_MIN, INT32_MIN, 0, 65536, 65537}));

    Sample m(Make({65536, 65537, -3, 7}));
    Sample k(Make({65536, 65537, 4, 1}));
    SAMPLEMul(m.get(), k.get());  // 65537^2 = 2^32 + 131073
    EXPECT_EQ(Of(m.get()), (Values{0, 131073, -12, 7}));

    Sample self(Make({1, -2, INT32_MIN}));
    SAMPLEAdd(self.get(), self.get());
    EXPECT_EQ(Of(self.get()), (Values{2, -4, 0}));

    Sample sc(Make({3, INT32_MIN, 1 << 30}));
    SAMPLEScale(sc.get(), -1);
    EXPECT_EQ(Of(sc.get()), (Values{-3, INT32_MIN, -(1 << 30)}));
    SAMPLEScale(sc.get(), 4);
    EXPECT_EQ(Of(sc.get()), (Values{-12, 0, 0}));
}

TEST(Sample, ShiftsAtTheirEdges) {
    const Values start{-8, 7, INT32_MIN, INT32_MAX};
    Sample s(Make({-8, 7, INT32_MIN, INT32_MAX}));
    SAMPLEShiftRight(s.get(), 0);
    EXPECT_EQ(Of(s.get()), start);
    SAMPLEShiftRight(s.get(), 32);  // 32 & 31 = 0
    EXPECT_EQ(Of(s.get()), start);
    EXPECT_EQ(Reports([&] {
                  SAMPLEShiftRight(s.get(), 33);
                  SAMPLEShiftLeft(s.get(), 33);
                  SAMPLEShiftRight(s.get(), INT32_MAX);
                  SAMPLEShiftLeft(s.get(), INT32_MAX);
              }),
              4u);
    EXPECT_EQ(Of(s.get()), start);
    SAMPLEShiftRight(s.get(), 1);  // arithmetic: the sign stays
    EXPECT_EQ(Of(s.get()), (Values{-4, 3, -(1 << 30), (1 << 30) - 1}));

    Sample r(Make({-8, 7, INT32_MIN, INT32_MAX}));
    SAMPLEShiftRight(r.get(), 31);
    EXPECT_EQ(Of(r.get()), (Values{-1, 0, -1, 0}));

    Sample l(Make({-8, 7, INT32_MIN, INT32_MAX}));
    SAMPLEShiftLeft(l.get(), 32);
    EXPECT_EQ(Of(l.get()), start);
    SAMPLEShiftLeft(l.get(), 1);  // the top bit falls off
    EXPECT_EQ(Of(l.get()), (Values{-16, 14, 0, -2}));
    Sample l31(Make({-8, 7, INT32_MIN, INT32_MAX}));
    SAMPLEShiftLeft(l31.get(), 31);
    EXPECT_EQ(Of(l31.get()), (Values{0, INT32_MIN, 0, INT32_MIN}));
}

TEST(Sample, NegativeShiftsTakeTheirLowFiveBits) {
    // Only amounts above 32 are refused; any other amount s shifts by s & 31:
    // -1 by 31, -31 by 1, -32 by 0, INT32_MIN by 0.
    auto right = [](int32_t shift) {
        Sample s(Make({-8, 7, INT32_MIN, INT32_MAX}));
        EXPECT_EQ(Reports([&] { SAMPLEShiftRight(s.get(), shift); }), 0u) << shift;
        return Of(s.get());
    };
    auto left = [](int32_t shift) {
        Sample s(Make({-8, 7, INT32_MIN, INT32_MAX}));
        EXPECT_EQ(Reports([&] { SAMPLEShiftLeft(s.get(), shift); }), 0u) << shift;
        return Of(s.get());
    };
    const Values start{-8, 7, INT32_MIN, INT32_MAX};
    EXPECT_EQ(right(-1), (Values{-1, 0, -1, 0}));
    EXPECT_EQ(right(-31), (Values{-4, 3, -(1 << 30), (1 << 30) - 1}));
    EXPECT_EQ(right(-32), start);
    EXPECT_EQ(right(INT32_MIN), start);
    EXPECT_EQ(right(-30), (Values{-2, 1, -(1 << 29), (1 << 29) - 1}));
    EXPECT_EQ(left(-1), (Values{0, INT32_MIN, 0, INT32_MIN}));
    EXPECT_EQ(left(-31), (Values{-16, 14, 0, -2}));
    EXPECT_EQ(left(-64), start);
}

TEST(Sample, Rotations) {
    const Values start{1, 2, 3, 4, 5};
    auto right = [&](int32_t a) {
        Sample s(Make({1, 2, 3, 4, 5}));
        SAMPLERotateRight(s.get(), a);
        return Of(s.get());
    };
    auto left = [&](int32_t a) {
        Sample s(Make({1, 2, 3, 4, 5}));
        SAMPLERotateLeft(s.get(), a);
        return Of(s.get());
    };
    EXPECT_EQ(right(0), start);
    EXPECT_EQ(right(5), start);
    EXPECT_EQ(right(6), (Values{5, 1, 2, 3, 4}));  // length + 1 acts as 1
    EXPECT_EQ(right(2), (Values{4, 5, 1, 2, 3}));
    EXPECT_EQ(right(-1), (Values{2, 3, 4, 5, 1}));  // negative amounts turn the other way
    EXPECT_EQ(left(0), start);
    EXPECT_EQ(left(5), start);
    EXPECT_EQ(left(2), (Values{3, 4, 5, 1, 2}));
    EXPECT_EQ(left(-2), (Values{4, 5, 1, 2, 3}));
    EXPECT_EQ(left(INT32_MIN), (Values{3, 4, 5, 1, 2}));  // -2147483648 = 2 (mod 5)
    EXPECT_EQ(right(INT32_MIN), (Values{4, 5, 1, 2, 3}));

    Sample empty(SAMPLENew());
    EXPECT_EQ(Reports([&] {
                  SAMPLERotateLeft(empty.get(), 1);
                  SAMPLERotateRight(empty.get(), 0);
              }),
              2u);
    EXPECT_EQ(empty->length, 0);
}

TEST(Sample, ReverseMinMaxAndMapRange) {
    Sample s(Make({3, -9, 4}));
    SAMPLEReverse(s.get());
    EXPECT_EQ(Of(s.get()), (Values{4, -9, 3}));
    EXPECT_EQ(SAMPLEMin(s.get()), -9);
    EXPECT_EQ(SAMPLEMax(s.get()), 4);
    Sample empty(SAMPLENew());
    SAMPLEReverse(empty.get());
    EXPECT_EQ(Reports([&] {
                  EXPECT_EQ(SAMPLEMin(empty.get()), 0);
                  EXPECT_EQ(SAMPLEMax(empty.get()), 0);
                  SAMPLEMapRange(empty.get(), 0, 1);
              }),
              3u);

    Sample m(Make({0, 5, 10}));
    SAMPLEMapRange(m.get(), 100, 200);
    EXPECT_EQ(Of(m.get()), (Values{100, 150, 200}));
    SAMPLEMapRange(m.get(), 10, 0);  // upside down
    EXPECT_EQ(Of(m.get()), (Values{10, 5, 0}));
    Sample odd(Make({-3, 0, 3}));
    SAMPLEMapRange(odd.get(), 0, 255);  // 127.5 truncates
    EXPECT_EQ(Of(odd.get()), (Values{0, 127, 255}));
    Sample wide(Make({INT32_MIN, 0, INT32_MAX}));
    SAMPLEMapRange(wide.get(), 0, 255);
    EXPECT_EQ(Of(wide.get()), (Values{0, 127, 255}));
    Sample flat(Make({4, 4}));
    SAMPLEMapRange(flat.get(), 7, 9);  // a constant sample has no range to stretch
    EXPECT_EQ(Of(flat.get()), (Values{7, 7}));
}

TEST(Sample, ResampleRepeatsOrDropsEvenly) {
    Sample up(Make({10, 20}));
    EXPECT_EQ(SAMPLEResample(up.get(), 4), 4);
    EXPECT_EQ(Of(up.get()), (Values{10, 10, 20, 20}));
    EXPECT_EQ(up->capacity, 4);

    Sample up3(Make({1, 2, 3}));
    SAMPLEResample(up3.get(), 7);
    EXPECT_EQ(Of(up3.get()), (Values{1, 1, 2, 2, 3, 3, 3}));

    Sample one(Make({9}));
    SAMPLEResample(one.get(), 3);
    EXPECT_EQ(Of(one.get()), (Values{9, 9, 9}));

    // Dropping keeps exactly n values, evenly spread from the first.
    Sample down(Make({1, 2, 3, 4}));
    EXPECT_EQ(SAMPLEResample(down.get(), 2), 2);
    EXPECT_EQ(Of(down.get()), (Values{1, 3}));
    EXPECT_EQ(down->capacity, 2);
    Sample down10(Make({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    SAMPLEResample(down10.get(), 4);
    EXPECT_EQ(Of(down10.get()), (Values{1, 3, 6, 8}));

    Sample same(Make({1, 2}));
    EXPECT_EQ(SAMPLEResample(same.get(), 2), 2);
    EXPECT_EQ(Of(same.get()), (Values{1, 2}));
    Sample empty(SAMPLENew());
    EXPECT_EQ(Reports([&] {
                  EXPECT_EQ(SAMPLEResample(same.get(), 0), 0);
                  EXPECT_EQ(SAMPLEResample(same.get(), -3), 0);
                  EXPECT_EQ(SAMPLEResample(empty.get(), 3), 0);
              }),
              3u);
    EXPECT_EQ(Of(same.get()), (Values{1, 2}));
}

TEST(Sample, MatchesAndBestOffset) {
    Sample a(Make({1, 2, 3, 4, 5}));
    Sample b(Make({3, 4}));
    EXPECT_EQ(SAMPLEMatches(a.get(), b.get(), 2), 2);
    EXPECT_EQ(SAMPLEMatches(a.get(), b.get(), 3), 0);
    EXPECT_EQ(SAMPLEMatches(a.get(), b.get(), -1), 0);  // only a[0] against b[1]
    EXPECT_EQ(SAMPLEMatches(a.get(), b.get(), 4), 0);   // only a[4] against b[0]
    EXPECT_EQ(SAMPLEBestOffset(a.get(), b.get()), 2);
    EXPECT_EQ(Reports([&] {
                  EXPECT_EQ(SAMPLEMatches(a.get(), b.get(), 5), 0);
                  EXPECT_EQ(SAMPLEMatches(a.get(), b.get(), -2), 0);
              }),
              2u);

    Sample tail(Make({9, 1}));  // matches a only hanging off its start: a[0] = b[1]
    EXPECT_EQ(SAMPLEBestOffset(a.get(), tail.get()), -1);

    Sample twins(Make({7, 7}));
    Sample seven(Make({7}));
    EXPECT_EQ(SAMPLEBestOffset(twins.get(), seven.get()), 0);  // the first of a tie wins

    Sample x(Make({1}));
    Sample y(Make({2, 3}));
    EXPECT_EQ(SAMPLEBestOffset(x.get(), y.get()), -2);  // no match anywhere
}

TEST(Sample, TextForm) {
    Sample s(Make({5, -3}));
    EXPECT_EQ(Text(s.get()), "SAMPLE { 2\n5\n-3\n}\n");
    Sample empty(SAMPLENew());
    EXPECT_EQ(Text(empty.get()), "SAMPLE { 0 }\n");

    Sample extremes(Make({INT32_MIN, INT32_MAX, 0, -1, 1000000}));
    for (const SAMPLE* original : {s.get(), empty.get(), extremes.get()}) {
        char* text = SAMPLEToASCII(original);
        Sample back(SAMPLEFromASCII(text));
        std::free(text);
        ASSERT_NE(back.get(), nullptr);
        EXPECT_TRUE(SAMPLEEqual(original, back.get()));
    }
    Sample parsedEmpty(SAMPLEFromASCII("SAMPLE { 0 }\n"));
    EXPECT_EQ(parsedEmpty->capacity, 32);

    // Loose layouts: anything before "SAMPLE", any separators between values.
    Sample loose(SAMPLEFromASCII("noise SAMPLE x{ n=3: -5, x 12;-0 } trailing"));
    ASSERT_NE(loose.get(), nullptr);
    EXPECT_EQ(Of(loose.get()), (Values{-5, 12, 0}));
    Sample noBrace(SAMPLEFromASCII("SAMPLE{2 1 2"));  // a missing "}" is not needed
    ASSERT_NE(noBrace.get(), nullptr);
    EXPECT_EQ(Of(noBrace.get()), (Values{1, 2}));
}

TEST(Sample, TextParseSurvivesHostileInput) {
    for (const char* bad : {"", "SAMPLE", "SAMPLE {", "SAMPLE { }", "{ 2 1 2 } SAMPLE",
                            "SAMPL { 1 1 }", "SAMPLE { 3\n1\n2\n",
                            "SAMPLE { 4000000000 1 2", "SAMPLE { 2147483647 1 2",
                            "SAMPLE { 2147483648 }", "\x01\xff\x80 garbage"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLEFromASCII(bad), nullptr); }), 1u);
    }
    // A count past INT32_MAX is refused however far past: it must not wrap
    // round to a small count (2^32 + 1 to 1, 2^32 to 0, 2^32 + 2 to 2).
    for (const char* huge : {"SAMPLE { 4294967297\n7\n}", "SAMPLE { 4294967296 }",
                             "SAMPLE { 4294967298 7 99999999999 }", "SAMPLE { 2147483649 1 }",
                             "SAMPLE { 21474836470 1 }", "SAMPLE { 0000000000004294967297 7 }",
                             "SAMPLE { 99999999999999999999999999999999 1 2 }"}) {
        SCOPED_TRACE(huge);
        EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLEFromASCII(huge), nullptr); }), 1u);
    }
    // Leading zeros do not count towards the limit; values still wrap modulo
    // 2^32: 99999999999 reads as 99999999999 - 23 * 2^32 = 1215752191.
    Sample wrapped(SAMPLEFromASCII("SAMPLE { 00000000000000000002 7 99999999999 }"));
    ASSERT_NE(wrapped.get(), nullptr);
    EXPECT_EQ(Of(wrapped.get()), (Values{7, 1215752191}));

    // Bare minus signs are zeros, one character each: more values than the
    // text's length predicts at two characters per value.
    const std::string dashes = "SAMPLE { 40 " + std::string(40, '-');
    Sample zeros(SAMPLEFromASCII(dashes.c_str()));
    ASSERT_NE(zeros.get(), nullptr);
    EXPECT_EQ(Of(zeros.get()), Values(40, 0));
}

TEST(Sample, PcmOutputClampsPerWidth) {
    Sample s(Make({-200, -1, 0, 300, 70000, -70000, INT32_MIN}));
    int32_t n = 0;
    EXPECT_EQ(Written(s.get(), 8, 'l', &n),
              (std::vector<uint8_t>{0x80, 0xFF, 0x00, 0x7F, 0x7F, 0x80, 0x80}));
    EXPECT_EQ(n, 7);
    EXPECT_EQ(Written(s.get(), 16, 'l'),
              (std::vector<uint8_t>{0x38, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x2C, 0x01, 0xFF, 0x7F,
                                    0x00, 0x80, 0x00, 0x80}));
    EXPECT_EQ(Written(s.get(), 16, 'b'),
              (std::vector<uint8_t>{0xFF, 0x38, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x2C, 0x7F, 0xFF,
                                    0x80, 0x00, 0x80, 0x00}));
    EXPECT_EQ(Written(s.get(), 24, 'x'),  // anything but 'b' is little-endian
              (std::vector<uint8_t>{0x38, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                                    0x2C, 0x01, 0x00, 0x70, 0x11, 0x01, 0x90, 0xEE, 0xFE,
                                    0x00, 0x00, 0x80}));
    EXPECT_EQ(Written(s.get(), 24, 'b'),
              (std::vector<uint8_t>{0xFF, 0xFF, 0x38, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00,
                                    0x00, 0x01, 0x2C, 0x01, 0x11, 0x70, 0xFE, 0xEE, 0x90,
                                    0x80, 0x00, 0x00}));
    Sample big(Make({INT32_MIN, INT32_MAX, -70000}));
    EXPECT_EQ(Written(big.get(), 32, 'l'),
              (std::vector<uint8_t>{0x01, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 0xEE,
                                    0xFE, 0xFF}));
    EXPECT_EQ(Written(big.get(), 32, 'b'),
              (std::vector<uint8_t>{0x80, 0x00, 0x00, 0x01, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE,
                                    0xEE, 0x90}));
    EXPECT_EQ(Reports([&] { EXPECT_EQ(Written(s.get(), 12, 'l').size(), 0u); }), 1u);
}

TEST(Sample, PcmInputPerFormat) {
    const std::vector<uint8_t> bytes{0x00, 0x80, 0xFF};
    Sample u8(ReadBytes(bytes, 8, 'l', 'u'));
    EXPECT_EQ(Of(u8.get()), (Values{-32768, 0, 32512}));
    Sample s8(ReadBytes(bytes, 8, 'b', 's'));  // no sign extension
    EXPECT_EQ(Of(s8.get()), (Values{0, 32768, 65280}));

    const std::vector<uint8_t> words{0x00, 0x80, 0xFF, 0xFF, 0x01, 0x02, 0x7F};  // odd tail
    Sample ul(ReadBytes(words, 16, 'l', 'u'));
    EXPECT_EQ(Of(ul.get()), (Values{0, 32767, 513 - 32768}));
    Sample sl(ReadBytes(words, 16, 'l', 's'));
    EXPECT_EQ(Of(sl.get()), (Values{32768, 65535, 513}));
    Sample sb(ReadBytes(words, 16, 'b', 's'));
    EXPECT_EQ(Of(sb.get()), (Values{128, 65535, 258}));

    Sample nothing(ReadBytes({0x12}, 16, 'l', 's'));  // one byte: no whole value
    ASSERT_NE(nothing.get(), nullptr);
    EXPECT_EQ(nothing->length, 0);

    EXPECT_EQ(Reports([&] {
                  EXPECT_EQ(ReadBytes(bytes, 24, 'l', 's'), nullptr);
                  EXPECT_EQ(ReadBytes(bytes, 8, 'x', 's'), nullptr);
                  EXPECT_EQ(ReadBytes(bytes, 8, 'l', 'x'), nullptr);
              }),
              3u);
}

TEST(Sample, PcmInputRefusesAStreamInError) {
    // A folder opens for reading but every read of it fails: the stream ends
    // in error, not at the end of its data.
    FILE* folder = std::fopen(".", "rb");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLERead(folder, 16, 'l', 's'), nullptr); }), 1u);
    std::fclose(folder);

    // A stream whose descriptor went away under it: data in the file, but
    // the first read fails.
    FILE* lost = std::tmpfile();
    ASSERT_NE(lost, nullptr);
    std::fputs("abcd", lost);
    std::rewind(lost);
    close(fileno(lost));
    EXPECT_EQ(Reports([&] { EXPECT_EQ(SAMPLERead(lost, 8, 'l', 'u'), nullptr); }), 1u);
    std::fclose(lost);
}

TEST(Sample, PcmRoundTrips) {
    // 16-bit values come back as their low 16 bits, unsigned; a reader that
    // keeps 0..32767 therefore sees them unchanged.
    Sample s(Make({-32768, -1, 0, 1, 32767, 99999}));
    for (char order : {'l', 'b'}) {
        FILE* f = std::tmpfile();
        EXPECT_EQ(SAMPLEWrite(s.get(), f, 16, order), 6);
        std::rewind(f);
        Sample back(SAMPLERead(f, 16, order, 's'));
        std::fclose(f);
        EXPECT_EQ(Of(back.get()), (Values{32768, 65535, 0, 1, 32767, 32767}));
    }
    Sample s8(Make({-128 * 256, -256, 0, 127 * 256}));
    SAMPLEShiftRight(s8.get(), 8);  // to 8-bit range
    FILE* f = std::tmpfile();
    EXPECT_EQ(SAMPLEWrite(s8.get(), f, 8, 'l'), 4);
    std::rewind(f);
    Sample back8(SAMPLERead(f, 8, 'l', 's'));
    std::fclose(f);
    EXPECT_EQ(Of(back8.get()), (Values{128 * 256, 255 * 256, 0, 127 * 256}));

    // Streams longer than the reader's buffer and capacity, with a value split
    // across reads: 20001 bytes hold 10000 words and a stray byte.
    std::vector<uint8_t> big(20001);
    for (size_t i = 0; i + 1 < big.size(); i += 2) {
        big[i] = static_cast<uint8_t>((i / 2) & 0xFF);
        big[i + 1] = static_cast<uint8_t>((i / 2) >> 8);
    }
    Sample words(ReadBytes(big, 16, 'l', 's'));
    ASSERT_EQ(words->length, 10000);
    EXPECT_EQ(words->values[0], 0);
    EXPECT_EQ(words->values[4095], 4095);
    EXPECT_EQ(words->values[4096], 4096);
    EXPECT_EQ(words->values[9999], 9999);
}
