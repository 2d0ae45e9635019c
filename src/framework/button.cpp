// CButton: subclassing through GWLP_WNDPROC; the object is attached to the control it binds,
// and lets go of the control when the control is destroyed.
#include "button.h"

#include "window_object.h"

CButton::~CButton() {
    UnsubclassWindow();
}

bool CButton::SubclassDlgItem(int controlId, HWND parent) {
    HWND control = GetDlgItem(parent, controlId);
    if (control == nullptr) {
        return false;
    }
    if (control == window) {
        return true;
    }
    UnsubclassWindow();
    if (AttachedObject<CButton>(control) != nullptr || !AttachObject(control, this)) {
        return false; // another object holds it already
    }
    window = control;
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    return true;
}

void CButton::UnsubclassWindow() {
    if (window == nullptr) {
        return;
    }
    if (IsWindow(window)) {
        // Only while ours is the procedure on top: anything else would cut a later chain.
        if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        }
        DetachObject(window);
    }
    window = nullptr;
    previous = nullptr;
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CButton::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK CButton::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = AttachedObject<CButton>(window);
    if (self == nullptr || self->window != window) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The control goes: let it finish with its own procedure, then forget it.
        const WNDPROC own = self->previous;
        self->UnsubclassWindow();
        return CallWindowProcA(own, window, message, wParam, lParam);
    }
    return self->WindowProc(message, wParam, lParam);
}
