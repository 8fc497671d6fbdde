// One suite for the two growable arrays, LIST and ARRAY: they promise the same
// behaviour under different names, so every case runs against both.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

#include "core/array.h"
#include "core/list.h"
#include "core/report.h"
#include "tests/support/test_support.h"

namespace {

struct ListModule {
    using C = LIST;
    static constexpr auto New = &LISTNew;
    static constexpr auto Free = &LISTFree;
    static constexpr auto Equal = &LISTEqual;
    static constexpr auto Clone = &LISTClone;
    static constexpr auto ToASCII = &LISTToASCII;
    static constexpr auto FromASCII = &LISTFromASCII;
    static constexpr auto Push = &LISTPush;
    static constexpr auto Pop = &LISTPop;
    static constexpr auto Insert = &LISTInsert;
    static constexpr auto Remove = &LISTRemove;
    static constexpr auto Get = &LISTGet;
    static constexpr auto Set = &LISTSet;
    static constexpr auto Find = &LISTFind;
    static constexpr auto Sublist = &LISTSublist;
    static constexpr auto RemoveRange = &LISTRemoveRange;
    static constexpr auto InsertRange = &LISTInsertRange;
    static constexpr auto Grow = &LISTGrow;
};

struct ArrayModule {
    using C = ARRAY;
    static constexpr auto New = &ARRAYNew;
    static constexpr auto Free = &ARRAYFree;
    static constexpr auto Equal = &ARRAYEqual;
    static constexpr auto Clone = &ARRAYClone;
    static constexpr auto ToASCII = &ARRAYToASCII;
    static constexpr auto FromASCII = &ARRAYFromASCII;
    static constexpr auto Push = &ARRAYPush;
    static constexpr auto Pop = &ARRAYPop;
    static constexpr auto Insert = &ARRAYInsert;
    static constexpr auto Remove = &ARRAYRemove;
    static constexpr auto Get = &ARRAYGet;
    static constexpr auto Set = &ARRAYSet;
    static constexpr auto Find = &ARRAYFind;
    static constexpr auto Sublist = &ARRAYSublist;
    static constexpr auto RemoveRange = &ARRAYRemoveRange;
    static constexpr auto InsertRange = &ARRAYInsertRange;
    static constexpr auto Grow = &ARRAYGrow;
};

// Distinct, recognisable items. The containers never dereference them.
char storage[8];
void* const A = &storage[0];
void* const B = &storage[1];
void* const C = &storage[2];
void* const D = &storage[3];
void* const E = &storage[4];
void* const X = &storage[5];
void* const Y = &storage[6];

using Items = std::vector<void*>;

template <typename M>
class ContainerTest : public ::testing::Test {
protected:
    using Rec = typename M::C;
    using Holder = Owned<Rec, M::Free>;

    // A new container holding `items`, built by pushing.
    static Rec* Make(const Items& items) {
        Rec* c = M::New();
        for (void* item : items) M::Push(c, item);
        return c;
    }
    static Items Content(const Rec* c) { return Items(c->slots, c->slots + c->count); }
};

using Modules = ::testing::Types<ListModule, ArrayModule>;
class ModuleNames {
public:
    template <typename T>
    static std::string GetName(int) {
        return std::is_same_v<T, ListModule> ? "LIST" : "ARRAY";
    }
};
TYPED_TEST_SUITE(ContainerTest, Modules, ModuleNames);

TYPED_TEST(ContainerTest, CapacityStartsAtTwoAndDoublesOnDemand) {
    using M = TypeParam;
    typename TestFixture::Holder c(M::New());
    ASSERT_NE(c.get(), nullptr);
    EXPECT_EQ(c->count, 0);
    EXPECT_EQ(c->capacity, 2);
    EXPECT_EQ(c->slots[0], nullptr);
    EXPECT_EQ(c->slots[1], nullptr);

    const int expected[] = {2, 2, 4, 4, 8, 8, 8, 8, 16};  // capacity after push 1 .. 9
    for (int i = 0; i < 9; ++i) {
        M::Push(c.get(), A);
        EXPECT_EQ(c->count, i + 1);
        EXPECT_EQ(c->capacity, expected[i]) << "after push " << i + 1;
    }

    // Grow doubles whatever the count, keeps the items and zero-fills the rest.
    typename TestFixture::Holder g(TestFixture::Make({A, B}));
    EXPECT_TRUE(M::Grow(g.get()));
    EXPECT_EQ(g->capacity, 4);
    EXPECT_EQ(TestFixture::Content(g.get()), (Items{A, B}));
    EXPECT_EQ(g->slots[2], nullptr);
    EXPECT_EQ(g->slots[3], nullptr);
    EXPECT_TRUE(M::Grow(g.get()));
    EXPECT_EQ(g->capacity, 8);
}

TYPED_TEST(ContainerTest, PushPopIsLastInFirstOut) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, nullptr, C}));
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, nullptr, C}));  // null is a legal item
    EXPECT_EQ(M::Pop(c.get()), C);
    EXPECT_EQ(M::Pop(c.get()), nullptr);
    EXPECT_EQ(M::Pop(c.get()), A);
    EXPECT_EQ(c->count, 0);

    const uint64_t before = REPORTCount();
    EXPECT_EQ(M::Pop(c.get()), nullptr);
    EXPECT_EQ(c->count, 0);
    EXPECT_EQ(REPORTCount(), before + 1);
}

