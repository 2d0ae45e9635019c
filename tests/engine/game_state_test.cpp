// Rules of the game: counts, outcome, peg entry, dealing with the known generator,
// and the scoreboard.
#include "game_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

using Pegs = std::array<ColourIndex, PEG_COUNT>;

void SetRow(GameState& state, int row, const Pegs& pegs) {
    std::copy(pegs.begin(), pegs.end(),
              GameStateTestAccess::Board(state).begin() + row * PEG_COUNT);
}

GameState WithCode(const Pegs& code) {
    GameState state(1);
    state.NewGame(1, 0);
    GameStateTestAccess::Code(state) = code;
    return state;
}

// The generator written out independently: state * 214013 + 2531011 mod 2^32.
struct ReferenceLcg {
    std::uint64_t state;
    int Next() {
        state = (state * 214013 + 2531011) % 4294967296ull;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

TEST(ScoringTest, ColourCountLetsOneCodePegServeSeveralGuessPegs) {
    struct Case {
        Pegs code, guess;
        int exact, colour;
    };
    const Case cases[] = {
        {{0, 1, 2, 3}, {1, 0, 0, 5}, 0, 3}, // the single red answers both red guesses
        {{0, 0, 2, 3}, {0, 5, 5, 0}, 1, 1}, // last red skips exact position 0, finds 1
        {{0, 1, 2, 3}, {1, 1, 5, 5}, 1, 0}, // the only yellow is taken by an exact match
        {{0, 1, 2, 3}, {0, 1, 2, 3}, 4, 0}, {{3, 2, 1, 0}, {0, 1, 2, 3}, 0, 4},
        {{5, 5, 5, 5}, {4, 4, 4, 4}, 0, 0},
    };
    for (const Case& c : cases) {
        GameState state = WithCode(c.code);
        // Row 7, to check that rows other than the first are indexed correctly.
        SetRow(state, 7, c.guess);
        EXPECT_EQ(state.ExactCount(7), c.exact)
            << "guess " << c.guess[0] << c.guess[1] << c.guess[2] << c.guess[3];
        EXPECT_EQ(state.ColourCount(7), c.colour)
            << "guess " << c.guess[0] << c.guess[1] << c.guess[2] << c.guess[3];
        EXPECT_EQ(state.ExactCount(6), 0);
        EXPECT_EQ(state.ColourCount(6), 0);
    }
}

// Every guess against every code: the two counts never exceed four together, and the
// colour count equals, colour by colour, all inexact guess pegs of a colour that some
// inexact code peg has.
TEST(ScoringTest, CountsHoldOverEveryGuessAndCode) {
    constexpr int kCombinations = COLOUR_COUNT * COLOUR_COUNT * COLOUR_COUNT * COLOUR_COUNT;
    auto decode = [](int n) {
        Pegs pegs;
        for (int& peg : pegs) {
            peg = n % COLOUR_COUNT;
            n /= COLOUR_COUNT;
        }
        return pegs;
    };
    GameState state(1);
    int failures = 0;
    for (int c = 0; c < kCombinations && failures < 5; ++c) {
        GameStateTestAccess::Code(state) = decode(c);
        for (int g = 0; g < kCombinations && failures < 5; ++g) {
            const Pegs guess = decode(g);
            SetRow(state, 0, guess);
            int exact = 0;
            std::array<int, COLOUR_COUNT> guessLeft{}, codeLeft{};
            for (int p = 0; p < PEG_COUNT; ++p) {
                if (guess[p] == state.Code()[p]) {
                    ++exact;
                } else {
                    ++guessLeft[guess[p]];
                    ++codeLeft[state.Code()[p]];
                }
            }
            int colour = 0;
            for (int k = 0; k < COLOUR_COUNT; ++k)
                colour += codeLeft[k] > 0 ? guessLeft[k] : 0;

            const int gotExact = state.ExactCount(0);
            const int gotColour = state.ColourCount(0);
            if (gotExact != exact || gotColour != colour || gotExact + gotColour > PEG_COUNT) {
                ++failures;
                ADD_FAILURE() << "code " << c << " guess " << g << ": exact " << gotExact
                              << " colour " << gotColour << ", expected " << exact << "/" << colour;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(OutcomeTest, GuessEqualToCodeWins) {
    GameState state = WithCode({2, 4, 1, 5});
    for (ColourIndex colour : {2, 4, 1, 5})
        ASSERT_TRUE(state.EnterPeg(colour, 12));
    EXPECT_EQ(state.Evaluate(12), Outcome::kWon);
}

TEST(OutcomeTest, OneGuessLosesAtTheFourthPeg) {
    GameState state = WithCode({0, 1, 2, 3});
    for (ColourIndex colour : {0, 1, 2}) {
        ASSERT_TRUE(state.EnterPeg(colour, 1));
        EXPECT_EQ(state.Evaluate(1), Outcome::kUndecided) << "decided before the row was complete";
    }
    ASSERT_TRUE(state.EnterPeg(4, 1));
    EXPECT_EQ(state.Evaluate(1), Outcome::kLost);
}

TEST(OutcomeTest, WinningOnTheLastAllowedRowIsAWin) {
    GameState state = WithCode({5, 4, 3, 2});
    for (ColourIndex colour : {0, 0, 0, 0, 1, 1, 1, 1})
        ASSERT_TRUE(state.EnterPeg(colour, 3));
    EXPECT_EQ(state.Evaluate(3), Outcome::kUndecided);
    for (ColourIndex colour : {5, 4, 3, 2})
        ASSERT_TRUE(state.EnterPeg(colour, 3));
    EXPECT_EQ(state.Evaluate(3), Outcome::kWon);
}

TEST(OutcomeTest, PartialRowsCountForNothing) {
    GameState state = WithCode({0, 1, 2, 3});
    // Three right pegs of an unfinished row are neither a win nor scored.
    for (ColourIndex colour : {0, 1, 2})
        ASSERT_TRUE(state.EnterPeg(colour, 12));
    EXPECT_FALSE(state.IsRowComplete(0));
    EXPECT_EQ(state.Evaluate(12), Outcome::kUndecided);

    // After a finished wrong row, an unfinished row does not change the last exact count:
    // with two guesses the last cell is still empty, so no loss either.
    state.NewGame(1, 0);
    GameStateTestAccess::Code(state) = {0, 1, 2, 3};
    for (ColourIndex colour : {5, 5, 5, 5, 0, 1, 2})
        ASSERT_TRUE(state.EnterPeg(colour, 2));
    EXPECT_TRUE(state.IsRowComplete(0));
    EXPECT_FALSE(state.IsRowComplete(1));
    EXPECT_EQ(state.Evaluate(2), Outcome::kUndecided);
}

TEST(EntryTest, FillsStrictlyInOrderAndOnlyTheAllowedRows) {
    GameState state(7);
    state.NewGame(1, 0);
    for (int i = 0; i < 2 * PEG_COUNT; ++i) {
        ASSERT_TRUE(state.EnterPeg(i % COLOUR_COUNT, 2));
        for (int cell = 0; cell < CELL_COUNT; ++cell)
            ASSERT_EQ(state.Board()[cell] != EMPTY_CELL, cell <= i) << "after entry " << i;
    }
    const auto full = state.Board();
    EXPECT_FALSE(state.EnterPeg(3, 2));
    EXPECT_FALSE(state.EnterPeg(3, 1)); // a smaller setting than the rows already filled
    EXPECT_EQ(state.Board(), full);

    // The setting is read at each entry: a larger one opens the next row.
    EXPECT_TRUE(state.EnterPeg(3, 3));
    EXPECT_EQ(state.Board()[8], 3);

    // Colours outside the six would break the order of the board.
    EXPECT_FALSE(state.EnterPeg(EMPTY_CELL, 12));
    EXPECT_FALSE(state.EnterPeg(COLOUR_COUNT, 12));
    EXPECT_EQ(state.Board()[9], EMPTY_CELL);
}

TEST(EntryTest, TwelveGuessesFillTheWholeBoardAndNoMore) {
    GameState state(7);
    state.NewGame(1, 0);
    for (int i = 0; i < CELL_COUNT; ++i)
        ASSERT_TRUE(state.EnterPeg(0, 12));
    EXPECT_FALSE(state.EnterPeg(0, 12));
    EXPECT_FALSE(state.EnterPeg(0, 13)); // out-of-range setting stays on the board
}

TEST(DealTest, FollowsTheGeneratorFromTheSeed) {
    ReferenceLcg lcg{1};
    const int firstValues[] = {41, 18467, 6334, 26500, 19169};
    for (int value : firstValues)
        ASSERT_EQ(lcg.Next(), value);

    // With duplicates, each peg takes the next value modulo 6, and deals continue the sequence.
    lcg = ReferenceLcg{1};
    GameState state(1);
    for (int game = 0; game < 20; ++game) {
        state.NewGame(1, 0);
        for (int p = 0; p < PEG_COUNT; ++p)
            EXPECT_EQ(state.Code()[p], lcg.Next() % COLOUR_COUNT) << "game " << game;
    }

    // Without, a repeated colour is drawn again; the sequence goes on from where it was.
    for (int game = 0; game < 20; ++game) {
        state.NewGame(0, 0);
        Pegs expected;
        for (int p = 0; p < PEG_COUNT; ++p) {
            do {
                expected[p] = lcg.Next() % COLOUR_COUNT;
            } while (std::count(expected.begin(), expected.begin() + p, expected[p]) > 0);
        }
        EXPECT_EQ(state.Code(), expected) << "game " << game;
    }
}

TEST(DealTest, FirstCodeOfSeedOneIsKnown) {
    GameState state(1);
    state.NewGame(1, 0);
    EXPECT_EQ(state.Code(), (Pegs{5, 5, 4, 4})); // 41, 18467, 6334, 26500 modulo 6
    state.NewGame(0, 0);
    EXPECT_EQ(state.Code()[0], 19169 % COLOUR_COUNT);
}

TEST(DealTest, DuplicatesSettingDecidesRepeats) {
    GameState state(0xC0FFEEu);
    bool repeatSeen = false;
    std::array<int, COLOUR_COUNT> seen{};
    for (int game = 0; game < 5000; ++game) {
        state.NewGame(game % 2, 0);
        Pegs sorted = state.Code();
        std::sort(sorted.begin(), sorted.end());
        ASSERT_GE(sorted.front(), 0);
        ASSERT_LT(sorted.back(), COLOUR_COUNT);
        for (ColourIndex colour : sorted)
            ++seen[colour];
        const bool repeats = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
        if (game % 2 == 0) {
            ASSERT_FALSE(repeats) << "game " << game;
        }
        repeatSeen = repeatSeen || repeats;
    }
    EXPECT_TRUE(repeatSeen);
    for (int count : seen)
        EXPECT_GT(count, 0);
}

TEST(DealTest, ClearsTheGameButKeepsTheRestOfTheClockTexts) {
    GameState state(3);
    for (char c : state.ClockText())
        EXPECT_EQ(c, '\0');
    for (char c : state.RemainText())
        EXPECT_EQ(c, '\0');

    state.NewGame(1, 100);
    EXPECT_EQ(state.GameStart(), 100);
    for (int i = 0; i < 10; ++i)
        state.EnterPeg(i % COLOUR_COUNT, 12);
    GameStateTestAccess::ClockText(state) = {'1', '2', '3', '4', '5', '6', '\0'};
    GameStateTestAccess::RemainText(state) = {'0', '0', '5', '9', '\0'};
    state.SetResultShowing(true);
    state.RecordWin();

    const std::int64_t after2038 = 4'102'444'800; // 2100-01-01
    state.NewGame(0, after2038);
    for (ColourIndex cell : state.Board())
        EXPECT_EQ(cell, EMPTY_CELL);
    EXPECT_EQ(state.ClockText(), (std::array<char, 7>{'\0', '2', '3', '4', '5', '6', '\0'}));
    EXPECT_EQ(state.RemainText(), (std::array<char, 5>{'\0', '0', '5', '9', '\0'}));
    EXPECT_EQ(state.ResultShowing(), 0);
    EXPECT_EQ(state.GameStart(), after2038);
    EXPECT_EQ(state.GamesPlayed(), 1);
    EXPECT_EQ(state.GamesWon(), 1);
}

TEST(ScoreboardTest, CountsGamesAndTruncatesThePercentage) {
    GameState state(1);
    EXPECT_EQ(state.WinPercent(), 0); // nothing played
    state.RecordLoss();
    EXPECT_EQ(state.WinPercent(), 0);
    state.RecordWin();
    state.RecordWin();
    EXPECT_EQ(state.GamesPlayed(), 3);
    EXPECT_EQ(state.GamesWon(), 2);
    EXPECT_EQ(state.WinPercent(), 66);
    state.RecordLoss();
    state.RecordLoss();
    state.RecordLoss();
    EXPECT_EQ(state.WinPercent(), 33); // 2 of 6
    GameState allWon(1);
    allWon.RecordWin();
    EXPECT_EQ(allWon.WinPercent(), 100);
}

} // namespace
