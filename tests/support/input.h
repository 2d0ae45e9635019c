// Real keyboard and mouse input, as a player gives it: it goes through the system's input
// queue to whatever window is active, so the dialog manager sees it as it would a player's.
// It reaches the other thread in its own time: a check after it waits for the effect. Keys for
// a window of this program are sent by the window's own thread, all of a chord in one go; a
// click moves the pointer first, and presses once the windows have caught up with the move.
#pragma once

#include <windows.h>

#include <vector>

// A press and release of one key, with the modifiers held around it (VK_MENU for a mnemonic).
void PressKey(WORD key, const std::vector<WORD>& modifiers = {});
// A key held down while the keyboard repeats it `repeats` times, then released.
void HoldKey(WORD key, int repeats);
// One half of a key press.
void KeyDown(WORD key);
void KeyUp(WORD key);
// A left click at a point of the screen.
void ClickAt(POINT point);
// A left click in the middle of a window (a button, a check box).
void ClickWindow(HWND window);
// Two left clicks there in one go, well within the double-click time.
void DoubleClickWindow(HWND window);
// A left click on the window's close box in its caption; false when it has none.
bool ClickCloseBox(HWND window);
// Makes the window the foreground one, with the focus on it or one of its controls, so that
// keys reach it.
void BringToFront(HWND window);

// Not input but a message, as a dialog's keyboard interface sends it: a dialog's button pressed
// by a posted BM_CLICK (what follows may open more dialogs), once the dialog is the active,
// foreground window. A button of a dialog still being activated can lose the click: its press
// takes the mouse capture, which the activation may take away before the release.
void PressDialogButton(HWND dialog, int id);
