// The colours are one brush and one text colour for the whole program. The program's dialogs
// ask for them in their own dialog procedure. A hook on every window creation would cost each
// control of a dialog a round trip to the window system, so only the platform's message box
// is caught that way, by a CBT hook held around it that puts a small window procedure in front
// of the box's own.
#include "dialog_colours.h"

#include <cstring>

namespace {

// The caught window's own procedure, in a property of its own rather than as the window's
// attached object: a dialog of the program opened while the box is up (the lose dialog, when
// the clock runs out) is caught too, and has its object attached.
constexpr char kPreviousProcProperty[] = "ZodeduColoursPreviousProc";

class DialogColours {
public:
    bool Set(COLORREF newBackground, COLORREF newText) {
        const HBRUSH newBrush = CreateSolidBrush(newBackground);
        if (newBrush == nullptr) {
            return false;
        }
        brush.Reset(newBrush);
        background = newBackground;
        text = newText;
        return true;
    }

    bool Answer(UINT message, WPARAM wParam, LRESULT& answer) const {
        switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            break;
        default:
            return false;
        }
        if (!brush) {
            return false;
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, background);
        SetTextColor(dc, text);
        answer = reinterpret_cast<LRESULT>(brush.Get());
        return true;
    }

private:
    GdiObject<HBRUSH> brush;
    COLORREF background = 0;
    COLORREF text = 0;
};

DialogColours colours;

LRESULT CALLBACK ColouredDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProcProperty));
    if (LRESULT answer = 0; colours.Answer(message, wParam, answer)) {
        return answer;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, kPreviousProcProperty);
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

bool IsDialogClass(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0;
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(window) && GetPropA(window, kPreviousProcProperty) == nullptr) {
            const LONG_PTR previous = GetWindowLongPtrA(window, GWLP_WNDPROC);
            SetPropA(window, kPreviousProcProperty, reinterpret_cast<HANDLE>(previous));
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ColouredDialogProc));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

bool SetDialogColours(COLORREF background, COLORREF text) { return colours.Set(background, text); }

bool AnswerDialogColourRequest(UINT message, WPARAM wParam, LRESULT& answer) {
    return colours.Answer(message, wParam, answer);
}

PlatformDialogColours::PlatformDialogColours()
    : hook(SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId())) {}
