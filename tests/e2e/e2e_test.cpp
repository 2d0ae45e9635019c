// The real game as a player meets it: started as its own process, driven by real clicks and
// key presses from this program, judged by its windows, the screen and what it stored.
#include "files.h"
#include "game_process.h"
#include "game_state.h"
#include "input.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr char kGrey[] = "light grey";

bool ShowsPeg(const GameProcess& game, int cell, ColourIndex colour) {
    return ShowsBitmap(game.Item(IDC_PEG_FIRST + cell), MAKEINTRESOURCEA(IDB_PEG_FIRST + colour));
}

bool IsGrey(HWND window) {
    if (!IsPainted(window)) {
        return false;
    }
    POINT corner{2, 2};
    ClientToScreen(window, &corner);
    return CaptureScreen(corner, 1, 1).At(0, 0) == RGB(192, 192, 192);
}

HWND OpenDifficulty(const GameProcess& game) {
    PostMessageA(game.Item(IDC_DIFFICULTY), BM_CLICK, 0, 0);
    return game.WaitForWindow("#32770", nullptr);
}

// The help window: the game's one visible top-level window that is not a dialog.
HWND HelpWindow(const GameProcess& game, DWORD timeoutMs = 5000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : game.Windows()) {
                if (ClassOf(window) != "#32770") {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

class GameEndToEnd : public GameProcessTest {
protected:
    void SetUp() override { ASSERT_NE(game.Main(), nullptr); }
};

// The game under another name, or without its help file: each test starts its own.
using GameElsewhereTest = StoredSettingsTest;

TEST_F(GameEndToEnd, StartsCentredWithTheClockRunningAndPegsFollowClicks) {
    RECT window;
    GetWindowRect(game.Main(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_TRUE(WaitUntil([&] { return IsGrey(game.Main()); })) << kGrey;

    RECT seconds;
    GetWindowRect(game.Item(IDC_CLOCK_LAST), &seconds);
    const auto clock = [&] { return CaptureScreen({seconds.left, seconds.top}, 24, 26); };
    const Pixels before = clock();
    EXPECT_TRUE(WaitUntil([&] { return !(clock() == before); }, 3000)) << "the clock stands still";

    BringToFront(game.Main());
    ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST + 2));
    ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST + 4));
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(game, 1, 4); })) << "dark red second";
    EXPECT_TRUE(ShowsPeg(game, 0, 2)) << "green first";
    EXPECT_FALSE(ShowsPicture(game.Item(IDC_PEG_FIRST + 2)));
}

TEST_F(GameEndToEnd, ADoubleClickOnAColourEntersItTwice) {
    BringToFront(game.Main());

    DoubleClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST + 3));
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(game, 1, 3); }));
    EXPECT_TRUE(ShowsPeg(game, 0, 3));
    // The next click lands third only if the double click entered no more than two.
    ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST));
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(game, 2, 0); })) << "the next peg lands third";
    EXPECT_FALSE(ShowsPicture(game.Item(IDC_PEG_FIRST + 3)));
}

TEST_F(GameEndToEnd, EscapeAndEnterDealANewGame) {
    BringToFront(game.Main());
    const HWND firstPeg = game.Item(IDC_PEG_FIRST);

    ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST));
    ASSERT_TRUE(WaitUntil([&] { return ShowsPicture(firstPeg); }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !ShowsPicture(firstPeg); })) << "Escape";

    // The colour button now has the focus, so Enter goes to the default button, New Game.
    ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST + 1));
    ASSERT_TRUE(WaitUntil([&] { return ShowsPicture(firstPeg); }));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !ShowsPicture(firstPeg); })) << "Enter";
    EXPECT_EQ(TextOf(game.Item(IDC_GAMES_PLAYED)), "0");
}

TEST_F(GameEndToEnd, F1AndTheHelpButtonOpenTheHelpWindow) {
    BringToFront(game.Main());

    PressKey(VK_F1, {VK_SHIFT});
    PressKey(VK_F1, {VK_CONTROL});
    PressKey(VK_F1, {VK_MENU});
    // An auto-repeated press carries bit 30 of the key data.
    PostMessageA(GetDlgItem(game.Main(), IDC_DIFFICULTY), WM_KEYDOWN, VK_F1, 0x40000001);
    EXPECT_EQ(HelpWindow(game, 1000), nullptr) << "F1 with a modifier or auto-repeated";

    PressKey(VK_F1);
    const HWND help = HelpWindow(game);
    ASSERT_NE(help, nullptr) << "F1";
    PostMessageA(help, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return HelpWindow(game, 0) == nullptr; }));

    PostMessageA(game.Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
    EXPECT_NE(HelpWindow(game), nullptr) << "the Help button";
}

