// Polling every 10 ms: short beside the times the tests wait for, long enough to leave the
// cores to the program under test.
#include "wait.h"

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
    WaitUntil(
        [&] {
            dialog = FindWindowA("#32770", caption);
            if (dialog == nullptr || !IsWindowVisible(dialog)) {
                return false;
            }
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
                   info.hwndActive == dialog && info.hwndFocus != nullptr &&
                   GetForegroundWindow() == dialog;
        },
        timeoutMs);
    return dialog != nullptr && GetForegroundWindow() == dialog ? dialog : nullptr;
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(dialog); }, timeoutMs);
}
