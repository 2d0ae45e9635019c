// What the store leaves in storage: nothing until a setter runs, then exactly one key or
// profile line per setting; and which back end the platform version selects.
#include "registry_write_recorder.h"
#include "settings_io.h"
#include "settings_store.h"
#include "settings_test_support.h"

#include <algorithm>
#include <array>

namespace {

using SettingsLayoutTest = SettingsStorageTest;

const char kVersionKey[] = "Software\\Vivevev\\Zodedu\\1.00";

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(SettingsLayoutTest, NothingStoredReadsAsTheDefaultsAndCreatesNothing) {
    EXPECT_EQ(settingsStore.GetNumberOfGuesses(), 12);
    EXPECT_EQ(settingsStore.GetDuplicates(), 0);
    EXPECT_EQ(settingsStore.GetSoundEffects(), 0);
    EXPECT_EQ(settingsStore.GetTimeLimit(), 15);
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 12);
    EXPECT_EQ(ReadSetting(kDuplicates, kWin32sVersion), 0);
    EXPECT_EQ(ReadSetting(kSoundEffects, kWin32sVersion), 0);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 15);
    EXPECT_FALSE(RegistryKeyExists("Software\\Vivevev"));
    EXPECT_FALSE(ProfileFileText().has_value());
}

TEST_F(SettingsLayoutTest, ASetterCreatesTheKeyPathAndStoresTheTextWithItsNul) {
    settingsStore.SetTimeLimit(9);
    EXPECT_EQ(RegistrySubkeys(kVersionKey), std::vector<std::string>{"TimeLimit"});
    const auto value = ReadRegistryValue(SettingKeyPath("TimeLimit"));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value->bytes, std::string("9", 2)); // 2 bytes: the text and its NUL

    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_CURRENT_USER, SettingKeyPath("TimeLimit").c_str(), 0, KEY_READ, &key),
        ERROR_SUCCESS);
    std::array<char, 64> keyClass{};
    DWORD classLength = static_cast<DWORD>(keyClass.size());
    DWORD subkeys = 99;
    DWORD values = 99;
    ASSERT_EQ(RegQueryInfoKeyA(key, keyClass.data(), &classLength, nullptr, &subkeys, nullptr,
                               nullptr, &values, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(classLength, 0u);
    EXPECT_EQ(subkeys, 0u);
    EXPECT_EQ(values, 1u); // the unnamed value alone
    EXPECT_EQ(settingsStore.GetTimeLimit(), 9);
}

// What is handed to the registry, not what it kept: Wine adds a missing NUL by itself.
TEST_F(SettingsLayoutTest, EverySetterHandsTheRegistryTheTextAndItsNul) {
    ClearRecordedRegistryWrites();
    settingsStore.SetNumberOfGuesses(12);
    settingsStore.SetDuplicates(-3);
    settingsStore.SetSoundEffects(1);
    settingsStore.SetTimeLimit(100);
    const std::vector<RecordedRegistryWrite> expected = {
        {REG_SZ, std::string("12", 3)},
        {REG_SZ, std::string("-3", 3)},
        {REG_SZ, std::string("1", 2)},
        {REG_SZ, std::string("100", 4)},
    };
    EXPECT_EQ(RecordedRegistryWrites(), expected);
}

TEST_F(SettingsLayoutTest, EachSetterWritesItsOwnKeyWithoutARangeCheck) {
    settingsStore.SetNumberOfGuesses(12);
    settingsStore.SetDuplicates(-3);
    settingsStore.SetSoundEffects(1);
    settingsStore.SetTimeLimit(100);
    EXPECT_EQ(
        Sorted(RegistrySubkeys(kVersionKey)),
        (std::vector<std::string>{"Duplicates", "NumberOfGuesses", "Sound Effects", "TimeLimit"}));
    struct Stored {
        const char* key;
        std::string bytes;
    };
    for (const Stored& stored :
         {Stored{"NumberOfGuesses", std::string("12", 3)},
          Stored{"Duplicates", std::string("-3", 3)}, Stored{"Sound Effects", std::string("1", 2)},
          Stored{"TimeLimit", std::string("100", 4)}}) {
        const auto value = ReadRegistryValue(SettingKeyPath(stored.key));
        ASSERT_TRUE(value.has_value()) << stored.key;
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << stored.key;
        EXPECT_EQ(value->bytes, stored.bytes) << stored.key;
    }
    // Read back through the rules: a sign or a value out of range gives the default.
    EXPECT_EQ(settingsStore.GetNumberOfGuesses(), 12);
    EXPECT_EQ(settingsStore.GetDuplicates(), 0);
    EXPECT_EQ(settingsStore.GetSoundEffects(), 1);
    EXPECT_EQ(settingsStore.GetTimeLimit(), 15);
}

TEST_F(SettingsLayoutTest, ASetterReplacesAValueOfAnotherTypeOrLength) {
    const DWORD seven = 7;
    StoreRegistryValue(SettingKeyPath("NumberOfGuesses"), REG_DWORD,
                       std::string(reinterpret_cast<const char*>(&seven), 4));
    settingsStore.SetNumberOfGuesses(5);
    EXPECT_EQ(ReadRegistryValue(SettingKeyPath("NumberOfGuesses"))->bytes, std::string("5", 2));
    StoreRegistryValue(SettingKeyPath("NumberOfGuesses"), REG_SZ, std::string(2000, '1'));
    settingsStore.SetNumberOfGuesses(10);
    const auto value = ReadRegistryValue(SettingKeyPath("NumberOfGuesses"));
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value->bytes, std::string("10", 3));
    EXPECT_EQ(settingsStore.GetNumberOfGuesses(), 10);
}

