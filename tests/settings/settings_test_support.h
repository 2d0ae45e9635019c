// What the settings tests need around the store: an application object for the profile
// file, storage emptied before and after each test, and raw access to what is stored.
#pragma once

#include "files.h"
#include "stored_settings.h"
#include "win_app.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// Win32s on Windows 3.1, Windows 95, and Windows NT 4.0: the back ends are chosen by these.
inline constexpr DWORD kWin32sVersion = 0x80000A03;
inline constexpr DWORD kWindows95Version = 0xC3B60004;
inline constexpr DWORD kWindowsNtVersion = 0x05650004;

// The profile file the application object names, in the Windows directory.
std::string ProfileFilePath();
void StoreProfileFile(const std::string& contents);
// The whole file, or nothing when there is none.
std::optional<std::string> ProfileFileText();

// Removes every setting in both back ends.
void ClearSettingsStorage();

// Each test starts and ends with nothing stored, under an application object that has
// derived its names the way the program does at start-up.
class SettingsStorageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CWinApp app;
};

// The test program started again as a second process: it reads TimeLimit, writes
// newValue, and exits with the value it read (or -1 when it could not be started or
// did not end within its time). backEnd is "registry" or "profile".
int RunSecondProcess(const char* backEnd, int newValue);
// The second process's side; returns its exit status.
int SecondProcessMain(const char* backEnd, const char* newValue);
inline constexpr char kSecondProcessFlag[] = "--settings-second-process";
