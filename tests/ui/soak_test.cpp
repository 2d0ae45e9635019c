// Thousands of display passes and clock ticks through the running main window, with games
// won, abandoned, lost on time and lost on guesses between them: the process's GDI and USER
// objects end where they started. ZODEDU_SOAK_PASSES and ZODEDU_SOAK_TICKS size the run
// (5,000 passes, 1,000 of them from ticks, unless set); the hand-run soak sets larger sizes.
#include "device_context.h"
#include "object_counts.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "wait.h"
#include "win32_handles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Paints and ticks alternate, per peg on the board, in this proportion.
constexpr int kPaintsPerState = 8;
constexpr int kTicksPerState = 2;
// The game lost on guesses fills the whole board; it comes every this many cycles and only
// every fourth of its pegs gets passes, so that the run stays mostly on lighter boards.
constexpr int kFullBoardEvery = 8;
constexpr int kFullBoardPegStride = 4;
// No picture uses this colour: left on screen, it shows where a pass drew nothing.
constexpr COLORREF kMarker = RGB(1, 2, 3);

int SizeFromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

// A row that misses every position of the code.
Guess Miss(const GameState& state) {
    Guess guess{};
    for (int p = 0; p < PEG_COUNT; ++p) {
        guess[p] = (state.Code()[p] + 1) % COLOUR_COUNT;
    }
    return guess;
}

class SoakTest : public MainWindowTest {
protected:
    // The default limit of fifteen minutes: no game of the soak runs out of time by itself,
    // only those it ends that way.
    void SetUp() override {
        MainWindowTest::SetUp();
        paintsLeft = SizeFromEnvironment("ZODEDU_SOAK_PASSES", 5000);
        ticksLeft = std::min(SizeFromEnvironment("ZODEDU_SOAK_TICKS", 1000), paintsLeft);
        paintsLeft -= ticksLeft; // every tick finds a changed text and runs a pass
        totalPasses = paintsLeft + ticksLeft;
    }

    bool Done() const { return paintsLeft == 0 && ticksLeft == 0; }

    // The passes one board state gets: paints of the window, then ticks of the clock.
    void Passes(const GameSession& game) {
        const int paints = std::min(kPaintsPerState, paintsLeft);
        const int ticks = std::min(kTicksPerState, ticksLeft);
        PaintPasses(game, paints);
        TickPasses(game, ticks);
        paintsLeft -= paints;
        ticksLeft -= ticks;
        ReportProgress();
    }

