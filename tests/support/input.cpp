// Input through SendInput only, with the scan code a keyboard would give; the close box is
// found by asking the window which part of it each point of its caption is.
#include "input.h"

#include "wait.h"

#include <algorithm>
#include <initializer_list>

namespace {

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
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

POINT Middle(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A press at the point, then its release once the window that takes the press holds the mouse
// (a button, a check box, a close box all capture it while pressed). Each decides on the last
// position it saw before the release, and under Wine's virtual desktop a report of an earlier
// pointer position can still come in after the press: so the release waits until the press has
// been taken, and brings its own move back onto the point with it.
void PressAndRelease(POINT point, HWND capturer) {
    SendMouse(point, {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN});
    const DWORD thread = GetWindowThreadProcessId(capturer, nullptr);
    WaitUntil(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) && info.hwndCapture == capturer;
        },
        3000);
    SendMouse(point, {MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    Settle(50);
}

} // namespace

void PressKey(WORD key, const std::vector<WORD>& modifiers) {
    for (WORD modifier : modifiers) {
        SendKey(modifier, false);
    }
    SendKey(key, false);
    SendKey(key, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        SendKey(*it, true);
    }
    Settle(50);
}

void HoldKey(WORD key, int repeats) {
    for (int down = 0; down <= repeats; ++down) {
        SendKey(key, false); // a key that is already down comes as a repeat
    }
    SendKey(key, true);
    Settle(50);
}

void KeyDown(WORD key) {
    SendKey(key, false);
}

void KeyUp(WORD key) {
    SendKey(key, true);
}

void ClickAt(POINT point) {
    // Every event carries the point: a button event without one may land where the cursor
    // was before it moved.
    SendMouse(point, {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN,
                      MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    Settle(50);
}

void ClickWindow(HWND window) {
    PressAndRelease(Middle(window), window);
}

void DoubleClickWindow(HWND window) {
    const POINT middle = Middle(window);
    SendMouse(middle,
              {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN,
               MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN,
               MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    Settle(50);
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
    // The press starts the window's own tracking of its close box, which holds the mouse.
    PressAndRelease({(box.left + box.right) / 2, (box.top + box.bottom) / 2}, window);
    return true;
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

void PressDialogButton(HWND dialog, int id) {
    WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
               info.hwndActive == dialog && GetForegroundWindow() == dialog;
    });
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
