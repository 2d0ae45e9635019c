// The whole of one player's game: board, hidden code, scoreboard, clock texts and start time,
// with dealing, peg entry, the two feedback counts and the win/loss test. Standard C++ only.
#pragma once

#include <array>
#include <cstdint>

using ColourIndex = int;

constexpr int COLOUR_COUNT = 6;
constexpr int ROW_COUNT = 12, PEG_COUNT = 4, CELL_COUNT = 48;
constexpr int EMPTY_CELL = -1;

struct Outcome {
    bool won;
    bool lost;
};

class GameState {
public:
    // seed: the millisecond tick count in the program, a fixed value in tests.
    explicit GameState(std::uint32_t seed);

    // now: calendar time in whole seconds.
    void NewGame(int duplicates, std::int64_t now);
    // guesses: the NumberOfGuesses setting (1..12); only the first 4 * guesses cells take pegs.
    bool EnterPeg(ColourIndex colour, int guesses);
    int ExactCount(int row) const;
    int ColourCount(int row) const;
    Outcome Evaluate(int guesses) const;
    void RecordWin();
    void RecordLoss();
    int WinPercent() const;
    bool IsRowComplete(int row) const;

    // The game record. Public: the display pass reads it and tests set the code.
    std::array<ColourIndex, CELL_COUNT> board;
    std::array<ColourIndex, PEG_COUNT> code;
    int gamesPlayed = 0, gamesWon = 0;
    std::array<char, 7> clockText;  // six digits + NUL
    std::array<char, 5> remainText; // four digits + NUL
    std::int64_t gameStart = 0;     // 64-bit: a 32-bit time overflows in 2038
    int resultShowing = 0;

private:
    int NextRandom();

    std::uint32_t randomState;
};
