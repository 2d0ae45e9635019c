// Template 102 as the running window shows it: frame and caption, every control where the
// template puts it, the default and first buttons, and the window's state after initialisation;
// and the rules of the layout, checked on the template as the program carries it.
#include "main_window.h"

#include "dialog_template.h"
#include "resource.h"
#include "screen.h"
#include "settings_store.h"
#include "ui_test_support.h"
#include "wait.h"

#include <cstring>
#include <optional>
#include <set>

namespace {

// The template linked into this program, the one the game's window is made from.
const DialogTemplate* MainTemplate() {
    static const std::optional<DialogTemplate> layout =
        LoadDialogTemplate(GetModuleHandleA(nullptr), IDD_MAIN);
    return layout ? &*layout : nullptr;
}

RECT InDialog(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT Units(HWND dialog, RECT units) {
    MapDialogRect(dialog, &units);
    return units;
}

RECT Units(HWND dialog, int x, int y, int width, int height) {
    return Units(dialog, RECT{x, y, x + width, y + height});
}

bool IsColourButton(int id) {
    return id >= IDC_COLOUR_BUTTON_FIRST && id < IDC_COLOUR_BUTTON_FIRST + COLOUR_COUNT;
}

// The template's control of the identifier is where the layout's rules put it.
void ExpectPlaced(const DialogTemplate& layout, int id, int x, int y, int width, int height) {
    const TemplateItem* item = layout.Find(id);
    ASSERT_NE(item, nullptr) << id;
    EXPECT_EQ(item->Units(), (RECT{x, y, x + width, y + height})) << id;
}

// The layout's measures, in dialog units.
constexpr int kPegLeft = 25;
constexpr int kPegPitch = 13;
constexpr int kRowTop = 37;
constexpr int kRowPitch = 12;
constexpr int kExactLeft = 84;
constexpr int kColourCountLeft = 99;
constexpr int kRowLabelLeft = 9;
constexpr int kRowLabelDrop = 2; // the numbers sit a little below their row's pegs
constexpr int kClockLeft = 136;
constexpr int kClockGap = 3; // between the clocks' anchors, digits and colons alike
constexpr int kClockTop = 33;
constexpr int kRemainTop = 72;

} // namespace

class MainWindowTemplateTest : public MainWindowTest {};

TEST_F(MainWindowTemplateTest, FrameAndCaption) {
    const DialogTemplate* layout = MainTemplate();
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->width, 243);
    EXPECT_EQ(layout->height, 212);
    EXPECT_EQ(layout->pointSize, 10);
    EXPECT_EQ(layout->typeface, L"System");
    GameSession game;
    ASSERT_TRUE(game.Started());
    const HWND window = game.Window();
    EXPECT_EQ(TextOf(window), "Zodedu");
    EXPECT_EQ(TextOf(window), AnsiText(layout->title));
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
    EXPECT_EQ(client, Units(window, 0, 0, layout->width, layout->height));
    // "System" at 10 points: two pixels per dialog unit each way.
    EXPECT_EQ(Units(window, 0, 0, 243, 212), (RECT{0, 0, 486, 424}));
}