    // Each paint of the whole window (without its controls) runs the display pass once.
    static void PaintPasses(const GameSession& game, int count) {
        ASSERT_TRUE(GameThread().Run([&] {
            for (int i = 0; i < count; ++i) {
                RedrawWindow(game.Window(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
            }
        }, 30000));
    }

    // Timer messages as the clock sends them; an emptied text makes each one a change, and so
    // a display pass, however fast they come.
    static void TickPasses(const GameSession& game, int count) {
        game.ChangeState([&](GameState& state) {
            for (int i = 0; i < count; ++i) {
                GameStateTestAccess::ClockText(state)[0] = '\0';
                SendMessageA(game.Window(), WM_TIMER, 1, 0);
            }
        });
    }

    void ReportProgress() {
        const int done = totalPasses - paintsLeft - ticksLeft;
        if (totalPasses >= 20000 && done / 10000 != lastReported) {
            lastReported = done / 10000;
            std::printf("soak: %d of %d passes, %s\n", done, totalPasses,
                        testing::PrintToString(SettledObjectCounts(GameThread())).c_str());
            std::fflush(stdout);
        }
    }

    // A row that misses, then the code, with passes before and after each peg.
    void PlayWinOnTheSecondRow(const GameSession& game) {
        const GameState state = game.State();
        ClickWithPasses(game, Miss(state), PEG_COUNT);
        const Guess code{state.Code()[0], state.Code()[1], state.Code()[2], state.Code()[3]};
        ClickWithPasses(game, code, PEG_COUNT - 1);
        FinishGame(game, code[PEG_COUNT - 1], Caption(IDD_WIN));
        ++gamesWon;
    }

    void PlayAbandonedAfterSixPegs(const GameSession& game) {
        const Guess miss = Miss(game.State());
        ClickWithPasses(game, miss, PEG_COUNT);
        ClickWithPasses(game, miss, 2);
        game.PostCommandClick(IDC_NEW_GAME);
        ASSERT_TRUE(WaitUntil([&] { return BoardIsEmpty(game.State()); }));
    }

    void PlayLostOnTimeAfterThreePegs(const GameSession& game) {
        ClickWithPasses(game, Miss(game.State()), PEG_COUNT - 1);
        game.ExpireCountdown(settingsStore.GetTimeLimit());
        game.PostTick();
        const HWND lose = WaitForDialog(Caption(IDD_LOSE));
        ASSERT_NE(lose, nullptr);
        CloseAndWaitForDeal(game, lose);
        ticksLeft = std::max(ticksLeft - 1, 0);
        ++gamesLost;
    }

    void PlayLostOnGuesses(const GameSession& game) {
        const Guess miss = Miss(game.State());
        for (int peg = 0; peg < CELL_COUNT - 1; ++peg) {
            game.ClickColour(miss[peg % PEG_COUNT]);
            if (peg % kFullBoardPegStride == kFullBoardPegStride - 1) {
                Passes(game);
            }
        }
        FinishGame(game, miss[PEG_COUNT - 1], Caption(IDD_LOSE));
        ++gamesLost;
    }

    void ClickWithPasses(const GameSession& game, const Guess& guess, int pegs) {
        for (int p = 0; p < pegs; ++p) {
            Passes(game);
            game.ClickColour(guess[p]);
        }
        Passes(game);
    }

    static void FinishGame(const GameSession& game, ColourIndex last, const char* caption) {
        game.PostClickColour(last);
        const HWND result = WaitForDialog(caption);
        ASSERT_NE(result, nullptr) << caption;
        CloseAndWaitForDeal(game, result);
    }

    void PlayCycle(const GameSession& game) {
        if (cycle++ % kFullBoardEvery == 0) {
            PlayLostOnGuesses(game);
        }
        PlayWinOnTheSecondRow(game);
        PlayAbandonedAfterSixPegs(game);
        PlayLostOnTimeAfterThreePegs(game);
    }

    // Marks the picture's area at the anchor with a colour no picture has, runs the passes and
    // reports whether the picture came back over all of it. Nothing else paints the window
    // meanwhile: its own timer is stopped and it has nothing to update.
    static bool Repaints(const GameSession& game, int anchorId, int bitmapId,
                         const std::function<void()>& pass) {
        const Pixels picture = BitmapPixels(MAKEINTRESOURCEA(bitmapId));
        RECT anchor{};
        GetWindowRect(game.Item(anchorId), &anchor);
        GameThread().Run([&] {
            POINT corner{anchor.left, anchor.top};
            ScreenToClient(game.Window(), &corner);
            const RECT area{corner.x, corner.y, corner.x + picture.width,
                            corner.y + picture.height};
            FillRect(WindowDC(game.Window()).Get(), &area,
                     GdiObject<HBRUSH>(CreateSolidBrush(kMarker)).Get());
        });
        pass();
        // The pass draws outside the paint cycle; the screen may show it a moment later.
        return WaitUntil([&] {
            const Pixels shown =
                CaptureScreen({anchor.left, anchor.top}, picture.width, picture.height);
            return std::count(shown.data.begin(), shown.data.end(), kMarker) == 0;
        }, 1000);
    }

    int paintsLeft = 0;
    int ticksLeft = 0;
    int totalPasses = 0;
    int cycle = 0;
    int lastReported = 0;
    int gamesWon = 0;
    int gamesLost = 0;
};

TEST_F(SoakTest, DisplayPassesAndTicksLeaveNoGdiOrUserObjectBehind) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();

    // The drivers really run the pass: a paint and a tick each bring back a wiped picture,
    // which stays wiped without them once the desktop has settled (the first window on a new
    // desktop may be exposed again while it starts).
    ASSERT_TRUE(WaitUntil([&] {
        return !Repaints(game, IDC_HEADER_EXACT, IDB_HEADER_EXACT, [] {});
    }, 10000)) << "the window kept repainting on its own";
    EXPECT_TRUE(Repaints(game, IDC_HEADER_EXACT, IDB_HEADER_EXACT, [&] { PaintPasses(game, 1); }));
    TickPasses(game, 1); // the clock's first digit is empty until the first tick
    const int secondDigit = IDB_LARGE_DIGIT_FIRST + game.State().ClockText()[1] - '0';
    EXPECT_TRUE(Repaints(game, IDC_CLOCK_FIRST + 1, secondDigit, [&] { TickPasses(game, 1); }));

    // One cycle first: the system's own caches fill on first use of each picture and dialog.
    const int paints = paintsLeft, ticks = ticksLeft;
    PlayCycle(game);
    ASSERT_FALSE(HasFatalFailure());
    paintsLeft = paints;
    ticksLeft = ticks;
    cycle = gamesWon = gamesLost = 0;
    const GameState start = game.State();
    const ObjectCounts before = SettledObjectCounts(GameThread());

    while (!Done()) {
        PlayCycle(game);
        ASSERT_FALSE(HasFatalFailure()) << "in cycle " << cycle;
    }
    EXPECT_EQ(SettledObjectCounts(GameThread()), before);

    // The games the cycles meant to play were played.
    const GameState end = game.State();
    EXPECT_EQ(end.GamesWon() - start.GamesWon(), gamesWon);
    EXPECT_EQ(end.GamesPlayed() - start.GamesPlayed(), gamesWon + gamesLost);
    std::printf("soak: %d display passes in %d cycles, %d games won and %d lost; %s before and "
                "after\n",
                totalPasses, cycle, gamesWon, gamesLost, testing::PrintToString(before).c_str());
}

} // namespace
