// The main window's controller under real messages: games won and lost, the scoreboard, the
// countdown running out under other dialogs, Escape, Exit and the close box, double-clicks,
// the Difficulty dialog, and a limit lowered in storage mid-game.
#include "main_window.h"

#include "input.h"
#include "program_texts.h"
#include "resource.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "wait.h"
#include "wave_recorder.h"

#include <ctime>

namespace {

constexpr Guess kCode{0, 1, 2, 3}; // red, yellow, green, blue
constexpr Guess kMiss{5, 5, 5, 5}; // magenta: neither count

// Games of a single guess: its last peg decides them.
class OneGuessTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        settingsStore.SetNumberOfGuesses(1);
    }
};

} // namespace

TEST_F(MainWindowTest, AGameWonOnTheLastAllowedRowCountsAsAWin) {
    settingsStore.SetNumberOfGuesses(3);
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    EnterRow(game, kMiss);
    EnterRow(game, {3, 2, 1, 0});
    const HWND win = EnterFinalRow(game, kCode, Caption(IDD_WIN));
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
    const GameState during = game.State();
    EXPECT_EQ(during.ResultShowing(), 1);
    EXPECT_EQ(during.GamesPlayed(), 1);
    EXPECT_EQ(during.GamesWon(), 1);

    CloseAndWaitForDeal(game, win);
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
    EXPECT_EQ(game.State().GamesWon(), 1);
}

TEST_F(OneGuessTest, TheFourthWrongPegLosesAndTheScoreboardKeepsCount) {
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    for (const ColourIndex colour : {0, 1, 2}) {
        game.ClickColour(colour);
    }
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0) << "three pegs are no complete row";
    game.PostClickColour(4);
    const HWND lose = WaitForDialog(Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    EXPECT_EQ(game.State().GamesWon(), 0);
    CloseAndWaitForDeal(game, lose);

    // Two wins make three games with two won.
    for (int g = 0; g < 2; ++g) {
        game.SetCode(kCode);
        const HWND win = EnterFinalRow(game, kCode, Caption(IDD_WIN));
        ASSERT_NE(win, nullptr);
        CloseAndWaitForDeal(game, win);
    }
    EXPECT_TRUE(WaitUntil([&] {
        return game.Text(IDC_GAMES_PLAYED) == "3" && game.Text(IDC_GAMES_WON) == "2 (66%)";
    })) << game.Text(IDC_GAMES_PLAYED)
        << " / " << game.Text(IDC_GAMES_WON);
}

TEST_F(OneGuessTest, TimeUpWhileTheLoseDialogIsOpenIsNotASecondLoss) {
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    const HWND lose = EnterFinalRow(game, kMiss, Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);

    game.ExpireCountdown(15);
    game.PostTick();
    game.PostTick();
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 1);
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    EXPECT_EQ(game.State().RemainText().data(), std::string("0000")) << "ticks go on underneath";

    CloseAndWaitForDeal(game, lose);
    // The deal restarted the countdown: the next tick is no loss either.
    game.PostTick();
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    const std::string remaining = game.State().RemainText().data();
    EXPECT_TRUE(remaining == "1500" || remaining == "1459") << remaining;
}

TEST_F(MainWindowTest, TimeUpUnderTheAboutDialogRaisesTheLoseDialogOverItAndDeals) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    EnterRow(game, {4, 4, 4, 4});
    game.PostCommandClick(IDC_ABOUT);
    const HWND about = WaitForDialog(Caption(IDD_ABOUT));
    ASSERT_NE(about, nullptr);

    game.ExpireCountdown(15);
    game.PostTick();
    const HWND lose = WaitForDialog(Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);
    EXPECT_EQ(GetWindow(lose, GW_OWNER), about);
    EXPECT_FALSE(IsWindowEnabled(about));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    EXPECT_EQ(game.State().GamesPlayed(), 1);
    EXPECT_EQ(game.State().GamesWon(), 0);

    CloseAndWaitForDeal(game, lose);
    EXPECT_TRUE(IsWindow(about)) << "About stays open over the new game";
    const GameState dealt = game.State();
    EXPECT_GE(dealt.GameStart(), static_cast<std::int64_t>(std::time(nullptr)) - 5);
    EXPECT_EQ(dealt.GamesPlayed(), 1);
    PressDialogButton(about, IDOK);
    EXPECT_TRUE(WaitForDialogGone(about));
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
}

