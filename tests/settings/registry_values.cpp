// Raw registry access for the tests, through the same key holder as the program's.
#include "registry_values.h"

#include "registry_key.h"

#include <gtest/gtest.h>

#include <array>

std::string SettingKeyPath(const std::string& key) {
    return "Software\\Vivevev\\Zodedu\\1.00\\" + key;
}

void StoreRegistryValue(const std::string& keyPath, DWORD type, const std::string& bytes) {
    RegistryKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, key.Receive(), nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key.Get(), "", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath) {
    const RegistryKey key(HKEY_CURRENT_USER, keyPath.c_str(), KEY_QUERY_VALUE);
    if (key.Get() == nullptr) {
        return std::nullopt;
    }
    std::array<BYTE, 8192> buffer{};
    RegistryValue value;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(key.Get(), "", nullptr, &value.type, buffer.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.assign(reinterpret_cast<const char*>(buffer.data()), size);
    return value;
}

bool RegistryKeyExists(const std::string& keyPath) {
    return RegistryKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ).Get() != nullptr;
}

std::vector<std::string> RegistrySubkeys(const std::string& keyPath) {
    const RegistryKey key(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ);
    std::vector<std::string> names;
    std::array<char, 256> name{};
    for (DWORD index = 0; key.Get() != nullptr; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key.Get(), index, name.data(), &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name.data(), length);
    }
    return names;
}
