// The system clock set back and forward during a game. The time goes to Tick by hand, and
// for the window's own tick the deal is moved instead (the same difference to the clock):
// the clocks show what the moved time gives, and only a move past the limit loses, once.
#include "calendar_clock.h"
#include "game_clock.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "update_display.h"
#include "wait.h"

#include <cstdio>
#include <string>

namespace {

constexpr std::int64_t kTwoHours = 2 * 60 * 60;

// The time of day as the clock shows it: twelve hours, no morning or afternoon.
std::string ClockTextAt(std::int64_t when) {
    const TimeOfDay local = LocalTimeOfDay(when);
    const int hour = local.hour % 12 == 0 ? 12 : local.hour % 12;
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02d%02d%02d", hour, local.minute, local.second);
    return text;
}

// Each countdown anchor shows its digit's picture whole.
bool CountdownShows(const GameSession& game, const std::string& digits) {
    const int anchors[] = {IDC_REMAIN_FIRST, IDC_REMAIN_FIRST + 1, IDC_REMAIN_COLON + 1,
                           IDC_REMAIN_LAST};
    for (int i = 0; i < 4; ++i) {
        const Pixels picture = BitmapPixels(MAKEINTRESOURCEA(digits[i] + 92));
        POINT corner{0, 0};
        ClientToScreen(game.Item(anchors[i]), &corner);
        if (CaptureScreen(corner, picture.width, picture.height) != picture) {
            return false;
        }
    }
    return true;
}

// The countdown text of a game that had between `fewest` and `most` seconds of its limit
// spent when the tick came.
bool RemainingWithin(const GameState& state, int limitSeconds, int fewest, int most) {
    const std::string text = state.RemainText().data();
    for (int spent = fewest; spent <= most; ++spent) {
        const int left = limitSeconds - spent;
        char expected[8] = {};
        std::snprintf(expected, sizeof expected, "%02d%02d", left / 60, left % 60);
        if (text == expected) {
            return true;
        }
    }
    return false;
}

using ClockFaultTest = MainWindowTest;

// A second before the limit nothing is lost; the tick that reaches it loses, not the one after.
TEST_F(ClockFaultTest, TheWindowsTickLosesExactlyAtTheLimit) {
    settingsStore.SetTimeLimit(1);
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();
    // The window's own tick with the deal set `spent` seconds back, taken again until one comes
    // within the second the deal was set in, and so sees exactly that many seconds spent. What a
    // tick that strayed into the next second raised is closed first: it proves nothing.
    const auto exactTick = [&](std::int64_t spent) {
        for (int tries = 0; tries < 5; ++tries) {
            const std::int64_t now = CalendarNow();
            game.ChangeState([&](GameState& state) {
                GameStateTestAccess::GameStart(state) = now - spent;
                GameStateTestAccess::GamesPlayed(state) = 0;
            });
            game.PostTick();
            if (GameThread().Flush() && CalendarNow() == now) {
                return true;
            }
            if (CountThreadDialogs(Caption(IDD_LOSE)) != 0) {
                CloseAndWaitForDeal(game, WaitForDialog(Caption(IDD_LOSE)));
            }
        }
        return false;
    };

    ASSERT_TRUE(exactTick(59)) << "no tick stayed within its second";
    EXPECT_EQ(game.State().RemainText().data(), std::string("0001"));
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
    EXPECT_EQ(game.State().GamesPlayed(), 0);

    ASSERT_TRUE(exactTick(60)) << "no tick stayed within its second";
    EXPECT_EQ(game.State().RemainText().data(), std::string("0000"));
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 1) << "the tick at the limit loses";
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    const HWND lose = WaitForDialog(Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);
    CloseAndWaitForDeal(game, lose);
}

TEST_F(ClockFaultTest, TheClockHandedToTickMovesBackAndForwardWithoutALoss) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();
    EnterRow(game, {5, 5, 5, 5});
    const int limit = settingsStore.GetTimeLimit();

    // The moments the clock shows, each handed to Tick and then displayed, as a tick does.
    const std::int64_t dealt = game.State().GameStart();
    const std::int64_t moments[] = {dealt + 5, dealt - kTwoHours, dealt - 30, dealt + 600,
                                    dealt - 86400, dealt + 60};
    for (const std::int64_t moment : moments) {
        TickResult result{};
        game.ChangeState([&](GameState& state) {
            result = Tick(state, moment, LocalTimeOfDay(moment), limit);
            UpdateDisplay(game.Window(), state);
        });
        const GameState state = game.State();
        const std::int64_t left = std::min<std::int64_t>(limit * 60 - (moment - dealt), 5999);
        char remain[8] = {};
        std::snprintf(remain, sizeof remain, "%02d%02d", static_cast<int>(left / 60),
                      static_cast<int>(left % 60));
        EXPECT_EQ(state.ClockText().data(), ClockTextAt(moment)) << moment - dealt;
        EXPECT_EQ(state.RemainText().data(), std::string(remain)) << moment - dealt;
        EXPECT_FALSE(result.timeUp) << moment - dealt;
    }
    // Set back by a day, the countdown holds at the most its four digits can show.
    game.ChangeState([&](GameState& state) {
        const std::int64_t moment = dealt - 86400;
        Tick(state, moment, LocalTimeOfDay(moment), limit);
        UpdateDisplay(game.Window(), state);
    });
    EXPECT_TRUE(WaitUntil([&] { return CountdownShows(game, "9959"); }, 2000));
}

TEST_F(ClockFaultTest, TheWindowsTickAfterTheClockMovedLosesOnlyPastTheLimitAndOnce) {
    settingsStore.SetTimeLimit(2);
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();
    EnterRow(game, {5, 5, 5, 5});
    const std::int64_t dealt = game.State().GameStart();
    // Each move is followed by the window's own tick; the seconds spent since the deal are
    // taken on both sides of it.
    int spentBefore = 0, spentAfter = 0;
    const auto moveDeal = [&](std::int64_t by) {
        spentBefore = static_cast<int>(CalendarNow() - dealt);
        game.ChangeState(
            [&](GameState& state) { GameStateTestAccess::GameStart(state) = dealt + by; });
        game.PostTick();
        ASSERT_TRUE(GameThread().Flush());
        spentAfter = static_cast<int>(CalendarNow() - dealt);
    };

    // Set back two hours: the deal lies in the clock's future.
    moveDeal(kTwoHours);
    EXPECT_EQ(game.State().RemainText().data(), std::string("9959"));
    // Forward again, then on by a minute: the countdown follows, and nothing is lost.
    moveDeal(0);
    EXPECT_TRUE(RemainingWithin(game.State(), 120, spentBefore, spentAfter))
        << game.State().RemainText().data();
    moveDeal(-60);
    EXPECT_TRUE(RemainingWithin(game.State(), 120, spentBefore + 60, spentAfter + 60))
        << game.State().RemainText().data();
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
    EXPECT_EQ(game.State().GamesPlayed(), 0);

    // Forward past the limit: one loss, however many ticks come while it is shown.
    game.ChangeState(
        [&](GameState& state) { GameStateTestAccess::GameStart(state) = dealt - kTwoHours; });
    game.PostTick();
    const HWND lose = WaitForDialog(Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);
    for (int tick = 0; tick < 3; ++tick) {
        game.PostTick();
    }
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 1);
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    CloseAndWaitForDeal(game, lose);

    // The new game counts down from the full limit.
    game.PostTick();
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_TRUE(RemainingWithin(game.State(), 120, 0, 3)) << game.State().RemainText().data();
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
}

} // namespace
