// The game clock: 12-hour time of day, the countdown text and its limits, and when a tick
// reports a change.
#include "game_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::int64_t kDeal = 1'700'000'000; // any calendar second; local times are handed in

TimeOfDay At(int hour, int minute, int second) {
    return TimeOfDay{hour, minute, second};
}

std::string Text(const std::array<char, 7>& text) {
    return text.data();
}
std::string Text(const std::array<char, 5>& text) {
    return text.data();
}

TEST(GameClockTest, ShowsTwelveHourTimeWithoutMorningOrAfternoon) {
    struct Case {
        TimeOfDay local;
        const char* expected;
    };
    const Case cases[] = {
        {At(0, 5, 9), "120509"},  {At(0, 0, 0), "120000"},    {At(12, 30, 0), "123000"},
        {At(13, 0, 0), "010000"}, {At(23, 59, 59), "115959"}, {At(9, 7, 3), "090703"},
    };
    for (const Case& c : cases) {
        GameState state(1);
        state.NewGame(1, kDeal);
        Tick(state, kDeal, c.local, 5);
        EXPECT_EQ(Text(state.ClockText()), c.expected);
    }
}

TEST(GameClockTest, CountsDownToZeroAndStaysThere) {
    GameState state(1);
    state.NewGame(1, kDeal); // 10:00:00, limit one minute

    TickResult result = Tick(state, kDeal + 1, At(10, 0, 1), 1);
    EXPECT_EQ(Text(state.RemainText()), "0059");
    EXPECT_FALSE(result.timeUp);

    result = Tick(state, kDeal + 59, At(10, 0, 59), 1);
    EXPECT_EQ(Text(state.RemainText()), "0001");
    EXPECT_FALSE(result.timeUp);

    result = Tick(state, kDeal + 60, At(10, 1, 0), 1);
    EXPECT_EQ(Text(state.ClockText()), "100100");
    EXPECT_EQ(Text(state.RemainText()), "0000");
    EXPECT_TRUE(result.timeUp);

    // Long after the limit, e.g. while a result dialog is up.
    for (int late : {61, 62, 3600, 86400 * 400}) {
        result = Tick(state, kDeal + late, At(11, 0, 0), 1);
        EXPECT_EQ(Text(state.RemainText()), "0000") << late;
        EXPECT_TRUE(result.timeUp) << late;
    }

    // The next deal restarts the countdown from the full limit.
    state.NewGame(1, kDeal + 100);
    result = Tick(state, kDeal + 100, At(10, 1, 40), 1);
    EXPECT_EQ(Text(state.RemainText()), "0100");
    EXPECT_FALSE(result.timeUp);
}

TEST(GameClockTest, ReadsTheLimitOnEveryTick) {
    GameState state(1);
    state.NewGame(1, kDeal);
    Tick(state, kDeal, At(10, 0, 0), 15);
    EXPECT_EQ(Text(state.RemainText()), "1500");
    Tick(state, kDeal + 75, At(10, 1, 15), 15);
    EXPECT_EQ(Text(state.RemainText()), "1345");
    Tick(state, kDeal + 75, At(10, 1, 15), 2);
    EXPECT_EQ(Text(state.RemainText()), "0045");
}

TEST(GameClockTest, ReportsAChangeOnlyWhenAShownTextChanges) {
    GameState state(1);
    state.NewGame(1, kDeal);
    EXPECT_TRUE(Tick(state, kDeal, At(10, 0, 0), 3).changed); // the deal emptied both texts
    EXPECT_FALSE(Tick(state, kDeal, At(10, 0, 0), 3).changed);
    EXPECT_TRUE(Tick(state, kDeal + 1, At(10, 0, 1), 3).changed);
    EXPECT_EQ(Text(state.ClockText()), "100001");
    EXPECT_EQ(Text(state.RemainText()), "0259");

    // Only the remaining time differs (limit changed): still a change, both texts stored.
    EXPECT_TRUE(Tick(state, kDeal + 1, At(10, 0, 1), 4).changed);
    EXPECT_EQ(Text(state.RemainText()), "0359");

    // A new deal within the same second still forces a repaint.
    state.NewGame(1, kDeal + 1);
    Tick(state, kDeal + 1, At(10, 0, 1), 4);
    state.NewGame(1, kDeal + 1);
    EXPECT_TRUE(Tick(state, kDeal + 1, At(10, 0, 1), 4).changed);
    EXPECT_EQ(Text(state.ClockText()), "100001");
    EXPECT_EQ(Text(state.RemainText()), "0400");
}

// Setting the calendar back during a game leaves more time than the four digits can hold.
TEST(GameClockTest, CapsTheRemainingTimeAtTheLargestItCanShow) {
    struct Case {
        std::int64_t elapsed;
        const char* expected;
    };
    const Case cases[] = {
        {-5880, "9900"},            // 5940 s left: still fits
        {-5939, "9959"},            // 5999 s: the largest that fits
        {-5940, "9959"},            // 6000 s: 100 minutes, capped
        {-86400, "9959"},           // a day back
        {-4'000'000'000LL, "9959"}, // far beyond any 32-bit count
    };
    for (const Case& c : cases) {
        GameState state(1);
        state.NewGame(1, kDeal);
        const TickResult result = Tick(state, kDeal + c.elapsed, At(10, 0, 0), 1);
        EXPECT_EQ(Text(state.RemainText()), c.expected) << c.elapsed;
        EXPECT_EQ(state.RemainText()[4], '\0');
        EXPECT_FALSE(result.timeUp);
    }
}

TEST(GameClockTest, WorksPast2038) {
    const std::int64_t deal = 4'102'444'800; // 2100-01-01, beyond a signed 32-bit time
    GameState state(1);
    state.NewGame(1, deal);
    EXPECT_FALSE(Tick(state, deal + 30, At(0, 0, 30), 1).timeUp);
    EXPECT_EQ(Text(state.RemainText()), "0030");
    EXPECT_TRUE(Tick(state, deal + 60, At(0, 1, 0), 1).timeUp);
}

} // namespace
