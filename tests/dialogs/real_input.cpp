// Input through keybd_event and mouse_event; the close box is found by asking the window
// which part of it each point of its caption is.
#include "real_input.h"

#include "screen_support.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <vector>

namespace {

void Key(WORD key, bool up) {
    keybd_event(static_cast<BYTE>(key), static_cast<BYTE>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)),
                up ? KEYEVENTF_KEYUP : 0, 0);
}

// Mouse events at one point of the screen, in one go.
void SendMouse(POINT point, std::initializer_list<DWORD> flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const LONG x = MulDiv(point.x, 65535, width - 1), y = MulDiv(point.y, 65535, height - 1);
    std::vector<INPUT> inputs;
    for (const DWORD flag : flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = x;
        input.mi.dy = y;
        input.mi.dwFlags = flag | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

void PressKey(WORD key) {
    Key(key, false);
    Key(key, true);
    Settle(50);
}

void PressAlt(char letter) {
    const auto key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter)));
    Key(VK_MENU, false);
    Key(key, false);
    Key(key, true);
    Key(VK_MENU, true);
    Settle(50);
}

void ClickAt(POINT point) {
    // Every event carries the point: a button event without one may land where the cursor
    // was before it moved.
    SendMouse(point, {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN,
                      MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    Settle(50);
}

void ClickWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool ClickCloseBox(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int captionBottom = rect.top + GetSystemMetrics(SM_CYCAPTION) + 8;
    RECT box{rect.right, rect.bottom, rect.left, rect.top}; // empty until a point is found
    for (int y = rect.top; y < captionBottom; ++y) {
        for (int x = rect.right - 60; x < rect.right; ++x) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
            }
        }
    }
    if (box.left > box.right) {
        return false;
    }
    // The press starts the window's own tracking of its close box, which captures the mouse
    // and then closes only if the last move it saw before the release was on the box. Under
    // Wine's virtual desktop a report of an earlier pointer position can still come in after
    // the press: so the release waits until the tracking has begun, and brings its own move
    // back onto the box with it.
    const POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    SendMouse(middle, {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN});
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && info.hwndCapture == window;
    });
    SendMouse(middle, {MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    Settle(50);
    return true;
}
