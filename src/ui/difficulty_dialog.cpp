// The Difficulty dialog: its lists come filled from the template's initialisation data;
// "&Easiest" picks the last item of each and clears the duplicates box.
#include "difficulty_dialog.h"

#include "resource.h"
#include "settings_store.h"

#include <iterator>

const MessageEntry DifficultyDialog::messageEntries[] = {
    OnCommand(BN_CLICKED, IDC_EASIEST, Handler<&DifficultyDialog::OnEasiest>),
};

const MessageMap DifficultyDialog::messageMap = {&CDialog::messageMap, messageEntries,
                                                 std::size(messageEntries)};

DifficultyDialog::DifficultyDialog()
    : CDialog(IDD_DIFFICULTY), guessesIndex(settingsStore.GetNumberOfGuesses() - 1),
      duplicates(settingsStore.GetDuplicates()), timeLimitIndex(settingsStore.GetTimeLimit() - 1) {}

void DifficultyDialog::DataExchange(CDataExchange& exchange) {
    exchange.ComboIndex(IDC_GUESSES, guessesIndex);
    exchange.Check(IDC_DUPLICATES, duplicates);
    exchange.ComboIndex(IDC_TIME_LIMIT, timeLimitIndex);
}

void DifficultyDialog::OnOK() {
    CDialog::OnOK();
    settingsStore.SetNumberOfGuesses(guessesIndex + 1);
    settingsStore.SetDuplicates(duplicates == 1 ? 1 : 0);
    settingsStore.SetTimeLimit(timeLimitIndex + 1);
}

void DifficultyDialog::OnEasiest() {
    for (const int list : {IDC_GUESSES, IDC_TIME_LIMIT}) {
        const LRESULT count = SendDlgItemMessageA(Handle(), list, CB_GETCOUNT, 0, 0);
        SendDlgItemMessageA(Handle(), list, CB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    }
    CheckDlgButton(Handle(), IDC_DUPLICATES, BST_UNCHECKED);
}
