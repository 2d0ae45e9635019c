// Raw registry access: one key per setting under the program's key, its unnamed value text.
#include "stored_settings.h"

#include <windows.h>

#include <array>

namespace {

constexpr const char* kCompanyKey = "Software\\Vivevev";
constexpr const char* kProgramKey = "Software\\Vivevev\\Zodedu\\1.00\\";

std::string KeyOf(const char* name) {
    return std::string(kProgramKey) + name;
}

} // namespace

std::optional<std::string> StoredSetting(const char* name) {
    std::array<char, 1024> text{};
    DWORD size = text.size();
    if (RegGetValueA(HKEY_CURRENT_USER, KeyOf(name).c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                     text.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(text.data());
}

void StoreSetting(const char* name, const char* text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, KeyOf(name).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::string(text).size() + 1));
    RegCloseKey(key);
    ASSERT_EQ(StoredSetting(name), std::string(text));
}

std::map<std::string, std::optional<std::string>> StoredSettings() {
    std::map<std::string, std::optional<std::string>> stored;
    for (const char* name : kSettingNames) {
        stored[name] = StoredSetting(name);
    }
    return stored;
}

void ForgetSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kCompanyKey);
}
