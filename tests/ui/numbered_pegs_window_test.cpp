// The main window's side of numbered pegs and of screen readers: the window menu's item, checked
// while the stored choice is on, whoever stored it; and colour buttons named by their colours.
#include "resource.h"
#include "screen.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "wait.h"

#include <array>
#include <string>

namespace {

bool ItemChecked(HWND window) {
    return (GetMenuState(GetSystemMenu(window, FALSE), IDM_NUMBERED_PEGS, MF_BYCOMMAND) &
            MF_CHECKED) != 0;
}

} // namespace

TEST_F(MainWindowTest, TheWindowMenuItemSwitchesTheChoiceAndFollowsItWhoeverStoredIt) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    std::array<char, 64> text{};
    GetMenuStringA(GetSystemMenu(game.Window(), FALSE), IDM_NUMBERED_PEGS, text.data(),
                   static_cast<int>(text.size()), MF_BYCOMMAND);
    EXPECT_EQ(std::string(text.data()), "Numbered Pegs");
    EXPECT_FALSE(ItemChecked(game.Window()));

    PostMessageA(game.Window(), WM_SYSCOMMAND, IDM_NUMBERED_PEGS, 0);
    ASSERT_TRUE(GameThread().Flush());
    EXPECT_TRUE(settingsStore.GetNumberedPegs());
    EXPECT_TRUE(ItemChecked(game.Window()));

    settingsStore.SetNumberedPegs(false); // as another running copy would
    EXPECT_TRUE(WaitUntil([&] { return !ItemChecked(game.Window()); }, 3000))
        << "at the next tick";
}

TEST_F(MainWindowTest, ScreenReadersHearTheColourButtonsByTheirColours) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    for (int colour = 0; colour < COLOUR_COUNT; ++colour) {
        EXPECT_EQ(TextOf(game.Item(IDC_COLOUR_BUTTON_FIRST + colour)), kColourNames[colour]);
    }
    // The faces were found by the template's captions all the same.
    RECT button{};
    GetClientRect(game.Item(IDC_COLOUR_BUTTON_FIRST), &button);
    EXPECT_EQ(button.right, 25);
    EXPECT_EQ(button.bottom, 25);
}
