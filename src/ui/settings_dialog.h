// The Settings dialog: the Sound Effects switch, read when constructed, written at OK.
#pragma once

#include "dialog.h"

class SettingsDialog : public CDialog {
public:
    SettingsDialog();

    int soundEffects; // the sound box: 0 unchecked, 1 checked

protected:
    void DataExchange(CDataExchange& exchange) override;
    void OnOK() override;
};
