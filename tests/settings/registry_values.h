// The settings as they lie in the registry, read and written past the settings store, so that
// a test sees exactly what the program stored, and can store what it never would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Where a setting's key lives, written out in full.
std::string SettingKeyPath(const std::string& key);

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string bytes; // exactly the stored bytes, NULs included
    // The bytes up to the first NUL, as a program reading the value as text sees it.
    std::string Text() const { return bytes.substr(0, bytes.find('\0')); }
};

// Stores bytes as the unnamed value of the key under the current user, creating the key.
void StoreRegistryValue(const std::string& keyPath, DWORD type, const std::string& bytes);
// The unnamed value of the key, or nothing when the key or the value is missing.
std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath);
bool RegistryKeyExists(const std::string& keyPath);
// The names of the key's subkeys, in the registry's order.
std::vector<std::string> RegistrySubkeys(const std::string& keyPath);
