// Raw registry and profile access for the settings tests, and the second process that
// shares storage with the test program.
#include "settings_test_support.h"

#include "program_process.h"
#include "settings_io.h"
#include "settings_store.h"

#include <array>
#include <cstdlib>

std::string ProfileFilePath() {
    return WindowsFile(CWinApp::Current()->Names().profileFileName);
}

void StoreProfileFile(const std::string& contents) {
    ASSERT_TRUE(WriteWholeFile(ProfileFilePath(), contents));
    // The platform keeps a profile file it has read in memory; drop it so the next read
    // sees this file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ProfileFilePath().c_str());
}

std::optional<std::string> ProfileFileText() {
    return ReadWholeFile(ProfileFilePath());
}

void ClearSettingsStorage() {
    ForgetSettings();
    DeleteFileA(ProfileFilePath().c_str());
    ASSERT_FALSE(RegistryKeyExists(CompanyKeyPath()));
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
    const ProgramProcess second(Quoted(path.data()) + " " + kSecondProcessFlag + " " + backEnd +
                                " " + std::to_string(newValue));
    DWORD exitCode = 0;
    return second.WaitForExit(exitCode, 30000) ? static_cast<int>(exitCode) : -1;
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
