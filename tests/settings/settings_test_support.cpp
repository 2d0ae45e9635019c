// Raw registry and profile access for the settings tests, and the second process that
// shares storage with the test program.
#include "settings_test_support.h"

#include "settings_io.h"
#include "settings_store.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

constexpr char kCompanyKey[] = "Software\\Vivevev";

class OpenKey {
public:
    OpenKey(const std::string& path, REGSAM access) {
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
            key = nullptr;
        }
    }
    ~OpenKey() {
        if (key != nullptr) {
            RegCloseKey(key);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY Get() const { return key; }

private:
    HKEY key = nullptr;
};

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle(handle) {}
    ~OwnedHandle() {
        if (handle != nullptr) {
            CloseHandle(handle);
        }
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE Get() const { return handle; }

private:
    HANDLE handle;
};

} // namespace

std::string SettingKeyPath(const std::string& key) {
    return "Software\\Vivevev\\Zodedu\\1.00\\" + key;
}

void StoreRegistryValue(const std::string& keyPath, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::optional<RegistryValue> ReadRegistryValue(const std::string& keyPath) {
    const OpenKey key(keyPath, KEY_QUERY_VALUE);
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
    return OpenKey(keyPath, KEY_READ).Get() != nullptr;
}

std::vector<std::string> RegistrySubkeys(const std::string& keyPath) {
    const OpenKey key(keyPath, KEY_READ);
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

std::string ProfileFilePath() {
    std::array<char, MAX_PATH> folder{};
    GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    return std::string(folder.data()) + "\\" + CWinApp::Current()->Names().profileFileName;
}

void StoreProfileFile(const std::string& contents) {
    std::ofstream file(ProfileFilePath(), std::ios::binary | std::ios::trunc);
    file << contents;
    file.close();
    ASSERT_TRUE(file.good());
    // The platform keeps a profile file it has read in memory; drop it so the next read
    // sees this file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ProfileFilePath().c_str());
}

std::optional<std::string> ProfileFileText() {
    std::ifstream file(ProfileFilePath(), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void ClearSettingsStorage() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kCompanyKey);
    DeleteFileA(ProfileFilePath().c_str());
    ASSERT_FALSE(RegistryKeyExists(kCompanyKey));
    ASSERT_FALSE(ProfileFileText().has_value());
}

void SettingsStorageTest::SetUp() {
    app.StartUp();
    ClearSettingsStorage();
}

void SettingsStorageTest::TearDown() {
    ClearSettingsStorage();
}

int RunSecondProcess(const char* backEnd, int newValue) {
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::ostringstream commandLine;
    commandLine << '"' << path.data() << "\" " << kSecondProcessFlag << ' ' << backEnd << ' '
                << newValue;
    std::string command = commandLine.str();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.data(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    const OwnedHandle processHandle(process.hProcess);
    const OwnedHandle threadHandle(process.hThread);
    if (WaitForSingleObject(processHandle.Get(), 30000) != WAIT_OBJECT_0) {
        TerminateProcess(processHandle.Get(), 1);
        return -1;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.Get(), &exitCode);
    return static_cast<int>(exitCode);
}

int SecondProcessMain(const char* backEnd, const char* newValue) {
    CWinApp app;
    app.StartUp();
    const int value = std::atoi(newValue);
    if (std::string(backEnd) == "profile") {
        const int read = ReadSetting(kTimeLimit, kWin32sVersion);
        WriteSetting(kTimeLimit, value, kWin32sVersion);
        return read;
    }
    const int read = settingsStore.GetTimeLimit();
    settingsStore.SetTimeLimit(value);
    return read;
}
