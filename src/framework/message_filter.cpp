// A message-filter hook on the thread's dialog and menu loops. A message taken is taken out of
// the loop, so the dialog under it stays as it was; Wine's WM_HELP that may follow F1 does
// nothing.
#include "message_filter.h"

#include "dialog.h"
#include "framework_resource.h"
#include "key_press.h"
#include "win32_handles.h"

namespace {

class ModalLoopHook {
public:
    void Install(CDialog* (*mainWindow)()) {
        if (!hook) {
            findMainWindow = mainWindow;
            hook.Reset(SetWindowsHookExA(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId()));
        }
    }

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
    WindowsHook hook;
    CDialog* (*findMainWindow)() = nullptr;
};

ModalLoopHook modalLoopHook;

LRESULT CALLBACK ModalLoopHook::Filter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    CDialog* mainWindow = modalLoopHook.findMainWindow();
    if (mainWindow != nullptr && mainWindow->Handle() != nullptr) {
        if ((code == MSGF_DIALOGBOX || code == MSGF_MENU) && IsPlainKeyPress(*message, VK_F1)) {
            SendMessageA(mainWindow->Handle(), WM_COMMAND, ID_HELP_COMMAND, 0);
            return 1;
        }
        if (code == MSGF_DIALOGBOX && mainWindow->PreTranslateMessage(*message)) {
            return 1;
        }
    }
    return CallNextHookEx(modalLoopHook.hook.Get(), code, wParam, lParam);
}

} // namespace

void WatchModalLoops(CDialog* (*mainWindow)()) {
    modalLoopHook.Install(mainWindow);
}
