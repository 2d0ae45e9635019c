// Data exchange between a dialog's integer members and its controls, in either
// direction: towards the controls at initialisation, from them at OK.
#pragma once

#include <windows.h>

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool fromControls) : dialog(dialog), fromControls(fromControls) {}

    // A drop-down list's selected item index.
    void ComboIndex(int controlId, int& index) const;
    // A two-state check box: any non-zero value shows checked; reading gives 1 or 0.
    void Check(int controlId, int& state) const;

private:
    HWND dialog;
    bool fromControls;
};
