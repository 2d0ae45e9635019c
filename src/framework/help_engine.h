// The help engine: shows a help file in a window of its own, in place of the system's.
#pragma once

#include <windows.h>

// As the system's help request, on the thread that runs the program's windows.
// HELP_CONTENTS opens the help window on the file's contents, or brings forward the one
// already open (a different file replaces its text). The other requests for a topic
// (HELP_CONTEXT, HELP_KEY, HELP_PARTIALKEY, HELP_FINDER, HELP_FORCEFILE) do the same, the
// document having one topic. HELP_QUIT closes the window, and succeeds when none is open.
// False, with nothing opened, for a missing, unreadable or non-rich-text file and for any
// other command.
bool HelpEngineRequest(HWND window, const char* helpFile, UINT command, ULONG_PTR data);
