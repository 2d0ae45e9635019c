// What the installer tests look at on the Windows side: folders, shortcuts, processes started
// by command line, and other programs' dialogs; files.h comes with them.
#pragma once

#include "files.h"

#include <windows.h>

#include <optional>
#include <string>

// A file or folder beside this test program, given relative to it, as a full path.
std::string BesideTest(const char* relative);
// A shell folder such as CSIDL_PROGRAM_FILES.
std::string ShellFolder(int csidl);
bool SamePath(const std::string& a, const std::string& b);

// Where a shortcut leads: its target and the folder it starts in.
struct ShortcutTarget {
    std::string path;
    std::string workingFolder;
};
std::optional<ShortcutTarget> ReadShortcut(const std::string& linkPath);

// Runs a command line and waits for it; the exit code, or nothing when it could not be
// started or did not end within the timeout (it is then ended).
std::optional<DWORD> RunAndWait(const std::string& commandLine, DWORD timeoutMs = 60000);

// A visible dialog of any program with that caption (trailing spaces aside) whose controls include
// one showing text that begins with textStart ("" for any); null when there is none.
HWND FindDialog(const char* caption, const char* textStart);
// Ends the programs that show a dialog with that caption.
void EndProgramsShowing(const char* caption);
