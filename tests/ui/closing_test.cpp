// Every way out of each of the five dialogs, by real keys and clicks: Enter and the OK or
// "&Close" button end with 1, Escape, the close box and Cancel with 2. Only the Difficulty
// and Settings dialogs may store anything, and only on OK.
#include "game_dialogs.h"
#include "input.h"
#include "resource.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// OkButton is the button with the OK command: "&Close" in the result and About dialogs.
enum class Way { Enter, Escape, CloseBox, OkButton, CancelButton };

struct Case {
    const GameDialog* dialog;
    Way way;
};

const char* WayName(Way way) {
    static const char* const names[] = {"Enter", "Escape", "CloseBox", "OkButton", "CancelButton"};
    return names[static_cast<int>(way)];
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.dialog->name << " by " << WayName(c.way);
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return std::string(info.param.dialog->name) + "_" + WayName(info.param.way);
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const GameDialog& dialog : GameDialogs()) {
        for (Way way : {Way::Enter, Way::Escape, Way::CloseBox, Way::OkButton}) {
            cases.push_back({&dialog, way});
        }
        if (dialog.storesOnOk) {
            cases.push_back({&dialog, Way::CancelButton});
        }
    }
    return cases;
}

class ClosingTest : public StoredSettingsTest, public testing::WithParamInterface<Case> {};

} // namespace

TEST_P(ClosingTest, EndsWithTheRightResultAndStoresOnlyOnOk) {
    const GameDialog& kind = *GetParam().dialog;
    const Way way = GetParam().way;
    // Values the OK of either settings dialog would store differently: 7 is stored back as 1.
    StoreSetting("NumberOfGuesses", "9");
    StoreSetting("Duplicates", "7");
    StoreSetting("Sound Effects", "7");
    StoreSetting("TimeLimit", "4");
    const auto before = StoredSettings();

    ModalRun run(kind.make);
    const HWND dialog = WaitForDialog(kind.caption);
    ASSERT_NE(dialog, nullptr);
    switch (way) {
    case Way::Enter:
        PressKey(VK_RETURN);
        break;
    case Way::Escape:
        PressKey(VK_ESCAPE);
        break;
    case Way::CloseBox:
        ASSERT_TRUE(ClickCloseBox(dialog));
        break;
    case Way::OkButton:
        ClickWindow(GetDlgItem(dialog, IDOK));
        break;
    case Way::CancelButton:
        ClickWindow(GetDlgItem(dialog, IDCANCEL));
        break;
    }
    const bool ok = way == Way::Enter || way == Way::OkButton;
    EXPECT_EQ(run.Result(), ok ? IDOK : IDCANCEL);
    EXPECT_FALSE(IsWindow(dialog));

    auto expected = before;
    if (ok && std::string(kind.name) == "Difficulty") {
        expected["Duplicates"] = "1";
    } else if (ok && std::string(kind.name) == "Settings") {
        expected["Sound Effects"] = "1";
    }
    EXPECT_EQ(StoredSettings(), expected);
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, ClosingTest, testing::ValuesIn(AllCases()), CaseName);
