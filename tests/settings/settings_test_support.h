// What the settings tests need around the store: an application object for the profile
// file, storage emptied before and after each test, and raw access to what is stored.
#pragma once

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

// Where a setting's key lives, written out in full.
std::string SettingKeyPath(const std::string& key);

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string bytes; // exactly the stored bytes, NULs included
};

// Stores bytes as the unnamed value of the key, creating it.
void StoreRegistryValue(const std::string& keyPath, DWORD type, const std::string& bytes);
// The unnamed value of the key, or nothing when the key or the value is missing.
std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath);
bool RegistryKeyExists(const std::string& keyPath);
// The names of the key's subkeys, in the registry's order.
std::vector<std::string> RegistrySubkeys(const std::string& keyPath);

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
