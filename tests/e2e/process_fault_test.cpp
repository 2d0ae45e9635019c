// Faults met by the real zodedu.exe: sounds switched on with the wave files missing, or with no
// sound device at all (the test prefix has none), played by real input; and two copies of the
// program changing the shared settings in turn.
#include "game_process.h"
#include "input.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace {

constexpr const char* kWaveFiles[] = {"first.wav", "last.wav", "win.wav", "lose.wav"};

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

int LabelsShown(const GameProcess& game) {
    int shown = 0;
    for (int row = 0; row < 12; ++row) {
        shown += IsWindowVisible(game.Item(IDC_ROW_LABEL_FIRST + row)) ? 1 : 0;
    }
    return shown;
}

// The two copies' windows overlap: the one to be clicked or read from the screen is raised first,
// until a point in its middle is really its own on the screen.
bool Raise(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringToFront(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    return WaitUntil([&] { return GetAncestor(WindowFromPoint(middle), GA_ROOT) == window; });
}

// The selected item's text of a drop-down list in another process, asked of the list itself.
std::string Selected(HWND dialog, int listId) {
    char text[16] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, listId), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &length);
    return text;
}

bool Checked(HWND dialog, int boxId) {
    return SendDlgItemMessageA(dialog, boxId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Closes a dialog with a key and waits for it to go.
bool CloseWith(HWND dialog, WORD key) {
    Raise(dialog);
    PressKey(key);
    return WaitUntil([&] { return !IsWindow(dialog); });
}

bool ExitsWithZero(const GameProcess& game) {
    Raise(game.Main());
    ClickWindow(game.Item(IDC_EXIT));
    DWORD exitCode = 1;
    return game.WaitForExit(exitCode) && exitCode == 0;
}

class ProcessFaultTest : public StoredSettingsTest {};

// true: the wave files lie beside the game, but no device plays them; false: they are gone.
class SoundFaultTest : public ProcessFaultTest, public testing::WithParamInterface<bool> {};

TEST_P(SoundFaultTest, WithSoundsOnAGameIsPlayedLostAndEndedWithoutAWordOrAWait) {
    const bool wavesPresent = GetParam();
    EXPECT_EQ(waveOutGetNumDevs(), 0u) << "the test prefix is meant to have no sound device";
    StoreSetting("Sound Effects", "1");
    StoreSetting("NumberOfGuesses", "1");
    const GameFolder folder("zodedu.exe", "zodedu.HLP");
    for (const char* wave : kWaveFiles) {
        const std::string path = FolderOf(folder.ExePath()) + "\\" + wave;
        if (!wavesPresent) {
            DeleteFileA(path.c_str());
        }
        ASSERT_EQ(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES, wavesPresent);
    }

    const GameProcess game(folder.ExePath()); // "first.wav"
    ASSERT_NE(game.Main(), nullptr);
    ASSERT_TRUE(Raise(game.Main()));
    // One colour four times: with four different colours in the code, a row that loses.
    for (int peg = 0; peg < 4; ++peg) {
        ClickWindow(game.Item(IDC_COLOUR_BUTTON_FIRST));
    }
    const HWND lose = game.WaitForWindow("#32770", Caption(IDD_LOSE)); // "lose.wav"
    ASSERT_NE(lose, nullptr);
    EXPECT_EQ(game.Windows().size(), 2u) << "nothing but the game and its lose dialog";
    EXPECT_TRUE(CloseWith(lose, VK_RETURN));
    EXPECT_TRUE(ExitsWithZero(game)); // "last.wav"
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundFaultTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "NoSoundDevice" : "NoWaveFiles");
                         });

