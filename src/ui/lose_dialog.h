// The lose dialog ("Bang!!!"): announces a lost game and shows the hidden code as four pegs.
#pragma once

#include "dialog.h"
#include "game_state.h"

#include <array>

class LoseDialog : public CDialog {
public:
    // Keeps its own copy of the code: the game may deal a new one while this is up.
    explicit LoseDialog(const std::array<ColourIndex, PEG_COUNT>& code);

protected:
    bool OnInitDialog() override;
    void OnPaint() override;

private:
    std::array<ColourIndex, PEG_COUNT> code;
};
