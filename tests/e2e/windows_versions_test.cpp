// The real game on the older Windows it is made for, as Wine reports them to it: on Win32s the
// settings live in the profile file in the Windows folder, on Windows 95 and NT 4.0 in the
// registry. Wine takes the version to report from the game's own application defaults.
#include "files.h"
#include "game_process.h"
#include "game_state.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr char kGameDefaults[] = "Software\\Wine\\AppDefaults\\zodedu.exe";
constexpr char kProfile[] = "zodedu.INI"; // the executable name, then .INI, no directory
constexpr char kSection[] = "Zodedu";

void ReportWindowsVersion(const char* version) {
    StoreRegistryValue(kGameDefaults, REG_SZ, std::string(version) + '\0', "Version");
}

std::string ProfileEntry(const char* key) {
    std::array<char, 64> text{};
    GetPrivateProfileStringA(kSection, key, "(none)", text.data(),
                             static_cast<DWORD>(text.size()), kProfile);
    return text.data();
}

class WindowsVersionTest : public StoredSettingsTest {
protected:
    void SetUp() override { ForgetProfile(); }
    void TearDown() override {
        ForgetProfile();
        RegDeleteTreeA(HKEY_CURRENT_USER, kGameDefaults);
        RegDeleteKeyA(HKEY_CURRENT_USER, kGameDefaults);
    }

    static void ForgetProfile() {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, kProfile); // flush Wine's cache
        DeleteFileA(WindowsFile(kProfile).c_str());
    }
};

TEST_F(WindowsVersionTest, OnWin32sTheSettingsLiveInTheProfileFileAndNeverInTheRegistry) {
    ReportWindowsVersion("win31");
    WritePrivateProfileStringA(kSection, "NumberOfGuesses", "3", kProfile);
    WritePrivateProfileStringA(kSection, "Duplicates", "1", kProfile);
    WritePrivateProfileStringA(kSection, "TimeLimit", "7", kProfile);
    WritePrivateProfileStringA(kSection, "Sound Effects", "1", kProfile);

    GameFolder folder("zodedu.exe", "zodedu.HLP");
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    EXPECT_TRUE(IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + 2)));
    EXPECT_FALSE(IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + 3))) << "three guesses preset";

    ConfirmDialog(game, IDC_DIFFICULTY, [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_GUESSES, CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TIME_LIMIT, CB_GETCURSEL, 0, 0), 6);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DUPLICATES, BM_GETCHECK, 0, 0), BST_CHECKED);
        SendDlgItemMessageA(dialog, IDC_GUESSES, CB_SETCURSEL, 4, 0);
    });
    ConfirmDialog(game, IDC_SETTINGS, [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_SOUND_EFFECTS, BM_GETCHECK, 0, 0), BST_CHECKED);
        SendDlgItemMessageA(dialog, IDC_SOUND_EFFECTS, BM_SETCHECK, BST_UNCHECKED, 0);
    });
    EXPECT_TRUE(IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + 4))) << "five guesses now";
    PostMessageA(game.Item(IDC_EXIT), BM_CLICK, 0, 0);
    DWORD status = 1;
    ASSERT_TRUE(game.WaitForExit(status));

    EXPECT_EQ(ProfileEntry("NumberOfGuesses"), "5");
    EXPECT_EQ(ProfileEntry("Duplicates"), "1");
    EXPECT_EQ(ProfileEntry("TimeLimit"), "7");
    EXPECT_EQ(ProfileEntry("Sound Effects"), "0");
    EXPECT_FALSE(RegistryKeyExists(CompanyKeyPath()));
}

class RegistryWindowsTest : public WindowsVersionTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(RegistryWindowsTest, TheGameStartsPlaysARowAndKeepsItsSettingsInTheRegistry) {
    ReportWindowsVersion(GetParam());
    GameFolder folder("zodedu.exe", "zodedu.HLP");
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    // A colour twice: against a code of four different colours the row cannot win.
    for (const ColourIndex colour : {0, 1, 2, 2}) {
        PostMessageA(game.Item(IDC_COLOUR_BUTTON_FIRST + colour), BM_CLICK, 0, 0);
    }
    const auto showsCount = [&](int anchor) {
        return ShownBitmap(game.Item(anchor), IDB_SMALL_DIGIT_FIRST, PEG_COUNT + 1).has_value();
    };
    EXPECT_TRUE(WaitUntil([&] { return showsCount(IDC_EXACT_FIRST); })) << "the row is scored";
    // Drawn after the exact count by the same pass; the screen may show it a moment later.
    EXPECT_TRUE(WaitUntil([&] { return showsCount(IDC_COLOUR_COUNT_FIRST); }));

    ConfirmDialog(game, IDC_DIFFICULTY);
    PostMessageA(game.Item(IDC_EXIT), BM_CLICK, 0, 0);
    DWORD status = 1;
    ASSERT_TRUE(game.WaitForExit(status));
    EXPECT_EQ(status, 0u);

    const std::optional<RegistryValue> guesses = ReadRegistryValue(SettingKeyPath("NumberOfGuesses"));
    ASSERT_TRUE(guesses.has_value());
    EXPECT_EQ(guesses->Text(), "12");
    EXPECT_FALSE(PathExists(WindowsFile(kProfile)));
}

INSTANTIATE_TEST_SUITE_P(Windows, RegistryWindowsTest, ::testing::Values("win95", "nt40"));

} // namespace
