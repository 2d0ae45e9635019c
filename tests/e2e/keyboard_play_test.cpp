// The real game played with the keys 1 to 6 alone, pressed as a player presses them: they enter
// the colours as the buttons do, once per press, never with Ctrl or Alt, and never from inside
// a dialog of the game. A whole game is won from the keyboard, reading the counts off the screen.
#include "game_process.h"
#include "game_state.h"
#include "input.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Code = std::array<ColourIndex, PEG_COUNT>;

// The colour the peg at the anchor shows, read from a pixel of its disc that a number would
// not cover; nothing when there is no peg there.
std::optional<ColourIndex> PegShown(HWND anchor) {
    static constexpr COLORREF kPegColours[COLOUR_COUNT] = {
        RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 0),
        RGB(0, 0, 255), RGB(128, 0, 0),   RGB(255, 0, 255)};
    POINT point{5, 12};
    ClientToScreen(anchor, &point);
    const COLORREF shown = CaptureScreen(point, 1, 1).At(0, 0);
    for (ColourIndex colour = 0; colour < COLOUR_COUNT; ++colour) {
        if (shown == kPegColours[colour]) {
            return colour;
        }
    }
    return std::nullopt;
}

std::vector<std::optional<ColourIndex>> RowShown(const GameProcess& game, int row) {
    std::vector<std::optional<ColourIndex>> pegs;
    for (int position = 0; position < PEG_COUNT; ++position) {
        pegs.push_back(PegShown(game.Item(IDC_PEG_FIRST + row * PEG_COUNT + position)));
    }
    return pegs;
}

bool RowShows(const GameProcess& game, int row, const Code& pegs) {
    return WaitUntil([&] {
        const auto shown = RowShown(game, row);
        for (int position = 0; position < PEG_COUNT; ++position) {
            if (shown[position] != pegs[position]) {
                return false;
            }
        }
        return true;
    });
}

bool BoardIsEmpty(const GameProcess& game) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (PegShown(game.Item(IDC_PEG_FIRST + cell)).has_value()) {
            return false;
        }
    }
    return true;
}

// The feedback count the anchor shows, or -1 when it shows none of them.
int CountShown(HWND anchor) {
    return ShownBitmap(anchor, IDB_SMALL_DIGIT_FIRST, PEG_COUNT + 1).value_or(-1);
}

// The two counts the game's own rules give a guess against a code.
std::pair<int, int> Score(const Code& code, const Code& guess) {
    GameState game(1);
    game.NewGame(1, 0);
    GameStateTestAccess::Code(game) = code;
    for (const ColourIndex peg : guess) {
        game.EnterPeg(peg, ROW_COUNT);
    }
    return {game.ExactCount(0), game.ColourCount(0)};
}

std::vector<Code> EveryCode() {
    std::vector<Code> codes;
    for (int n = 0; n < COLOUR_COUNT * COLOUR_COUNT * COLOUR_COUNT * COLOUR_COUNT; ++n) {
        codes.push_back({n % 6, n / 6 % 6, n / 36 % 6, n / 216});
    }
    return codes;
}

void TypeRow(const Code& guess) {
    for (const ColourIndex peg : guess) {
        PressKey(static_cast<WORD>('1' + peg));
    }
}

class KeyboardPlayTest : public GameProcessTest {
protected:
    void SetUp() override {
        ASSERT_NE(game.Main(), nullptr);
        BringToFront(game.Main());
    }
};

// Each row has a colour twice, once by a digit and once by the keypad: against a code of four
// different colours no row wins.
TEST_F(KeyboardPlayTest, DigitsFillARowAndScoreItAndTheKeypadDoesTheSame) {
    constexpr WORD kRows[2][PEG_COUNT] = {{'1', '2', '3', VK_NUMPAD1},
                                          {'4', VK_NUMPAD6, VK_NUMPAD5, VK_NUMPAD4}};
    for (const WORD key : kRows[0]) {
        PressKey(key);
    }
    EXPECT_TRUE(RowShows(game, 0, {0, 1, 2, 0})) << "keys 1 to 3, the keypad's 1";
    EXPECT_TRUE(WaitUntil([&] { return CountShown(game.Item(IDC_EXACT_FIRST)) >= 0; }));
    EXPECT_GE(CountShown(game.Item(IDC_COLOUR_COUNT_FIRST)), 0) << "the row is scored";

    for (const WORD key : kRows[1]) {
        PressKey(key);
    }
    EXPECT_TRUE(RowShows(game, 1, {3, 5, 4, 3})) << "key 4, the keypad's 6, 5, 4";
}

