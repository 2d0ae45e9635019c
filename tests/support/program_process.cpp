// CreateProcessA in the program's folder; windows found by enumerating the desktop's.
#include "program_process.h"

#include "screen.h"
#include "wait.h"

#include <array>

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string ClassOf(HWND window) {
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
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
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        startError = GetLastError();
        process = {};
    }
}

ProgramProcess::~ProgramProcess() {
    if (!Started()) {
        return;
    }
    if (Running()) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool ProgramProcess::Running() const {
    return Started() && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ProgramProcess::Windows() const {
    WindowSearch search{process.dwProcessId, {}};
    if (Started()) {
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
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
    if (!Started() || WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process.hProcess, &exitCode) != 0;
}

bool ProgramProcess::Close(HWND window, DWORD timeoutMs) {
    if (!Running()) {
        return true;
    }
    if (window != nullptr) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        return true;
    }
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
    return false;
}
