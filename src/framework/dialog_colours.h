// The colours every dialog of the program paints with, platform message boxes included: one
// surface brush and one text colour for the dialog, its labels and its buttons. The program's
// own dialogs answer the colour requests themselves; a message box is coloured by a hook that
// lives only as long as the box.
#pragma once

#include "win32_handles.h"

#include <windows.h>

// Replaces any earlier colours. False when the brush cannot be made (the dialogs then keep
// the platform's colours).
bool SetDialogColours(COLORREF background, COLORREF text);

// The answer to a dialog's colour request: true, with the brush in `answer`, for the requests
// of the dialog surface, labels and buttons once colours are set. Edit controls, lists and
// scroll bars keep the platform's colours.
bool AnswerDialogColourRequest(UINT message, WPARAM wParam, LRESULT& answer);

// While it lives, the dialogs the platform makes on this thread (a message box) take the
// colours too.
class PlatformDialogColours {
public:
    PlatformDialogColours();
    PlatformDialogColours(const PlatformDialogColours&) = delete;
    PlatformDialogColours& operator=(const PlatformDialogColours&) = delete;

private:
    WindowsHook hook;
};
