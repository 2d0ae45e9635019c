// Texts put into storage from outside, read through the store in both back ends: the
// read rules, the ranges, and what each back end hands over (spaces, sizes, types).
#include "settings_io.h"
#include "settings_store.h"
#include "settings_test_support.h"

#include <stdexcept>
#include <string>

namespace {

using StoredTextTest = SettingsStorageTest;

using Accessor = int (SettingsStore::*)() const;

struct Case {
    const char* key;
    Accessor get;
    std::string text;
    int registryValue; // what the accessor returns with the text in the registry
    int profileValue;  // and in the profile file, which trims spaces around values
};

const SettingKey& KeyNamed(const std::string& name) {
    for (const SettingKey* key : {&kNumberOfGuesses, &kDuplicates, &kSoundEffects, &kTimeLimit}) {
        if (name == key->name) {
            return *key;
        }
    }
    throw std::invalid_argument(name);
}

const Case kCases[] = {
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "7", 7, 7},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "1", 1, 1},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "12", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "0", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "13", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "007", 7, 7},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "-1", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "+7", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "7a", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, " 7", 12, 7},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "7 ", 12, 7},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "  7  ", 12, 7},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "7 7", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "", 12, 12},
    {"NumberOfGuesses", &SettingsStore::GetNumberOfGuesses, "4294967303", 12, 12},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "1", 1, 1},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "15", 15, 15},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "0", 15, 15},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "16", 15, 15},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "-1", 15, 15},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "+7", 15, 15},
    {"TimeLimit", &SettingsStore::GetTimeLimit, "7a", 15, 15},
    {"Duplicates", &SettingsStore::GetDuplicates, "5", 5, 5},
    {"Duplicates", &SettingsStore::GetDuplicates, "-1", 0, 0},
    {"Duplicates", &SettingsStore::GetDuplicates, "-3", 0, 0},
    {"Duplicates", &SettingsStore::GetDuplicates, "+7", 0, 0},
    {"Duplicates", &SettingsStore::GetDuplicates, "7a", 0, 0},
    {"Duplicates", &SettingsStore::GetDuplicates, "2147483647", 2147483647, 2147483647},
    {"Duplicates", &SettingsStore::GetDuplicates, "2147483648", 0, 0},
    {"Sound Effects", &SettingsStore::GetSoundEffects, "1", 1, 1},
    {"Sound Effects", &SettingsStore::GetSoundEffects, "5", 5, 5},
    {"Sound Effects", &SettingsStore::GetSoundEffects, " 1", 0, 1},
    {"Sound Effects", &SettingsStore::GetSoundEffects, "on", 0, 0},
};

TEST_F(StoredTextTest, RegistryTextReadsThroughEachAccessor) {
    for (const Case& c : kCases) {
        StoreRegistryValue(SettingKeyPath(c.key), REG_SZ, c.text + '\0');
        EXPECT_EQ((settingsStore.*c.get)(), c.registryValue) << c.key << " \"" << c.text << "\"";
        EXPECT_EQ(ReadSetting(KeyNamed(c.key), kWindowsNtVersion), c.registryValue);
    }
}

TEST_F(StoredTextTest, ProfileTextReadsThroughEachKeyOnWin32s) {
    for (const Case& c : kCases) {
        StoreProfileFile("[Zodedu]\r\n" + std::string(c.key) + "=" + c.text + "\r\n");
        EXPECT_EQ(ReadSetting(KeyNamed(c.key), kWin32sVersion), c.profileValue)
            << c.key << " \"" << c.text << "\"";
    }
}

TEST_F(StoredTextTest, RegistryValuesOfAnotherTypeReadAsTheDefault) {
    const std::string path = SettingKeyPath("NumberOfGuesses");
    const DWORD seven = 7;
    StoreRegistryValue(path, REG_DWORD, std::string(reinterpret_cast<const char*>(&seven), 4));
    EXPECT_EQ(settingsStore.GetNumberOfGuesses(), 12);
    for (const DWORD type : {REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY, REG_NONE}) {
        StoreRegistryValue(path, type, std::string("7\0\0", 3));
        EXPECT_EQ(settingsStore.GetNumberOfGuesses(), 12) << "type " << type;
    }
}

TEST_F(StoredTextTest, RegistryTextIsCutAtItsFirstNulAndNeverReadPastTheBuffer) {
    const std::string path = SettingKeyPath("NumberOfGuesses");
    struct Bytes {
        std::string bytes;
        int expected;
    };
    const Bytes cases[] = {
        {"7", 7}, // no NUL at all
        {std::string("7\0"
                     "3",
                     3),
         7}, // text ends at the first NUL
        {std::string("\0"
                     "7",
                     2),
         12},                                      // empty text
        {std::string(1022, '0') + "7" + '\0', 7},  // 1024 bytes with the NUL
        {std::string(1022, '0') + "7", 7},         // 1023 bytes: a NUL may fill the buffer
        {std::string(1023, '0') + "7" + '\0', 12}, // 1025 bytes: too long
        {std::string(5000, '0') + "7" + '\0', 12},
    };
    for (const Bytes& c : cases) {
        StoreRegistryValue(path, REG_SZ, c.bytes);
        EXPECT_EQ(settingsStore.GetNumberOfGuesses(), c.expected) << c.bytes.size() << " bytes";
    }
}

TEST_F(StoredTextTest, OnlyTheKeysUnnamedValueIsTheSetting) {
    StoreRegistryValue(SettingKeyPath("TimeLimit"), REG_SZ, std::string("7", 2), "TimeLimit");
    EXPECT_EQ(settingsStore.GetTimeLimit(), 15);
}

TEST_F(StoredTextTest, AProfileEntryComesBackAsAtMost259Characters) {
    // 259 characters arrive whole; of 260 the last is lost, leaving zeros.
    StoreProfileFile("[Zodedu]\r\nDuplicates=" + std::string(258, '0') + "5\r\n");
    EXPECT_EQ(ReadSetting(kDuplicates, kWin32sVersion), 5);
    StoreProfileFile("[Zodedu]\r\nDuplicates=" + std::string(259, '0') + "5\r\n");
    EXPECT_EQ(ReadSetting(kDuplicates, kWin32sVersion), 0);
}

TEST_F(StoredTextTest, AProfileEntryInAnotherSectionIsNotASetting) {
    StoreProfileFile("[Other]\r\nTimeLimit=7\r\n[Zodedu]\r\nNumberOfGuesses=7\r\n");
    EXPECT_EQ(ReadSetting(kTimeLimit, kWin32sVersion), 15);
    EXPECT_EQ(ReadSetting(kNumberOfGuesses, kWin32sVersion), 7);
}

} // namespace
