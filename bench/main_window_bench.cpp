// Cost of the main window's display pass with every picture it can show (87: 2 headers, 48
// pegs, 8 + 5 clock pictures, 24 counts) against the same pictures drawn by bare calls, and the
// time from a colour click to its peg on the screen against a posted message that draws the peg
// by bare calls. The window runs modally on the main thread as in the game; a second thread
// drives it. Run by hand under Wine: wine main_window_bench.exe [passes] [clicks]
#include "main_window.h"

#include "bench_support.h"
#include "full_pass.h"
#include "resource.h"
#include "thread_of_window.h"
#include "update_display.h"
#include "win_app.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr UINT kBarePeg = WM_APP + 1;      // wParam: ColourIndex, lParam: cell
constexpr int kFloorCell = CELL_COUNT - 1; // the clicks never reach it

class BenchApp : public CWinApp {
public:
    void UseGameColours() { SetDialogColours(RGB(192, 192, 192), RGB(0, 0, 0)); }
};

BenchApp app;
MainWindow* mainWindow = nullptr;
HWND invoker = nullptr;

PlacedPicture PegPicture(int cell, int colour) {
    PlacedPicture peg = PlacePicture(mainWindow->Handle(), FullPass()[2 + cell]);
    peg.bitmapId = IDB_PEG_FIRST + colour;
    return peg;
}

LRESULT CALLBACK InvokerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kBarePeg) {
        BareDraw(mainWindow->Handle(),
                 PegPicture(static_cast<int>(lParam), static_cast<int>(wParam)));
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Runs work on the window's thread, also while its modal loop runs, for as long as it takes.
void OnWindowThread(const std::function<void()>& work) {
    RunOnThreadOf(mainWindow->Handle(), work, INFINITE);
}

void DisplayPass(int passes) {
    // The game's pass; the bare LoadBitmapA / blit / free loop; every call the drawing routine
    // makes, written out bare (what the game adds beyond the calls it must make).
    std::vector<double> times[3];
    OnWindowThread([&] {
        const HWND window = mainWindow->Handle();
        KillTimer(window, GameStateTestAccess::TimerIdOf(*mainWindow)); // only the bench draws
        GameState& state = GameStateTestAccess::StateOf(*mainWindow);
        GameStateTestAccess::Code(state) = {0, 1, 2, 3};
        // Never the code: every row complete, none won.
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            GameStateTestAccess::Board(state)[cell] = 4 + cell % 2;
        }
        std::copy_n("112107", 7, GameStateTestAccess::ClockText(state).begin());
        std::copy_n("1454", 5, GameStateTestAccess::RemainText(state).begin());
        const std::vector<PlacedPicture> placed = PlacePass(window);
        const std::function<void()> kinds[3] = {
            [&] { UpdateDisplay(window, state); },
            [&] { BarePass(window, placed); },
            [&] {
                for (const PassPicture& picture : FullPass()) {
                    RequiredCallsDraw(window, picture.controlId, picture.bitmapId);
                }
            },
        };
        for (const auto& kind : kinds) {
            kind(); // warm up
        }
        // One of each in turn, the order rotated every time, so that drift of the machine and
        // any advantage of a place in the order touch all alike.
        for (int p = 0; p < passes; ++p) {
            for (int turn = 0; turn < 3; ++turn) {
                const int kind = (p + turn) % 3;
                const double start = Seconds();
                kinds[kind]();
                GdiFlush();
                times[kind].push_back(Seconds() - start);
            }
        }
    });
    const double game = Median(times[0]) * 1000.0;
    const double bare = Median(times[1]) * 1000.0;
    const double required = Median(times[2]) * 1000.0;
    std::printf("display pass, 87 pictures (median of %d): game %.2f ms, bare LoadBitmapA/blit/free"
                " loop %.2f ms, the routine's own calls written out bare %.2f ms\n",
                passes, game, bare, required);
    PrintResult("display_pass", game, bare);
    PrintResult("display_pass_required_calls", game, required);
}

// Seconds from posting to the colour showing at the point, or a negative value after 2 s.
double PostAndWait(HWND target, UINT message, WPARAM wParam, LPARAM lParam, POINT point,
                   COLORREF expected) {
    const double start = Seconds();
    PostMessageA(target, message, wParam, lParam);
    while (ScreenAt(point) != expected) {
        if (Seconds() - start > 2.0) {
            return -1.0;
        }
        Sleep(1); // a busy reader would slow the window thread it is timing
    }
    return Seconds() - start;
}

void ClickToPeg(int clicks) {
    const HWND window = mainWindow->Handle();
    // A new game through New Game, then a code that dark red and magenta never match.
    PostMessageA(window, WM_COMMAND, IDC_NEW_GAME, 0);
    Sleep(300);
    OnWindowThread([] {
        GameStateTestAccess::Code(GameStateTestAccess::StateOf(*mainWindow)) = {0, 1, 2, 3};
    });
    clicks = std::min(clicks, kFloorCell - 3); // rows 1 to 11 only: no game ends
    POINT floorMiddle = PegPicture(kFloorCell, 0).at;
    floorMiddle.x += 12;
    floorMiddle.y += 12;
    ClientToScreen(window, &floorMiddle);
    std::vector<double> game;
    std::vector<double> bareTimes;
    for (int i = 0; i < clicks; ++i) {
        const int colour = 4 + i % 2;
        const COLORREF expected = colour == 4 ? RGB(128, 0, 0) : RGB(255, 0, 255);
        const double bare =
            PostAndWait(invoker, kBarePeg, colour, kFloorCell, floorMiddle, expected);
        POINT middle{12, 12};
        ClientToScreen(GetDlgItem(window, IDC_PEG_FIRST + i), &middle);
        const double click = PostAndWait(GetDlgItem(window, IDC_COLOUR_BUTTON_FIRST + colour),
                                         BM_CLICK, 0, 0, middle, expected);
        if (bare < 0.0 || click < 0.0) {
            std::printf("peg %d did not appear\n", i);
            return;
        }
        bareTimes.push_back(bare);
        game.push_back(click);
    }
    std::sort(game.begin(), game.end());
    std::printf("colour click to peg on screen: median %.2f ms, min %.2f ms, max %.2f ms;"
                " bare draw on a posted message: median %.2f ms (%d clicks)\n",
                Median(game) * 1000.0, game.front() * 1000.0, game.back() * 1000.0,
                Median(bareTimes) * 1000.0, clicks);
    PrintResult("click_to_peg", Median(game) * 1000.0, Median(bareTimes) * 1000.0);
}

} // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 200;
    const int clicks = argc > 2 ? std::atoi(argv[2]) : 40;
    app.StartUp();
    app.UseGameColours();
    invoker = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(invoker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InvokerProc));

    MainWindow window;
    mainWindow = &window;
    app.mainWindow = &window;
    std::thread driver([&] {
        while (window.Handle() == nullptr || !IsWindowVisible(window.Handle())) {
            Sleep(20);
        }
        Sleep(300);
        DisplayPass(passes);
        ClickToPeg(clicks);
        PostMessageA(window.Handle(), WM_COMMAND, IDC_EXIT, 0);
    });
    window.DoModal();
    driver.join();
    DestroyWindow(invoker);
    return 0;
}
