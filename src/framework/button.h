// CButton: an object bound to a button control of a dialog template. It takes over the
// control's window procedure (subclassing), sees every message first and hands on the rest.
#pragma once

#include <windows.h>

class CButton {
public:
    CButton() = default;
    // Gives the control its own window procedure back if it is still bound.
    virtual ~CButton();
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // Binds to control controlId of parent, leaving any earlier control; false, and no
    // change, when there is no such control.
    bool SubclassDlgItem(int controlId, HWND parent);
    void UnsubclassWindow();

    // The bound control, or null.
    HWND Handle() const { return window; }

protected:
    // Every message of the bound control passes here; the default hands it on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
    WNDPROC previous = nullptr;
};
