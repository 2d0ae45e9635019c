// The help document as the game installs it: the topics a player needs, and worked examples
// of the two counts that agree with the game's own scoring.
#include "help_test_support.h"

#include "game_state.h"

#include <map>
#include <regex>

namespace {

const std::map<std::string, ColourIndex> kColourNames = {
    {"red", 0}, {"yellow", 1}, {"green", 2}, {"blue", 3}, {"dark red", 4}, {"magenta", 5}};

} // namespace

TEST_F(HelpTest, TheDocumentCoversEveryTopicOfTheGame) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const std::string text = ViewText(OnlyHelpWindow());
    for (const char* expected :
         {"How to play", "The two counts", "The countdown", "Difficulty and duplicates", "Sounds",
          "The keyboard", "The scoreboard", "Allow duplicate colors in code", "Escape", "Enter",
          "Space", "F1", "Alt+X", "Games Played", "Games Won", "rounded down", "1 to 6", "F2",
          "Numbered Pegs", "Alt+Space", "played from the keyboard"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

TEST_F(HelpTest, TheDocumentsWorkedExamplesAgreeWithTheGamesScoring) {
    ASSERT_TRUE(Request(InstalledDocument()));
    const std::string text = ViewText(OnlyHelpWindow());
    const std::string colour = "(red|yellow|green|blue|dark red|magenta)";
    const std::string four = colour + ", " + colour + ", " + colour + ", " + colour;
    const std::regex example("Code " + four + "; guess " + four +
                             R"(\.\s*Left count (\d), right count (\d))");

    int examples = 0;
    bool repeatedColourCountedTwice = false;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), example);
         match != std::sregex_iterator(); ++match, ++examples) {
        GameState game(1);
        game.NewGame(1, 0);
        for (int position = 0; position < PEG_COUNT; ++position) {
            GameStateTestAccess::Code(game)[position] = kColourNames.at((*match)[1 + position]);
            game.EnterPeg(kColourNames.at((*match)[5 + position]), ROW_COUNT);
        }
        EXPECT_EQ(game.ExactCount(0), std::stoi((*match)[9])) << match->str();
        EXPECT_EQ(game.ColourCount(0), std::stoi((*match)[10])) << match->str();

        std::map<ColourIndex, int> inCode, inGuess;
        for (int position = 0; position < PEG_COUNT; ++position) {
            ++inCode[game.Code()[position]];
            ++inGuess[game.Board()[position]];
        }
        int shared = 0;
        for (const auto& [peg, count] : inCode) {
            shared += std::min(count, inGuess[peg]);
        }
        repeatedColourCountedTwice |= game.ExactCount(0) + game.ColourCount(0) > shared;
    }
    EXPECT_GE(examples, 3);
    EXPECT_TRUE(repeatedColourCountedTwice)
        << "no example shows one code peg matched by two pegs of the guess";
}
