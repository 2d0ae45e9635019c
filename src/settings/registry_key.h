// An open registry key, closed at the end of its scope.
#pragma once

#include "unique_handle.h"

#include <windows.h>

struct RegistryKeyTraits {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};

class RegistryKey : public UniqueHandle<RegistryKeyTraits> {
public:
    RegistryKey() = default;
    // Opens an existing key; Get() is null when that fails.
    RegistryKey(HKEY root, const char* path, REGSAM access) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(root, path, 0, access, &opened) == ERROR_SUCCESS) {
            Reset(opened);
        }
    }
};
