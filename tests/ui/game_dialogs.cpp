// The captions are the templates' own, read once.
#include "game_dialogs.h"

#include "about_dialog.h"
#include "difficulty_dialog.h"
#include "lose_dialog.h"
#include "program_texts.h"
#include "resource.h"
#include "settings_dialog.h"
#include "win_dialog.h"

std::span<const GameDialog> GameDialogs() {
    static const GameDialog dialogs[] = {
        {"Lose", Caption(IDD_LOSE),
         [] {
             return std::make_unique<LoseDialog>(std::array{1, 2, 3, 4});
         },
         false},
        {"Win", Caption(IDD_WIN), [] { return std::make_unique<WinDialog>(); }, false},
        {"About", Caption(IDD_ABOUT), [] { return std::make_unique<AboutDialog>(); }, false},
        {"Difficulty", Caption(IDD_DIFFICULTY), [] { return std::make_unique<DifficultyDialog>(); },
         true},
        {"Settings", Caption(IDD_SETTINGS), [] { return std::make_unique<SettingsDialog>(); },
         true},
    };
    return dialogs;
}
