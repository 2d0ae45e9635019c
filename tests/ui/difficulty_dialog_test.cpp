// The Difficulty dialog from its real template: the lists from the template's data, the
// stored settings shown, "&Easiest", and what OK and Cancel store.
#include "difficulty_dialog.h"

#include "input.h"
#include "modal_dialog_test.h"
#include "program_texts.h"
#include "resource.h"
#include "screen.h"
#include "stored_settings.h"
#include "wait.h"

#include <gtest/gtest.h>


namespace {

class DifficultyDialogTest : public ModalDialogTest {
protected:
    void Open() {
        ModalDialogTest::Open([] { return std::make_unique<DifficultyDialog>(); }, Caption(IDD_DIFFICULTY));
    }

    std::string Text(int id) const { return TextOf(GetDlgItem(dialog, id)); }
    std::vector<std::string> Items(int id) const { return ItemsOf(GetDlgItem(dialog, id)); }
    UINT DuplicatesBox() const { return IsDlgButtonChecked(dialog, IDC_DUPLICATES); }
    // The three controls as the player sees them: guesses, duplicates box, minutes.
    using Choice = std::tuple<std::string, UINT, std::string>;
    Choice Shown() const { return {Text(IDC_GUESSES), DuplicatesBox(), Text(IDC_TIME_LIMIT)}; }
    // What the controls show once they show the expected choice, or in the end.
    Choice ShownOnce(const Choice& expected) const {
        return Awaited([this] { return Shown(); }, expected);
    }
    inline static const Choice kEasiest{"12", BST_UNCHECKED, "15"};
    using Stored = std::tuple<std::optional<std::string>, std::optional<std::string>,
                              std::optional<std::string>>;
    static Stored StoredDifficulty() {
        return {StoredSetting("NumberOfGuesses"), StoredSetting("Duplicates"),
                StoredSetting("TimeLimit")};
    }
    static void StoreDifficulty(const char* guesses, const char* duplicates, const char* minutes) {
        StoreSetting("NumberOfGuesses", guesses);
        StoreSetting("Duplicates", duplicates);
        StoreSetting("TimeLimit", minutes);
    }
};

std::vector<std::string> Numbers(int last) {
    std::vector<std::string> numbers;
    for (int n = 1; n <= last; ++n) {
        numbers.push_back(std::to_string(n));
    }
    return numbers;
}

} // namespace

TEST_F(DifficultyDialogTest, ListsHoldTheNumbersInOrderAndTheFocusStartsOnTheFirst) {
    Open();
    EXPECT_EQ(Items(IDC_GUESSES), Numbers(12));
    EXPECT_EQ(Items(IDC_TIME_LIMIT), Numbers(15));
    EXPECT_EQ(InputStateOf(dialog).hwndFocus, GetDlgItem(dialog, IDC_GUESSES));
}

TEST_F(DifficultyDialogTest, WithNothingStoredShowsTheDefaults) {
    Open();
    EXPECT_EQ(Shown(), std::make_tuple("12", UINT{BST_UNCHECKED}, "15"));
}

TEST_F(DifficultyDialogTest, ShowsWhatIsStored) {
    StoreDifficulty("5", "1", "3");
    Open();
    EXPECT_EQ(Shown(), std::make_tuple("5", UINT{BST_CHECKED}, "3"));
}

TEST_F(DifficultyDialogTest, EasiestThenCancelStoresNothing) {
    StoreDifficulty("5", "1", "3");
    Open();
    PressKey('E', {VK_MENU}); // the mnemonic of "&Easiest"
    EXPECT_EQ(ShownOnce(kEasiest), kEasiest);
    EXPECT_TRUE(IsWindow(dialog)) << "Easiest leaves the dialog open";
    EXPECT_EQ(StoredDifficulty(), Stored("5", "1", "3"));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(run->Result(), IDCANCEL);
    EXPECT_EQ(StoredDifficulty(), Stored("5", "1", "3"));
}

TEST_F(DifficultyDialogTest, EasiestThenOkStoresTheEasiestChoice) {
    StoreDifficulty("1", "1", "1");
    Open();
    ClickWindow(GetDlgItem(dialog, IDC_EASIEST));
    EXPECT_EQ(ShownOnce(kEasiest), kEasiest);
    ClickWindow(GetDlgItem(dialog, IDOK));
    EXPECT_EQ(run->Result(), IDOK);
    EXPECT_EQ(StoredDifficulty(), Stored("12", "0", "15"));
}

TEST_F(DifficultyDialogTest, OkWithoutAChangeWritesAllThreeAgain) {
    Open();
    PressKey(VK_RETURN);
    EXPECT_EQ(run->Result(), IDOK);
    EXPECT_EQ(StoredDifficulty(), Stored("12", "0", "15"));
}

TEST_F(DifficultyDialogTest, OkStoresWhatThePlayerChose) {
    StoreDifficulty("6", "0", "10");
    Open();
    PressKey(VK_UP); // the focused guesses list: one item up
    ClickWindow(GetDlgItem(dialog, IDC_DUPLICATES));
    const Choice chosen{"5", BST_CHECKED, "10"};
    EXPECT_EQ(ShownOnce(chosen), chosen);
    PressKey(VK_RETURN);
    EXPECT_EQ(run->Result(), IDOK);
    EXPECT_EQ(StoredDifficulty(), Stored("5", "1", "10"));
}

// Colours may repeat whenever Duplicates is non-zero: the box must say so, and OK must
// not silently turn repeats off.
TEST_F(DifficultyDialogTest, AnyNonZeroDuplicatesShowsCheckedAndOkStoresOne) {
    for (const char* stored : {"2", "5", "7"}) {
        StoreDifficulty("8", stored, "9");
        Open();
        EXPECT_EQ(DuplicatesBox(), UINT{BST_CHECKED}) << stored;
        PressKey(VK_RETURN);
        EXPECT_EQ(run->Result(), IDOK) << stored;
        EXPECT_EQ(StoredDifficulty(), Stored("8", "1", "9")) << stored;
        run.reset();
    }
}
