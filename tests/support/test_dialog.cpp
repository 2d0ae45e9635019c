// The test dialog: shown and settled before a test looks at it, destroyed with its holder.
#include "test_dialog.h"

#include "reflection.h"
#include "screen.h"
#include "wait.h"

TestDialog::TestDialog() {
    window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ARTWORK_TEST),
                                nullptr, &Proc, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        return;
    }
    SetWindowPos(window, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; });
    WaitForPaint();
}

TestDialog::~TestDialog() {
    Destroy();
}

void TestDialog::Destroy() {
    if (window != nullptr) {
        DestroyWindow(window);
        window = nullptr;
        PumpMessages();
    }
}

POINT TestDialog::ScreenCorner(int id) const {
    POINT corner{0, 0};
    ClientToScreen(Item(id), &corner);
    return corner;
}

RECT TestDialog::RectInDialog(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT TestDialog::DialogUnits(int left, int top, int width, int height) const {
    RECT rect{left, top, left + width, top + height};
    MapDialogRect(window, &rect);
    return rect;
}

bool TestDialog::WaitForPaint() const {
    return WaitUntil([&] { return IsPainted(window); });
}

int TestDialog::Notifications(int id, int code) const {
    const auto found = notifications.find({id, code});
    return found == notifications.end() ? 0 : found->second;
}

INT_PTR CALLBACK TestDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
    case WM_COMMAND:
        if (self != nullptr) {
            ++self->notifications[{LOWORD(wParam), HIWORD(wParam)}];
        }
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Light grey like the game's dialogs, so that pictures are seen on their own ground.
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(192, 192, 192));
        return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        SetWindowLongPtrA(window, DWLP_MSGRESULT,
                          SendMessageA(item->hwndItem, kReflectedDrawItem, 0, lParam));
        return TRUE;
    }
    default:
        return FALSE;
    }
}
