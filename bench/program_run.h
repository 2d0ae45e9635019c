// One run of a benchmarked program (the game or the floor) as its own process: started from
// its folder, its main window found by caption, what it shows read from the screen, and
// closed the way a player closes it. Every wait has a timeout.
#pragma once

#include "program_process.h"

#include <windows.h>

#include <string>

class ProgramRun {
public:
    // exePath: a Windows path; caption: the main window's caption; argument: "" for none.
    ProgramRun(const std::string& exePath, const char* caption, const std::string& argument);
    ~ProgramRun() { Close(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return process.Started(); }
    HANDLE Process() const { return process.Handle(); }
    // The main window once it exists, else null.
    HWND Main();
    // Fully painted: the marker (the countdown's colon, the last picture the game's first pass
    // draws) is on the screen, and neither the window nor any of its controls waits for paint.
    bool Painted();
    // Waits until Painted, at most timeoutMs; false on timeout.
    bool WaitPainted(DWORD timeoutMs);
    // WM_CLOSE, as the close box sends it, then the end of the process and of the window's
    // picture on the screen; terminated after a timeout.
    void Close();

private:
    ProgramProcess process;
    std::string caption;
    HWND mainWindow = nullptr;
    POINT marker{};
};
