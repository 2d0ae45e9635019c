// Runs a dialog modally on a window thread of its own, as the game's one user-interface
// thread does, so that the test thread can drive it with real input and read the screen.
#pragma once

#include "dialog.h"
#include "window_thread.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class ModalRun {
public:
    using Factory = std::function<std::unique_ptr<CDialog>()>;

    // The dialog is made and run on the new thread, in the game's dialog colours.
    explicit ModalRun(Factory make);
    // A dialog still up is cancelled; the thread is always joined.
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    // DoModal's result once the run has ended, or nothing when it has not within the time.
    std::optional<INT_PTR> Result(DWORD timeoutMs = 3000);
    bool Ended() const { return ended; }

private:
    std::atomic<bool> ended{false};
    std::atomic<INT_PTR> result{0};
    WindowThread thread; // last: it is joined before the run's state goes
};
