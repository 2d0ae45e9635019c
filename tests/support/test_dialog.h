// The test dialog of the picture and button tests: modeless, on top of everything, light grey
// like the game's dialogs. It hands WM_DRAWITEM back to the control as the framework's dialogs
// do, and counts the button notifications it receives. A program using it links the template,
// test_dialog.rc, with it.
#pragma once

#include "test_dialog_ids.h"

#include <windows.h>

#include <map>
#include <utility>

class TestDialog {
public:
    TestDialog();
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Handle() const { return window; }
    HWND Item(int id) const { return GetDlgItem(window, id); }
    // The control's top-left client corner on the screen.
    POINT ScreenCorner(int id) const;
    // The control's window rectangle in the dialog's client coordinates.
    RECT RectInDialog(int id) const;
    // A rectangle of the template, in dialog units, in the dialog's client pixels.
    RECT DialogUnits(int left, int top, int width, int height) const;
    int Notifications(int id, int code) const;
    // True once whatever the dialog had left to paint has been painted: what must not show has
    // had its chance to.
    bool WaitForPaint() const;
    void Destroy();

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
    std::map<std::pair<int, int>, int> notifications;
};
