// The win dialog ("Phew!!!"): announces that the code was found.
#pragma once

#include "dialog.h"

class WinDialog : public CDialog {
public:
    WinDialog();

protected:
    bool OnInitDialog() override;
};
