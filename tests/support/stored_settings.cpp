// Raw registry access through the same key holder as the program's: one key per setting under
// the program's key, its unnamed value text.
#include "stored_settings.h"

#include "registry_key.h"
#include "settings_resource.h"

#include <array>

std::string SettingsKeyPath() {
    std::array<char, 256> path{};
    LoadStringA(GetModuleHandleA(nullptr), IDS_REGISTRY_PATH, path.data(),
                static_cast<int>(path.size()));
    return path.data();
}

std::string CompanyKeyPath() {
    const std::string path = SettingsKeyPath();
    return path.substr(0, path.find('\\', path.find('\\') + 1));
}

std::string SettingKeyPath(const std::string& name) {
    return SettingsKeyPath() + "\\" + name;
}

void StoreRegistryValue(const std::string& keyPath, DWORD type, const std::string& bytes,
                        const char* valueName, HKEY root) {
    RegistryKey key;
    ASSERT_EQ(RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              key.Receive(), nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key.Get(), valueName, 0, type,
                             reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath, const char* valueName,
                                               HKEY root) {
    const RegistryKey key(root, keyPath.c_str(), KEY_QUERY_VALUE);
    if (key.Get() == nullptr) {
        return std::nullopt;
    }
    std::array<BYTE, 8192> buffer{};
    RegistryValue value;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &value.type, buffer.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.assign(reinterpret_cast<const char*>(buffer.data()), size);
    return value;
}

std::optional<std::string> RegistryText(const std::string& keyPath, const char* valueName,
                                        HKEY root) {
    const std::optional<RegistryValue> value = ReadRegistryValue(keyPath, valueName, root);
    if (!value || value->type != REG_SZ) {
        return std::nullopt;
    }
    return value->Text();
}

bool RegistryKeyExists(const std::string& keyPath, HKEY root) {
    return RegistryKey(root, keyPath.c_str(), KEY_READ).Get() != nullptr;
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

std::optional<std::string> StoredSetting(const char* name) {
    return RegistryText(SettingKeyPath(name));
}

void StoreSetting(const char* name, const char* text) {
    StoreRegistryValue(SettingKeyPath(name), REG_SZ, std::string(text) + '\0');
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
    const std::string company = CompanyKeyPath();
    RegDeleteTreeA(HKEY_CURRENT_USER, company.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, company.c_str());
}
