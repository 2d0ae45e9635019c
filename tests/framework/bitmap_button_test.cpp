// CBitmapButton bound to owner-drawn buttons of a real dialog: faces found by caption,
// sizing, the face shown while pressed by mouse or space key, focus and disabled faces,
// double-clicks, and handing the control and the faces back.
#include "bitmap_button.h"

#include "screen.h"
#include "test_dialog.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace {

constexpr int kDarkRedButton = IDC_T_BUTTON_FIRST + 4; // caption "IDB_4"

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class BitmapButtonTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog.Handle(), nullptr); }

    // Binds and shows the button at its new size, as the main window does.
    void Bind(CBitmapButton& button, int id) {
        ASSERT_TRUE(button.AutoLoad(id, dialog.Handle()));
        InvalidateRect(dialog.Item(id), nullptr, TRUE);
        UpdateWindow(dialog.Item(id));
    }

    // The dark red button bound and showing its up face: its control.
    HWND BindDarkRed() {
        Bind(darkRed, kDarkRedButton);
        EXPECT_TRUE(WaitShows(kDarkRedButton, "IDB_4U"));
        return dialog.Item(kDarkRedButton);
    }

    bool Shows(int id, const char* face) const { return ShowsBitmap(dialog.Item(id), face); }
    bool WaitShows(int id, const char* face) const {
        return WaitUntil([&] { return Shows(id, face); });
    }

    TestDialog dialog;
    CBitmapButton darkRed;
};

} // namespace

TEST_F(BitmapButtonTest, FindsItsFacesByCaptionAndTakesTheUpFaceSizeAtItsTemplatePosition) {
    const RECT before = dialog.RectInDialog(kDarkRedButton);
    EXPECT_EQ(before, dialog.DialogUnits(68, 60, 10, 10));
    CBitmapButton button;
    Bind(button, kDarkRedButton);
    EXPECT_EQ(button.Handle(), dialog.Item(kDarkRedButton));
    const RECT after = dialog.RectInDialog(kDarkRedButton);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, 25);
    EXPECT_EQ(after.bottom - after.top, 25);
    EXPECT_TRUE(WaitShows(kDarkRedButton, "IDB_4U"));
    // The raised dark red disc: white frame, dark red middle.
    const Pixels shown = CaptureScreen(dialog.ScreenCorner(kDarkRedButton), 25, 25);
    EXPECT_EQ(shown.At(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(shown.At(12, 12), RGB(128, 0, 0));
    EXPECT_EQ(shown.At(23, 12), RGB(128, 128, 128));
}

TEST_F(BitmapButtonTest, WithoutAnUpFaceOrAControlItReportsFalseAndKeepsTheTemplateSize) {
    CBitmapButton faceless;
    const RECT before = dialog.RectInDialog(IDC_T_NO_FACES);
    EXPECT_FALSE(faceless.AutoLoad(IDC_T_NO_FACES, dialog.Handle()));
    EXPECT_EQ(dialog.RectInDialog(IDC_T_NO_FACES), before);

    CBitmapButton orphan;
    EXPECT_FALSE(orphan.AutoLoad(12345, dialog.Handle()));
    EXPECT_EQ(orphan.Handle(), nullptr);
}

TEST_F(BitmapButtonTest, TheMouseHoldsTheDownFaceAndTheReleaseClicks) {
    const HWND control = BindDarkRed();

    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, At(12, 12));
    EXPECT_TRUE(WaitShows(kDarkRedButton, "IDB_4D"));
    EXPECT_EQ(GetFocus(), control) << "a press gives the focus";
    EXPECT_EQ(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_FOCUS, BST_FOCUS);
    EXPECT_EQ(dialog.Notifications(kDarkRedButton, BN_CLICKED), 0);

    PostMessageA(control, WM_LBUTTONUP, 0, At(12, 12));
    EXPECT_TRUE(WaitShows(kDarkRedButton, "IDB_4U"));
    EXPECT_EQ(dialog.Notifications(kDarkRedButton, BN_CLICKED), 1);
}

TEST_F(BitmapButtonTest, AHeldSpaceKeyHoldsTheDownFaceAndTheReleaseClicks) {
    const HWND control = BindDarkRed();
    SetFocus(control);

    SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_TRUE(WaitShows(kDarkRedButton, "IDB_4D"));
    SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0x40390001); // auto-repeat while held
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(Shows(kDarkRedButton, "IDB_4D"));
    EXPECT_EQ(dialog.Notifications(kDarkRedButton, BN_CLICKED), 0);

    SendMessageA(control, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001U));
    EXPECT_TRUE(WaitShows(kDarkRedButton, "IDB_4U"));
    EXPECT_EQ(dialog.Notifications(kDarkRedButton, BN_CLICKED), 1);
}