TEST_F(OneGuessTest, EscapeDealsANewGameAndLeavesTheScoreboard) {
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    const HWND win = EnterFinalRow(game, kCode, Caption(IDD_WIN));
    ASSERT_NE(win, nullptr);
    CloseAndWaitForDeal(game, win);

    game.ClickColour(2);
    game.ClickColour(3);
    const std::int64_t before = game.State().GameStart();
    game.ChangeState([](GameState& state) { GameStateTestAccess::GameStart(state) -= 100; });
    game.PostKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return BoardIsEmpty(game.State()); }));
    const GameState after = game.State();
    EXPECT_GE(after.GameStart(), before) << "the countdown starts again";
    EXPECT_EQ(after.GamesPlayed(), 1);
    EXPECT_EQ(after.GamesWon(), 1);
    EXPECT_FALSE(game.WaitForEnd(300)) << "Escape must not end the program";
}

TEST_F(MainWindowTest, ExitEndsTheRunWithOkAndPlaysTheLastSoundOnce) {
    settingsStore.SetSoundEffects(1);
    GameSession game;
    ASSERT_TRUE(game.Started());
    EXPECT_EQ(RecordedCount("first.wav"), 1);
    EXPECT_EQ(RecordedCount("last.wav"), 0);
    game.PostCommandClick(IDC_EXIT);
    ASSERT_TRUE(game.WaitForEnd());
    EXPECT_EQ(game.Result(), IDOK);
    EXPECT_EQ(RecordedCount("last.wav"), 1);
}

TEST_F(MainWindowTest, TheCloseBoxEndsTheRunWithOkLikeExit) {
    settingsStore.SetSoundEffects(1);
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.ClickColour(0);
    PostMessageA(game.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(game.WaitForEnd());
    EXPECT_EQ(game.Result(), IDOK);
    EXPECT_EQ(RecordedCount("last.wav"), 1);
}

TEST_F(MainWindowTest, WithSoundsOffTheWindowAsksForNoSound) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    PostMessageA(game.Window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(game.WaitForEnd());
    EXPECT_EQ(game.Result(), IDOK);
    EXPECT_TRUE(RecordedSounds().empty());
}

TEST_F(MainWindowTest, ADoubleClickEntersTheColourTwice) {
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    game.PostDoubleClickColour(0);
    EXPECT_TRUE(WaitUntil([&] { return game.State().Board()[1] == 0; }));
    ASSERT_TRUE(GameThread().Flush());
    const GameState state = game.State();
    EXPECT_EQ(state.Board()[0], 0);
    EXPECT_EQ(state.Board()[1], 0);
    EXPECT_EQ(state.Board()[2], EMPTY_CELL);
}

TEST_F(MainWindowTest, ARowCompletedByTheSecondPegOfADoubleClickIsScoredOnce) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.SetCode({1, 2, 0, 0});
    game.ClickColour(1);
    game.ClickColour(2);
    game.PostDoubleClickColour(0);
    const HWND win = WaitForDialog(Caption(IDD_WIN));
    ASSERT_NE(win, nullptr);
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_WIN)), 1);
    const GameState state = game.State();
    EXPECT_EQ(state.GamesPlayed(), 1);
    EXPECT_EQ(state.GamesWon(), 1);
    EXPECT_EQ(state.Board()[4], EMPTY_CELL) << "no third peg";
    CloseAndWaitForDeal(game, win);
}

