// Input through SendInput only, with the scan code a keyboard would give; the close box is
// found by asking the window which part of it each point of its caption is.
#include "input.h"

#include "screen.h"
#include "thread_of_window.h"
#include "wait.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <mutex>
#include <optional>

namespace {

// Returns once the window's thread has taken from its queue the input sent to it. A thread of
// another program cannot be asked: a check after input to it waits for the input's effect.
void AwaitInputTaken(HWND window) {
    WaitUntil([&] {
        bool pending = false;
        return RunOnThreadOf(window, [&] { pending = HIWORD(GetQueueStatus(QS_INPUT)) != 0; }) &&
               !pending;
    });
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Under Wine, a window's thread brings its keyboard state in line with the X server's each time
// X reports that the window has the focus or the pointer, and X never sees a key SendInput
// sends: a key held at that moment is let go without a message, and the key pressed with it
// comes without its modifier (Alt+E arrives as a plain E). Those reports can come in after the
// system already calls the window active and focused: the thread reads them only once it has
// nothing else to do, and the first key of a chord is what wakes it. So the keys go in one
// call, from the window's own thread when that thread is one of this program's: busy sending,
// it cannot read X's reports until every key of the chord is queued and let go again.
std::mutex keysLock;
std::vector<INPUT> keysToSend; // taken by whichever thread sends them

void SendTakenKeys() {
    std::vector<INPUT> inputs;
    {
        const std::lock_guard lock(keysLock);
        inputs.swap(keysToSend);
    }
    if (!inputs.empty()) {
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

void SendKeys(std::vector<INPUT> inputs) {
    {
        const std::lock_guard lock(keysLock);
        keysToSend = std::move(inputs);
    }
    const HWND foreground = GetForegroundWindow();
    if (foreground != nullptr) {
        RunOnThreadOf(foreground, SendTakenKeys);
    }
    SendTakenKeys(); // when that thread did not take them in time
    AwaitInputTaken(foreground);
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

// Under Wine, moving the pointer grabs it for a moment, and X reports the grab to the desktop's
// thread, in another process, as the pointer entering at its old place; the thread of a window
// that has just appeared under the pointer may not yet have read where the pointer was then.
// Each thread reads such a report in its own time and moves the pointer back: read between a
// press and its release, it drags the press off its button, and the click is lost. So the
// pointer is moved before any button goes down, and those threads are made to read what X has
// sent them: a thread answers a sent message, reads X's reports on its way back to waiting, and
// only then answers the next one. From then on X reports the new place only.
void MovePointer(POINT point) {
    SendMouse(point, {MOUSEEVENTF_MOVE});
    for (const HWND reader : {GetDesktopWindow(), WindowFromPoint(point)}) {
        for (int round = 0; round < 2; ++round) {
            DWORD_PTR answer = 0;
            SendMessageTimeoutA(reader, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
        }
    }
}

// Notes a press about to be sent at the point. True when the system takes it as the second of
// a double-click, soon and near enough after a first; the press after that starts anew.
bool NotePress(POINT point) {
    static DWORD firstTime = 0;
    static std::optional<POINT> first;
    const DWORD now = GetTickCount();
    const bool second = first && now - firstTime <= GetDoubleClickTime() &&
                        std::abs(point.x - first->x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                        std::abs(point.y - first->y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    first = second ? std::nullopt : std::optional<POINT>(point);
    firstTime = now;
    return second;
}

// A press at the point, then its release once the window that takes the press holds the mouse
// (a button, a check box, a close box all capture it while pressed). Every event carries the
// point: should a late report have moved the pointer, the event brings it back first. The second
// press of a double-click may be taken without holding the mouse (an owner-drawn button only
// reports it), so there is nothing to wait for.
void PressAndRelease(POINT point, HWND capturer) {
    MovePointer(point);
    const bool secondOfDoubleClick = NotePress(point);
    SendMouse(point, {MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN});
    if (!secondOfDoubleClick) {
        WaitUntil([&] { return InputStateOf(capturer).hwndCapture == capturer; }, 3000);
    }
    SendMouse(point, {MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    // The release lets go of the mouse: for another program's window, the sign it was taken.
    WaitUntil([&] { return InputStateOf(capturer).hwndCapture != capturer; }, 3000);
    AwaitInputTaken(capturer);
}

} // namespace

void PressKey(WORD key, const std::vector<WORD>& modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(Key(modifier, false));
    }
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        inputs.push_back(Key(*it, true));
    }
    SendKeys(std::move(inputs));
}

void HoldKey(WORD key, int repeats) {
    // a key that is already down comes as a repeat
    std::vector<INPUT> inputs(static_cast<std::size_t>(repeats) + 1, Key(key, false));
    inputs.push_back(Key(key, true));
    SendKeys(std::move(inputs));
}

void KeyDown(WORD key) {
    SendKeys({Key(key, false)});
}

void KeyUp(WORD key) {
    SendKeys({Key(key, true)});
}

void ClickAt(POINT point) {
    MovePointer(point); // and every event carries the point, as in PressAndRelease
    NotePress(point);
    SendMouse(point,
              {MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    AwaitInputTaken(WindowFromPoint(point));
}

void ClickWindow(HWND window) {
    PressAndRelease(Middle(window), window);
}

void DoubleClickWindow(HWND window) {
    const POINT middle = Middle(window);
    MovePointer(middle);
    NotePress(middle);
    NotePress(middle);
    SendMouse(middle,
              {MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP,
               MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP});
    AwaitInputTaken(window);
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
    // Keys go to the focus, which a window just activated may not have placed yet.
    WaitUntil([&] {
        const HWND focus = InputStateOf(window).hwndFocus;
        return GetForegroundWindow() == window && (focus == window || IsChild(window, focus));
    }, 2000);
}

void PressDialogButton(HWND dialog, int id) {
    WaitUntil([&] {
        return InputStateOf(dialog).hwndActive == dialog && GetForegroundWindow() == dialog;
    });
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
