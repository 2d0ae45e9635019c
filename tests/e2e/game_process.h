// The real game, started as a separate process from a folder of its own, and the ways a
// player reaches it: real mouse clicks and key presses, window texts and screen pixels.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A throwaway folder holding a copy of the game under a chosen name, with the wave files
// and, if asked, a help file.
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
    explicit GameProcess(const std::string& exePath);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // The main window, or null when it did not appear.
    HWND Main() const { return mainWindow; }
    HWND Item(int id) const { return GetDlgItem(mainWindow, id); }
    // The visible top-level windows of the game, in no order.
    std::vector<HWND> Windows() const;
    // The first visible top-level window of the game matching the class (null = any) and
    // caption (null = any) that is not the main window; null after the timeout.
    HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs = 5000) const;
    // True when the process ended within the timeout; exitCode then holds its status.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 5000) const;

private:
    PROCESS_INFORMATION process{};
    HWND mainWindow = nullptr;
};

// Real input, as the player's hands give it.
void ClickAt(HWND control);
void PressKey(WORD virtualKey, const std::vector<WORD>& modifiers = {});
// A key held down while the keyboard repeats it `repeats` times, then released.
void HoldKey(WORD virtualKey, int repeats);
// One half of a key press: down, or up.
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
void BringToFront(HWND window);

// Whether any pixel of the control's anchor area on the screen differs from the grey surface.
bool ShowsPicture(HWND control);
// The text of a control's window.
std::string TextOf(HWND window);
