// A thread that owns windows, as the game's one user-interface thread does: it pumps its own
// messages, and runs work handed to it by the test thread, while modal loops run there too
// (their loops deliver sent and posted messages alike).
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

class WindowThread {
public:
    // prepare runs first on the new thread: what the program does before its first window.
    explicit WindowThread(const std::function<void()>& prepare = {});
    // Ends the thread's loop and joins it; modal runs on it must have ended.
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    DWORD Id() const { return threadId; }
    // Runs work there and waits for it; false when the thread did not answer in time.
    bool Run(const std::function<void()>& work, DWORD timeoutMs = 5000) const;
    // Hands work over without waiting: it may start a modal loop.
    void Post(std::function<void()> work) const;
    // Returns once everything posted there before this call has been handled.
    bool Flush(DWORD timeoutMs = 5000) const;

private:
    static LRESULT CALLBACK InvokerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::thread thread;
    DWORD threadId = 0;
    HWND invoker = nullptr; // a message-only window that runs the work
};
