// Template 102 as the running window shows it: frame and caption, every control where the
// layout puts it, the default and first buttons, and the window's state after initialisation.
#include "main_window.h"

#include "resource.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "screen.h"
#include "wait.h"

#include <cstring>
#include <set>
#include <vector>

// RECT lives in the global namespace; so must its comparison, for the assertions to find it.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

struct Placed {
    int id;
    int x, y, width, height; // dialog units
};

// Every control with an identifier, in dialog units.
std::vector<Placed> ExpectedLayout() {
    std::vector<Placed> layout;
    for (int row = 0; row < ROW_COUNT; ++row) {
        for (int p = 0; p < PEG_COUNT; ++p) {
            layout.push_back({IDC_PEG_FIRST + 4 * row + p, 25 + 13 * p, 37 + 12 * row, 6, 8});
        }
        layout.push_back({IDC_EXACT_FIRST + row, 84, 37 + 12 * row, 6, 8});
        layout.push_back({IDC_COLOUR_COUNT_FIRST + row, 99, 37 + 12 * row, 6, 8});
        layout.push_back({IDC_ROW_LABEL_FIRST + row, 9, 39 + 12 * row, 9, 8});
    }
    layout.push_back({IDC_HEADER_EXACT, 84, 19, 10, 10});
    layout.push_back({IDC_HEADER_COLOUR, 98, 19, 10, 10});
    const int clockX[] = {136, 149, 162, 169, 182, 195, 202, 215};
    for (int i = 0; i < 8; ++i) {
        const int id = IDC_CLOCK_FIRST + i;
        const bool colon = id == IDC_CLOCK_COLON_1 || id == IDC_CLOCK_COLON_2;
        layout.push_back({id, clockX[i], 33, colon ? 4 : 10, 19});
    }
    for (int i = 0; i < 5; ++i) {
        const int id = IDC_REMAIN_FIRST + i;
        layout.push_back({id, clockX[i], 72, id == IDC_REMAIN_COLON ? 4 : 10, 19});
    }
    layout.push_back({IDC_GAMES_PLAYED, 195, 122, 25, 10});
    layout.push_back({IDC_GAMES_WON, 195, 134, 37, 10});
    layout.push_back({IDC_DIFFICULTY, 128, 162, 46, 12});
    layout.push_back({IDC_SETTINGS, 188, 162, 46, 12});
    layout.push_back({IDC_ABOUT, 128, 178, 46, 12});
    layout.push_back({IDC_HELP_BUTTON, 188, 178, 46, 12});
    layout.push_back({IDC_NEW_GAME, 128, 194, 46, 12});
    layout.push_back({IDC_EXIT, 188, 194, 46, 12});
    return layout;
}

RECT InDialog(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT Units(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(dialog, &rect);
    return rect;
}

HWND ChildWithText(HWND dialog, const char* text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (TextOf(child) == text) {
            return child;
        }
    }
    return nullptr;
}

} // namespace

class MainWindowTemplateTest : public MainWindowTest {};

TEST_F(MainWindowTemplateTest, FrameAndCaption) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    const HWND window = game.Window();
    EXPECT_EQ(TextOf(window), "Zodedu");
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    for (const DWORD wanted : {DWORD{WS_POPUP}, DWORD{WS_VISIBLE}, DWORD{WS_CAPTION},
                               DWORD{WS_SYSMENU}, DWORD{WS_MINIMIZEBOX}}) {
        EXPECT_EQ(style & wanted, wanted) << std::hex << wanted;
    }
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
    for (const DWORD unwanted :
         {DWORD{WS_MAXIMIZEBOX}, DWORD{WS_THICKFRAME}, DWORD{WS_CLIPCHILDREN}}) {
        EXPECT_EQ(style & unwanted, 0u) << std::hex << unwanted;
    }
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client, Units(window, 0, 0, 243, 212));
    // "System" at 10 points: two pixels per dialog unit each way.
    EXPECT_EQ(Units(window, 0, 0, 243, 212), (RECT{0, 0, 486, 424}));
}

