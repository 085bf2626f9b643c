#include "win32/Owner.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>
#include <vector>

namespace {

// Handles are numbers; 0 and -1 both mean "none", as NULL and
// INVALID_HANDLE_VALUE do for a kernel handle. Each close is noted in the
// list the traits were given, as a window DC's traits carry their window.
struct FakeTraits {
    using Handle = int;
    std::vector<int>* closed = nullptr;
    static Handle None() { return 0; }
    static bool IsNone(Handle h) { return h == 0 || h == -1; }
    void Close(Handle h) const { closed->push_back(h); }
};
using FakeOwner = Owner<FakeTraits>;

struct StatelessTraits {
    using Handle = void*;
    static Handle None() { return nullptr; }
    static bool IsNone(Handle h) { return h == nullptr; }
    static void Close(Handle) {}
};

static_assert(!std::is_copy_constructible_v<FakeOwner> && !std::is_copy_assignable_v<FakeOwner>);
static_assert(std::is_nothrow_move_constructible_v<FakeOwner> &&
              std::is_nothrow_move_assignable_v<FakeOwner>);
static_assert(sizeof(Owner<StatelessTraits>) == sizeof(void*), "traits without state take no room");

class OwnerTest : public testing::Test {
protected:
    FakeOwner Own(int h) { return FakeOwner(h, FakeTraits{&closed}); }
    std::vector<int> closed;
};

TEST_F(OwnerTest, ClosesWhatItHoldsOnceAndNeverANoneValue) {
    {
        const FakeOwner held = Own(7);
        const FakeOwner null = Own(0), invalid = Own(-1);
        EXPECT_TRUE(held.Valid());
        EXPECT_FALSE(null.Valid());
        EXPECT_FALSE(invalid.Valid());
        EXPECT_TRUE(closed.empty());
    }
    EXPECT_EQ(closed, std::vector<int>{7});
    {
        FakeOwner empty;  // made with no traits at all: must not need them
        EXPECT_EQ(empty.Get(), 0);
        empty.Reset();
        EXPECT_EQ(empty.Release(), 0);
    }
}

TEST_F(OwnerTest, AMoveHandsTheHandleOnAndLeavesTheSourceEmpty) {
    {
        FakeOwner from = Own(7);
        FakeOwner to(std::move(from));
        EXPECT_FALSE(from.Valid());
        EXPECT_EQ(to.Get(), 7);

        FakeOwner other = Own(5);
        other = std::move(to);  // 5 goes now, 7 with other
        EXPECT_EQ(closed, std::vector<int>{5});
        EXPECT_FALSE(to.Valid());
        auto& self = other;
        other = std::move(self);
        EXPECT_EQ(other.Get(), 7);
        EXPECT_EQ(closed, std::vector<int>{5});
    }
    EXPECT_EQ(closed, (std::vector<int>{5, 7}));
}

TEST_F(OwnerTest, EachHandleIsClosedWithTheTraitsItCameWith) {
    std::vector<int> elsewhere;
    {
        FakeOwner here = Own(1);
        here = FakeOwner(2, FakeTraits{&elsewhere});
        EXPECT_EQ(closed, std::vector<int>{1});
        EXPECT_TRUE(elsewhere.empty());
    }
    EXPECT_EQ(elsewhere, std::vector<int>{2});
}

TEST_F(OwnerTest, ResetAndReceiveCloseTheHandleHeldBefore) {
    {
        FakeOwner owner = Own(7);
        owner.Reset(8);
        EXPECT_EQ(closed, std::vector<int>{7});
        owner.Reset(8);  // the same handle again: still held, not closed
        EXPECT_EQ(closed, std::vector<int>{7});

        int* out = owner.Receive();
        EXPECT_EQ(closed, (std::vector<int>{7, 8}));
        EXPECT_FALSE(owner.Valid());
        *out = 9;  // as a call with an out-parameter fills it
        EXPECT_EQ(owner.Get(), 9);

        owner.Reset(-1);
        EXPECT_EQ(closed, (std::vector<int>{7, 8, 9}));
    }
    EXPECT_EQ(closed, (std::vector<int>{7, 8, 9}));
}

TEST_F(OwnerTest, ReleaseGivesTheHandleUpUnclosed) {
    {
        FakeOwner owner = Own(7);
        EXPECT_EQ(owner.Release(), 7);
        EXPECT_FALSE(owner.Valid());
    }
    EXPECT_TRUE(closed.empty());
}

}  // namespace
