// SettingsIO: loads the section or path from the program's string table at each access
// and hands the work to the profile or registry back end.
#include "settings_io.h"

#include "profile_settings.h"
#include "registry_settings.h"
#include "settings_resource.h"

#include <array>

namespace {

// Empty when the program's string table lacks the entry.
std::string LoadProgramString(UINT id) {
    std::array<char, 256> text{};
    const int length =
        LoadStringA(GetModuleHandleA(nullptr), id, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace

// Without its section or path a setting has no known place: nothing is read or written
// rather than guessing one (an empty path would put keys at the root of the user's hive).
void SettingsIO::WriteString(const char* key, const char* text, DWORD version) const {
    if (IsWin32s(version)) {
        const std::string section = LoadProgramString(IDS_PROFILE_SECTION);
        if (!section.empty()) {
            ProfileWriteString(section.c_str(), key, text);
        }
    } else {
        const std::string path = LoadProgramString(IDS_REGISTRY_PATH);
        if (!path.empty()) {
            RegistryWriteString((path + key).c_str(), text);
        }
    }
}

void SettingsIO::ReadString(const char* key, std::string& text, DWORD version) const {
    text.clear();
    if (IsWin32s(version)) {
        const std::string section = LoadProgramString(IDS_PROFILE_SECTION);
        if (!section.empty()) {
            text = ProfileReadString(section.c_str(), key);
        }
    } else {
        const std::string path = LoadProgramString(IDS_REGISTRY_PATH);
        if (!path.empty()) {
            text = RegistryReadString((path + key).c_str());
        }
    }
}

void SettingsIO::WriteInt(const char* key, int value, DWORD version) const {
    WriteString(key, StoredText(value).c_str(), version);
}

void SettingsIO::ReadInt(const char* key, int defaultValue, int& value, DWORD version) const {
    std::string text;
    ReadString(key, text, version);
    value = ValueFromStoredText(text, defaultValue);
}

int ReadSetting(const SettingKey& key, DWORD version) {
    int value = key.defaultValue;
    SettingsIO().ReadInt(key.name, key.defaultValue, value, version);
    return AcceptedValue(key, value);
}

void WriteSetting(const SettingKey& key, int value, DWORD version) {
    SettingsIO().WriteInt(key.name, value, version);
}