// A drop-down list's or a box's new state, as the player would leave it before pressing OK.
void Choose(HWND dialog, int listId, int index) {
    SendDlgItemMessageA(dialog, listId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SetChecked(HWND dialog, int boxId, bool checked) {
    SendDlgItemMessageA(dialog, boxId, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Checks that the copy's Settings shows the sounds as `shown`, and stores them switched.
void SwitchSounds(const GameProcess& game, bool shown) {
    ConfirmDialog(game, IDC_SETTINGS, [&](HWND dialog) {
        EXPECT_EQ(Checked(dialog, IDC_SOUND_EFFECTS), shown);
        SetChecked(dialog, IDC_SOUND_EFFECTS, !shown);
    });
    EXPECT_EQ(StoredSetting("Sound Effects"), shown ? "0" : "1");
}

// The two windows overlap and take the foreground from each other, so the copies are driven by
// messages to their controls: what this checks is what each copy stores and reads, not input.
TEST_F(ProcessFaultTest, TwoCopiesChangingTheSettingsInTurnEachSeeTheOthersLatest) {
    const GameFolder folder("zodedu.exe", "zodedu.HLP");
    const GameProcess first(folder.ExePath());
    const GameProcess second(folder.ExePath());
    ASSERT_NE(first.Main(), nullptr);
    ASSERT_NE(second.Main(), nullptr);

    // The first copy lowers the guesses to 5 and deals; the second deals with them next time.
    ConfirmDialog(first, IDC_DIFFICULTY, [](HWND dialog) { Choose(dialog, IDC_GUESSES, 4); });
    EXPECT_EQ(StoredSetting("NumberOfGuesses"), "5");
    EXPECT_TRUE(WaitUntil([&] { return LabelsShown(first) == 5; }));
    EXPECT_EQ(LabelsShown(second), 12) << "the game in play keeps its rows";
    PostMessageA(second.Item(IDC_NEW_GAME), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return LabelsShown(second) == 5; }));

    // The second copy shows that, and answers with 9 guesses, 3 minutes and duplicates.
    ConfirmDialog(second, IDC_DIFFICULTY, [](HWND dialog) {
        EXPECT_EQ(Selected(dialog, IDC_GUESSES), "5");
        EXPECT_EQ(Selected(dialog, IDC_TIME_LIMIT), "15");
        Choose(dialog, IDC_GUESSES, 8);
        Choose(dialog, IDC_TIME_LIMIT, 2);
        SetChecked(dialog, IDC_DUPLICATES, true);
    });
    EXPECT_EQ(StoredSetting("NumberOfGuesses"), "9");
    EXPECT_EQ(StoredSetting("TimeLimit"), "3");
    EXPECT_EQ(StoredSetting("Duplicates"), "1");
    EXPECT_TRUE(WaitUntil([&] { return LabelsShown(second) == 9; }));

    // The first copy sees all three, takes the duplicates back, and its next game has 9 rows.
    ConfirmDialog(first, IDC_DIFFICULTY, [](HWND dialog) {
        EXPECT_EQ(Selected(dialog, IDC_GUESSES), "9");
        EXPECT_EQ(Selected(dialog, IDC_TIME_LIMIT), "3");
        EXPECT_TRUE(Checked(dialog, IDC_DUPLICATES));
        SetChecked(dialog, IDC_DUPLICATES, false);
    });
    EXPECT_EQ(StoredSetting("Duplicates"), "0");
    EXPECT_TRUE(WaitUntil([&] { return LabelsShown(first) == 9; }));

    // Sounds: on in one copy, seen and turned off in the other, seen off in the first.
    ASSERT_NO_FATAL_FAILURE(SwitchSounds(first, false));
    ASSERT_NO_FATAL_FAILURE(SwitchSounds(second, true));
    ConfirmDialog(first, IDC_SETTINGS,
                  [](HWND dialog) { EXPECT_FALSE(Checked(dialog, IDC_SOUND_EFFECTS)); });

    // Three rows played in the first copy, then the second lowers the guesses to 2: the
    // first copy's next click finds no free cell until it deals again.
    ASSERT_TRUE(Raise(first.Main())); // its pegs are read from the screen
    for (int peg = 0; peg < 12; ++peg) {
        // One colour a row: no win.
        PostMessageA(first.Item(IDC_COLOUR_BUTTON_FIRST + peg / 4), BM_CLICK, 0, 0);
    }
    EXPECT_TRUE(WaitUntil([&] {
        return ShowsBitmap(first.Item(IDC_PEG_FIRST + 11), MAKEINTRESOURCEA(IDB_PEG_FIRST + 2));
    }));
    ConfirmDialog(second, IDC_DIFFICULTY, [](HWND dialog) { Choose(dialog, IDC_GUESSES, 1); });
    EXPECT_EQ(StoredSetting("NumberOfGuesses"), "2");
    ASSERT_TRUE(Raise(first.Main()));
    PostMessageA(first.Item(IDC_COLOUR_BUTTON_FIRST + 5), BM_CLICK, 0, 0);
    // A tick's display pass draws every peg there is: none after it, none at all.
    RECT seconds{};
    GetWindowRect(first.Item(IDC_CLOCK_LAST), &seconds);
    const auto clock = [&] { return CaptureScreen({seconds.left, seconds.top}, 24, 26); };
    const Pixels shown = clock();
    ASSERT_TRUE(WaitUntil([&] { return clock() != shown; }, 3000)) << "no tick came";
    EXPECT_FALSE(ShowsPicture(first.Item(IDC_PEG_FIRST + 12)));
    EXPECT_EQ(first.WaitForWindow("#32770", nullptr, 500), nullptr) << "no result either";
    PostMessageA(first.Item(IDC_NEW_GAME), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return LabelsShown(first) == 2; }));

    EXPECT_TRUE(ExitsWithZero(first));
    EXPECT_TRUE(ExitsWithZero(second));
}

} // namespace
