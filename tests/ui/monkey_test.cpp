// The monkey on the running main window: random real input for about a minute (or as long as
// ZODEDU_MONKEY_SECONDS / ZODEDU_MONKEY_EVENTS say), with the game's invariants checked after
// every event. The seed is printed first; ZODEDU_MONKEY_SEED replays a run.
#include "monkey.h"

#include "game_session.h"
#include "program_texts.h"
#include "resource.h"
#include "settings_store.h"
#include "stored_settings.h"
#include "ui_test_support.h"
#include "wait.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>

namespace {

const char* const kResultCaptions[] = {Caption(IDD_WIN), Caption(IDD_LOSE)};

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoul(text, nullptr, 10) : fallback;
}

// A text the Difficulty or Settings dialog could have written for that setting.
bool IsWrittenByADialog(const std::string& name, const std::string& text) {
    const int limit = name == "NumberOfGuesses" ? 12 : name == "TimeLimit" ? 15 : 1;
    const int lowest = limit == 1 ? 0 : 1;
    for (int value = lowest; value <= limit; ++value) {
        if (text == std::to_string(value)) {
            return true;
        }
    }
    return false;
}

// What is checked after every event, against what was seen before it.
class Invariants {
public:
    void StartSession(const GameSession& game) {
        last = game.State();
        settings = StoredSettings();
    }

    void Check(const GameSession& game, const MonkeyEvent& event) {
        const GameState state = game.State();
        const int guesses = settingsStore.GetNumberOfGuesses();
        int filled = 0;
        while (filled < CELL_COUNT && state.Board()[filled] != EMPTY_CELL) {
            ++filled;
        }
        for (int cell = filled; cell < CELL_COUNT; ++cell) {
            ASSERT_EQ(state.Board()[cell], EMPTY_CELL) << "cells are filled strictly in order";
        }
        EXPECT_LE(filled, PEG_COUNT * guesses) << "only the first 4 x " << guesses << " cells";
        EXPECT_LE(state.GamesWon(), state.GamesPlayed());
        EXPECT_GE(state.GamesPlayed(), last.GamesPlayed()) << "the scoreboard never goes down";
        EXPECT_GE(state.GamesWon(), last.GamesWon()) << "the scoreboard never goes down";

        int resultDialogs = 0;
        for (const char* caption : kResultCaptions) {
            resultDialogs += CountThreadDialogs(caption);
        }
        EXPECT_LE(resultDialogs, 1) << "one result at a time";
        EXPECT_EQ(state.ResultShowing(), resultDialogs) << "resultShowing while a result is up";

        const auto now = StoredSettings();
        if (now != settings) {
            EXPECT_TRUE(event.mayConfirm) << "a setting changed without an OK";
            for (const auto& [name, text] : now) {
                EXPECT_TRUE(!text || IsWrittenByADialog(name, *text)) << name << " = " << *text;
            }
            ++settingsChanges;
        }
        settings = now;
        last = state;
    }

    int settingsChanges = 0;
    GameState last{0};

private:
    std::map<std::string, std::optional<std::string>> settings;
};

class MonkeyTest : public MainWindowTest {};

TEST_F(MonkeyTest, RandomRealInputKeepsTheGameWholeAndResponsive) {
    const auto seed =
        static_cast<std::uint32_t>(FromEnvironment("ZODEDU_MONKEY_SEED", GetTickCount()));
    const unsigned long seconds = FromEnvironment("ZODEDU_MONKEY_SECONDS", 60);
    const unsigned long events = FromEnvironment("ZODEDU_MONKEY_EVENTS", 0); // 0: by time
    const bool logEvents = FromEnvironment("ZODEDU_MONKEY_LOG", 0) != 0;
    std::printf("monkey: seed %u (replay with ZODEDU_MONKEY_SEED=%u)\n", seed, seed);
    std::fflush(stdout);

    settingsStore.SetTimeLimit(1); // games are lost on time within a few ticks
    Monkey monkey(seed);
    Invariants invariants;
    std::set<std::string> captionsSeen;
    int sessions = 0, gamesPlayed = 0, gamesWon = 0;
    const DWORD start = GetTickCount();
    unsigned long done = 0;
    while (events != 0 ? done < events : GetTickCount() - start < seconds * 1000) {
        auto game = std::make_unique<GameSession>();
        ASSERT_TRUE(game->Started());
        game->StopClock(); // only the monkey's ticks move the clock, so a seed replays
        invariants.StartSession(*game);
        ++sessions;
        while (events != 0 ? done < events : GetTickCount() - start < seconds * 1000) {
            const MonkeyEvent event = monkey.Act(*game);
            ++done;
            if (logEvents) {
                std::printf("%lu: %s\n", done, event.description.c_str());
                std::fflush(stdout);
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ", event " + std::to_string(done) +
                         ": " + event.description);
            ASSERT_TRUE(WaitForWindowThreadIdle(kHangTimeoutMs)) << "the game stopped answering";
            const bool ended = game->WaitForEnd(0);
            if (ended) {
                EXPECT_EQ(game->Result(), IDOK) << "the run ends only through Exit";
                EXPECT_TRUE(WaitUntil([] { return VisibleThreadWindows().empty(); }))
                    << "a window outlived the run";
            } else {
                invariants.Check(*game, event);
            }
            ASSERT_FALSE(HasFailure()) << "ZODEDU_MONKEY_SEED=" << seed
                                       << " ZODEDU_MONKEY_EVENTS=" << done << " replays it";
            if (ended) {
                break;
            }
            if (const HWND active = ActiveGameWindow(); active != nullptr) {
                captionsSeen.insert(Caption(active));
            }
        }
        if (!game->WaitForEnd(0)) {
            EXPECT_TRUE(CloseEverythingAndExit(*game)) << "a window would not close";
        }
        gamesPlayed += invariants.last.GamesPlayed();
        gamesWon += invariants.last.GamesWon();
        game.reset();
    }
    std::printf("monkey: %lu events in %lu s over %d sessions: %d games played, %d won, %d "
                "settings changes; windows active: ",
                done, (GetTickCount() - start) / 1000, sessions, gamesPlayed, gamesWon,
                invariants.settingsChanges);
    for (const std::string& caption : captionsSeen) {
        std::printf("'%s' ", caption.c_str());
    }
    std::printf("\n");
}

} // namespace
