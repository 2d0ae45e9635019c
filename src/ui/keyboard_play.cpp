// The game from the keyboard: the keys 1 to 6, on the main keyboard and the keypad, enter the
// colours as their buttons do, and F2 switches the numbered pegs. They are taken from the
// dialog loop before the dialog manager, as F1 is, so the message table stays as it is.
#include "main_window.h"

#include "key_press.h"
#include "resource.h"

namespace {

// The colour a key enters, or -1.
int ColourOfKey(WPARAM key) {
    if (key >= '1' && key < '1' + COLOUR_COUNT) {
        return static_cast<int>(key - '1');
    }
    if (key >= VK_NUMPAD1 && key < VK_NUMPAD1 + COLOUR_COUNT) {
        return static_cast<int>(key - VK_NUMPAD1);
    }
    return -1;
}

} // namespace

bool MainWindow::PreTranslateMessage(const MSG& message) {
    // Only what is meant for this window: while a dialog of the game is open above it, the keys
    // go to that dialog and keep their usual meaning there.
    if (message.hwnd != Handle() && IsChild(Handle(), message.hwnd) == FALSE) {
        return false;
    }
    if (IsPlainKeyPress(message, VK_F2) ||
        (message.message == WM_SYSCOMMAND && (message.wParam & 0xFFF0) == IDM_NUMBERED_PEGS)) {
        ToggleNumberedPegs();
        return true;
    }
    return OnColourKey(message);
}

bool MainWindow::OnColourKey(const MSG& message) {
    const int colour = ColourOfKey(message.wParam);
    if (colour < 0 || (message.message != WM_KEYDOWN && message.message != WM_KEYUP)) {
        return false;
    }
    const HWND button = colourButtons[static_cast<std::size_t>(colour)].Handle();
    bool& held = colourKeyHeld[static_cast<std::size_t>(colour)];
    if (message.message == WM_KEYDOWN) {
        if (IsKeyHeld(VK_CONTROL) || IsKeyHeld(VK_MENU)) {
            return false;
        }
        // The repeats of a held key are swallowed: one press, one peg.
        if (!IsAutoRepeat(message) && !held) {
            held = true;
            SendMessageA(button, BM_SETSTATE, TRUE, 0);
        }
        return true;
    }
    if (!held) {
        return false; // pressed while something else had the keyboard
    }
    held = false;
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    // What the button itself reports for a click, to the same handler.
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDC_COLOUR_BUTTON_FIRST + colour, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
}