TYPED_TEST(ContainerTest, InsertAtFrontMiddleAndEnd) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, B}));
    M::Insert(c.get(), X, 0);  // full: grows first
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{X, A, B}));
    EXPECT_EQ(c->capacity, 4);
    M::Insert(c.get(), Y, 2);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{X, A, Y, B}));
    M::Insert(c.get(), C, c->count);  // at count: appends
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{X, A, Y, B, C}));
    EXPECT_EQ(c->capacity, 8);

    const uint64_t before = REPORTCount();
    M::Insert(c.get(), D, c->count + 1);
    M::Insert(c.get(), D, -1);
    EXPECT_EQ(REPORTCount(), before + 2);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{X, A, Y, B, C}));
}

TYPED_TEST(ContainerTest, RemoveClosesTheGapAndClearsTheLastSlot) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, B, C}));
    EXPECT_EQ(M::Remove(c.get(), 0), 2);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{B, C}));
    EXPECT_EQ(c->slots[2], nullptr);  // the slot that held C

    M::Push(c.get(), D);  // [B, C, D]
    EXPECT_EQ(M::Remove(c.get(), 1), 2);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{B, D}));
    EXPECT_EQ(M::Remove(c.get(), 1), 1);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{B}));
    EXPECT_EQ(c->slots[1], nullptr);

    const uint64_t before = REPORTCount();
    EXPECT_EQ(M::Remove(c.get(), 1), 0);
    EXPECT_EQ(M::Remove(c.get(), -1), 0);
    EXPECT_EQ(REPORTCount(), before + 2);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{B}));
    EXPECT_EQ(M::Remove(c.get(), 0), 0);  // a real removal down to empty
    EXPECT_EQ(c->count, 0);
}

TYPED_TEST(ContainerTest, GetAndSetStayInsideTheCount) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, B, C}));
    EXPECT_EQ(M::Get(c.get(), 0), A);
    EXPECT_EQ(M::Get(c.get(), 2), C);
    M::Set(c.get(), X, 1);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, X, C}));

    M::Pop(c.get());  // C now sits stale in slot 2
    const uint64_t before = REPORTCount();
    EXPECT_EQ(M::Get(c.get(), 2), nullptr);
    EXPECT_EQ(M::Get(c.get(), -1), nullptr);
    M::Set(c.get(), Y, 2);
    M::Set(c.get(), Y, -1);
    EXPECT_EQ(REPORTCount(), before + 4);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, X}));
}

TYPED_TEST(ContainerTest, FindReturnsTheLowestIndex) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, B, nullptr, B, C}));
    uint64_t before = REPORTCount();
    EXPECT_EQ(M::Find(c.get(), B), 1);
    EXPECT_EQ(M::Find(c.get(), C), 4);
    EXPECT_EQ(M::Find(c.get(), X), -1);  // absent: not an error
    EXPECT_EQ(REPORTCount(), before);

    M::Pop(c.get());  // C is stale above the count now
    EXPECT_EQ(M::Find(c.get(), C), -1);

    before = REPORTCount();
    EXPECT_EQ(M::Find(c.get(), nullptr), -1);  // null is no key
    EXPECT_EQ(REPORTCount(), before + 1);
}

