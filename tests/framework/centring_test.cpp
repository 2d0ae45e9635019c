// The centring rule over many placements: centred over the owner or the screen, halves
// rounded toward zero, pushed back inside the screen, never resized.
#include "centring.h"

#include <gtest/gtest.h>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr ScreenRect kScreen{0, 0, kScreenWidth, kScreenHeight};

ScreenPoint Place(const ScreenRect& owner, int width, int height) {
    return CentredPosition(owner, width, height, kScreenWidth, kScreenHeight);
}

// An owner of the given size with its top-left corner at (left, top).
ScreenRect Owner(int left, int top, int width = 486, int height = 424) {
    return {left, top, left + width, top + height};
}

bool OnScreen(ScreenPoint place, int width, int height) {
    return place.x >= 0 && place.y >= 0 && place.x + width <= kScreenWidth &&
           place.y + height <= kScreenHeight;
}

} // namespace

TEST(CentringTest, CentresOverAnOwnerWellInsideTheScreen) {
    const ScreenPoint place = Place(Owner(100, 50, 400, 300), 200, 100);
    EXPECT_EQ(place.x, 200); // centre 300 - 100
    EXPECT_EQ(place.y, 150); // centre 200 - 50
}

TEST(CentringTest, WithoutAnOwnerTheScreenTakesItsPlace) {
    const ScreenPoint place = Place(kScreen, 310, 190);
    EXPECT_EQ(place.x, 245);
    EXPECT_EQ(place.y, 205);
}

TEST(CentringTest, OddSizesRoundEachHalfTowardZero) {
    // Owner 0..101 has its centre at 50 (not 50.5); a dialog 31 wide has half 15.
    EXPECT_EQ(Place({0, 0, 101, 101}, 31, 31).x, 35);
    EXPECT_EQ(Place({0, 0, 101, 101}, 31, 31).y, 35);
    // Owner 500..801: centre 650 (650.5 truncated), dialog 101 wide: 650 - 50 = 600.
    EXPECT_EQ(Place({500, 100, 801, 401}, 101, 101).x, 600);
    EXPECT_EQ(Place({100, 200, 401, 501}, 101, 101).y, 300);
}

TEST(CentringTest, AnOwnerNearEachEdgeOrCornerGetsItsDialogWhollyOnTheScreen) {
    constexpr int width = 310, height = 190;
    struct Case {
        const char* where;
        ScreenRect owner;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {"left edge", Owner(-400, 100), {0, 217}},
        {"right edge", Owner(700, 100), {kScreenWidth - width, 217}},
        {"top edge", Owner(150, -380), {238, 0}},
        {"bottom edge", Owner(150, 560), {238, kScreenHeight - height}},
        {"top-left corner", Owner(-450, -400), {0, 0}},
        {"top-right corner", Owner(760, -400), {kScreenWidth - width, 0}},
        {"bottom-left corner", Owner(-450, 590), {0, kScreenHeight - height}},
        {"bottom-right corner", Owner(760, 590), {kScreenWidth - width, kScreenHeight - height}},
        {"wholly off to the right", Owner(2000, 100), {kScreenWidth - width, 217}},
        {"wholly off above", Owner(150, -2000), {238, 0}},
    };
    for (const Case& c : cases) {
        const ScreenPoint place = Place(c.owner, width, height);
        EXPECT_EQ(place.x, c.expected.x) << c.where;
        EXPECT_EQ(place.y, c.expected.y) << c.where;
        EXPECT_TRUE(OnScreen(place, width, height)) << c.where;
    }
}

TEST(CentringTest, ADialogJustFittingIsNotMovedFurtherThanNeeded) {
    // Right edge exactly at the screen's edge stays; one pixel beyond moves by one.
    EXPECT_EQ(Place({650, 0, 850, 100}, 100, 50).x, 700);
    EXPECT_EQ(Place({651, 0, 851, 100}, 100, 50).x, 700);
    // Left edge exactly 0 stays.
    EXPECT_EQ(Place({0, 0, 100, 100}, 100, 50).x, 0);
    // A dialog as large as the screen sits at 0 whatever the owner.
    EXPECT_EQ(Place(Owner(700, 500), kScreenWidth, kScreenHeight).x, 0);
    EXPECT_EQ(Place(Owner(700, 500), kScreenWidth, kScreenHeight).y, 0);
}

TEST(CentringTest, ADialogLargerThanTheScreenKeepsItsTopLeftCornerOnIt) {
    // Whichever side the owner is on, the caption and its system menu stay reachable.
    for (const ScreenRect owner :
         {Owner(-300, -300), Owner(100, 100), Owner(700, 500), Owner(5000, 5000)}) {
        const ScreenPoint place = Place(owner, 1000, 700);
        EXPECT_EQ(place.x, 0);
        EXPECT_EQ(place.y, 0);
    }
}

TEST(CentringTest, EachAxisIsPlacedOnItsOwn) {
    // Off the screen horizontally only: the vertical position is the plain centre.
    const ScreenPoint place = Place({-600, 200, -100, 400}, 120, 80);
    EXPECT_EQ(place.x, 0);
    EXPECT_EQ(place.y, 260);
}
