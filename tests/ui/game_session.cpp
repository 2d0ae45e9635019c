// The window thread: a message-only window that runs work sent to it, an application object
// with the game's dialog colours, and the main window's modal run posted to it per session.
#include "game_session.h"

#include "main_window.h"
#include "resource.h"
#include "win_app.h"

#include <gtest/gtest.h>

#include <ctime>
#include <cstring>
#include <future>
#include <memory>
#include <thread>

namespace {

constexpr UINT kRunWork = WM_APP + 1;  // sent: lParam points to the caller's work
constexpr UINT kPostWork = WM_APP + 2; // posted: lParam owns a copy of the work

class TestApp : public CWinApp {
public:
    void UseGameColours() { SetDialogColours(RGB(192, 192, 192), RGB(0, 0, 0)); }
};

TestApp app;

class WindowThread : public testing::Environment {
public:
    void SetUp() override {
        std::promise<void> ready;
        thread = std::thread([this, &ready] {
            threadId = GetCurrentThreadId();
            app.StartUp();
            app.UseGameColours();
            invoker = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
            SetWindowLongPtrA(invoker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InvokerProc));
            ready.set_value();
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        });
        ready.get_future().wait();
    }

    void TearDown() override {
        PostMessageA(invoker, WM_CLOSE, 0, 0);
        thread.join();
    }

    static LRESULT CALLBACK InvokerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case kRunWork:
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return 1;
        case kPostWork: {
            const std::unique_ptr<std::function<void()>> work(
                reinterpret_cast<std::function<void()>*>(lParam));
            (*work)();
            return 1;
        }
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }

    std::thread thread;
    DWORD threadId = 0;
    HWND invoker = nullptr;
};

WindowThread* const windowThread =
    static_cast<WindowThread*>(testing::AddGlobalTestEnvironment(new WindowThread));

struct FoundDialog {
    const char* caption;
    HWND window;
    int count;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<FoundDialog*>(lParam);
    char className[16] = {};
    char caption[64] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::strcmp(className, "#32770") == 0 && std::strcmp(caption, found->caption) == 0 &&
        IsWindowVisible(window)) {
        found->window = window;
        ++found->count;
    }
    return TRUE;
}

BOOL CALLBACK EndEveryDialog(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0) {
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

bool OnWindowThread(const std::function<void()>& work, DWORD timeoutMs) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(windowThread->invoker, kRunWork, 0, reinterpret_cast<LPARAM>(&work),
                               SMTO_NORMAL, timeoutMs, &answer) != 0;
}

DWORD WindowThreadId() {
    return windowThread->threadId;
}

bool FlushWindowThread(DWORD timeoutMs) {
    auto reached = std::make_shared<std::atomic<bool>>(false);
    auto* marker = new std::function<void()>([reached] { *reached = true; });
    PostMessageA(windowThread->invoker, kPostWork, 0, reinterpret_cast<LPARAM>(marker));
    return Eventually([&] { return reached->load(); }, timeoutMs);
}

HWND FindThreadDialog(const char* caption) {
    FoundDialog found{caption, nullptr, 0};
    EnumThreadWindows(WindowThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

int CountThreadDialogs(const char* caption) {
    FoundDialog found{caption, nullptr, 0};
    EnumThreadWindows(WindowThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&found));
    return found.count;
}

HWND WaitForDialog(const char* caption, DWORD timeoutMs) {
    HWND dialog = nullptr;
    Eventually([&] { return (dialog = FindThreadDialog(caption)) != nullptr; }, timeoutMs);
    return dialog;
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
    return Eventually([&] { return !IsWindow(dialog); }, timeoutMs);
}

void PostClick(HWND dialog, int buttonId) {
    PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(10);
    }
}

GameSession::GameSession() {
    // Posted: the modal run must not hold up the test thread.
    auto* run = new std::function<void()>([this] {
        auto main = std::make_unique<MainWindow>();
        object = main.get();
        app.mainWindow = main.get();
        result = main->DoModal();
        object = nullptr;
        main.reset();
        ended = true;
    });
    PostMessageA(windowThread->invoker, kPostWork, 0, reinterpret_cast<LPARAM>(run));
    HWND shown = nullptr;
    Eventually([&] {
        OnWindowThread([&] {
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
        OnWindowThread([] { EnumThreadWindows(GetCurrentThreadId(), EndEveryDialog, 0); });
    }
    EXPECT_TRUE(WaitForEnd()) << "the main window's run did not end";
}

GameState GameSession::State() const {
    GameState copy(0);
    OnWindowThread([&] {
        if (object != nullptr) {
            copy = object->State();
        }
    });
    return copy;
}

void GameSession::ChangeState(const std::function<void(GameState&)>& change) const {
    OnWindowThread([&] {
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
    GetGUIThreadInfo(WindowThreadId(), &info);
    const HWND target = info.hwndFocus != nullptr ? info.hwndFocus : window;
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | 0xC0000000);
}

void GameSession::PostTick() const {
    PostMessageA(window, WM_TIMER, 1, 0);
}

void GameSession::StopClock() const {
    OnWindowThread([&] {
        if (object != nullptr && object->timerId != 0) {
            KillTimer(window, object->timerId);
        }
    });
}

void GameSession::Repaint() const {
    OnWindowThread([&] { InvalidateRect(window, nullptr, TRUE); });
    WaitForPaint();
}

void GameSession::WaitForPaint() const {
    // The window thread's own loop paints, in its own order; wait until nothing is left.
    Eventually([&] {
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
    return Eventually([this] { return ended.load(); }, timeoutMs);
}
