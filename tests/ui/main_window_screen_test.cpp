// What the display pass puts on the screen, read back from the screen itself: pegs at filled
// anchors only, counts beside complete rows only, the two clocks, and the row numbers.
#include "main_window.h"

#include "resource.h"
#include "screen.h"
#include "settings_store.h"
#include "object_counts.h"
#include "ui_test_support.h"
#include "wait.h"

namespace {

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr SIZE kPegSize{25, 24}; // one board cell: the peg without its last, blank row
constexpr SIZE kCountSize{11, 23};
constexpr SIZE kDigitSize{24, 35};

POINT Corner(const GameSession& game, int id) {
    POINT corner{0, 0};
    ClientToScreen(game.Item(id), &corner);
    return corner;
}

// The picture's own pixels at the anchor, cut to the area given.
bool Shows(const GameSession& game, int id, int bitmapId, SIZE area) {
    return ShowsBitmap(game.Item(id), MAKEINTRESOURCEA(bitmapId), area);
}

bool ShowsNothing(const GameSession& game, int id, SIZE area) {
    return CaptureScreen(Corner(game, id), area.cx, area.cy) == Filled(area.cx, area.cy, kGrey);
}

} // namespace

class MainWindowScreenTest : public MainWindowTest {};

TEST_F(MainWindowScreenTest, PegsShowAtFilledCellsAndCountsOnlyBesideCompleteRows) {
    settingsStore.SetNumberOfGuesses(5);
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.SetCode({0, 1, 2, 3});
    EnterRow(game, {1, 0, 5, 5}); // exact 0, colour 2
    EnterRow(game, {0, 1, 4, 3}); // exact 3, colour 0
    // The one red of the code serves both red guesses: 3, where one-for-one matching gives 2.
    EnterRow(game, {1, 0, 0, 5}); // exact 0, colour 3
    game.ClickColour(3);
    game.ClickColour(2);
    game.Repaint();

    const GameState state = game.State();
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const int anchor = IDC_PEG_FIRST + cell;
        if (state.Board()[cell] != EMPTY_CELL) {
            EXPECT_TRUE(Shows(game, anchor, IDB_PEG_FIRST + state.Board()[cell], kPegSize)) << cell;
        } else {
            EXPECT_TRUE(ShowsNothing(game, anchor, kPegSize)) << cell;
        }
    }
    const int exact[] = {0, 3, 0};
    const int colour[] = {2, 0, 3};
    for (int row = 0; row < ROW_COUNT; ++row) {
        if (row < 3) {
            EXPECT_TRUE(
                Shows(game, IDC_EXACT_FIRST + row, IDB_SMALL_DIGIT_FIRST + exact[row], kCountSize));
            EXPECT_TRUE(Shows(game, IDC_COLOUR_COUNT_FIRST + row,
                              IDB_SMALL_DIGIT_FIRST + colour[row], kCountSize));
        } else {
            EXPECT_TRUE(ShowsNothing(game, IDC_EXACT_FIRST + row, kCountSize)) << row;
            EXPECT_TRUE(ShowsNothing(game, IDC_COLOUR_COUNT_FIRST + row, kCountSize)) << row;
        }
    }
    EXPECT_TRUE(Shows(game, IDC_HEADER_EXACT, IDB_HEADER_EXACT, {18, 18}));
    EXPECT_TRUE(Shows(game, IDC_HEADER_COLOUR, IDB_HEADER_COLOUR, {18, 18}));
}

TEST_F(MainWindowScreenTest, RowNumbersShowForTheAllowedGuessesOnly) {
    settingsStore.SetNumberOfGuesses(5);
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.Repaint();
    for (int row = 0; row < ROW_COUNT; ++row) {
        const HWND label = game.Item(IDC_ROW_LABEL_FIRST + row);
        RECT rect{};
        GetClientRect(label, &rect);
        const Pixels shown =
            CaptureScreen(Corner(game, IDC_ROW_LABEL_FIRST + row), rect.right, rect.bottom);
        const bool blank = shown == Filled(rect.right, rect.bottom, kGrey);
        EXPECT_EQ(IsWindowVisible(label) != FALSE, row < 5) << row;
        EXPECT_EQ(blank, row >= 5) << "label " << row + 1;
    }
}

