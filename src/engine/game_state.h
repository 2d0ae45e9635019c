// The whole of one player's game: board, hidden code, scoreboard, clock texts and start time,
// with dealing, peg entry, the two feedback counts and the win/loss test. Standard C++ only.
#pragma once

#include <array>
#include <cstdint>

using ColourIndex = int;

constexpr int COLOUR_COUNT = 6;
constexpr int ROW_COUNT = 12, PEG_COUNT = 4, CELL_COUNT = ROW_COUNT * PEG_COUNT;
constexpr int EMPTY_CELL = -1;

// How the board stands: a complete row of four exact matches wins; the last allowed cell
// filled without one loses.
enum class Outcome { kUndecided, kWon, kLost };

struct TimeOfDay;
struct TickResult;

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
    // While a result dialog is up: that game has been counted, whatever the clock says.
    void SetResultShowing(bool showing) { resultShowing = showing ? 1 : 0; }

    // The game record, for the display pass.
    const std::array<ColourIndex, CELL_COUNT>& Board() const { return board; }
    const std::array<ColourIndex, PEG_COUNT>& Code() const { return code; }
    int GamesPlayed() const { return gamesPlayed; }
    int GamesWon() const { return gamesWon; }
    const std::array<char, 7>& ClockText() const { return clockText; }
    const std::array<char, 5>& RemainText() const { return remainText; }
    std::int64_t GameStart() const { return gameStart; }
    int ResultShowing() const { return resultShowing; }

private:
    // The clock tick (game_clock.h) writes the clock texts.
    friend TickResult Tick(GameState& state, std::int64_t now, TimeOfDay local, int limitMinutes);
    friend struct GameStateTestAccess;

    int NextRandom();

    std::array<ColourIndex, CELL_COUNT> board;
    std::array<ColourIndex, PEG_COUNT> code;
    int gamesPlayed = 0, gamesWon = 0;
    std::array<char, 7> clockText;  // six digits + NUL
    std::array<char, 5> remainText; // four digits + NUL
    std::int64_t gameStart = 0;     // 64-bit: a 32-bit time overflows in 2038
    int resultShowing = 0;
    std::uint32_t randomState;
};

// The one way for tests and benchmarks to set up what no deal or play would give: a chosen
// code or board, a moved start time, a scoreboard or clock text set by hand. Also reaches the
// game and the clock's timer of a window that keeps them privately, when that window names
// this its friend. The game itself never uses it.
struct GameStateTestAccess {
    static std::array<ColourIndex, CELL_COUNT>& Board(GameState& state) { return state.board; }
    static std::array<ColourIndex, PEG_COUNT>& Code(GameState& state) { return state.code; }
    static int& GamesPlayed(GameState& state) { return state.gamesPlayed; }
    static std::array<char, 7>& ClockText(GameState& state) { return state.clockText; }
    static std::array<char, 5>& RemainText(GameState& state) { return state.remainText; }
    static std::int64_t& GameStart(GameState& state) { return state.gameStart; }

    template <class Owner> static GameState& StateOf(Owner& owner) { return owner.state; }
    template <class Owner> static auto TimerIdOf(const Owner& owner) { return owner.timerId; }
};