TEST_F(MainWindowTemplateTest, EveryControlSitsWhereTheLayoutPutsIt) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    const HWND window = game.Window();
    std::set<int> seen;
    for (const Placed& placed : ExpectedLayout()) {
        const HWND control = game.Item(placed.id);
        ASSERT_NE(control, nullptr) << placed.id;
        EXPECT_EQ(InDialog(window, control),
                  Units(window, placed.x, placed.y, placed.width, placed.height))
            << placed.id;
        EXPECT_TRUE(seen.insert(placed.id).second) << placed.id;
    }
    // Bound colour buttons keep their corner and take the 25 x 25 pixel size of their faces.
    for (int k = 0; k < COLOUR_COUNT; ++k) {
        const HWND button = game.Item(IDC_COLOUR_BUTTON_FIRST + k);
        ASSERT_NE(button, nullptr);
        const RECT corner = Units(window, 13 + 16 * k, 188, 0, 0);
        EXPECT_EQ(InDialog(window, button),
                  (RECT{corner.left, corner.top, corner.left + 25, corner.top + 25}))
            << k;
        // Bound, a button is named by its colour for screen readers; its faces keep the
        // template's caption as their name.
        EXPECT_EQ(TextOf(button), kColourNames[k]);
        const LONG style = GetWindowLongA(button, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_EQ(style & WS_TABSTOP, 0);
    }
    const struct {
        const char* text;
        int x, y, width, height;
    } labels[] = {
        {"Control Panel", 5, 7, 110, 198}, {"Time", 123, 7, 115, 97},
        {"Current:", 131, 22, 28, 8},      {"Remaining:", 131, 60, 63, 8},
        {"Scoreboard", 123, 109, 115, 40}, {"Games Played:", 131, 122, 54, 9},
        {"Games Won:", 131, 134, 54, 9},
    };
    for (const auto& label : labels) {
        const HWND control = ChildWithText(window, label.text);
        ASSERT_NE(control, nullptr) << label.text;
        EXPECT_EQ(InDialog(window, control),
                  Units(window, label.x, label.y, label.width, label.height))
            << label.text;
    }
}

TEST_F(MainWindowTemplateTest, LabelsAndButtonsCarryTheirTextsAndRoles) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    for (int row = 0; row < ROW_COUNT; ++row) {
        const HWND label = game.Item(IDC_ROW_LABEL_FIRST + row);
        EXPECT_EQ(TextOf(label), std::to_string(row + 1));
        EXPECT_EQ(GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
    }
    const struct {
        int id;
        const char* caption;
    } commands[] = {{IDC_DIFFICULTY, "&Difficulty..."}, {IDC_SETTINGS, "&Settings..."},
                    {IDC_ABOUT, "&About..."},           {IDC_HELP_BUTTON, "&Help"},
                    {IDC_NEW_GAME, "&New Game"},        {IDC_EXIT, "E&xit"}};
    for (const auto& command : commands) {
        const HWND button = game.Item(command.id);
        EXPECT_EQ(TextOf(button), command.caption);
        EXPECT_NE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP, 0) << command.caption;
    }
    EXPECT_EQ(LOWORD(SendMessageA(game.Window(), DM_GETDEFID, 0, 0)), IDC_NEW_GAME);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GameThread().Id(), &info);
    EXPECT_EQ(info.hwndFocus, game.Item(IDC_DIFFICULTY)) << "the first tab stop has the focus";
}

TEST_F(MainWindowTemplateTest, InitialisationDealsStartsTheClockAndInstallsTheIcon) {
    GameSession game;
    ASSERT_TRUE(game.Started());
    const GameState state = game.State();
    EXPECT_TRUE(BoardIsEmpty(state));
    std::set<ColourIndex> colours(state.Code().begin(), state.Code().end());
    EXPECT_EQ(colours.size(), 4u) << "duplicates are off unless stored";
    EXPECT_GE(*colours.begin(), 0);
    EXPECT_LT(*colours.rbegin(), COLOUR_COUNT);
    EXPECT_NE(GetClassLongPtrA(game.Window(), GCLP_HICON), 0);
    EXPECT_TRUE(WaitUntil([&] {
        return game.Text(IDC_GAMES_PLAYED) == "0" && game.Text(IDC_GAMES_WON) == "0 (0%)";
    }));
    for (int row = 0; row < ROW_COUNT; ++row) {
        EXPECT_TRUE(IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + row))) << row;
    }
    // The window's own timer ticks the clock.
    EXPECT_TRUE(
        WaitUntil([&] { return std::strlen(game.State().ClockText().data()) == 6; }, 3000));
}