TEST_F(MainWindowScreenTest, TheClocksShowTheirTextsAsDigitsBetweenColons) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();
    game.PostTick();
    ASSERT_TRUE(GameThread().Flush());
    const GameState ticked = game.State();
    ASSERT_EQ(std::string(ticked.ClockText().data()).size(), 6u);
    ASSERT_EQ(std::string(ticked.RemainText().data()).size(), 4u);
    game.Repaint();

    const int clockDigits[] = {1053, 1054, 1056, 1057, 1059, 1060};
    const int remainDigits[] = {1061, 1062, 1064, 1065};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(Shows(game, clockDigits[i], ticked.ClockText()[i] + 92, kDigitSize)) << i;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Shows(game, remainDigits[i], ticked.RemainText()[i] + 92, kDigitSize)) << i;
    }
    for (const int colon : {IDC_CLOCK_COLON_1, IDC_CLOCK_COLON_2, IDC_REMAIN_COLON}) {
        EXPECT_TRUE(Shows(game, colon, IDB_COLON, {12, 35})) << colon;
    }

    // A deal empties the first character of each text: until the next tick those digits are
    // blank and the others keep the last tick's characters.
    game.PostKey(VK_ESCAPE);
    ASSERT_TRUE(GameThread().Flush());
    game.Repaint();
    EXPECT_TRUE(ShowsNothing(game, clockDigits[0], kDigitSize));
    EXPECT_TRUE(ShowsNothing(game, remainDigits[0], kDigitSize));
    for (int i = 1; i < 6; ++i) {
        EXPECT_TRUE(Shows(game, clockDigits[i], ticked.ClockText()[i] + 92, kDigitSize)) << i;
    }
    for (int i = 1; i < 4; ++i) {
        EXPECT_TRUE(Shows(game, remainDigits[i], ticked.RemainText()[i] + 92, kDigitSize)) << i;
    }
    EXPECT_TRUE(Shows(game, IDC_REMAIN_COLON, IDB_COLON, {12, 35}));
}

TEST_F(MainWindowScreenTest, ALoweredLimitHidesThePegsBeyondItButNotTheCountsOfCompleteRows) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.SetCode({0, 1, 2, 3});
    EnterRow(game, {5, 5, 5, 5});
    EnterRow(game, {4, 4, 4, 4});
    EnterRow(game, {1, 5, 2, 5}); // exact 1, colour 1
    game.ClickColour(1);
    settingsStore.SetNumberOfGuesses(2);
    game.Repaint();

    const GameState state = game.State();
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_TRUE(
            Shows(game, IDC_PEG_FIRST + cell, IDB_PEG_FIRST + state.Board()[cell], kPegSize))
            << cell;
    }
    for (int cell = 8; cell < 13; ++cell) {
        EXPECT_TRUE(ShowsNothing(game, IDC_PEG_FIRST + cell, kPegSize)) << cell;
    }
    EXPECT_TRUE(Shows(game, IDC_EXACT_FIRST + 2, IDB_SMALL_DIGIT_FIRST + 1, kCountSize));
    EXPECT_TRUE(Shows(game, IDC_COLOUR_COUNT_FIRST + 2, IDB_SMALL_DIGIT_FIRST + 1, kCountSize));
    EXPECT_TRUE(ShowsNothing(game, IDC_EXACT_FIRST + 3, kCountSize));
}

TEST_F(MainWindowScreenTest, TicksAndPaintsLeaveNoGdiObjectBehind) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();
    EnterRow(game, {5, 4, 3, 3}); // a colour twice: no win against the dealt code
    const auto tickAndPaint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            // An emptied text makes every tick a change, so each one runs the display pass.
            game.ChangeState(
                [](GameState& state) { GameStateTestAccess::ClockText(state)[0] = '\0'; });
            game.PostTick();
            ASSERT_TRUE(GameThread().Flush());
        }
        game.Repaint();
    };
    tickAndPaint(5); // the first passes may leave the system's own caches filled
    const GdiObjects before = SettledObjectCounts(GameThread()).gdi;
    tickAndPaint(60);
    EXPECT_EQ(SettledObjectCounts(GameThread()).gdi, before);
}
