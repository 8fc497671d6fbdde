// Tests of CURSOR and CURSORX: the worked positions, the wrap at both ends,
// and the hostile field values that must return at once.
#include "text/cursor.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "core/report.h"
#include "tests/support/test_support.h"
#include "text/cursorx.h"

namespace {
using Cursor = Owned<CURSOR, CURSORFree>;
using CursorX = Owned<CURSORX, CURSORXFree>;

TEST(Cursor, IdentityAndNewCursorWalksMoxa) {
    const char* const want[6] = {"CURSOR  ", "20120327", "Vaskoril",
                                 "C       ", "CODE    ", "MOXA"};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(want[i], CURSOR_IDENTITY[i]) << i;
    Cursor c(CURSORNew());
    ASSERT_NE(nullptr, c.get());
    EXPECT_EQ(CURSOR_IDENTITY[5], c->text);
    EXPECT_EQ(4, c->length);
    EXPECT_EQ(1, c->unit);
    EXPECT_EQ(1, c->step);
    EXPECT_EQ(0, c->position);
    EXPECT_EQ(0, c->mark);
}

TEST(Cursor, StepAndSetPositionWrapAtBothEnds) {
    struct Case {
        int32_t length, from, step, want;
    };
    const Case cases[] = {
        {4, 3, 1, 0},                 // off the end onto the first
        {4, 0, -1, 3},                // back from the first onto the last
        {4, 0, -9, 3},                // -9 rem 4 = -1, + 4
        {4, 2, 4, 2},                 // a whole turn
        {1024, 5, INT32_MAX, 4},      // position + step leaves int32_t
        {1024, 7, INT32_MIN, 7},      // 2^31 is a multiple of 1024: constant time, no loop
        {1000, 999, INT32_MIN, 351},  // -2147483648 mod 1000 = 352
        {1, 0, 123456, 0},
    };
    for (const Case& k : cases) {
        Cursor c(CURSORNew());
        CURSORSet(c.get(), "x", k.length, 1, k.step);
        c->position = k.from;
        CURSORStep(c.get());
        EXPECT_EQ(k.want, c->position) << k.length << " " << k.from << " " << k.step;
    }
    Cursor c(CURSORNew());
    CURSORSetPosition(c.get(), 4);
    EXPECT_EQ(0, c->position);
    CURSORSetPosition(c.get(), -1);
    EXPECT_EQ(3, c->position);
    CURSORSetPosition(c.get(), INT32_MIN);
    EXPECT_EQ(0, c->position);
}

TEST(Cursor, MarkRestoreAndSetKeepTheMark) {
    Cursor c(CURSORNew());
    CURSORSetPosition(c.get(), 2);
    CURSORMark(c.get());
    for (int i = 0; i < 3; ++i) CURSORStep(c.get());
    EXPECT_EQ(1, c->position);
    CURSORRestore(c.get());
    EXPECT_EQ(2, c->position);

    const char text[] = "ABCDEFGHIJ";
    CURSORSetPosition(c.get(), 3);
    CURSORMark(c.get());
    CURSORSet(c.get(), text, 10, 1, -2);
    EXPECT_EQ(0, c->position);
    EXPECT_EQ(3, c->mark);
    EXPECT_EQ(-2, c->step);
    EXPECT_EQ(text, c->text);

    // A mark kept across a Set onto a shorter text still restores inside it.
    c->mark = 9;
    CURSORSet(c.get(), text, 4, 1, 1);
    CURSORRestore(c.get());
    EXPECT_EQ(1, c->position);
}

TEST(Cursor, RefusedLengthsAndHostileFields) {
    Cursor c(CURSORNew());
    const uint64_t before = REPORTCount();
    CURSORSet(c.get(), "abc", 0, 1, 1);  // a modulus of 0
    CURSORSet(c.get(), "abc", -3, 1, 1);
    CURSORSet(c.get(), nullptr, 3, 1, 1);
    EXPECT_EQ(before + 3, REPORTCount());
    EXPECT_EQ(4, c->length);  // unchanged: still the default text
    EXPECT_STREQ("MOXA", c->text);

    // A length written into the public field is refused by every reducing
    // operation, which then changes nothing.
    for (int32_t bad : {0, -1, INT32_MIN}) {
        c->length = bad;
        c->position = 2;
        c->step = INT32_MIN;
        const uint64_t n = REPORTCount();
        CURSORStep(c.get());
        CURSORSetPosition(c.get(), 5);
        CURSORRestore(c.get());
        EXPECT_EQ(n + 3, REPORTCount());
        EXPECT_EQ(2, c->position);
    }
}

TEST(Cursor, FreeAndNullArguments) {
    Cursor c(CURSORNew());
    CURSORFree(c.ref());
    EXPECT_EQ(nullptr, c.get());
    uint64_t n = REPORTCount();
    CURSORFree(c.ref());  // a null reference is simply cleared again, silently
    EXPECT_EQ(n, REPORTCount());
    CURSORFree(nullptr);
    CURSORSet(nullptr, "a", 1, 1, 1);
    CURSORStep(nullptr);
    CURSORSetPosition(nullptr, 1);
    CURSORMark(nullptr);
    CURSORRestore(nullptr);
    EXPECT_EQ(n + 6, REPORTCount());
}

TEST(CursorX, IdentityAndDefaults) {
    const char* const want[4] = {"CURSORX", "20090805", "VKR", "C"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(want[i], CURSORX_IDENTITY[i]) << i;
    CursorX c(CURSORXNew());
    ASSERT_NE(nullptr, c.get());
    EXPECT_EQ(1024, c->size);
    EXPECT_EQ(0, c->value);
    EXPECT_EQ(0, c->position);
    EXPECT_EQ(1, c->step);
    EXPECT_EQ(0, c->offset);
    EXPECT_EQ(2, c->offsetStep);
    EXPECT_EQ(nullptr, CURSORXToASCII(c.get()));
    EXPECT_EQ(nullptr, CURSORXFromASCII("CURSORX"));
}

TEST(CursorX, SweepingATable) {
    CursorX c(CURSORXNew());
    EXPECT_EQ(2, CURSORXStepOffset(c.get()));
    EXPECT_EQ(4, CURSORXStepOffset(c.get()));
    EXPECT_EQ(6, CURSORXStepOffset(c.get()));
    EXPECT_EQ(0, CURSORXSetOffset(c.get(), 0));
    EXPECT_EQ(1, CURSORXStep(c.get()));
    EXPECT_EQ(3, CURSORXStepOffset(c.get()));
    EXPECT_EQ(5, CURSORXStepOffset(c.get()));
    EXPECT_EQ(7, CURSORXStepOffset(c.get()));
}

TEST(CursorX, WorkedPositionsAndValues) {
    struct Case {
        int32_t size, position, step, wantPosition;
    };
    const Case steps[] = {
        {1024, 1020, 14, 10},
        {1024, 0, -3000, 72},
        {1024, 1024, 1, 1},           // position == size after a negative multiple
        {1000, 0, INT32_MIN, 352},    // one reduction, not 2^31 loop turns
        {1000, 999, INT32_MAX, 646},  // the sum leaves int32_t
        {1, 0, -7, 0},
    };
    for (const Case& k : steps) {
        CursorX c(CURSORXNew());
        c->size = k.size;
        c->position = k.position;
        c->step = k.step;
        EXPECT_EQ(k.wantPosition, CURSORXStep(c.get())) << k.size << " " << k.step;
        EXPECT_EQ(k.wantPosition, c->position);
    }

    CursorX c(CURSORXNew());
    EXPECT_EQ(1023, CURSORXSetOffset(c.get(), -1));
    EXPECT_EQ(1023, CURSORXSetPosition(c.get(), -1024));  // (1024 - 1) mod 1024
    EXPECT_EQ(1024, c->position);  // a negative multiple of size gives size itself
    EXPECT_EQ(0, CURSORXSetOffset(c.get(), 0));
    EXPECT_EQ(1023, CURSORXSetPosition(c.get(), -1));
    EXPECT_EQ(5, CURSORXReset(c.get(), 2053));
    EXPECT_EQ(0, c->offset);

    CURSORXSet(c.get(), 100, 250, 7, -30, 3);
    EXPECT_EQ(100, c->size);
    EXPECT_EQ(50, c->position);
    EXPECT_EQ(20, c->value);  // (50 - 30) mod 100
    EXPECT_EQ(7, c->step);
    EXPECT_EQ(3, c->offsetStep);

    // A smaller size reduces the position it finds, and the value with it.
    CURSORXSet(c.get(), 1024, 900, 1, 0, 2);
    CURSORXSetSize(c.get(), 100);
    EXPECT_EQ(0, c->position);
    EXPECT_EQ(0, c->value);
}

TEST(CursorX, OffsetWrapsAndTheSumWidens) {
    CursorX c(CURSORXNew());
    c->position = 5;
    c->offset = INT32_MAX;
    c->offsetStep = 1;
    EXPECT_EQ(5, CURSORXStepOffset(c.get()));  // 5 + INT32_MIN is 5 modulo 1024
    EXPECT_EQ(INT32_MIN, c->offset);
    c->size = 1000;
    c->position = 999;
    c->offset = INT32_MAX;
    CURSORXUpdate(c.get());
    EXPECT_EQ(646, c->value);  // 2147484646 mod 1000
}

TEST(CursorX, CopiesKeepTheirValueUntilRecomputed) {
    CursorX src(CURSORXNew());
    CURSORXSet(src.get(), 512, 100, 9, 11, 4);
    ASSERT_EQ(111, src->value);
    CursorX copy(CURSORXCopy(src.get()));
    ASSERT_NE(nullptr, copy.get());
    EXPECT_EQ(0, copy->value);
    EXPECT_EQ(512, copy->size);
    EXPECT_EQ(100, copy->position);
    EXPECT_EQ(9, copy->step);
    EXPECT_EQ(11, copy->offset);
    EXPECT_EQ(4, copy->offsetStep);
    EXPECT_EQ(115, CURSORXStepOffset(copy.get()));

    CursorX dst(CURSORXNew());
    dst->value = 77;
    CURSORXCopyInto(src.get(), dst.get());
    EXPECT_EQ(77, dst->value);
}

TEST(CursorX, SizeZeroAndNegativeSizes) {
    CursorX c(CURSORXNew());
    CURSORXSet(c.get(), 1024, 10, 3, 4, 2);
    ASSERT_EQ(14, c->value);
    uint64_t n = REPORTCount();
    CURSORXSetSize(c.get(), -5);  // refused
    EXPECT_EQ(n + 1, REPORTCount());
    EXPECT_EQ(1024, c->size);

    CURSORXSetSize(c.get(), 0);  // stored; its re-applied position fails
    EXPECT_EQ(0, c->size);
    EXPECT_EQ(0, CURSORXStep(c.get()));
    EXPECT_EQ(0, CURSORXSetPosition(c.get(), 99));
    EXPECT_EQ(0, CURSORXReset(c.get(), 99));
    EXPECT_EQ(10, c->position);
    EXPECT_EQ(14, c->value);
    EXPECT_EQ(0, c->offset);  // Reset cleared it before failing
    EXPECT_EQ(14, CURSORXStepOffset(c.get()));
    EXPECT_EQ(2, c->offset);
    EXPECT_EQ(14, CURSORXSetOffset(c.get(), 40));
    EXPECT_EQ(40, c->offset);

    // Negative sizes written into the field fail the same way, at once.
    for (int32_t bad : {-1, -1024, INT32_MIN}) {
        c->size = bad;
        c->step = INT32_MIN;
        n = REPORTCount();
        EXPECT_EQ(0, CURSORXStep(c.get()));
        EXPECT_EQ(0, CURSORXSetPosition(c.get(), INT32_MIN));
        CURSORXUpdate(c.get());
        EXPECT_EQ(n + 3, REPORTCount());
        EXPECT_EQ(10, c->position);
    }
}

TEST(CursorX, FreeAndNullArguments) {
    CursorX c(CURSORXNew());
    CURSORXFree(c.ref());
    EXPECT_EQ(nullptr, c.get());
    const uint64_t n = REPORTCount();
    CURSORXFree(c.ref());
    CURSORXFree(nullptr);
    EXPECT_EQ(nullptr, CURSORXToASCII(nullptr));
    EXPECT_EQ(nullptr, CURSORXFromASCII(nullptr));
    EXPECT_EQ(nullptr, CURSORXCopy(nullptr));
    CURSORXCopyInto(nullptr, nullptr);
    CURSORXSet(nullptr, 1, 1, 1, 1, 1);
    CURSORXSetSize(nullptr, 1);
    EXPECT_EQ(0, CURSORXReset(nullptr, 1));
    EXPECT_EQ(0, CURSORXStep(nullptr));
    EXPECT_EQ(0, CURSORXSetPosition(nullptr, 1));
    EXPECT_EQ(0, CURSORXStepOffset(nullptr));
    EXPECT_EQ(0, CURSORXSetOffset(nullptr, 1));
    CURSORXUpdate(nullptr);
    EXPECT_EQ(n + 14, REPORTCount());
}
}  // namespace
