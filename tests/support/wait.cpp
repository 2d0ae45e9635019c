// Polling every 10 ms: short beside the times the tests wait for, long enough to leave the
// cores to the program under test.
#include "wait.h"

#include "screen.h"

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(10);
    }
}

void Settle(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        PumpMessages();
        Sleep(10);
    }
}

HWND WaitForDialog(const char* caption, DWORD timeoutMs) {
    HWND dialog = nullptr;
    const bool ready = WaitUntil(
        [&] {
            const std::vector<HWND> shown = VisibleDialogs(caption);
            dialog = shown.empty() ? nullptr : shown.front();
            const GUITHREADINFO input = InputStateOf(dialog);
            return dialog != nullptr && input.hwndActive == dialog && input.hwndFocus != nullptr &&
                   GetForegroundWindow() == dialog;
        },
        timeoutMs);
    return ready ? dialog : nullptr;
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(dialog); }, timeoutMs);
}
