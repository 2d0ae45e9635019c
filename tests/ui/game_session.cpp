// The window thread with an application object prepared as the game prepares its own, and
// the main window's modal run posted to it per session.
#include "game_session.h"

#include "main_window.h"
#include "program_process.h"
#include "resource.h"
#include "screen.h"
#include "wait.h"
#include "win_app.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

namespace {

class TestApp : public CWinApp {
public:
    void UseGameColours() { SetDialogColours(RGB(192, 192, 192), RGB(0, 0, 0)); }
};

TestApp app;

// Made before the first test and ended after the last: the framework's hooks are per thread.
class GameThreadEnvironment : public testing::Environment {
public:
    void SetUp() override {
        thread = std::make_unique<WindowThread>([] {
            app.StartUp();
            app.UseGameColours();
        });
    }
    void TearDown() override { thread.reset(); }

    std::unique_ptr<WindowThread> thread;
};

GameThreadEnvironment* const environment = static_cast<GameThreadEnvironment*>(
    testing::AddGlobalTestEnvironment(new GameThreadEnvironment));

struct FoundDialog {
    const char* caption;
    HWND window;
    int count;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<FoundDialog*>(lParam);
    if (ClassOf(window) == "#32770" && TextOf(window) == found->caption &&
        IsWindowVisible(window)) {
        found->window = window;
        ++found->count;
    }
    return TRUE;
}

BOOL CALLBACK EndEveryDialog(HWND window, LPARAM) {
    if (ClassOf(window) == "#32770") {
        EndDialog(window, IDCANCEL);
    }
    return TRUE;
}

// The point a mouse press on a control would carry: its middle, in its own client pixels.
LPARAM Middle(HWND control) {
    RECT rect{};
    GetClientRect(control, &rect);
    return MAKELPARAM(rect.right / 2, rect.bottom / 2);
}

} // namespace

const WindowThread& GameThread() {
    return *environment->thread;
}

HWND FindThreadDialog(const char* caption) {
    FoundDialog found{caption, nullptr, 0};
    EnumThreadWindows(GameThread().Id(), MatchDialog, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

int CountThreadDialogs(const char* caption) {
    FoundDialog found{caption, nullptr, 0};
    EnumThreadWindows(GameThread().Id(), MatchDialog, reinterpret_cast<LPARAM>(&found));
    return found.count;
}

GameSession::GameSession() {
    // Posted: the modal run must not hold up the test thread.
    GameThread().Post([this] {
        auto main = std::make_unique<MainWindow>();
        object = main.get();
        app.mainWindow = main.get();
        result = main->DoModal();
        object = nullptr;
        main.reset();
        ended = true;
    });
    HWND shown = nullptr;
    WaitUntil([&] {
        GameThread().Run([&] {
            if (object != nullptr && object->Handle() != nullptr &&
                IsWindowVisible(object->Handle())) {
                shown = object->Handle();
            }
        });
        return shown != nullptr;
    });
    window = shown;
    if (window != nullptr) {
        WaitForPaint();
    }
}

GameSession::~GameSession() {
    if (!ended) {
        // Innermost first: each modal loop ends as soon as the one inside it has.
        GameThread().Run([] { EnumThreadWindows(GetCurrentThreadId(), EndEveryDialog, 0); });
    }
    EXPECT_TRUE(WaitForEnd()) << "the main window's run did not end";
}

GameState GameSession::State() const {
    GameState copy(0);
    GameThread().Run([&] {
        if (object != nullptr) {
            copy = object->State();
        }
    });
    return copy;
}

void GameSession::ChangeState(const std::function<void(GameState&)>& change) const {
    GameThread().Run([&] {
        if (object != nullptr) {
            change(GameStateTestAccess::StateOf(*object));
        }
    });
}

void GameSession::SetCode(std::array<ColourIndex, PEG_COUNT> code) const {
    ChangeState([&](GameState& state) { GameStateTestAccess::Code(state) = code; });
}

void GameSession::ExpireCountdown(int limitMinutes) const {
    ChangeState([&](GameState& state) {
        GameStateTestAccess::GameStart(state) =
            static_cast<std::int64_t>(std::time(nullptr)) - limitMinutes * 60 - 1;
    });
}

void GameSession::ClickColour(ColourIndex colour) const {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(Item(IDC_COLOUR_BUTTON_FIRST + colour), BM_CLICK, 0, 0, SMTO_NORMAL, 5000,
                        &answer);
}

void GameSession::PostClickColour(ColourIndex colour) const {
    PostMessageA(Item(IDC_COLOUR_BUTTON_FIRST + colour), BM_CLICK, 0, 0);
}

void GameSession::PostDoubleClickColour(ColourIndex colour) const {
    const HWND button = Item(IDC_COLOUR_BUTTON_FIRST + colour);
    const LPARAM at = Middle(button);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(button, WM_LBUTTONUP, 0, at);
    PostMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(button, WM_LBUTTONUP, 0, at);
}

void GameSession::PostCommandClick(int id) const {
    PostMessageA(Item(id), BM_CLICK, 0, 0);
}

void GameSession::PostKey(UINT virtualKey) const {
    // To the control with the focus, as the keyboard would: the dialog's loop sees it first.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GameThread().Id(), &info);
    const HWND target = info.hwndFocus != nullptr ? info.hwndFocus : window;
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | 0xC0000000);
}

void GameSession::PostTick() const {
    GameThread().Run([&] {
        if (object != nullptr) {
            PostMessageA(window, WM_TIMER, GameStateTestAccess::TimerIdOf(*object), 0);
        }
    });
}

void GameSession::StopClock() const {
    GameThread().Run([&] {
        if (object != nullptr) {
            KillTimer(window, GameStateTestAccess::TimerIdOf(*object));
        }
    });
}

void GameSession::Repaint() const {
    GameThread().Run([&] { InvalidateRect(window, nullptr, TRUE); });
    WaitForPaint();
}

void GameSession::WaitForPaint() const {
    // The window thread's own loop paints, in its own order; wait until nothing is left.
    WaitUntil([&] {
        if (GetUpdateRect(window, nullptr, FALSE)) {
            return false;
        }
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetUpdateRect(child, nullptr, FALSE)) {
                return false;
            }
        }
        return true;
    });
}

std::string GameSession::Text(int id) const {
    char text[64] = {};
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

bool GameSession::WaitForEnd(DWORD timeoutMs) {
    return WaitUntil([this] { return ended.load(); }, timeoutMs);
}
