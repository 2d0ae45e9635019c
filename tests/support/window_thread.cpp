// Work travels as a message to the thread's message-only window: sent when the caller waits,
// posted (owning a copy of the work) when it does not.
#include "window_thread.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>

namespace {

constexpr UINT kRunWork = WM_APP + 1;  // sent: lParam points to the caller's work
constexpr UINT kPostWork = WM_APP + 2; // posted: lParam owns a copy of the work

} // namespace

WindowThread::WindowThread(const std::function<void()>& prepare) {
    std::promise<void> ready;
    thread = std::thread([this, &prepare, &ready] {
        threadId = GetCurrentThreadId();
        if (prepare) {
            prepare();
        }
        invoker = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        if (invoker == nullptr) {
            ready.set_value();
            return; // no work can reach the thread, and nothing would end its loop
        }
        SetWindowLongPtrA(invoker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InvokerProc));
        ready.set_value();
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    });
    ready.get_future().wait();
    if (invoker == nullptr) {
        ADD_FAILURE() << "the window thread could not make its window";
    }
}

WindowThread::~WindowThread() {
    if (invoker != nullptr) {
        PostMessageA(invoker, WM_CLOSE, 0, 0);
    }
    thread.join();
}

bool WindowThread::Run(const std::function<void()>& work, DWORD timeoutMs) const {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(invoker, kRunWork, 0, reinterpret_cast<LPARAM>(&work), SMTO_NORMAL,
                               timeoutMs, &answer) != 0;
}

void WindowThread::Post(std::function<void()> work) const {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    // Without the window, a null handle would post the work to the calling thread.
    if (invoker != nullptr &&
        PostMessageA(invoker, kPostWork, 0, reinterpret_cast<LPARAM>(owned.get()))) {
        owned.release();
    }
}

bool WindowThread::Flush(DWORD timeoutMs) const {
    auto reached = std::make_shared<std::atomic<bool>>(false);
    Post([reached] { *reached = true; });
    return WaitUntil([&] { return reached->load(); }, timeoutMs);
}

LRESULT CALLBACK WindowThread::InvokerProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    switch (message) {
    case kRunWork:
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 1;
    case kPostWork: {
        const std::unique_ptr<std::function<void()>> work(
            reinterpret_cast<std::function<void()>*>(lParam));
        (*work)();
        return 1;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
