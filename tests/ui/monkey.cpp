// The monkey's choices and hands. Input goes through the system's input queue (support/input) to
// whichever window is active, as a player's would; only the clock's ticks are posted.
#include "monkey.h"

#include "game_session.h"
#include "input.h"
#include "program_process.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "settings_store.h"
#include "wait.h"

#include <array>
#include <atomic>
#include <cstring>
#include <vector>

namespace {

struct NamedKey {
    WORD key;
    const char* name;
};

constexpr NamedKey kKeys[] = {{VK_ESCAPE, "Escape"}, {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
                              {VK_F1, "F1"},         {VK_TAB, "Tab"},      {VK_DOWN, "Down"},
                              {VK_UP, "Up"}};

// The mnemonics of the game's buttons and boxes; Exit's (X) comes a quarter as often.
constexpr char kMnemonics[] = "DSAHNECDSAHNECDSAHNECDSAHNECX";

bool IsGameDialog(HWND window, const char* caption) {
    return ClassOf(window) == "#32770" && Caption(window) == caption;
}

bool IsSettingsDialog(HWND window) {
    return IsGameDialog(window, Caption(IDD_DIFFICULTY)) || IsGameDialog(window, Caption(IDD_SETTINGS));
}

HWND DroppedList() {
    for (HWND window : VisibleThreadWindows()) {
        if (ClassOf(window) == "ComboLBox") {
            return window;
        }
    }
    return nullptr;
}

// Weights: push buttons, boxes and lists are what a player aims at, the main window's many
// anchors and labels less so; Exit ends the session.
int Weight(HWND control, bool inMainWindow) {
    const std::string className = ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (inMainWindow && GetDlgCtrlID(control) == IDC_EXIT) {
        return 2;
    }
    if (className == "Button" && (style & BS_TYPEMASK) != BS_GROUPBOX) {
        return 20;
    }
    return className == "ComboBox" ? 20 : 1;
}

std::string Describe(HWND control, HWND window) {
    return "'" + Caption(control) + "' (" + std::to_string(GetDlgCtrlID(control)) + ", " +
           ClassOf(control) + ") in '" + Caption(window) + "' (" + ClassOf(window) + ")";
}

// A click on the caption brings a window forward.
void ClickCaption(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    ClickAt({(rect.left + rect.right) / 2, rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
}

std::atomic<bool> windowThreadIdle{false};

void CALLBACK IdleTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    windowThreadIdle = true;
}

} // namespace

std::vector<HWND> VisibleThreadWindows() {
    return VisibleWindows(0, GameThread().Id());
}

HWND ActiveGameWindow() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GameThread().Id(), &info) ? info.hwndActive : nullptr;
}

// The window's text up to its first line break, at most 40 characters.
std::string Caption(HWND window) {
    const std::string caption = TextOf(window).substr(0, 40);
    return caption.substr(0, caption.find_first_of("\r\n"));
}

// A timer message comes only when nothing else is waiting, input and paints included.
bool WaitForWindowThreadIdle(DWORD timeoutMs) {
    windowThreadIdle = false;
    if (!GameThread().Run([] { SetTimer(nullptr, 0, 0, IdleTimer); }, timeoutMs)) {
        return false;
    }
    return WaitUntil([] { return windowThreadIdle.load(); }, timeoutMs);
}

bool CloseEverythingAndExit(GameSession& game) {
    for (int attempt = 0; attempt < 30; ++attempt) {
        const HWND active = ActiveGameWindow();
        if (active == game.Window()) {
            PressKey('X', {VK_MENU});
            return game.WaitForEnd();
        }
        if (active == nullptr) {
            const std::vector<HWND> windows = VisibleThreadWindows();
            if (windows.empty()) {
                return false;
            }
            ClickCaption(windows.front());
        } else {
            PressKey(VK_ESCAPE);
        }
        if (!WaitForWindowThreadIdle(kHangTimeoutMs)) {
            return false;
        }
    }
    return false;
}

MonkeyEvent Monkey::Act(const GameSession& game) {
    const HWND active = ActiveGameWindow();
    if (active == nullptr) {
        const std::vector<HWND> windows = VisibleThreadWindows();
        return windows.empty() ? MonkeyEvent{"nothing to act on"} : Activate(windows.front());
    }
    const bool onMain = active == game.Window();
    if (ClassOf(active) != "#32770" && Below(2) == 0) {
        // The help window stays up beside the game; the player goes back to the game's windows.
        for (HWND window : VisibleThreadWindows()) {
            if (ClassOf(window) == "#32770") {
                return Activate(window);
            }
        }
    }
    const int roll = Below(100);
    if (roll < 36) {
        if (const HWND list = DroppedList(); list != nullptr && Below(2) == 0) {
            return ClickDroppedList(list);
        }
        return Click(active, false);
    }
    if (roll < 44) {
        return Click(active, true);
    }
    if (roll < 52) {
        return onMain ? EnterRightColours(game) : Click(active, false);
    }
    if (roll < 70) {
        return PressAnyKey(active);
    }
    if (roll < 80) {
        return PressMnemonic(active);
    }
    if (roll < 94) {
        return Tick(game);
    }
    if (roll < 97) {
        // The main window's close box ends the session: a third as often as the others'.
        return !onMain || Below(3) == 0 ? CloseWithCaptionBox(active) : Click(active, false);
    }
    // A click on the main window whatever is over it: refused while a dialog is modal.
    return Click(game.Window(), false);
}

