// A thread CBT hook sees every dialog-class window as it is created and puts a small window
// procedure in front of the dialog manager's, which answers the colour requests of the
// dialog surface, labels and buttons. Edit controls, lists and scroll bars keep the defaults.
#include "dialog_colours.h"

#include <cstring>

namespace {

constexpr char kPreviousProcProperty[] = "ZodeduColoursPreviousProc";

class DialogColours {
public:
    ~DialogColours() {
        if (hook != nullptr) {
            UnhookWindowsHookEx(hook);
        }
        if (brush != nullptr) {
            DeleteObject(brush);
        }
    }

    bool Set(COLORREF newBackground, COLORREF newText) {
        const HBRUSH newBrush = CreateSolidBrush(newBackground);
        if (newBrush == nullptr) {
            return false;
        }
        if (brush != nullptr) {
            DeleteObject(brush);
        }
        brush = newBrush;
        background = newBackground;
        text = newText;
        if (hook == nullptr) {
            hook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
        }
        return true;
    }

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ColouredDialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam);
    static bool IsDialogClass(HWND window) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        return std::strcmp(className, "#32770") == 0;
    }
    LRESULT Colour(HDC dc) const {
        SetBkColor(dc, background);
        SetTextColor(dc, text);
        return reinterpret_cast<LRESULT>(brush);
    }

    HHOOK hook = nullptr;
    HBRUSH brush = nullptr;
    COLORREF background = 0;
    COLORREF text = 0;
};

DialogColours colours;

LRESULT CALLBACK DialogColours::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(window) && GetPropA(window, kPreviousProcProperty) == nullptr) {
            const LONG_PTR previous = GetWindowLongPtrA(window, GWLP_WNDPROC);
            SetPropA(window, kPreviousProcProperty, reinterpret_cast<HANDLE>(previous));
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ColouredDialogProc));
        }
    }
    return CallNextHookEx(colours.hook, code, wParam, lParam);
}

LRESULT CALLBACK DialogColours::ColouredDialogProc(HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProcProperty));
    switch (message) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (colours.brush != nullptr) {
            return colours.Colour(reinterpret_cast<HDC>(wParam));
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, kPreviousProcProperty);
        break;
    default:
        break;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

} // namespace

bool SetDialogColours(COLORREF background, COLORREF text) { return colours.Set(background, text); }
