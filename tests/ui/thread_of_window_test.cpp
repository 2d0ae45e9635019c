// The screen and the keys go to the thread that owns the window: work for a window of another
// thread of this program runs there, work for any other window runs here, and work the owner
// does not take in time is not run at all.
#include "thread_of_window.h"
#include "wait.h"
#include "win32_handles.h"
#include "window_thread.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

namespace {

TEST(ThreadOfWindowTest, WorkRunsOnTheOwnersThreadWhenItIsOneOfThisProgramsAndHereOtherwise) {
    const WindowThread owner;
    HWND window = nullptr;
    ASSERT_TRUE(owner.Run([&] {
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }));
    ASSERT_NE(window, nullptr);

    DWORD ranOn = 0;
    EXPECT_TRUE(RunOnThreadOf(window, [&] { ranOn = GetCurrentThreadId(); }));
    EXPECT_EQ(ranOn, owner.Id());

    ranOn = 0;
    EXPECT_TRUE(RunOnThreadOf(GetDesktopWindow(), [&] { ranOn = GetCurrentThreadId(); }))
        << "the desktop belongs to another process";
    EXPECT_EQ(ranOn, GetCurrentThreadId());

    // Busy past the time: the work is not run, then or later. The owner waits without taking
    // sent messages until the caller has given up.
    std::atomic<bool> busy{false};
    const KernelHandle givenUp(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(givenUp);
    owner.Post([&] {
        busy = true;
        WaitForSingleObject(givenUp.Get(), 10000);
    });
    ASSERT_TRUE(WaitUntil([&] { return busy.load(); }));
    bool ran = false;
    EXPECT_FALSE(RunOnThreadOf(window, [&] { ran = true; }, 100));
    SetEvent(givenUp.Get());
    ASSERT_TRUE(owner.Flush()); // the late message is handled by now, without the work
    EXPECT_FALSE(ran);

    owner.Run([&] { DestroyWindow(window); });
}

} // namespace
