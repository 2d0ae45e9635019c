// An open registry key, closed at the end of its scope.
#pragma once

#include <windows.h>

class RegistryKey {
public:
    RegistryKey() = default;
    // Opens an existing key; Get() is null when that fails.
    RegistryKey(HKEY root, const char* path, REGSAM access) {
        if (RegOpenKeyExA(root, path, 0, access, &key) != ERROR_SUCCESS) {
            key = nullptr;
        }
    }
    ~RegistryKey() {
        if (key != nullptr) {
            RegCloseKey(key);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY Get() const { return key; }
    // Where a call that opens or creates a key puts it.
    HKEY* Receive() { return &key; }

private:
    HKEY key = nullptr;
};
