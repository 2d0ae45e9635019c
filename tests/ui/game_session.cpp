// The window thread with an application object prepared as the game prepares its own, and
// the main window's modal run posted to it per session.
#include "game_session.h"

#include "calendar_clock.h"
#include "main_window.h"
#include "resource.h"
#include "screen.h"
#include "wait.h"
#include "win_app.h"

#include <gtest/gtest.h>

#include <algorithm>
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

int CountThreadDialogs(const char* caption) {
    const std::vector<HWND> shown = VisibleDialogs(caption, GetCurrentProcessId());
    return static_cast<int>(std::count_if(shown.begin(), shown.end(), [](HWND dialog) {
        return GetWindowThreadProcessId(dialog, nullptr) == GameThread().Id();
    }));
}

GameSession::GameSession(std::optional<std::array<ColourIndex, PEG_COUNT>> code) {
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
        if (code) {
            SetCode(*code);
        }
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
        GameStateTestAccess::GameStart(state) = CalendarNow() - limitMinutes * 60 - 1;
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
    const HWND focus = InputStateOf(window).hwndFocus;
    const HWND target = focus != nullptr ? focus : window;
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

bool GameSession::WaitForPaint(DWORD timeoutMs) const {
    // The window thread's own loop paints, in its own order; wait until nothing is left.
    return WaitUntil([&] { return IsPainted(window); }, timeoutMs);
}

std::string GameSession::Text(int id) const {
    return TextOf(Item(id));
}

bool GameSession::WaitForEnd(DWORD timeoutMs) {
    return WaitUntil([this] { return ended.load(); }, timeoutMs);
}