TEST_F(MainWindowTest, DifficultyCancelKeepsTheGameAndOkDealsEvenWithoutAChange) {
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    EnterRow(game, {5, 4, 3, 2});
    game.ClickColour(1);
    const GameState before = game.State();

    game.PostCommandClick(IDC_DIFFICULTY);
    HWND difficulty = WaitForDialog(Caption(IDD_DIFFICULTY));
    ASSERT_NE(difficulty, nullptr);
    PressDialogButton(difficulty, IDCANCEL);
    ASSERT_TRUE(WaitForDialogGone(difficulty));
    ASSERT_TRUE(GameThread().Flush());
    const GameState kept = game.State();
    EXPECT_EQ(kept.Board(), before.Board());
    EXPECT_EQ(kept.Code(), before.Code());
    EXPECT_EQ(kept.GameStart(), before.GameStart());

    game.PostCommandClick(IDC_DIFFICULTY);
    difficulty = WaitForDialog(Caption(IDD_DIFFICULTY));
    ASSERT_NE(difficulty, nullptr);
    PressDialogButton(difficulty, IDOK);
    ASSERT_TRUE(WaitForDialogGone(difficulty));
    EXPECT_TRUE(WaitUntil([&] { return BoardIsEmpty(game.State()); }));
    EXPECT_EQ(game.State().GamesPlayed(), 0);
}

TEST_F(MainWindowTest, ADifficultyChangeSetsTheRowLabelsOfTheNewGame) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    EXPECT_TRUE(IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + 11)));

    game.PostCommandClick(IDC_DIFFICULTY);
    const HWND difficulty = WaitForDialog(Caption(IDD_DIFFICULTY));
    ASSERT_NE(difficulty, nullptr);
    SendMessageA(GetDlgItem(difficulty, IDC_GUESSES), CB_SETCURSEL, 4, 0); // "5"
    PressDialogButton(difficulty, IDOK);
    ASSERT_TRUE(WaitForDialogGone(difficulty));
    EXPECT_TRUE(WaitUntil([&] {
        for (int row = 0; row < ROW_COUNT; ++row) {
            if ((IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + row)) != FALSE) != (row < 5)) {
                return false;
            }
        }
        return true;
    })) << "labels 1 to 5 shown, the rest hidden";
}

TEST_F(MainWindowTest, ALimitLoweredInStorageBelowTheRowsPlayedStopsFurtherEntries) {
    GameSession game(kCode);
    ASSERT_TRUE(game.Started());
    EnterRow(game, kMiss);
    EnterRow(game, {4, 4, 4, 4});
    EnterRow(game, {3, 3, 3, 3});
    game.ClickColour(1);

    settingsStore.SetNumberOfGuesses(2); // as another running copy would
    game.PostClickColour(0);
    game.PostClickColour(2);
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_LOSE)), 0);
    EXPECT_EQ(CountThreadDialogs(Caption(IDD_WIN)), 0);
    const GameState state = game.State();
    EXPECT_EQ(state.Board()[12], 1);
    EXPECT_EQ(state.Board()[13], EMPTY_CELL);
    EXPECT_EQ(state.GamesPlayed(), 0);

    // The next deal follows the new limit.
    game.PostKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return BoardIsEmpty(game.State()); }));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + 2)); }));
    EXPECT_TRUE(IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + 1)));
}

TEST_F(MainWindowTest, PaintingWhileMinimisedSkipsTheDisplayPass) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock(); // ticks run the pass whatever the window's state
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_GAMES_PLAYED) == "0"; }));
    GameThread().Run([&] { ShowWindow(game.Window(), SW_MINIMIZE); });
    ASSERT_TRUE(IsIconic(game.Window()));
    game.ChangeState([](GameState& state) { GameStateTestAccess::GamesPlayed(state) = 7; });
    // Wine sends a minimised window no paint of its own; hand it one as a platform may.
    GameThread().Run([&] {
        InvalidateRect(game.Window(), nullptr, TRUE);
        SendMessageA(game.Window(), WM_PAINT, 0, 0);
    });
    EXPECT_EQ(game.Text(IDC_GAMES_PLAYED), "0");

    GameThread().Run([&] { ShowWindow(game.Window(), SW_RESTORE); });
    game.WaitForPaint();
    EXPECT_TRUE(WaitUntil([&] { return game.Text(IDC_GAMES_PLAYED) == "7"; }));
}

TEST_F(MainWindowTest, HelpAsksTheHelpEngineForTheContents) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    // The tests have no help file beside them: the engine fails and the framework says so.
    game.PostCommandClick(IDC_HELP_BUTTON);
    const HWND box = WaitForDialog("main_window_test");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), game.Window());
    PressDialogButton(box, IDOK);
    EXPECT_TRUE(WaitForDialogGone(box));
    EXPECT_FALSE(game.WaitForEnd(200)) << "the game goes on";
}
