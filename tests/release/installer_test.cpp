// The Windows installer as a player meets it: installed silently into the test prefix, the
// game started from its Start-menu shortcut, then uninstalled, silently or by answering the
// uninstaller's question, with the settings kept unless the player asked otherwise.
#include "game_process.h"
#include "input.h"
#include "installer_support.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zodedu";
constexpr char kSettingsKey[] = "Software\\Vivevev\\Zodedu";
constexpr char kOtherProgramKey[] = "Software\\Vivevev\\Another Game";
constexpr char kUninstallCaption[] = "Zodedu Uninstall";
constexpr char kQuestion[] = "Also remove your Zodedu settings";
constexpr DWORD kGameRunning = 2; // the exit status of setup and uninstall while it runs

constexpr const char* kPlayerFiles[] = {"zodedu.exe", "zodedu.HLP", "first.wav",  "last.wav",
                                        "win.wav",    "lose.wav",   "README.txt", "LICENSE.txt"};

std::string DefaultFolder() {
    return ShellFolder(CSIDL_PROGRAM_FILES) + "\\Zodedu";
}

std::string StartMenuShortcut() {
    return ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Zodedu.lnk";
}

std::string ProfileFile() {
    return WindowsFile("zodedu.INI");
}

// Both back ends' settings.
void ForgetAllSettings() {
    ForgetSettings();
    DeleteFileA(ProfileFile().c_str());
}

// What a player has stored: a registry setting, and the profile file older systems use.
void StoreSettings() {
    StoreSetting(kTimeLimit.name, "5");
    WritePrivateProfileStringA("Zodedu", "TimeLimit", "5", ProfileFile().c_str());
}

std::optional<std::string> StoredTimeLimit() {
    return StoredSetting(kTimeLimit.name);
}

std::optional<DWORD> RunSetup(const std::string& switches) {
    return RunAndWait(Quoted(BesideTest(ZODEDU_INSTALLER)) + " " + switches);
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        ForgetAllSettings();
        ASSERT_FALSE(RegistryKeyExists(kUninstallKey, HKEY_LOCAL_MACHINE)) << "installed before the test";
    }

    // A failed test may leave the uninstaller open or the game installed: take them away,
    // settings and all.
    void TearDown() override {
        EndProgramsShowing(kUninstallCaption);
        if (const auto folder =
                RegistryText(kUninstallKey, "InstallLocation", HKEY_LOCAL_MACHINE)) {
            RunAndWait(Quoted(*folder + "\\uninstall.exe") + " /S /REMOVESETTINGS _?=" + *folder);
            DeleteFileA((*folder + "\\uninstall.exe").c_str());
            RemoveDirectoryA(folder->c_str());
        }
        ForgetAllSettings();
    }

    static void ExpectInstalledIn(const std::string& folder) {
        for (const char* name : kPlayerFiles) {
            const auto packaged = ReadWholeFile(BesideTest(ZODEDU_STAGE) + "\\" + name);
            ASSERT_TRUE(packaged) << name;
            EXPECT_EQ(ReadWholeFile(folder + "\\" + name), packaged) << name;
        }
        EXPECT_TRUE(PathExists(folder + "\\uninstall.exe"));
        EXPECT_EQ(RegistryText(kUninstallKey, "DisplayName", HKEY_LOCAL_MACHINE), "Zodedu");
        EXPECT_EQ(RegistryText(kUninstallKey, "InstallLocation", HKEY_LOCAL_MACHINE), folder);
        EXPECT_EQ(RegistryText(kUninstallKey, "UninstallString", HKEY_LOCAL_MACHINE),
                  Quoted(folder + "\\uninstall.exe"));
    }

    // Runs the uninstall command Add/Remove Programs runs for a silent removal, with any
    // extra switches, and waits for the folder to go.
    static void UninstallQuietly(const std::string& folder, const std::string& switches = "") {
        const auto command =
            RegistryText(kUninstallKey, "QuietUninstallString", HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(command);
        ASSERT_EQ(RunAndWait(*command + " " + switches), 0u);
        EXPECT_TRUE(WaitUntil([&] { return !PathExists(folder); }, 30000)) << folder;
    }

    // Runs the uninstaller as Add/Remove Programs does for a player, presses Uninstall,
    // answers the question about the settings with the button given, and closes it.
    static void UninstallAnswering(const std::string& folder, int answer) {
        const auto command = RegistryText(kUninstallKey, "UninstallString", HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(command);
        const ProgramProcess uninstall(*command);
        ASSERT_TRUE(uninstall.Started());
        HWND uninstaller = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (uninstaller = FindDialog(kUninstallCaption, "")); }, 20000));
        PressDialogButton(uninstaller, IDOK);
        HWND question = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (question = FindDialog(kUninstallCaption, kQuestion)); },
                              20000));
        EXPECT_TRUE(PathExists(folder + "\\zodedu.exe"))
            << "the question comes before anything goes";
        PressDialogButton(question, answer);
        EXPECT_TRUE(WaitUntil([&] { return !PathExists(folder); }, 20000)) << folder;
        HWND close = GetDlgItem(uninstaller, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(close) != FALSE; }, 20000));
        PressDialogButton(uninstaller, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(uninstaller); }, 20000));
    }
};

