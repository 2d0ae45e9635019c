// Starting, finding and driving the game process; everything waits with a timeout.
#include "game_process.h"

#include "real_input.h"
#include "screen_support.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::string TestProgramFolder() {
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::string folder(path.data());
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string ClassOf(HWND window) {
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

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

void SendKey(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

} // namespace

GameFolder::GameFolder(const std::string& exeName, const std::string& helpName)
    : exeName(exeName) {
    std::array<char, MAX_PATH> temp{};
    GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
    static int serial = 0;
    path = std::string(temp.data()) + "zodedu-e2e-" + std::to_string(GetCurrentProcessId()) +
           "-" + std::to_string(++serial);
    CreateDirectoryA(path.c_str(), nullptr);
    const std::string game = TestProgramFolder() + "\\game\\";
    Copy(game + "zodedu.exe", exeName);
    for (const char* wave : {"first.wav", "last.wav", "win.wav", "lose.wav"}) {
        Copy(game + wave, wave);
    }
    if (!helpName.empty()) {
        Copy(game + "zodedu.HLP", helpName);
    }
}

GameFolder::~GameFolder() {
    for (const std::string& file : files) {
        DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(path.c_str());
}

void GameFolder::Copy(const std::string& from, const std::string& to) {
    const std::string target = path + "\\" + to;
    EXPECT_TRUE(CopyFileA(from.c_str(), target.c_str(), FALSE)) << from;
    files.push_back(target);
}

GameProcess::GameProcess(const std::string& exePath) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << exePath << ": error " << GetLastError();
        return;
    }
    WaitForInputIdle(process.hProcess, 5000);
    WaitUntil([&] {
        for (HWND window : Windows()) {
            if (ClassOf(window) == "#32770" && TextOf(window) == "Zodedu") {
                mainWindow = window;
                return true;
            }
        }
        return false;
    }, 10000);
}

GameProcess::~GameProcess() {
    if (process.hProcess == nullptr) {
        return;
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::vector<HWND> GameProcess::Windows() const {
    WindowSearch search{process.dwProcessId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND GameProcess::WaitForWindow(const char* className, const char* caption,
                                DWORD timeoutMs) const {
    HWND match = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows()) {
            if (window != mainWindow && (className == nullptr || ClassOf(window) == className) &&
                (caption == nullptr || TextOf(window) == caption)) {
                match = window;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return match;
}

bool GameProcess::WaitForExit(DWORD& exitCode, DWORD timeoutMs) const {
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process.hProcess, &exitCode) != 0;
}

void ClickAt(HWND control) {
    ClickWindow(control);
    Settle(50);
}

void PressKey(WORD virtualKey, const std::vector<WORD>& modifiers) {
    for (WORD modifier : modifiers) {
        SendKey(modifier, false);
    }
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        SendKey(*it, true);
    }
    Settle(100);
}

void HoldKey(WORD virtualKey, int repeats) {
    for (int down = 0; down <= repeats; ++down) {
        SendKey(virtualKey, false); // a key that is already down comes as a repeat
    }
    SendKey(virtualKey, true);
    Settle(100);
}

void KeyDown(WORD virtualKey) {
    SendKey(virtualKey, false);
}

void KeyUp(WORD virtualKey) {
    SendKey(virtualKey, true);
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

bool ShowsPicture(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    const Pixels pixels =
        CaptureScreen({rect.left, rect.top}, rect.right - rect.left, rect.bottom - rect.top);
    for (COLORREF pixel : pixels.data) {
        if (pixel != RGB(192, 192, 192)) {
            return true;
        }
    }
    return false;
}

std::string TextOf(HWND window) {
    std::array<char, 256> text{};
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}
