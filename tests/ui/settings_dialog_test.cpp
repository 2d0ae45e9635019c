// The Settings dialog from its real template: the box shows Sound Effects as the game uses
// it (zero or not), Alt+S toggles it, OK stores its state, Cancel stores nothing.
#include "settings_dialog.h"

#include "input.h"
#include "modal_dialog_test.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace {

class SettingsDialogTest : public ModalDialogTest {
protected:
    void Open() {
        ModalDialogTest::Open([] { return std::make_unique<SettingsDialog>(); }, Caption(IDD_SETTINGS));
    }
    UINT Box() const { return IsDlgButtonChecked(dialog, IDC_SOUND_EFFECTS); }
    UINT BoxOnce(UINT expected) const { return Awaited([this] { return Box(); }, expected); }
};

} // namespace

TEST_F(SettingsDialogTest, WithNothingStoredTheBoxIsUncheckedAndHasTheFocus) {
    Open();
    EXPECT_EQ(Box(), UINT{BST_UNCHECKED});
    EXPECT_EQ(InputStateOf(dialog).hwndFocus, GetDlgItem(dialog, IDC_SOUND_EFFECTS));
}

TEST_F(SettingsDialogTest, AltSTogglesTheBox) {
    Open();
    PressKey('S', {VK_MENU});
    EXPECT_EQ(BoxOnce(BST_CHECKED), UINT{BST_CHECKED});
    PressKey('S', {VK_MENU});
    EXPECT_EQ(BoxOnce(BST_UNCHECKED), UINT{BST_UNCHECKED});
    EXPECT_EQ(StoredSetting("Sound Effects"), std::nullopt) << "nothing stored before OK";
}

TEST_F(SettingsDialogTest, OkStoresTheCheckState) {
    Open();
    PressKey('S', {VK_MENU});
    PressKey(VK_RETURN);
    EXPECT_EQ(run->Result(), IDOK);
    EXPECT_EQ(StoredSetting("Sound Effects"), "1");

    Open();
    EXPECT_EQ(Box(), UINT{BST_CHECKED});
    PressKey('S', {VK_MENU});
    ClickWindow(GetDlgItem(dialog, IDOK));
    EXPECT_EQ(run->Result(), IDOK);
    EXPECT_EQ(StoredSetting("Sound Effects"), "0");
}

TEST_F(SettingsDialogTest, CancelStoresNothing) {
    Open();
    PressKey('S', {VK_MENU});
    ClickWindow(GetDlgItem(dialog, IDCANCEL));
    EXPECT_EQ(run->Result(), IDCANCEL);
    EXPECT_EQ(StoredSetting("Sound Effects"), std::nullopt);
}

// Sounds that are on (any non-zero value) show as on, and OK keeps them on.
TEST_F(SettingsDialogTest, AnyNonZeroValueShowsCheckedAndOkStoresOne) {
    for (const char* stored : {"1", "2", "7"}) {
        StoreSetting("Sound Effects", stored);
        Open();
        EXPECT_EQ(Box(), UINT{BST_CHECKED}) << stored;
        PressKey(VK_RETURN);
        EXPECT_EQ(run->Result(), IDOK) << stored;
        EXPECT_EQ(StoredSetting("Sound Effects"), "1") << stored;
        run.reset();
    }
    StoreSetting("Sound Effects", "0");
    Open();
    EXPECT_EQ(Box(), UINT{BST_UNCHECKED});
}
