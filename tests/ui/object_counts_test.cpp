// The counts the soak relies on see the objects they claim to count: each kind made once
// raises its count by one, and destroying it brings the count back.
#include "object_counts.h"
#include "screen.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(ObjectCountsTest, EachKindOfUserObjectIsSeenComingAndGoing) {
    // While a thread has a top-level window it also has an input method window; the class
    // cursors are loaded with the first window and stay. Both are here before counting.
    const HWND anchor = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(anchor);
    const UserObjects before = CountUserObjects();

    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    const HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, window, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    const HWND messageOnly = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                             nullptr, GetModuleHandleA(nullptr), nullptr);
    const HMENU menu = CreatePopupMenu();
    const BYTE andMask[32 * 4] = {}, xorMask[32 * 4] = {};
    const HICON icon = CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 1, andMask, xorMask);
    ACCEL accel{FVIRTKEY, 'A', 1};
    const HACCEL table = CreateAcceleratorTableA(&accel, 1);
    ASSERT_TRUE(window && child && messageOnly && menu && icon && table);

    UserObjects expected = before;
    expected.windows += 3;
    expected.menus += 1;
    expected.iconsAndCursors += 1;
    expected.acceleratorTables += 1;
    UserObjects during = CountUserObjects();
    during.reported = expected.reported; // the system's own total, where there is one, differs
    EXPECT_EQ(during, expected);

    DestroyWindow(messageOnly);
    DestroyWindow(window); // and its child
    DestroyMenu(menu);
    DestroyIcon(icon);
    DestroyAcceleratorTable(table);
    EXPECT_EQ(CountUserObjects(), before);
    DestroyWindow(anchor);
}

TEST(ObjectCountsTest, AGdiObjectIsSeenComingAndGoingAsItsKind) {
    const int before = CountGdiObjects();
    const GdiObjects kindsBefore = CountGdiObjectsByKind();
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HDC memory = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(brush && memory);
    EXPECT_EQ(CountGdiObjects(), before + 2);
    GdiObjects expected = kindsBefore;
    ++expected.byKind[OBJ_BRUSH];
    ++expected.byKind[OBJ_MEMDC];
    EXPECT_EQ(CountGdiObjectsByKind(), expected);
    DeleteObject(brush);
    DeleteDC(memory);
    EXPECT_EQ(CountGdiObjects(), before);
    EXPECT_EQ(CountGdiObjectsByKind(), kindsBefore);
}

} // namespace