TYPED_TEST(ContainerTest, EqualComparesReferencesUpToTheCount) {
    using M = TypeParam;
    using H = typename TestFixture::Holder;
    H a(TestFixture::Make({A, B, C}));
    H b(TestFixture::Make({A, B, X, Y}));
    M::Pop(a.get());  // [A, B], C stale in slot 2
    M::Pop(b.get());
    M::Pop(b.get());  // [A, B], X and Y stale in slots 2 and 3

    const uint64_t before = REPORTCount();
    EXPECT_TRUE(M::Equal(a.get(), b.get()));
    EXPECT_TRUE(M::Equal(a.get(), a.get()));
    EXPECT_TRUE(M::Equal(nullptr, nullptr));

    H empty(M::New());
    EXPECT_FALSE(M::Equal(nullptr, empty.get()));
    EXPECT_FALSE(M::Equal(empty.get(), nullptr));
    EXPECT_EQ(REPORTCount(), before);  // none of these is a failure

    H reversed(TestFixture::Make({B, A}));
    H longer(TestFixture::Make({A, B, C}));
    EXPECT_FALSE(M::Equal(a.get(), reversed.get()));
    EXPECT_FALSE(M::Equal(a.get(), longer.get()));
    EXPECT_FALSE(M::Equal(a.get(), empty.get()));
    H other_empty(M::New());
    EXPECT_TRUE(M::Equal(empty.get(), other_empty.get()));
}

TYPED_TEST(ContainerTest, CloneAndSublistAreShallowCopies) {
    using M = TypeParam;
    using H = typename TestFixture::Holder;
    H c(TestFixture::Make({A, B, C, D, E}));
    H copy(M::Clone(c.get()));
    ASSERT_NE(copy.get(), nullptr);
    EXPECT_TRUE(M::Equal(c.get(), copy.get()));
    EXPECT_NE(copy->slots, c->slots);
    EXPECT_EQ(copy->capacity, 8);  // as five pushes would leave it
    M::Set(copy.get(), X, 0);       // the copy is independent
    EXPECT_EQ(M::Get(c.get(), 0), A);

    H empty(M::New());
    H empty_copy(M::Clone(empty.get()));
    ASSERT_NE(empty_copy.get(), nullptr);
    EXPECT_EQ(empty_copy->count, 0);
    EXPECT_EQ(empty_copy->capacity, 2);

    H middle(M::Sublist(c.get(), 1, 4));
    EXPECT_EQ(TestFixture::Content(middle.get()), (Items{B, C, D}));
    EXPECT_EQ(middle->capacity, 4);
    H whole(M::Sublist(c.get(), 0, 5));
    EXPECT_TRUE(M::Equal(c.get(), whole.get()));
    H last(M::Sublist(c.get(), 4, 5));
    EXPECT_EQ(TestFixture::Content(last.get()), (Items{E}));
    EXPECT_EQ(last->capacity, 2);

    const uint64_t before = REPORTCount();
    EXPECT_EQ(M::Sublist(c.get(), 2, 2), nullptr);  // empty range
    EXPECT_EQ(M::Sublist(c.get(), 3, 2), nullptr);
    EXPECT_EQ(M::Sublist(c.get(), -1, 2), nullptr);
    EXPECT_EQ(M::Sublist(c.get(), 0, 6), nullptr);
    EXPECT_EQ(REPORTCount(), before + 4);
}

TYPED_TEST(ContainerTest, RemoveRangeLeavesStaleSlots) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, B, C, D, E}));
    M::RemoveRange(c.get(), 1, 3);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, D, E}));
    EXPECT_EQ(c->slots[3], D);  // vacated slots keep what they held
    EXPECT_EQ(c->slots[4], E);
    EXPECT_EQ(c->capacity, 8);

    M::RemoveRange(c.get(), 2, 3);  // the top item alone
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, D}));

    const uint64_t before = REPORTCount();
    M::RemoveRange(c.get(), 1, 1);
    M::RemoveRange(c.get(), 1, 0);
    M::RemoveRange(c.get(), -1, 1);
    M::RemoveRange(c.get(), 0, 3);
    EXPECT_EQ(REPORTCount(), before + 4);
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, D}));

    M::RemoveRange(c.get(), 0, 2);
    EXPECT_EQ(c->count, 0);
}