TEST_F(BitmapButtonTest, AQuickSecondClickGivesADoubleClickOnlyWithoutTheDownFace) {
    const HWND control = BindDarkRed();
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, At(12, 12));
    PostMessageA(control, WM_LBUTTONUP, 0, At(12, 12));
    ASSERT_TRUE(WaitUntil([&] { return dialog.Notifications(kDarkRedButton, BN_CLICKED) == 1; }));
    ASSERT_TRUE(WaitShows(kDarkRedButton, "IDB_4U"));

    PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, At(12, 12));
    EXPECT_TRUE(
        WaitUntil([&] { return dialog.Notifications(kDarkRedButton, BN_DOUBLECLICKED) == 1; }));
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(Shows(kDarkRedButton, "IDB_4U"));
    PostMessageA(control, WM_LBUTTONUP, 0, At(12, 12));
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_EQ(dialog.Notifications(kDarkRedButton, BN_CLICKED), 1);
    EXPECT_EQ(dialog.Notifications(kDarkRedButton, BN_DOUBLECLICKED), 1);
}

TEST_F(BitmapButtonTest, WithoutFocusOrDisabledFacesFocusAndDisablingChangeNothingVisible) {
    const HWND control = BindDarkRed();
    SetFocus(control);
    ASSERT_EQ(GetFocus(), control);
    EXPECT_EQ(SendMessageA(control, BM_GETSTATE, 0, 0) & BST_FOCUS, BST_FOCUS);
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(Shows(kDarkRedButton, "IDB_4U")) << "no focus face, no focus rectangle";

    EnableWindow(control, FALSE);
    ASSERT_TRUE(dialog.WaitForPaint());
    EXPECT_TRUE(Shows(kDarkRedButton, "IDB_4U"));
}

TEST_F(BitmapButtonTest, FacesAreChosenDownThenFocusThenDisabledThenUp) {
    // "TST_A" has all four faces: red up, yellow down, green focus, blue disabled.
    CBitmapButton button;
    Bind(button, IDC_T_ALL_FACES);
    HWND control = dialog.Item(IDC_T_ALL_FACES);
    EXPECT_TRUE(WaitShows(IDC_T_ALL_FACES, "TST_AU"));

    SetFocus(control);
    EXPECT_TRUE(WaitShows(IDC_T_ALL_FACES, "TST_AF"));
    SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_TRUE(WaitShows(IDC_T_ALL_FACES, "TST_AD")) << "held down beats focused";
    SendMessageA(control, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001U));
    EXPECT_TRUE(WaitShows(IDC_T_ALL_FACES, "TST_AF"));

    SetFocus(dialog.Item(kDarkRedButton));
    EXPECT_TRUE(WaitShows(IDC_T_ALL_FACES, "TST_AU"));
    EnableWindow(control, FALSE);
    EXPECT_TRUE(WaitShows(IDC_T_ALL_FACES, "TST_AX"));
}

TEST_F(BitmapButtonTest, LoadingAgainReplacesTheFacesAndTheObjectHandsEverythingBack) {
    HWND control = dialog.Item(kDarkRedButton);
    const LONG_PTR ownProcedure = GetWindowLongPtrA(control, GWLP_WNDPROC);
    const int before = CountGdiObjects();
    {
        CBitmapButton button;
        Bind(button, kDarkRedButton);
        EXPECT_NE(GetWindowLongPtrA(control, GWLP_WNDPROC), ownProcedure);
        const int loaded = CountGdiObjects();
        EXPECT_EQ(loaded, before + 2) << "an up and a down face, nothing else";
        for (int i = 0; i < 100; ++i) {
            ASSERT_TRUE(button.AutoLoad(kDarkRedButton, dialog.Handle()));
        }
        EXPECT_EQ(CountGdiObjects(), loaded);
    }
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(CountGdiObjects(), before);

    // A button that outlives its control lets go of it when the control is destroyed.
    {
        CBitmapButton button;
        Bind(button, kDarkRedButton);
        dialog.Destroy();
        EXPECT_EQ(button.Handle(), nullptr);
    }
    EXPECT_LE(CountGdiObjects(), before);
}
