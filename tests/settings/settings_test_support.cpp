// Raw registry and profile access for the settings tests, and the second process that
// shares storage with the test program.
#include "settings_test_support.h"

#include "settings_io.h"
#include "settings_store.h"
#include "win32_handles.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {


} // namespace

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
    const KernelHandle processHandle(process.hProcess);
    const KernelHandle threadHandle(process.hThread);
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
