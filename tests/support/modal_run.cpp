// The dialog's own thread: colours as the game sets them, then the modal run.
#include "modal_run.h"

#include "dialog_colours.h"
#include "wait.h"

#include <cstdio>
#include <cstdlib>

ModalRun::ModalRun(Factory make)
    : thread([] { SetDialogColours(RGB(192, 192, 192), RGB(0, 0, 0)); }) {
    thread.Post([this, make = std::move(make)] {
        const std::unique_ptr<CDialog> dialog = make();
        result = dialog->DoModal();
        ended = true;
    });
}

ModalRun::~ModalRun() {
    // Whatever a failed test left open: close the thread's windows, newest first (a dialog
    // takes that as Cancel). A run that will not end cannot be left behind: stop the program.
    const bool closed = WaitUntil(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            if (!ended && GetGUIThreadInfo(thread.Id(), &info) && info.hwndActive != nullptr) {
                PostMessageA(info.hwndActive, WM_CLOSE, 0, 0);
            }
            return ended.load();
        },
        10000);
    if (!closed) {
        std::fputs("a modal run did not end when its windows were closed\n", stderr);
        std::fflush(stderr);
        std::_Exit(3);
    }
}

std::optional<INT_PTR> ModalRun::Result(DWORD timeoutMs) {
    if (!WaitUntil([this] { return ended.load(); }, timeoutMs)) {
        return std::nullopt;
    }
    return result.load();
}
