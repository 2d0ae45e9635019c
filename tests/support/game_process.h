// The real game, started as a separate process from a throwaway folder of its own, as a
// player starts it, with its main window found.
#pragma once

#include "program_process.h"
#include "stored_settings.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A throwaway folder holding a copy of the game under a chosen name, with the wave files
// and, if asked, a help file; the build puts the originals in the test's folder "game".
class GameFolder {
public:
    // exeName like "zodedu.exe"; helpName like "zodedu.HLP", or "" for none.
    GameFolder(const std::string& exeName, const std::string& helpName);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    std::string ExePath() const { return path + "\\" + exeName; }

private:
    void Copy(const std::string& from, const std::string& to);
    std::string path;
    std::string exeName;
    std::vector<std::string> files;
};

class GameProcess {
public:
    // Starts the game and waits until its main window is up; a failure to start fails the test.
    explicit GameProcess(const std::string& exePath);

    // The main window, or null when it did not appear.
    HWND Main() const { return mainWindow; }
    HWND Item(int id) const { return GetDlgItem(mainWindow, id); }
    std::vector<HWND> Windows() const { return program.Windows(); }
    // The first visible top-level window of the game matching the class (null = any) and
    // caption (null = any) that is not the main window; null after the timeout.
    HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs = 5000) const {
        return program.WaitForWindow(className, caption, timeoutMs, mainWindow);
    }
    // True when the process ended within the timeout; exitCode then holds its status.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 5000) const {
        return program.WaitForExit(exitCode, timeoutMs);
    }

private:
    ProgramProcess program;
    HWND mainWindow = nullptr;
};

// Opens a dialog of the game's main window by a message to its button, hands it to `before`
// (which sets its controls by message too), and presses its OK: no key or click goes astray
// where another window takes the foreground.
void ConfirmDialog(const GameProcess& game, int button,
                   const std::function<void(HWND)>& before = {});

// The real game for each test, started as zodedu.exe with its help file from a folder of its
// own, with no settings stored before it starts.
class GameProcessTest : public StoredSettingsTest {
protected:
    GameFolder folder{"zodedu.exe", "zodedu.HLP"};
    GameProcess game{folder.ExePath()};
};
