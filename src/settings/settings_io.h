// SettingsIO: the storage primitives under the settings store. Each call chooses its
// back end afresh from the platform version: the profile file on Win32s, else the registry.
#pragma once

#include "settings_rules.h"

#include <windows.h>

#include <string>

// True when the program runs on Win32s.
inline bool IsWin32s() {
    return IsWin32s(GetVersion());
}

// No data members: callers make a temporary one per access. The trailing version is the
// platform's, read at each call; tests hand one in to pick a back end.
class SettingsIO {
public:
    // Stores text under key; a failure is ignored.
    void WriteString(const char* key, const char* text, DWORD version = GetVersion()) const;
    // text = the stored text, or "" when there is none or it cannot be read.
    void ReadString(const char* key, std::string& text, DWORD version = GetVersion()) const;
    // Stores value as "%d"; a failure is ignored.
    void WriteInt(const char* key, int value, DWORD version = GetVersion()) const;
    // value = the stored integer, or defaultValue when the stored text is not one.
    void ReadInt(const char* key, int defaultValue, int& value, DWORD version = GetVersion()) const;
};

// A setting read with its default and range, and a setting written: what each accessor
// of the settings store does, for the back end the version selects.
int ReadSetting(const SettingKey& key, DWORD version = GetVersion());
void WriteSetting(const SettingKey& key, int value, DWORD version = GetVersion());
