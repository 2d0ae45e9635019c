// Key presses as shortcut keys take them: a key's first WM_KEYDOWN, never the auto-repeats of
// a key held down, and for a plain press none of Shift, Ctrl and Alt held with it.
#pragma once

#include <windows.h>

inline bool IsKeyHeld(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

inline bool IsAutoRepeat(const MSG& message) {
    return (message.lParam & (1 << 30)) != 0;
}

// A fresh press of key with none of Shift, Ctrl and Alt held down.
inline bool IsPlainKeyPress(const MSG& message, WPARAM key) {
    return message.message == WM_KEYDOWN && message.wParam == key && !IsAutoRepeat(message) &&
           !IsKeyHeld(VK_SHIFT) && !IsKeyHeld(VK_CONTROL) && !IsKeyHeld(VK_MENU);
}
