// Real keyboard and mouse input, as a player gives it: it goes through the system's input
// queue to whatever window is active, so the dialog manager sees it as it would a player's.
#pragma once

#include <windows.h>

// A press and release of one key.
void PressKey(WORD key);
// Alt held while a letter key is pressed: a mnemonic.
void PressAlt(char letter);
// A left click at a point of the screen.
void ClickAt(POINT point);
// A left click in the middle of a window (a button, a check box).
void ClickWindow(HWND window);
// A left click on the window's close box in its caption; false when it has none.
bool ClickCloseBox(HWND window);
