// The lose dialog. The pegs are drawn straight onto the window, so every paint has to
// draw them again after the background is erased.
#include "lose_dialog.h"

#include "draw_control_bitmap.h"
#include "peg_picture.h"
#include "resource.h"
#include "settings_store.h"
#include "sound_effect.h"

LoseDialog::LoseDialog(const std::array<ColourIndex, PEG_COUNT>& code)
    : CDialog(IDD_LOSE), code(code) {}

bool LoseDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    PlaySoundEffect("lose.wav");
    return true;
}

void LoseDialog::OnPaint() {
    Default();
    const bool numberedPegs = settingsStore.GetNumberedPegs();
    for (int position = 0; position < PEG_COUNT; ++position) {
        DrawControlBitmap(Handle(), IDC_CODE_PEG_FIRST + position,
                          PegBitmap(code[static_cast<std::size_t>(position)], numberedPegs));
    }
}