TEST_F(GameEndToEnd, F1InTheDifficultyDialogOpensHelpAndLeavesTheDialogOpen) {
    const HWND difficulty = OpenDifficulty(game);
    ASSERT_NE(difficulty, nullptr);
    BringToFront(difficulty);

    PressKey(VK_F1);
    EXPECT_NE(HelpWindow(game), nullptr);
    EXPECT_TRUE(IsWindowVisible(difficulty));
    EXPECT_FALSE(IsWindowEnabled(game.Main()));
}

TEST_F(GameEndToEnd, ExitEndsTheProgramAndItsHelpWithStatusZeroStoringNothing) {
    PostMessageA(game.Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
    ASSERT_NE(HelpWindow(game), nullptr);

    PostMessageA(game.Item(IDC_EXIT), BM_CLICK, 0, 0);
    DWORD status = 1;
    ASSERT_TRUE(game.WaitForExit(status));
    EXPECT_EQ(status, 0u);
    EXPECT_TRUE(game.Windows().empty());
    EXPECT_FALSE(RegistryKeyExists(CompanyKeyPath()));
    EXPECT_FALSE(PathExists(WindowsFile("zodedu.INI")));
}

TEST_F(GameEndToEnd, TheCloseBoxEndsTheProgramWithStatusZero) {
    PostMessageA(game.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD status = 1;
    ASSERT_TRUE(game.WaitForExit(status));
    EXPECT_EQ(status, 0u);
    EXPECT_FALSE(RegistryKeyExists(CompanyKeyPath()));
}

TEST_F(GameEndToEnd, DifficultyOkStoresTheThreeSettings) {
    const HWND difficulty = OpenDifficulty(game);
    ASSERT_NE(difficulty, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsGrey(difficulty); })) << kGrey;
    PressDialogButton(difficulty, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(difficulty); }));

    for (const auto& [name, text] : {std::pair{"NumberOfGuesses", "12"},
                                     std::pair{"Duplicates", "0"}, std::pair{"TimeLimit", "15"}}) {
        const std::optional<RegistryValue> value = ReadRegistryValue(SettingKeyPath(name));
        ASSERT_TRUE(value.has_value()) << name;
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(value->bytes, std::string(text) + '\0') << name << ": the text and its NUL";
    }
    EXPECT_FALSE(ReadRegistryValue(SettingKeyPath("Sound Effects")).has_value())
        << "a setting the dialog does not own";
}

TEST_F(GameElsewhereTest, WithoutItsHelpFileHelpFailsWithAGreyMessageAndTheGameGoesOn) {
    GameFolder folder("zodedu.exe", "");
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    PostMessageA(game.Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
    const HWND box = game.WaitForWindow("#32770", "zodedu");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsGrey(box); })) << kGrey;
    EXPECT_TRUE(ShowsText(box, "Failed to launch help."));
    EXPECT_FALSE(IsWindowEnabled(game.Main()));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    PostMessageA(game.Item(IDC_COLOUR_BUTTON_FIRST), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return ShowsPeg(game, 0, 0); }));

    // Exit asks the engine to quit; with no help window that is no failure.
    PostMessageA(game.Item(IDC_EXIT), BM_CLICK, 0, 0);
    DWORD status = 1;
    EXPECT_TRUE(game.WaitForExit(status));
    EXPECT_EQ(status, 0u);
}

TEST_F(GameElsewhereTest, ACopyUnderAnotherNameLooksForItsOwnHelpFile) {
    {
        GameFolder folder("XYZ.exe", "zodedu.HLP");
        GameProcess game(folder.ExePath());
        ASSERT_NE(game.Main(), nullptr);
        PostMessageA(game.Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
        EXPECT_NE(game.WaitForWindow("#32770", "XYZ"), nullptr) << "XYZ.HLP is missing";
    }
    GameFolder folder("XYZ.exe", "XYZ.HLP");
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    PostMessageA(game.Item(IDC_HELP_BUTTON), BM_CLICK, 0, 0);
    EXPECT_NE(HelpWindow(game), nullptr);
}

} // namespace
