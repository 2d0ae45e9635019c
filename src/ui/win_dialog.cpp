// The win dialog: the standard dialog plus the win sound as it opens.
#include "win_dialog.h"

#include "resource.h"
#include "sound_effect.h"

WinDialog::WinDialog() : CDialog(IDD_WIN) {}

bool WinDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    PlaySoundEffect("win.wav");
    return true;
}
