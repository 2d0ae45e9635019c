// The registry back end of the settings store. A value may come back without its NUL
// (an outside edit, or exactly 1024 bytes), so the text is cut by the returned size.
#include "registry_settings.h"

#include "registry_key.h"
#include "registry_value_writer.h"
#include "settings_rules.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr DWORD kValueBufferSize = 1024;

} // namespace

void RegistryWriteString(const char* keyPath, const char* text) {
    RegistryKey key;
    char emptyClass[] = "";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, emptyClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    WriteUnnamedRegistryValue(key.Get(), REG_SZ, reinterpret_cast<const BYTE*>(text),
                              static_cast<DWORD>(std::strlen(text) + 1));
}

std::string RegistryReadString(const char* keyPath) {
    const RegistryKey key(HKEY_CURRENT_USER, keyPath, KEY_QUERY_VALUE);
    if (key.Get() == nullptr) {
        return {};
    }
    std::array<BYTE, kValueBufferSize> buffer{};
    DWORD type = REG_NONE;
    DWORD size = kValueBufferSize;
    if (RegQueryValueExA(key.Get(), "", nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return TextBeforeNul(reinterpret_cast<const char*>(buffer.data()),
                         std::min<DWORD>(size, kValueBufferSize));
}
