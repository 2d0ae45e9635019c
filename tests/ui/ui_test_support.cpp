// The settings live in the test prefix's registry; each test starts from none stored.
#include "ui_test_support.h"

#include "input.h"
#include "wait.h"
#include "wave_recorder.h"

#include <algorithm>

void MainWindowTest::SetUp() {
    ClearRecordedSounds();
}

void MainWindowTest::EnterRow(const GameSession& game, const Guess& guess) {
    for (const ColourIndex colour : guess) {
        game.ClickColour(colour);
    }
}

HWND MainWindowTest::EnterFinalRow(const GameSession& game, const Guess& guess,
                                   const char* caption) {
    for (int p = 0; p < PEG_COUNT - 1; ++p) {
        game.ClickColour(guess[p]);
    }
    game.PostClickColour(guess[PEG_COUNT - 1]);
    return WaitForDialog(caption);
}

void MainWindowTest::CloseAndWaitForDeal(const GameSession& game, HWND dialog) {
    PressDialogButton(dialog, IDOK);
    EXPECT_TRUE(WaitForDialogGone(dialog));
    EXPECT_TRUE(WaitUntil([&] {
        const GameState state = game.State();
        return BoardIsEmpty(state) && state.ResultShowing() == 0;
    }));
}

bool MainWindowTest::BoardIsEmpty(const GameState& state) {
    return std::all_of(state.Board().begin(), state.Board().end(),
                       [](ColourIndex cell) { return cell == EMPTY_CELL; });
}
