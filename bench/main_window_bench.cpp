// Cost of the main window's display pass with every picture it can show (87: 2 headers, 48
// pegs, 8 + 5 clock pictures, 24 counts), and the time from a colour click to its peg on the
// screen. The window runs modally on the main thread as in the game; a second thread drives it.
// Run by hand under Wine: wine main_window_bench.exe [passes] [clicks]
#include "main_window.h"

#include "resource.h"
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

constexpr UINT kRunWork = WM_APP + 1;

class BenchApp : public CWinApp {
public:
    void UseGameColours() { SetDialogColours(RGB(192, 192, 192), RGB(0, 0, 0)); }
};

BenchApp app;
MainWindow* mainWindow = nullptr;
HWND invoker = nullptr;

LRESULT CALLBACK InvokerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunWork) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Runs work on the window's thread, also while its modal loop runs.
void OnWindowThread(const std::function<void()>& work) {
    SendMessageA(invoker, kRunWork, 0, reinterpret_cast<LPARAM>(&work));
}

double Seconds() {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void DisplayPass(int passes) {
    double seconds = 0.0;
    OnWindowThread([&] {
        const HWND window = mainWindow->Handle();
        KillTimer(window, mainWindow->timerId); // only the bench draws
        GameState& state = mainWindow->state;
        state.code = {0, 1, 2, 3};
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            state.board[cell] = 4 + cell % 2; // never the code: every row complete, none won
        }
        std::copy_n("112107", 7, state.clockText.begin());
        std::copy_n("1454", 5, state.remainText.begin());
        UpdateDisplay(window, state); // warm up
        const double start = Seconds();
        for (int p = 0; p < passes; ++p) {
            UpdateDisplay(window, state);
            GdiFlush();
        }
        seconds = Seconds() - start;
    });
    std::printf("display pass, 87 pictures: %8.2f ms per pass (%d passes)\n",
                seconds * 1000.0 / passes, passes);
}

// The peg's colour at the middle of its disc, read from the screen.
COLORREF ScreenAt(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void ClickToPeg(int clicks) {
    const HWND window = mainWindow->Handle();
    // A new game through New Game, then a code that dark red and magenta never match.
    PostMessageA(window, WM_COMMAND, IDC_NEW_GAME, 0);
    Sleep(300);
    OnWindowThread([] { mainWindow->state.code = {0, 1, 2, 3}; });
    clicks = std::min(clicks, CELL_COUNT - 1); // the last cell would end the game
    std::vector<double> times;
    for (int i = 0; i < clicks; ++i) {
        const int colour = 4 + i % 2;
        const COLORREF expected = colour == 4 ? RGB(128, 0, 0) : RGB(255, 0, 255);
        POINT middle{12, 12};
        ClientToScreen(GetDlgItem(window, IDC_PEG_FIRST + i), &middle);
        const double start = Seconds();
        PostMessageA(GetDlgItem(window, IDC_COLOUR_BUTTON_FIRST + colour), BM_CLICK, 0, 0);
        while (ScreenAt(middle) != expected) {
            if (Seconds() - start > 2.0) {
                std::printf("peg %d did not appear\n", i);
                return;
            }
            Sleep(1); // a busy reader would slow the window thread it is timing
        }
        times.push_back(Seconds() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("colour click to peg on screen: median %.2f ms, min %.2f ms, max %.2f ms"
                " (%d clicks)\n",
                times[times.size() / 2] * 1000.0, times.front() * 1000.0, times.back() * 1000.0,
                clicks);
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
