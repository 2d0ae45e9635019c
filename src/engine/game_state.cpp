// Game rules: the deal with its linear congruential generator, strictly ordered peg entry,
// the exact and colour counts, and the outcome test over the whole board.
#include "game_state.h"

#include <algorithm>

namespace {

// Rows outside the board score nothing rather than read past it.
bool IsValidRow(int row) {
    return row >= 0 && row < ROW_COUNT;
}

// The number of cells open to entry for a given guesses setting, kept within the board.
int PlayableCells(int guesses) {
    if (guesses < 0)
        return 0;
    if (guesses > ROW_COUNT)
        return CELL_COUNT;
    return guesses * PEG_COUNT;
}

} // namespace

GameState::GameState(std::uint32_t seed) : randomState(seed) {
    board.fill(EMPTY_CELL);
    code.fill(EMPTY_CELL);
    clockText.fill('\0');
    remainText.fill('\0');
}

int GameState::NextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

void GameState::NewGame(int duplicates, std::int64_t now) {
    board.fill(EMPTY_CELL);
    // Only the first byte: an empty text differs from any computed one, so the next tick
    // reports a change and the whole clock is repainted.
    clockText[0] = '\0';
    remainText[0] = '\0';
    gameStart = now;
    for (int i = 0; i < PEG_COUNT; ++i) {
        code[i] = NextRandom() % COLOUR_COUNT;
        if (duplicates == 0) {
            // Redraw until the colour is new; six colours for four pegs, so this ends.
            while (std::find(code.begin(), code.begin() + i, code[i]) != code.begin() + i)
                code[i] = NextRandom() % COLOUR_COUNT;
        }
    }
    resultShowing = 0;
}

bool GameState::EnterPeg(ColourIndex colour, int guesses) {
    // Anything but a real colour would leave a hole in the strictly ordered board.
    if (colour < 0 || colour >= COLOUR_COUNT)
        return false;
    const int limit = PlayableCells(guesses);
    for (int cell = 0; cell < limit; ++cell) {
        if (board[cell] == EMPTY_CELL) {
            board[cell] = colour;
            return true;
        }
    }
    return false;
}

int GameState::ExactCount(int row) const {
    if (!IsValidRow(row))
        return 0;
    const ColourIndex* guess = &board[row * PEG_COUNT];
    int count = 0;
    for (int p = 0; p < PEG_COUNT; ++p)
        count += guess[p] == code[p] ? 1 : 0;
    return count;
}

// Not one-for-one scoring: a code peg may serve several guess pegs; only code positions
// already matched exactly are out of reach.
int GameState::ColourCount(int row) const {
    if (!IsValidRow(row))
        return 0;
    const ColourIndex* guess = &board[row * PEG_COUNT];
    int count = 0;
    for (int i = 0; i < PEG_COUNT; ++i) {
        if (guess[i] == code[i])
            continue;
        for (int j = 0; j < PEG_COUNT; ++j) {
            if (j != i && code[j] == guess[i] && guess[j] != code[j]) {
                ++count;
                break;
            }
        }
    }
    return count;
}

// Any complete row of four exact matches wins. Without one, every complete row has fewer, so
// the last allowed cell filled is a loss.
Outcome GameState::Evaluate(int guesses) const {
    for (int row = 0; row < ROW_COUNT; ++row) {
        if (IsRowComplete(row) && ExactCount(row) == PEG_COUNT)
            return Outcome::kWon;
    }
    const int lastCell = PlayableCells(guesses) - 1;
    if (lastCell >= 0 && board[lastCell] != EMPTY_CELL)
        return Outcome::kLost;
    return Outcome::kUndecided;
}

void GameState::RecordWin() {
    ++gamesPlayed;
    ++gamesWon;
}

void GameState::RecordLoss() {
    ++gamesPlayed;
}

int GameState::WinPercent() const {
    if (gamesWon == 0 || gamesPlayed == 0)
        return 0;
    return gamesWon * 100 / gamesPlayed;
}

bool GameState::IsRowComplete(int row) const {
    return IsValidRow(row) && board[row * PEG_COUNT + PEG_COUNT - 1] != EMPTY_CELL;
}