TYPED_TEST(ContainerTest, InsertRangeCopiesInOrderAndGrows) {
    using M = TypeParam;
    using H = typename TestFixture::Holder;
    H source(TestFixture::Make({A, B, C, D}));
    H dest(TestFixture::Make({X, Y}));
    M::InsertRange(source.get(), dest.get(), 1, 3, 1);
    EXPECT_EQ(TestFixture::Content(dest.get()), (Items{X, B, C, Y}));
    EXPECT_EQ(dest->capacity, 4);
    EXPECT_EQ(TestFixture::Content(source.get()), (Items{A, B, C, D}));

    M::InsertRange(source.get(), dest.get(), 0, 1, 0);  // at the front
    EXPECT_EQ(TestFixture::Content(dest.get()), (Items{A, X, B, C, Y}));
    M::InsertRange(source.get(), dest.get(), 2, 4, dest->count);  // at the end
    EXPECT_EQ(TestFixture::Content(dest.get()), (Items{A, X, B, C, Y, C, D}));
    EXPECT_EQ(dest->capacity, 8);

    // Several doublings in one insertion: 1 + 12 items need capacity 16.
    H wide(TestFixture::Make({A, B, C, D, E, X, Y, A, B, C, D, E}));
    H small(TestFixture::Make({Y}));
    M::InsertRange(wide.get(), small.get(), 0, 12, 0);
    EXPECT_EQ(small->count, 13);
    EXPECT_EQ(small->capacity, 16);
    EXPECT_EQ(M::Get(small.get(), 11), E);
    EXPECT_EQ(M::Get(small.get(), 12), Y);
}

TYPED_TEST(ContainerTest, InsertRangeRefusesBadRangesAndTheSameContainerTwice) {
    using M = TypeParam;
    using H = typename TestFixture::Holder;
    H source(TestFixture::Make({A, B, C, D}));
    H dest(TestFixture::Make({X, Y}));
    const uint64_t before = REPORTCount();
    M::InsertRange(source.get(), dest.get(), 2, 2, 0);   // empty range
    M::InsertRange(source.get(), dest.get(), -1, 2, 0);
    M::InsertRange(source.get(), dest.get(), 0, 5, 0);   // past the source
    M::InsertRange(source.get(), dest.get(), 0, 2, 3);   // past the destination
    M::InsertRange(source.get(), dest.get(), 0, 2, -1);
    // Growing the destination would free the slots being copied from.
    M::InsertRange(source.get(), source.get(), 0, 4, 2);
    EXPECT_EQ(REPORTCount(), before + 6);
    EXPECT_EQ(TestFixture::Content(source.get()), (Items{A, B, C, D}));
    EXPECT_EQ(source->capacity, 4);
    EXPECT_EQ(TestFixture::Content(dest.get()), (Items{X, Y}));
    EXPECT_EQ(dest->capacity, 2);
}

// Capacity doubling must stop before it leaves int32_t. The capacity field is
// forged for a moment: growth is refused before any slot is touched.
TYPED_TEST(ContainerTest, GrowthRefusesToPassTheInt32Range) {
    using M = TypeParam;
    typename TestFixture::Holder c(TestFixture::Make({A, B}));
    void** const slots = c->slots;
    c->capacity = 1 << 30;
    const uint64_t before = REPORTCount();
    EXPECT_FALSE(M::Grow(c.get()));
    EXPECT_EQ(c->capacity, 1 << 30);
    EXPECT_EQ(c->slots, slots);

    // A full container at the limit: pushing and inserting fail, nothing moves.
    c->count = 2;
    c->capacity = 2;
    typename TestFixture::Holder big(M::New());
    big->capacity = 1 << 30;
    big->count = 1 << 30;
    void** const big_slots = big->slots;
    M::Push(big.get(), X);
    M::Insert(big.get(), X, 0);
    M::InsertRange(c.get(), big.get(), 0, 2, 0);
    EXPECT_EQ(REPORTCount(), before + 4);
    EXPECT_EQ(big->count, 1 << 30);
    EXPECT_EQ(big->slots, big_slots);
    big->count = 0;
    big->capacity = 2;
    EXPECT_EQ(TestFixture::Content(c.get()), (Items{A, B}));
}

