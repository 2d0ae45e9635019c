// Runs the real main window modally on a window thread of its own, as the application does,
// while the test thread drives it with real messages and reads the game through that thread.
// One window thread serves the whole test program: the framework's hooks are per thread.
#pragma once

#include "game_state.h"
#include "window_thread.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>

class MainWindow;

// The one window thread of the test program, prepared as the application prepares its own.
const WindowThread& GameThread();

// How many visible dialogs of the window thread have this caption.
int CountThreadDialogs(const char* caption);

class GameSession {
public:
    // Starts the modal run and waits until the window is on screen and painted; then, where one
    // is given, the game's code is set to the one given.
    explicit GameSession(std::optional<std::array<ColourIndex, PEG_COUNT>> code = std::nullopt);
    // Ends every dialog still up, the main window last, and waits for the run to end.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    bool Started() const { return window != nullptr; }
    HWND Window() const { return window; }
    HWND Item(int id) const { return GetDlgItem(window, id); }

    // The game, copied or changed on the window thread.
    GameState State() const;
    void ChangeState(const std::function<void(GameState&)>& change) const;
    void SetCode(std::array<ColourIndex, PEG_COUNT> code) const;
    // Moves the deal back so that the countdown of a limit of that many minutes is over.
    void ExpireCountdown(int limitMinutes) const;

    // A colour click that cannot end the game: returns when OnColour has run.
    void ClickColour(ColourIndex colour) const;
    // A click that may open a result dialog: posted.
    void PostClickColour(ColourIndex colour) const;
    // The mouse presses a quick pair on a colour button gives: down, up, double-click, up.
    void PostDoubleClickColour(ColourIndex colour) const;
    void PostCommandClick(int id) const;
    void PostKey(UINT virtualKey) const;
    void PostTick() const;
    // Stops the window's own timer, so that only the test's ticks move the clock.
    void StopClock() const;
    // Erases the whole window and waits until it and its controls have repainted.
    void Repaint() const;
    // True once nothing of the window waits to be painted, within the time.
    bool WaitForPaint(DWORD timeoutMs = 5000) const;

    std::string Text(int id) const;

    // True once the modal run has ended; Result() is then its value.
    bool WaitForEnd(DWORD timeoutMs = 5000);
    INT_PTR Result() const { return result; }

private:
    HWND window = nullptr;
    MainWindow* object = nullptr; // lives on the window thread
    std::atomic<bool> ended{false};
    std::atomic<INT_PTR> result{0};
};
