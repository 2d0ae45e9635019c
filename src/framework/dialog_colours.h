// The colours every dialog of the thread paints with, platform message boxes included:
// one surface brush and one text colour for the dialog, its labels and its buttons.
#pragma once

#include <windows.h>

// Replaces any earlier colours; the first call starts watching the thread's new dialogs.
// False when the brush cannot be made (the dialogs then keep the platform's colours).
bool SetDialogColours(COLORREF background, COLORREF text);
