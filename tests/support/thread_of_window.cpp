// A one-shot hook on the window's thread sees a message sent to the window before the window
// does, and runs the work handed over with it.
#include "thread_of_window.h"

#include "win32_handles.h"

namespace {

const UINT kRunWork = RegisterWindowMessageA("zodedu tests: run the work on this thread");

LRESULT CALLBACK RunSentWork(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == kRunWork) {
        (*reinterpret_cast<const std::function<void()>*>(sent->lParam))();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

bool RunOnThreadOf(HWND window, const std::function<void()>& work, DWORD timeoutMs) {
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (thread == 0 || process != GetCurrentProcessId() || thread == GetCurrentThreadId()) {
        work();
        return true;
    }
    // Removed on return: a message that comes in late reaches only the window, which ignores it.
    const WindowsHook hook(SetWindowsHookExA(WH_CALLWNDPROC, &RunSentWork, nullptr, thread));
    DWORD_PTR answer = 0;
    return hook && SendMessageTimeoutA(window, kRunWork, 0, reinterpret_cast<LPARAM>(&work),
                                       SMTO_NORMAL, timeoutMs, &answer) != 0;
}
