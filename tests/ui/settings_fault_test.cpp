// Settings keys that hold what no dialog ever writes (garbage text, a number of another type,
// a value longer than the store reads), met by the running game: it plays with the defaults,
// shows them in its dialogs and leaves the stored values alone until an OK replaces them.
#include "program_texts.h"
#include "resource.h"
#include "input.h"
#include "settings_store.h"
#include "stored_settings.h"
#include "ui_test_support.h"
#include "wait.h"
#include "wave_recorder.h"

#include <windows.h>

#include <cctype>
#include <ostream>
#include <set>
#include <string>

namespace {

constexpr const char* kKeys[] = {"NumberOfGuesses", "Duplicates", "Sound Effects", "TimeLimit"};

struct StoredFault {
    const char* name;
    DWORD type;
    std::string bytes; // as stored, NULs included
};

// Each fault, were it read as a value, would give something other than the default.
const StoredFault kFaults[] = {
    {"garbage", REG_SZ, std::string("\x01\xff 3x\x7f", 6) + '\0'},
    {"REG_DWORD", REG_DWORD, std::string("\x03\x00\x00\x00", 4)},
    {"over-long", REG_SZ, "3" + std::string(2047, '\0')},
    {"over-long digits", REG_SZ, std::string(1500, '1') + '\0'},
};

void PrintTo(const StoredFault& fault, std::ostream* out) {
    *out << fault.name;
}

// The value as stored: type and bytes.
std::pair<DWORD, std::string> Stored(const char* name) {
    const std::optional<RegistryValue> value = ReadRegistryValue(SettingKeyPath(name));
    if (!value) {
        return {REG_NONE, ""};
    }
    return {value->type, value->bytes};
}

bool LabelShown(const GameSession& game, int row) {
    return IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + row)) != FALSE;
}

bool FourDifferentColours(const GameState& state) {
    return std::set<ColourIndex>(state.Code().begin(), state.Code().end()).size() == PEG_COUNT;
}

class StoredFaultTest : public MainWindowTest, public testing::WithParamInterface<StoredFault> {};

TEST_P(StoredFaultTest, TheRunningGamePlaysWithTheDefaults) {
    for (const char* name : kKeys) {
        StoreRegistryValue(SettingKeyPath(name), GetParam().type, GetParam().bytes);
    }
    GameSession game;
    ASSERT_TRUE(game.Started());
    game.StopClock();

    // Twelve rows, fifteen minutes, four different colours, silence.
    EXPECT_TRUE(LabelShown(game, ROW_COUNT - 1));
    game.PostTick();
    ASSERT_TRUE(GameThread().Flush());
    const std::string remaining = game.State().RemainText().data();
    EXPECT_TRUE(remaining == "1500" || remaining == "1459") << remaining;
    for (int deal = 0; deal < 12; ++deal) {
        EXPECT_TRUE(FourDifferentColours(game.State())) << "deal " << deal;
        game.PostCommandClick(IDC_NEW_GAME);
        ASSERT_TRUE(GameThread().Flush());
    }

    // The twelfth row is still allowed, and wins.
    const GameState state = game.State();
    const Guess code{state.Code()[0], state.Code()[1], state.Code()[2], state.Code()[3]};
    const Guess miss{code[1], code[2], code[3], code[0]};
    for (int row = 0; row < ROW_COUNT - 1; ++row) {
        EnterRow(game, miss);
    }
    const HWND win = EnterFinalRow(game, code, Caption(IDD_WIN));
    ASSERT_NE(win, nullptr);
    CloseAndWaitForDeal(game, win);
    EXPECT_EQ(game.State().GamesWon(), 1);
    EXPECT_TRUE(RecordedSounds().empty()) << "sounds are off by default";

    // The Difficulty dialog offers the defaults; Cancel leaves the stored values as they were.
    game.PostCommandClick(IDC_DIFFICULTY);
    const HWND difficulty = WaitForDialog(Caption(IDD_DIFFICULTY));
    ASSERT_NE(difficulty, nullptr);
    char guesses[8] = {}, limit[8] = {};
    GetDlgItemTextA(difficulty, IDC_GUESSES, guesses, sizeof guesses);
    GetDlgItemTextA(difficulty, IDC_TIME_LIMIT, limit, sizeof limit);
    EXPECT_STREQ(guesses, "12");
    EXPECT_STREQ(limit, "15");
    EXPECT_EQ(SendDlgItemMessageA(difficulty, IDC_DUPLICATES, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PressDialogButton(difficulty, IDCANCEL);
    ASSERT_TRUE(WaitForDialogGone(difficulty));
    for (const char* name : kKeys) {
        EXPECT_EQ(Stored(name), std::make_pair(GetParam().type, GetParam().bytes)) << name;
    }

    // OK stores proper texts in their place.
    game.PostCommandClick(IDC_DIFFICULTY);
    const HWND again = WaitForDialog(Caption(IDD_DIFFICULTY));
    ASSERT_NE(again, nullptr);
    PressDialogButton(again, IDOK);
    ASSERT_TRUE(WaitForDialogGone(again));
    EXPECT_EQ(Stored("NumberOfGuesses"), std::make_pair(DWORD{REG_SZ}, std::string("12", 3)));
    EXPECT_EQ(Stored("TimeLimit"), std::make_pair(DWORD{REG_SZ}, std::string("15", 3)));
    EXPECT_EQ(Stored("Duplicates"), std::make_pair(DWORD{REG_SZ}, std::string("0", 2)));
}

INSTANTIATE_TEST_SUITE_P(Faults, StoredFaultTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<StoredFault>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

} // namespace
