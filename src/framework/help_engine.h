// The help engine: shows a help file in a window of its own, in place of the system's.
#pragma once

#include <windows.h>

// As the system's help request: HELP_CONTENTS opens (or brings forward) the help window
// on the file's contents, HELP_QUIT closes it. False when the request failed.
bool HelpEngineRequest(HWND window, const char* helpFile, UINT command, ULONG_PTR data);