TEST_F(MainWindowTemplateTest, EveryControlSitsWhereTheLayoutPutsIt) {
    const DialogTemplate* layout = MainTemplate();
    ASSERT_NE(layout, nullptr);
    GameSession game;
    ASSERT_TRUE(game.Started());
    const HWND window = game.Window();
    // The dialog makes its controls in template order, the first one on top.
    HWND control = GetWindow(window, GW_CHILD);
    for (const TemplateItem& item : layout->items) {
        const std::string title = AnsiText(item.title.text);
        ASSERT_NE(control, nullptr) << "no control for " << item.id << " " << title;
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), item.id) << title;
        if (item.id == 0xFFFF) {
            EXPECT_EQ(TextOf(control), title); // the labels are known by their text alone
        }
        if (!IsColourButton(item.id)) {
            EXPECT_EQ(InDialog(window, control), Units(window, item.Units()))
                << item.id << " " << title;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "a control the template does not have";
    // Bound colour buttons keep their corner and take the 25 x 25 pixel size of their faces.
    for (int k = 0; k < COLOUR_COUNT; ++k) {
        const TemplateItem* face = layout->Find(IDC_COLOUR_BUTTON_FIRST + k);
        ASSERT_NE(face, nullptr) << k;
        const HWND button = game.Item(IDC_COLOUR_BUTTON_FIRST + k);
        ASSERT_NE(button, nullptr);
        const RECT corner = Units(window, face->x, face->y, 0, 0);
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
}

TEST_F(MainWindowTemplateTest, TheTemplateKeepsTheLayoutsRules) {
    const DialogTemplate* layout = MainTemplate();
    ASSERT_NE(layout, nullptr);
    std::set<int> seen;
    for (const TemplateItem& item : layout->items) {
        if (item.id != 0xFFFF) {
            EXPECT_TRUE(seen.insert(item.id).second) << "two controls " << item.id;
        }
    }
    // The board: rows of four pegs, then each row's exact and colour counts, its number
    // beside it.
    for (int row = 0; row < ROW_COUNT; ++row) {
        const int y = kRowTop + kRowPitch * row;
        for (int p = 0; p < PEG_COUNT; ++p) {
            ExpectPlaced(*layout, IDC_PEG_FIRST + 4 * row + p, kPegLeft + kPegPitch * p, y, 6, 8);
        }
        ExpectPlaced(*layout, IDC_EXACT_FIRST + row, kExactLeft, y, 6, 8);
        ExpectPlaced(*layout, IDC_COLOUR_COUNT_FIRST + row, kColourCountLeft, y, 6, 8);
        ExpectPlaced(*layout, IDC_ROW_LABEL_FIRST + row, kRowLabelLeft, y + kRowLabelDrop, 9, 8);
    }
    ExpectPlaced(*layout, IDC_HEADER_EXACT, 84, 19, 10, 10);
    ExpectPlaced(*layout, IDC_HEADER_COLOUR, 98, 19, 10, 10);
    // The clocks: anchors side by side, digits 10 units wide and colons 4; the time remaining
    // takes the places of the time of day's first five.
    const int clockIds[2] = {IDC_CLOCK_FIRST, IDC_REMAIN_FIRST};
    const int clockLengths[2] = {8, 5};
    const int clockTops[2] = {kClockTop, kRemainTop};
    for (int clock = 0; clock < 2; ++clock) {
        int x = kClockLeft;
        for (int i = 0; i < clockLengths[clock]; ++i) {
            const int id = clockIds[clock] + i;
            const bool colon =
                id == IDC_CLOCK_COLON_1 || id == IDC_CLOCK_COLON_2 || id == IDC_REMAIN_COLON;
            const int width = colon ? 4 : 10;
            ExpectPlaced(*layout, id, x, clockTops[clock], width, 19);
            x += width + kClockGap;
        }
    }
    ExpectPlaced(*layout, IDC_GAMES_PLAYED, 195, 122, 25, 10);
    ExpectPlaced(*layout, IDC_GAMES_WON, 195, 134, 37, 10);
    // The commands: two columns of three, all of one size.
    const int commands[3][2] = {
        {IDC_DIFFICULTY, IDC_SETTINGS}, {IDC_ABOUT, IDC_HELP_BUTTON}, {IDC_NEW_GAME, IDC_EXIT}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            ExpectPlaced(*layout, commands[row][column], 128 + 60 * column, 162 + 16 * row, 46, 12);
        }
    }
    // The colour buttons' corners; their size is their faces'.
    for (int k = 0; k < COLOUR_COUNT; ++k) {
        const TemplateItem* button = layout->Find(IDC_COLOUR_BUTTON_FIRST + k);
        ASSERT_NE(button, nullptr) << k;
        EXPECT_EQ(button->x, 13 + 16 * k) << k;
        EXPECT_EQ(button->y, 188) << k;
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
        int found = 0;
        for (const TemplateItem& item : layout->items) {
            if (AnsiText(item.title.text) == label.text) {
                ++found;
                EXPECT_EQ(item.Units(),
                          (RECT{label.x, label.y, label.x + label.width, label.y + label.height}))
                    << label.text;
            }
        }
        EXPECT_EQ(found, 1) << label.text;
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
    EXPECT_EQ(InputStateOf(game.Window()).hwndFocus, game.Item(IDC_DIFFICULTY))
        << "the first tab stop has the focus";
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
