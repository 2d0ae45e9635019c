// The dialog's own thread: colours as the game sets them, then the modal run.
#include "modal_run.h"

#include "dialog_colours.h"
#include "screen_support.h"

#include <cstdio>
#include <cstdlib>

ModalRun::ModalRun(Factory make) {
    thread = std::thread([this, make = std::move(make)] {
        threadId = GetCurrentThreadId();
        SetDialogColours(RGB(192, 192, 192), RGB(0, 0, 0));
        const std::unique_ptr<CDialog> dialog = make();
        result = dialog->DoModal();
        ended = true;
    });
}

ModalRun::~ModalRun() {
    // Whatever a failed test left open: close the thread's windows, newest first (a dialog
    // takes that as Cancel). A run that will not end cannot be left behind: stop the program.
    const DWORD start = GetTickCount();
    while (!ended) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (threadId != 0 && GetGUIThreadInfo(threadId, &info) && info.hwndActive != nullptr) {
            PostMessageA(info.hwndActive, WM_CLOSE, 0, 0);
        }
        if (GetTickCount() - start > 10000) {
            std::fputs("a modal run did not end when its windows were closed\n", stderr);
            std::fflush(stderr);
            std::_Exit(3);
        }
        Sleep(50);
    }
    thread.join();
}

std::optional<INT_PTR> ModalRun::Result(DWORD timeoutMs) {
    if (!WaitUntil([this] { return ended.load(); }, timeoutMs)) {
        return std::nullopt;
    }
    return result.load();
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
