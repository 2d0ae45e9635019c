// CreateProcessA in the program's folder; its windows are the visible ones of its process.
#include "program_process.h"

#include "screen.h"
#include "wait.h"

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

ProgramProcess::ProgramProcess(const std::string& commandLine, WORD showState) {
    const bool quoted = commandLine.starts_with('"');
    const std::string program = quoted ? commandLine.substr(1, commandLine.find('"', 1) - 1)
                                       : commandLine.substr(0, commandLine.find(' '));
    const std::size_t slash = program.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : program.substr(0, slash);
    std::string writable = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (showState != SW_SHOWDEFAULT) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = showState;
    }
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        startError = GetLastError();
        return;
    }
    process.Reset(started.hProcess);
    CloseHandle(started.hThread); // its main thread is not needed
    processId = started.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (Running()) {
        TerminateProcess(process.Get(), 99);
        WaitForSingleObject(process.Get(), 5000);
    }
}

bool ProgramProcess::Running() const {
    return Started() && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ProgramProcess::Windows() const {
    return Started() ? VisibleWindows(processId) : std::vector<HWND>{};
}

HWND ProgramProcess::FindWindow(const char* className, const char* caption, HWND except) const {
    for (HWND window : Windows()) {
        if (window != except && (className == nullptr || ClassOf(window) == className) &&
            (caption == nullptr || TextOf(window) == caption)) {
            return window;
        }
    }
    return nullptr;
}

HWND ProgramProcess::WaitForWindow(const char* className, const char* caption, DWORD timeoutMs,
                                   HWND except) const {
    HWND match = nullptr;
    WaitUntil([&] { return (match = FindWindow(className, caption, except)) != nullptr; },
              timeoutMs);
    return match;
}

bool ProgramProcess::WaitForExit(DWORD& exitCode, DWORD timeoutMs) const {
    if (!Started() || WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process.Get(), &exitCode) != 0;
}

bool ProgramProcess::Close(HWND window, DWORD timeoutMs) {
    if (!Running()) {
        return true;
    }
    if (window != nullptr) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.Get(), timeoutMs) == WAIT_OBJECT_0) {
        return true;
    }
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), 5000);
    return false;
}
