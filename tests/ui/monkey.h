// The monkey: seeded random real input (clicks, double-clicks, keys, mnemonics) on whichever
// window of the game is active, and ticks of the clock, one event at a time. The same seed
// gives the same choices, so a failing run can be replayed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class GameSession;

// How long the game may take over one event before it counts as hung.
inline constexpr DWORD kHangTimeoutMs = 15000;

struct MonkeyEvent {
    std::string description; // what was done where, for failure messages
    bool mayConfirm = false; // could have pressed OK in the Difficulty or Settings dialog
};

class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : random(seed) {}

    // Chooses an event for the windows now up and performs it.
    MonkeyEvent Act(const GameSession& game);

private:
    int Below(int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); }
    HWND PickControl(HWND window);

    MonkeyEvent Click(HWND window, bool twice);
    MonkeyEvent EnterRightColours(const GameSession& game);
    MonkeyEvent PressAnyKey(HWND window);
    MonkeyEvent PressMnemonic(HWND window);
    MonkeyEvent Tick(const GameSession& game);
    MonkeyEvent CloseWithCaptionBox(HWND window);
    MonkeyEvent ClickDroppedList(HWND list);
    MonkeyEvent Activate(HWND window);

    std::mt19937 random;
};

// Closes every window over the main window as a player would (Escape, or a click on a
// caption to bring one forward), then presses Exit; true when the run ended.
bool CloseEverythingAndExit(GameSession& game);
// The visible top-level windows of the game's window thread, topmost first.
std::vector<HWND> VisibleThreadWindows();
// The active window of the game's window thread, or null when none is.
HWND ActiveGameWindow();
// True once the window thread has dealt with everything it was given, input included; false
// when it did not come back within the time (a hang).
bool WaitForWindowThreadIdle(DWORD timeoutMs);
std::string Caption(HWND window);
