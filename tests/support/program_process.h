// A program started as its own process, from its own folder as a player's shell starts it:
// its windows, its end, its exit status. Also the benchmarks' way to start the game.
#pragma once

#include "win32_handles.h"

#include <windows.h>

#include <string>
#include <vector>

class ProgramProcess {
public:
    // commandLine: the program's path, quoted where it holds spaces, and its arguments;
    // showState: what its starter asks of its first window (SW_SHOWDEFAULT: nothing).
    explicit ProgramProcess(const std::string& commandLine, WORD showState = SW_SHOWDEFAULT);
    // Ends a program still running: it is terminated with status 99.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return static_cast<bool>(process); }
    HANDLE Handle() const { return process.Get(); }
    // Why it did not start: GetLastError of CreateProcessA.
    DWORD StartError() const { return startError; }
    bool Running() const;
    // Its visible top-level windows, topmost first.
    std::vector<HWND> Windows() const;
    // The first of them matching the class and the caption (null = any) that is not `except`.
    HWND FindWindow(const char* className, const char* caption, HWND except = nullptr) const;
    HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs,
                       HWND except = nullptr) const;
    // True when the process ended within the timeout; exitCode then holds its status.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs) const;
    // Asks the window to close and waits; a program that does not end in time is terminated.
    // False when it had to be.
    bool Close(HWND window, DWORD timeoutMs = 5000);

private:
    KernelHandle process;
    DWORD processId = 0;
    DWORD startError = 0;
};

// A path quoted for a command line.
std::string Quoted(const std::string& path);