HWND Monkey::PickControl(HWND window) {
    std::vector<HWND> controls;
    std::vector<int> weights;
    int total = 0;
    const bool inMainWindow = IsGameDialog(window, "Zodedu");
    for (const HWND child : ChildWindows(window)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        if (IsWindowVisible(child) && rect.right > rect.left && rect.bottom > rect.top) {
            controls.push_back(child);
            weights.push_back(Weight(child, inMainWindow));
            total += weights.back();
        }
    }
    if (total == 0) {
        return nullptr;
    }
    int pick = Below(total);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (pick < weights[i]) {
            return controls[i];
        }
        pick -= weights[i];
    }
    return controls.back();
}

// Descriptions are taken before the input, which may close the window they name, and from
// what lies under the point: another window may cover the control aimed at.
MonkeyEvent Monkey::Click(HWND window, bool twice) {
    const HWND control = PickControl(window);
    if (control == nullptr) {
        return Activate(window);
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    const HWND target = WindowFromPoint({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    const HWND root = GetAncestor(target, GA_ROOT);
    const MonkeyEvent event{std::string(twice ? "double-click " : "click ") +
                                Describe(target, root),
                            IsSettingsDialog(root) && GetDlgCtrlID(target) == IDOK};
    ClickWindow(control);
    if (twice) {
        ClickWindow(control); // well inside the double-click time
    }
    return event;
}

// The rest of the current row in the code's colours: a row begun that way wins.
MonkeyEvent Monkey::EnterRightColours(const GameSession& game) {
    const GameState state = game.State();
    const int guesses = settingsStore.GetNumberOfGuesses();
    int cell = 0;
    while (cell < PEG_COUNT * guesses && state.Board()[cell] != EMPTY_CELL) {
        ++cell;
    }
    if (cell == PEG_COUNT * guesses) {
        return Click(game.Window(), false);
    }
    std::string colours;
    for (int p = cell % PEG_COUNT; p < PEG_COUNT; ++p) {
        ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST + state.Code()[p]));
        colours += std::to_string(state.Code()[p]);
    }
    return {"the code's colours " + colours + " from cell " + std::to_string(cell)};
}

MonkeyEvent Monkey::PressAnyKey(HWND window) {
    const NamedKey& key = kKeys[Below(static_cast<int>(std::size(kKeys)))];
    const MonkeyEvent event{std::string("key ") + key.name + " in '" + Caption(window) + "'",
                            IsSettingsDialog(window) &&
                                (key.key == VK_RETURN || key.key == VK_SPACE)};
    PressKey(key.key);
    return event;
}

MonkeyEvent Monkey::PressMnemonic(HWND window) {
    const char letter = kMnemonics[Below(static_cast<int>(std::strlen(kMnemonics)))];
    const MonkeyEvent event{std::string("Alt+") + letter + " in '" + Caption(window) + "'"};
    PressKey(static_cast<WORD>(letter), {VK_MENU});
    return event;
}

// Seconds pass: the deal moves that far back, and the clock's timer message comes.
MonkeyEvent Monkey::Tick(const GameSession& game) {
    const int seconds = 1 + Below(30 * settingsStore.GetTimeLimit());
    game.ChangeState([&](GameState& state) { GameStateTestAccess::GameStart(state) -= seconds; });
    game.PostTick();
    return {"tick after " + std::to_string(seconds) + " s"};
}

MonkeyEvent Monkey::CloseWithCaptionBox(HWND window) {
    const MonkeyEvent event{"close box of '" + Caption(window) + "'"};
    return ClickCloseBox(window) ? event : Click(window, false);
}

MonkeyEvent Monkey::ClickDroppedList(HWND list) {
    RECT rect{};
    GetWindowRect(list, &rect);
    const POINT point{rect.left + 2 + Below(std::max<LONG>(rect.right - rect.left - 4, 1)),
                      rect.top + 2 + Below(std::max<LONG>(rect.bottom - rect.top - 4, 1))};
    ClickAt(point);
    return {"click in a dropped list at " + std::to_string(point.x) + "," +
            std::to_string(point.y)};
}

// When no window of the game is active.
MonkeyEvent Monkey::Activate(HWND window) {
    const MonkeyEvent event{"click on the caption of '" + Caption(window) + "'"};
    ClickCaption(window);
    return event;
}