// The button looks pressed while its key is down, and the peg comes with the release.
TEST_F(KeyboardPlayTest, TheButtonIsHeldDownWithItsKeyAndThePegComesOnRelease) {
    const HWND blue = game.Item(IDC_COLOUR_BUTTON_FIRST + 3);
    KeyDown('4');
    EXPECT_TRUE(WaitUntil([&] { return ShowsBitmap(blue, "IDB_3D"); })) << "pressed while held";
    EXPECT_FALSE(PegShown(game.Item(IDC_PEG_FIRST)).has_value());
    KeyUp('4');
    EXPECT_TRUE(WaitUntil([&] { return ShowsBitmap(blue, "IDB_3U"); })) << "up again";
    EXPECT_TRUE(WaitUntil([&] { return PegShown(game.Item(IDC_PEG_FIRST)) == 3; }))
        << "the blue peg, on release";
}

TEST_F(KeyboardPlayTest, AHeldKeyEntersOnePegAndCtrlOrAltEnterNone) {
    HoldKey('3', 5);
    PressKey('1', {VK_CONTROL});
    PressKey('2', {VK_MENU});
    PressKey(VK_NUMPAD4, {VK_CONTROL});
    PressKey('5');
    EXPECT_TRUE(WaitUntil([&] {
        const auto shown = RowShown(game, 0);
        return shown[0] == 2 && shown[1] == 4 && !shown[2].has_value();
    })) << "one green from the held key, then the dark red; nothing from Ctrl or Alt";
}

TEST_F(KeyboardPlayTest, ADigitInTheDifficultyDialogChoosesInItsListAndLeavesTheBoard) {
    PressKey('D', {VK_MENU});
    const HWND difficulty = game.WaitForWindow("#32770", Caption(IDD_DIFFICULTY));
    ASSERT_NE(difficulty, nullptr);
    BringToFront(difficulty);
    ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(difficulty, IDC_GUESSES) != nullptr; }));
    PressKey('5'); // the focus is on the list of maximum guesses
    EXPECT_TRUE(WaitUntil(
        [&] { return SendDlgItemMessageA(difficulty, IDC_GUESSES, CB_GETCURSEL, 0, 0) == 4; }));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(difficulty); }));
    EXPECT_TRUE(BoardIsEmpty(game));
}

// From the first window to the win dialog and past it, with keys alone: each guess is the
// first code that agrees with every count shown so far.
TEST_F(KeyboardPlayTest, AWholeGameIsWonFromTheKeyboard) {
    std::vector<Code> candidates = EveryCode();
    bool won = false;
    for (int row = 0; row < ROW_COUNT && !won && !candidates.empty(); ++row) {
        const Code guess = candidates.front();
        TypeRow(guess);
        int exact = -1, colour = -1;
        ASSERT_TRUE(WaitUntil([&] {
            won = game.WaitForWindow("#32770", Caption(IDD_WIN), 0) != nullptr;
            exact = CountShown(game.Item(IDC_EXACT_FIRST + row));
            colour = CountShown(game.Item(IDC_COLOUR_COUNT_FIRST + row));
            return won || (exact >= 0 && colour >= 0);
        })) << "row " << row + 1 << " was not scored";
        ASSERT_EQ(game.WaitForWindow("#32770", Caption(IDD_LOSE), 0), nullptr) << "lost on row " << row + 1;
        std::erase_if(candidates, [&](const Code& code) {
            return Score(code, guess) != std::pair{exact, colour};
        });
    }
    ASSERT_TRUE(won);
    PressKey(VK_RETURN); // the win dialog's Close
    EXPECT_TRUE(WaitUntil([&] { return TextOf(game.Item(IDC_GAMES_WON)) == "1 (100%)"; }));
    EXPECT_TRUE(WaitUntil([&] { return BoardIsEmpty(game); })) << "a new game is dealt";
}

} // namespace
