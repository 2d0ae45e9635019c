// The settings as they lie in the registry, read and written past the settings store, so that
// a test sees exactly what the program stored, and whether it stored at all, and can store
// what it never would. The names are the program's own: the key path from its string table,
// the setting names from its rules.
#pragma once

#include "settings_rules.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// The four settings the dialogs store.
inline constexpr const char* kSettingNames[] = {kNumberOfGuesses.name, kDuplicates.name,
                                                kSoundEffects.name, kTimeLimit.name};

// The key holding every setting, as the program's string table names it.
std::string SettingsKeyPath();
// Its first two parts: the company's key, which the program creates and nothing else uses.
std::string CompanyKeyPath();
// Where one setting's key lives, written out in full.
std::string SettingKeyPath(const std::string& name);

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string bytes; // exactly the stored bytes, NULs included
    // The bytes up to the first NUL, as a program reading the value as text sees it.
    std::string Text() const { return bytes.substr(0, bytes.find('\0')); }
};

// Keys are under the current user unless a root is given; values are the key's unnamed one
// unless a name is given.
// Stores bytes as the value, creating the key.
void StoreRegistryValue(const std::string& keyPath, DWORD type, const std::string& bytes,
                        const char* valueName = "", HKEY root = HKEY_CURRENT_USER);
// The value, or nothing when the key or the value is missing.
std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath,
                                               const char* valueName = "",
                                               HKEY root = HKEY_CURRENT_USER);
// A text value (REG_SZ) as a program reading it sees it, or nothing when there is none.
std::optional<std::string> RegistryText(const std::string& keyPath, const char* valueName = "",
                                        HKEY root = HKEY_CURRENT_USER);
bool RegistryKeyExists(const std::string& keyPath, HKEY root = HKEY_CURRENT_USER);
// The names of the key's subkeys, in the registry's order.
std::vector<std::string> RegistrySubkeys(const std::string& keyPath);

// The stored text of one setting, or nothing when it is not stored as text.
std::optional<std::string> StoredSetting(const char* name);
void StoreSetting(const char* name, const char* text);
// Every setting's stored text (or its absence), for before-and-after comparisons.
std::map<std::string, std::optional<std::string>> StoredSettings();
// Removes everything the program keeps in the registry.
void ForgetSettings();

// Each test starts with nothing stored and leaves nothing behind. The settings go as the
// fixture is made, so that a program a fixture starts as its member finds none.
class StoredSettingsTest : public testing::Test {
protected:
    StoredSettingsTest() { ForgetSettings(); }
    ~StoredSettingsTest() override { ForgetSettings(); }
};