TEST_F(SettingsLayoutTest, OnWin32sASetterWritesOneLineInTheProfileFile) {
    // The file is named after this program and sits in the Windows directory.
    EXPECT_EQ(ProfileFilePath(), WindowsFile("settings_store_test.INI"));

    WriteSetting(kNumberOfGuesses, 8, kWin32sVersion);
    EXPECT_EQ(ProfileFileText().value_or("(no file)"), "[Zodedu]\r\nNumberOfGuesses=8\r\n");
    WriteSetting(kSoundEffects, 1, kWin32sVersion);
    WriteSetting(kNumberOfGuesses, -3, kWin32sVersion);
    EXPECT_EQ(ProfileFileText().value_or("(no file)"),
              "[Zodedu]\r\nNumberOfGuesses=-3\r\nSound Effects=1\r\n");
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 12);
    EXPECT_EQ(ReadSetting(kSoundEffects, kWin32sVersion), 1);
    EXPECT_FALSE(RegistryKeyExists("Software\\Vivevev"));
}

TEST_F(SettingsLayoutTest, TheVersionChoosesTheBackEndAtEachAccess) {
    for (const DWORD version : {kWin32sVersion, 0x80000000ul}) {
        WriteSetting(kTimeLimit, 9, version);
        EXPECT_EQ(ProfileFileText().value_or("(no file)"), "[Zodedu]\r\nTimeLimit=9\r\n");
        EXPECT_FALSE(RegistryKeyExists("Software\\Vivevev")) << std::hex << version;
        ClearSettingsStorage();
    }
    for (const DWORD version : {kWindows95Version, kWindowsNtVersion, GetVersion()}) {
        WriteSetting(kTimeLimit, 9, version);
        EXPECT_EQ(ReadRegistryValue(SettingKeyPath("TimeLimit"))->bytes, std::string("9", 2));
        EXPECT_FALSE(ProfileFileText().has_value()) << std::hex << version;
        ClearSettingsStorage();
    }

    // With a different value in each place, every read goes where its version points.
    WriteSetting(kTimeLimit, 4, kWindowsNtVersion);
    WriteSetting(kTimeLimit, 6, kWin32sVersion);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 6);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWindows95Version), 4);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWindowsNtVersion), 4);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 6);
    EXPECT_EQ(settingsStore.GetTimeLimit(), IsWin32s() ? 6 : 4);
}

TEST(SettingsWithoutApplicationTest, TheProfileBackEndNeedsTheApplicationObject) {
    // Without one there is no profile file name: reads give defaults, writes store nothing.
    ASSERT_EQ(CWinApp::Current(), nullptr);
    const std::string path = WindowsFile("settings_store_test.INI");
    DeleteFileA(path.c_str());
    WriteSetting(kTimeLimit, 9, kWin32sVersion);
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 15);
    EXPECT_FALSE(PathExists(path));
}

} // namespace
