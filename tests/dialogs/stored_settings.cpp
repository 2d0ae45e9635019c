// Raw registry access: one key per setting under the program's key, its unnamed value text.
#include "stored_settings.h"

#include "registry_values.h"

#include <windows.h>

namespace {

constexpr const char* kCompanyKey = "Software\\Vivevev";

} // namespace

std::optional<std::string> StoredSetting(const char* name) {
    const std::optional<RegistryValue> value = ReadRegistryValue(SettingKeyPath(name));
    if (!value || value->type != REG_SZ) {
        return std::nullopt;
    }
    return value->Text();
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
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kCompanyKey);
}