TYPED_TEST(ContainerTest, FreeReleasesTheContainerButNeverTheItems) {
    using M = TypeParam;
    // Items on the stack: freeing one would trip the allocator (and ASan).
    int local_items[3] = {1, 2, 3};
    typename TestFixture::Rec* c = TestFixture::Make({&local_items[0], &local_items[1], &local_items[2]});
    ASSERT_NE(c, nullptr);
    uint64_t before = REPORTCount();
    M::Free(&c);
    EXPECT_EQ(c, nullptr);
    EXPECT_EQ(REPORTCount(), before);
    EXPECT_EQ(local_items[1], 2);

    before = REPORTCount();
    M::Free(&c);        // the reference is already null: report only
    M::Free(nullptr);   // no address at all
    EXPECT_EQ(REPORTCount(), before + 2);
    EXPECT_EQ(c, nullptr);
}

TYPED_TEST(ContainerTest, NullAndUnusableArgumentsAreRefusedSilently) {
    using M = TypeParam;
    using Rec = typename TestFixture::Rec;
    StdoutCapture out;
    const uint64_t before = REPORTCount();

    EXPECT_EQ(M::Clone(nullptr), nullptr);
    EXPECT_EQ(M::ToASCII(nullptr), nullptr);
    EXPECT_EQ(M::FromASCII(nullptr), nullptr);
    M::Push(nullptr, A);
    EXPECT_EQ(M::Pop(nullptr), nullptr);
    M::Insert(nullptr, A, 0);
    EXPECT_EQ(M::Remove(nullptr, 0), 0);
    EXPECT_EQ(M::Get(nullptr, 0), nullptr);
    M::Set(nullptr, A, 0);
    EXPECT_EQ(M::Find(nullptr, A), -1);
    EXPECT_EQ(M::Sublist(nullptr, 0, 1), nullptr);
    M::RemoveRange(nullptr, 0, 1);
    typename TestFixture::Holder real(TestFixture::Make({A}));
    M::InsertRange(nullptr, real.get(), 0, 1, 0);
    M::InsertRange(real.get(), nullptr, 0, 1, 0);
    EXPECT_FALSE(M::Grow(nullptr));
    M::Free(nullptr);
    EXPECT_EQ(REPORTCount(), before + 16);

    // A zeroed record that never went through New has no slot array.
    Rec blank{};
    const uint64_t mid = REPORTCount();
    M::Push(&blank, A);
    M::Insert(&blank, A, 0);
    EXPECT_FALSE(M::Grow(&blank));
    EXPECT_EQ(M::Clone(&blank), nullptr);
    EXPECT_FALSE(M::Equal(&blank, real.get()));
    EXPECT_EQ(REPORTCount(), mid + 5);
    EXPECT_EQ(blank.count, 0);
    EXPECT_EQ(blank.slots, nullptr);

    // With text conversion absent, a real argument is not an error.
    const uint64_t conversions = REPORTCount();
    EXPECT_EQ(M::ToASCII(real.get()), nullptr);
    EXPECT_EQ(M::FromASCII("anything"), nullptr);
    EXPECT_EQ(REPORTCount(), conversions);

    EXPECT_EQ(out.Take(), "");  // both modules are silent
    EXPECT_EQ(TestFixture::Content(real.get()), (Items{A}));
}

TEST(ContainerIdentity, RecordsNameTheModules) {
    const char* const list[] = {"LIST    ", "20110824", "Vaskoril", "C       ", "CODE    "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(LIST_IDENTITY[i], list[i]);
        EXPECT_EQ(std::strlen(LIST_IDENTITY[i]), 8u);
    }
    const char* const array[] = {"ARRAY", "20090803", "VKR", "C"};
    EXPECT_EQ(std::size(ARRAY_IDENTITY), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(ARRAY_IDENTITY[i], array[i]);
}

}  // namespace
