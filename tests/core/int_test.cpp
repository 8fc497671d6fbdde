#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/int.h"
#include "core/list.h"
#include "core/report.h"
#include "tests/support/test_support.h"

namespace {

TEST(IntBitLength, CountsUpToTheHighestSetBit) {
    EXPECT_EQ(INTBitLength(0), 0);
    EXPECT_EQ(INTBitLength(1), 1);
    EXPECT_EQ(INTBitLength(2), 2);
    EXPECT_EQ(INTBitLength(3), 2);
    EXPECT_EQ(INTBitLength(255), 8);
    EXPECT_EQ(INTBitLength(256), 9);
    EXPECT_EQ(INTBitLength(0x40000000), 31);
    EXPECT_EQ(INTBitLength(INT32_MAX), 31);
    // Negative values have no length.
    EXPECT_EQ(INTBitLength(-1), 0);
    EXPECT_EQ(INTBitLength(INT32_MIN), 0);
}

TEST(IntSqrt, IsTheFloorRootBelowTwoToThe31) {
    const struct {
        uint32_t value, root;
    } cases[] = {
        {1, 1},        {2, 1},        {3, 1},         {4, 2},           {8, 2},
        {9, 3},        {15, 3},       {16, 4},        {255, 15},        {256, 16},
        {99, 9},       {100, 10},     {65535, 255},   {65536, 256},     {1000000, 1000},
        {999999, 999}, {2147395599, 46339}, {2147395600, 46340}, {2147483647, 46340},
    };
    for (const auto& c : cases) EXPECT_EQ(INTSqrt(c.value), c.root) << "value " << c.value;
}

// From 2^31 up a signed bit length would see a negative value; the root stays
// the true floor root through the whole unsigned range.
TEST(IntSqrt, IsTheFloorRootFromTwoToThe31Up) {
    EXPECT_EQ(INTSqrt(2147483648u), 46340u);  // 46341^2 = 2147488281
    EXPECT_EQ(INTSqrt(2147488280u), 46340u);
    EXPECT_EQ(INTSqrt(2147488281u), 46341u);
    EXPECT_EQ(INTSqrt(4294836224u), 65534u);  // 65535^2 = 4294836225
    EXPECT_EQ(INTSqrt(4294836225u), 65535u);
    EXPECT_EQ(INTSqrt(4294967295u), 65535u);
}

TEST(IntSqrt, ZeroPrintsTheErrorLineAndGivesZero) {
    const uint64_t before = REPORTCount();
    StdoutCapture out;
    EXPECT_EQ(INTSqrt(0), 0u);
    EXPECT_EQ(out.Take(), "INT: ERROR.\n");
    EXPECT_EQ(REPORTCount(), before + 1);

    StdoutCapture quiet;  // a good argument prints nothing
    EXPECT_EQ(INTSqrt(49), 7u);
    EXPECT_EQ(quiet.Take(), "");
}

TEST(IntPrintBinary, PrintsThirtyTwoDigitsWithoutLineEnd) {
    const struct {
        int32_t value;
        const char* text;
    } cases[] = {
        {5, "00000000000000000000000000000101"},
        {0, "00000000000000000000000000000000"},
        {-1, "11111111111111111111111111111111"},
        {INT32_MIN, "10000000000000000000000000000000"},
        {0x12345678, "00010010001101000101011001111000"},
    };
    for (const auto& c : cases) {
        StdoutCapture out;
        INTPrintBinary(c.value);
        EXPECT_EQ(out.Take(), c.text) << "value " << c.value;
    }
}

TEST(IntIdentity, FullRecord) {
    const char* const expected[] = {"INT     ", "20120602", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) EXPECT_STREQ(INT_IDENTITY[i], expected[i]);
}

// A module whose report is on prints its line; one whose switch is off prints
// nothing, though both count the failure.
TEST(ErrorSwitch, OnPrintsAndOffStaysSilent) {
    const uint64_t before = REPORTCount();
    StdoutCapture on;
    (void)INTSqrt(0);
    EXPECT_EQ(on.Take(), "INT: ERROR.\n");

    StdoutCapture off;
    LISTPush(nullptr, nullptr);
    LIST* missing = nullptr;
    LISTFree(&missing);
    EXPECT_EQ(off.Take(), "");
    EXPECT_EQ(REPORTCount(), before + 3);
}

}  // namespace
