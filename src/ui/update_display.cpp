// The display pass, step by step in the order the window is read: headers, board, clocks,
// counts, outcome, scoreboard. Pictures go through DrawControlBitmap, one call per picture.
#include "update_display.h"

#include "draw_control_bitmap.h"
#include "peg_picture.h"
#include "resource.h"
#include "settings_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

namespace {

// A clock character becomes its digit bitmap by its character code; a NUL (a text emptied by
// the deal) names no bitmap and so draws nothing.
int ClockBitmap(char character) {
    return static_cast<unsigned char>(character) + (IDB_LARGE_DIGIT_FIRST - '0');
}

// Walks the anchors first..last; colons get the colon, the others the text's next character.
void PaintClock(HWND window, int first, int last, const char* text,
                std::initializer_list<int> colons) {
    for (int control = first; control <= last; ++control) {
        const bool isColon = std::find(colons.begin(), colons.end(), control) != colons.end();
        DrawControlBitmap(window, control, isColon ? IDB_COLON : ClockBitmap(*text++));
    }
}

// A static control repaints itself whenever its text is set, even to the same text; the pass
// runs every second, so only a changed text is set.
void SetChangedText(HWND window, int controlId, const char* text) {
    std::array<char, 32> shown{};
    GetDlgItemTextA(window, controlId, shown.data(), static_cast<int>(shown.size()));
    if (std::strcmp(shown.data(), text) != 0) {
        SetDlgItemTextA(window, controlId, text);
    }
}

} // namespace

Outcome UpdateDisplay(HWND window, const GameState& state) {
    return UpdateDisplay(window, state, settingsStore.GetNumberedPegs());
}

Outcome UpdateDisplay(HWND window, const GameState& state, bool numberedPegs) {
    const int guesses = settingsStore.GetNumberOfGuesses();

    DrawControlBitmap(window, IDC_HEADER_EXACT, IDB_HEADER_EXACT);
    DrawControlBitmap(window, IDC_HEADER_COLOUR, IDB_HEADER_COLOUR);

    for (int cell = 0; cell < guesses * PEG_COUNT; ++cell) {
        if (state.Board()[cell] != EMPTY_CELL) {
            DrawControlBitmap(window, IDC_PEG_FIRST + cell,
                              PegBitmap(state.Board()[cell], numberedPegs));
        }
    }

    PaintClock(window, IDC_CLOCK_FIRST, IDC_CLOCK_LAST, state.ClockText().data(),
               {IDC_CLOCK_COLON_1, IDC_CLOCK_COLON_2});
    PaintClock(window, IDC_REMAIN_FIRST, IDC_REMAIN_LAST, state.RemainText().data(),
               {IDC_REMAIN_COLON});

    // Counts over all twelve rows: a lowered limit hides pegs, never a complete row's score.
    for (int row = 0; row < ROW_COUNT; ++row) {
        if (state.IsRowComplete(row)) {
            DrawControlBitmap(window, IDC_EXACT_FIRST + row,
                              IDB_SMALL_DIGIT_FIRST + state.ExactCount(row));
        }
    }
    for (int row = 0; row < ROW_COUNT; ++row) {
        if (state.IsRowComplete(row)) {
            DrawControlBitmap(window, IDC_COLOUR_COUNT_FIRST + row,
                              IDB_SMALL_DIGIT_FIRST + state.ColourCount(row));
        }
    }

    const Outcome outcome = state.Evaluate(guesses);

    std::array<char, 32> text{};
    wsprintfA(text.data(), "%d", state.GamesPlayed());
    SetChangedText(window, IDC_GAMES_PLAYED, text.data());
    wsprintfA(text.data(), "%d (%d%%)", state.GamesWon(), state.WinPercent());
    SetChangedText(window, IDC_GAMES_WON, text.data());
    return outcome;
}

void ShowRowLabels(HWND window, int guesses) {
    for (int row = 0; row < ROW_COUNT; ++row) {
        ShowWindow(GetDlgItem(window, IDC_ROW_LABEL_FIRST + row),
                   row < guesses ? SW_SHOW : SW_HIDE);
    }
}
