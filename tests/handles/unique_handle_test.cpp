// The owned-handle template: each handle closed exactly once, by the owner that holds it last,
// with that owner's traits; values that mean "none" never closed.
#include "unique_handle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Handles are ints; 0 means none. Every close is recorded with the traits' tag.
struct Closed {
    int handle;
    int tag;
    bool operator==(const Closed&) const = default;
};
std::vector<Closed> closes;

struct CountedTraits {
    using Handle = int;
    int tag = 0;
    static int Invalid() { return 0; }
    void Close(int handle) const { closes.push_back({handle, tag}); }
};
using Counted = UniqueHandle<CountedTraits>;

// Two values mean none, as with kernel handles: 0 and -1.
struct TwoNoneTraits {
    using Handle = int;
    static int Invalid() { return 0; }
    static bool IsValid(int handle) { return handle != 0 && handle != -1; }
    static void Close(int handle) { closes.push_back({handle, -1}); }
};
using TwoNone = UniqueHandle<TwoNoneTraits>;

class UniqueHandleTest : public testing::Test {
protected:
    void SetUp() override { closes.clear(); }
};

TEST_F(UniqueHandleTest, AHeldHandleIsClosedOnceWhenItsOwnerGoes) {
    {
        const Counted owner(7, CountedTraits{3});
        EXPECT_TRUE(owner);
        EXPECT_EQ(owner.Get(), 7);
        EXPECT_TRUE(closes.empty());
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{7, 3}}));
}

TEST_F(UniqueHandleTest, AnEmptyOwnerClosesNothing) {
    {
        const Counted empty;
        const Counted failed(0);
        EXPECT_FALSE(empty);
        EXPECT_FALSE(failed);
        EXPECT_EQ(empty.Get(), 0);
    }
    EXPECT_TRUE(closes.empty());
}

TEST_F(UniqueHandleTest, EveryValueThatMeansNoneIsLeftAlone) {
    {
        const TwoNone nullHandle(0);
        const TwoNone invalidHandle(-1);
        const TwoNone realHandle(5);
        EXPECT_FALSE(nullHandle);
        EXPECT_FALSE(invalidHandle);
        EXPECT_TRUE(realHandle);
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{5, -1}}));
}

TEST_F(UniqueHandleTest, AMovedHandleIsClosedOnlyByItsNewOwnerWithTheTraitsItCameWith) {
    {
        Counted first(7, CountedTraits{3});
        const Counted second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), 7);
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{7, 3}}));
}

TEST_F(UniqueHandleTest, MoveAssignmentClosesTheTargetsOwnHandleFirstWithItsOwnTraits) {
    {
        Counted source(7, CountedTraits{3});
        Counted target(8, CountedTraits{4});
        target = std::move(source);
        EXPECT_EQ(closes, (std::vector<Closed>{{8, 4}}));
        EXPECT_FALSE(source);
        EXPECT_EQ(target.Get(), 7);
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{8, 4}, {7, 3}}));
}

TEST_F(UniqueHandleTest, MoveAssignmentToItselfKeepsTheHandle) {
    {
        Counted owner(7, CountedTraits{3});
        Counted& same = owner;
        owner = std::move(same);
        EXPECT_EQ(owner.Get(), 7);
        EXPECT_TRUE(closes.empty());
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{7, 3}}));
}

TEST_F(UniqueHandleTest, ResetClosesTheOldHandleAndHoldsTheNewOne) {
    {
        Counted owner(7);
        owner.Reset(9);
        EXPECT_EQ(closes, (std::vector<Closed>{{7, 0}}));
        EXPECT_EQ(owner.Get(), 9);
        owner.Reset();
        EXPECT_EQ(closes, (std::vector<Closed>{{7, 0}, {9, 0}}));
        EXPECT_FALSE(owner);
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{7, 0}, {9, 0}}));
}

TEST_F(UniqueHandleTest, ReceiveClosesTheOldHandleAndOwnsWhatIsPutThere) {
    {
        Counted owner(7);
        int* place = owner.Receive();
        EXPECT_EQ(closes, (std::vector<Closed>{{7, 0}}));
        EXPECT_EQ(*place, 0) << "an opening call that fails leaves the owner empty";
        *place = 11; // as an opening call does
        EXPECT_EQ(owner.Get(), 11);
    }
    EXPECT_EQ(closes, (std::vector<Closed>{{7, 0}, {11, 0}}));
}

} // namespace
