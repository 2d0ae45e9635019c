// Numbered pegs in the real game: F2 and the window menu switch them and the choice is stored;
// the board's pegs, the colour buttons and the lose dialog's code then carry their numbers, a
// second running copy follows; and while the choice is off or unreadable every picture is the
// plain one of the catalogue, pixel for pixel.
#include "game_process.h"
#include "game_state.h"
#include "input.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

constexpr char kNumberedPegs[] = "Numbered Pegs";

std::string FaceName(int colour, const char* look) {
    return "IDB_" + std::to_string(colour) + look;
}

// Every colour button shows its up face of the look ("U" plain, "NU" numbered).
bool ButtonsShow(const GameProcess& game, const char* look) {
    for (int colour = 0; colour < COLOUR_COUNT; ++colour) {
        if (!ShowsBitmap(game.Item(IDC_COLOUR_BUTTON_FIRST + colour), FaceName(colour, look).c_str())) {
            return false;
        }
    }
    return true;
}

bool PegShows(const GameProcess& game, int cell, int bitmap) {
    return ShowsBitmap(game.Item(IDC_PEG_FIRST + cell), MAKEINTRESOURCEA(bitmap));
}

std::string StoredChoice() {
    const auto value = ReadRegistryValue(SettingKeyPath(kNumberedPegs));
    return value ? value->Text() : "(none)";
}

class NumberedPegsTest : public StoredSettingsTest {
protected:
    GameFolder folder{"zodedu.exe", "zodedu.HLP"};
};

TEST_F(NumberedPegsTest, F2AndTheWindowMenuSwitchEveryPegAndButtonAndStoreTheChoice) {
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    BringToFront(game.Main());
    PressKey('3');
    ASSERT_TRUE(WaitUntil([&] { return PegShows(game, 0, IDB_PEG_FIRST + 2); }));

    PressKey(VK_F2);
    EXPECT_TRUE(WaitUntil([&] { return PegShows(game, 0, IDB_NUMBERED_PEG_FIRST + 2); }))
        << "the board's peg";
    EXPECT_TRUE(WaitUntil([&] { return ButtonsShow(game, "NU"); })) << "the buttons";
    EXPECT_EQ(StoredChoice(), "1");

    // The window menu's last item, from the keyboard.
    PressKey(VK_SPACE, {VK_MENU});
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return PegShows(game, 0, IDB_PEG_FIRST + 2); }));
    EXPECT_TRUE(WaitUntil([&] { return ButtonsShow(game, "U"); }));
    EXPECT_EQ(StoredChoice(), "0");

    HoldKey(VK_F2, 3); // one press, one switch: four switches would end where they began
    EXPECT_TRUE(WaitUntil([&] { return ButtonsShow(game, "NU"); }));
    EXPECT_EQ(StoredChoice(), "1");
}

TEST_F(NumberedPegsTest, TheLoseDialogShowsTheCodeNumbered) {
    StoreRegistryValue(SettingKeyPath("NumberOfGuesses"), REG_SZ, std::string("1", 2));
    StoreRegistryValue(SettingKeyPath(kNumberedPegs), REG_SZ, std::string("1", 2));
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    BringToFront(game.Main());
    // One row allowed, and a colour twice in it cannot match a code of four different colours.
    for (const char key : {'1', '2', '3', '1'}) {
        PressKey(static_cast<WORD>(key));
    }
    const HWND lose = game.WaitForWindow("#32770", Caption(IDD_LOSE));
    ASSERT_NE(lose, nullptr);
    for (int position = 0; position < PEG_COUNT; ++position) {
        const HWND anchor = GetDlgItem(lose, IDC_CODE_PEG_FIRST + position);
        EXPECT_TRUE(WaitUntil([&] {
            return ShownBitmap(anchor, IDB_NUMBERED_PEG_FIRST, COLOUR_COUNT).has_value();
        })) << "code peg " << position;
    }
}

TEST_F(NumberedPegsTest, ASecondRunningCopyFollowsTheSwitch) {
    GameProcess first(folder.ExePath());
    GameProcess second(folder.ExePath());
    ASSERT_NE(first.Main(), nullptr);
    ASSERT_NE(second.Main(), nullptr);
    PostMessageA(second.Item(IDC_COLOUR_BUTTON_FIRST + 5), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return PegShows(second, 0, IDB_PEG_FIRST + 5); }));

    BringToFront(first.Main());
    PressKey(VK_F2);
    ASSERT_TRUE(WaitUntil([&] { return ButtonsShow(first, "NU"); }));
    BringToFront(second.Main());
    EXPECT_TRUE(WaitUntil([&] { return ButtonsShow(second, "NU"); }, 4000)) << "at its next pass";
    EXPECT_TRUE(WaitUntil([&] { return PegShows(second, 0, IDB_NUMBERED_PEG_FIRST + 5); }));
}

// Without a readable "1" every picture is the plain one, and nothing is written for it.
class StoredChoiceTest : public NumberedPegsTest,
                         public ::testing::WithParamInterface<std::pair<DWORD, std::string>> {};

TEST_P(StoredChoiceTest, AnythingButOneMeansThePlainPictures) {
    const auto& [type, bytes] = GetParam();
    if (type != REG_NONE) {
        StoreRegistryValue(SettingKeyPath(kNumberedPegs), type, bytes);
    }
    GameProcess game(folder.ExePath());
    ASSERT_NE(game.Main(), nullptr);
    // Every colour once, with red again to end the first row: the code has four different
    // colours, so that row cannot win and raise a dialog over the board.
    constexpr ColourIndex kEntered[] = {0, 1, 2, 0, 3, 4, 5};
    for (const ColourIndex colour : kEntered) {
        PostMessageA(game.Item(IDC_COLOUR_BUTTON_FIRST + colour), BM_CLICK, 0, 0);
    }
    EXPECT_TRUE(WaitUntil([&] {
        for (int cell = 0; cell < static_cast<int>(std::size(kEntered)); ++cell) {
            if (!PegShows(game, cell, IDB_PEG_FIRST + kEntered[cell])) {
                return false;
            }
        }
        return true;
    })) << "the six plain pegs";
    EXPECT_TRUE(ButtonsShow(game, "U")) << "the plain faces";

    PostMessageA(game.Item(IDC_EXIT), BM_CLICK, 0, 0);
    DWORD status = 1;
    ASSERT_TRUE(game.WaitForExit(status));
    const auto stored = ReadRegistryValue(SettingKeyPath(kNumberedPegs));
    EXPECT_EQ(stored.has_value(), type != REG_NONE);
    if (stored) {
        EXPECT_EQ(stored->bytes, bytes) << "left as it was";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadForms, StoredChoiceTest,
    ::testing::Values(std::pair<DWORD, std::string>{REG_NONE, ""},
                      std::pair<DWORD, std::string>{REG_SZ, std::string(1, '\0')},
                      std::pair<DWORD, std::string>{REG_SZ, std::string("2", 2)},
                      std::pair<DWORD, std::string>{REG_SZ, std::string("x", 2)},
                      std::pair<DWORD, std::string>{REG_DWORD, std::string("\1\0\0\0", 4)}));

} // namespace
