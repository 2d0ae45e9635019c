// The Settings dialog: one check box over the Sound Effects setting.
#include "settings_dialog.h"

#include "resource.h"
#include "settings_store.h"

SettingsDialog::SettingsDialog()
    : CDialog(IDD_SETTINGS), soundEffects(settingsStore.GetSoundEffects()) {}

void SettingsDialog::DataExchange(CDataExchange& exchange) {
    exchange.Check(IDC_SOUND_EFFECTS, soundEffects);
}

void SettingsDialog::OnOK() {
    CDialog::OnOK();
    settingsStore.SetSoundEffects(soundEffects);
}