TEST_F(Installer, InstallsSilentlyStartsFromTheStartMenuAndUninstallsKeepingTheSettings) {
    ASSERT_EQ(RunSetup("/S"), 0u);
    const std::string folder = DefaultFolder();
    ExpectInstalledIn(folder);

    const auto shortcut = ReadShortcut(StartMenuShortcut());
    ASSERT_TRUE(shortcut) << StartMenuShortcut();
    EXPECT_TRUE(SamePath(shortcut->path, folder + "\\zodedu.exe")) << shortcut->path;
    EXPECT_TRUE(SamePath(shortcut->workingFolder, folder)) << shortcut->workingFolder;
    {
        const GameProcess game(shortcut->path);
        ASSERT_NE(game.Main(), nullptr) << "no window \"Zodedu\"";
        StoreSettings();
        PostMessageA(game.Main(), WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        EXPECT_TRUE(game.WaitForExit(exitCode));
    }

    UninstallQuietly(folder);
    EXPECT_FALSE(PathExists(StartMenuShortcut()));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey, HKEY_LOCAL_MACHINE));
    EXPECT_EQ(StoredTimeLimit(), "5");
    EXPECT_TRUE(PathExists(ProfileFile()));
}

TEST_F(Installer, RemovesTheSettingsOnlyOnTheSwitchAndLeavesOtherProgramsAlone) {
    const std::string folder = "C:\\My Games\\Zodedu 1";
    ASSERT_EQ(RunSetup("/S /D=" + folder), 0u);
    ExpectInstalledIn(folder);
    StoreSettings();
    StoreRegistryValue(kOtherProgramKey, REG_SZ, std::string("kept") + '\0');

    UninstallQuietly(folder, "/REMOVESETTINGS");
    EXPECT_TRUE(PathExists("C:\\My Games")) << "only the game's own folder goes";
    EXPECT_FALSE(RegistryKeyExists(kSettingsKey));
    EXPECT_FALSE(PathExists(ProfileFile()));
    EXPECT_EQ(RegistryText(kOtherProgramKey), "kept");
    RemoveDirectoryA("C:\\My Games");
}

TEST_F(Installer, RemovesTheSettingsWhenThePlayerAnswersYes) {
    ASSERT_EQ(RunSetup("/S"), 0u);
    StoreSettings();
    UninstallAnswering(DefaultFolder(), IDYES);
    EXPECT_FALSE(RegistryKeyExists(CompanyKeyPath())) << "the emptied company key too";
    EXPECT_FALSE(PathExists(ProfileFile()));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey, HKEY_LOCAL_MACHINE));
}

TEST_F(Installer, KeepsTheSettingsWhenThePlayerAnswersNo) {
    ASSERT_EQ(RunSetup("/S"), 0u);
    StoreSettings();
    UninstallAnswering(DefaultFolder(), IDNO);
    EXPECT_EQ(StoredTimeLimit(), "5");
    EXPECT_TRUE(PathExists(ProfileFile()));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey, HKEY_LOCAL_MACHINE));
}

// A running game holds its files: setup and uninstall refuse rather than leave half of it.
TEST_F(Installer, NeitherReinstallsNorUninstallsWhileTheGameRuns) {
    ASSERT_EQ(RunSetup("/S"), 0u);
    const std::string folder = DefaultFolder();
    {
        const GameProcess game(folder + "\\zodedu.exe");
        ASSERT_NE(game.Main(), nullptr);
        EXPECT_EQ(RunSetup("/S"), kGameRunning);
        EXPECT_EQ(RunAndWait(Quoted(folder + "\\uninstall.exe") + " /S _?=" + folder),
                  kGameRunning);
        ExpectInstalledIn(folder);
        PostMessageA(game.Main(), WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        EXPECT_TRUE(game.WaitForExit(exitCode));
    }
    UninstallQuietly(folder);
}

} // namespace
