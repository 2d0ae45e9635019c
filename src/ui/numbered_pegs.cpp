// Numbered pegs: the player's choice, kept with the settings, of pegs and colour buttons that
// carry their colour's number. The display pass and the lose dialog pick the pegs themselves;
// here are the switch, its system menu item, and the buttons' faces.
#include "main_window.h"

#include "resource.h"
#include "settings_store.h"

#include <array>

void MainWindow::AddNumberedPegsItem() {
    std::array<char, 64> text{};
    LoadStringA(GetModuleHandleA(nullptr), IDS_NUMBERED_PEGS, text.data(),
                static_cast<int>(text.size()));
    const HMENU menu = GetSystemMenu(Handle(), FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_NUMBERED_PEGS, text.data());
}

void MainWindow::ToggleNumberedPegs() {
    const bool numbered = !settingsStore.GetNumberedPegs();
    settingsStore.SetNumberedPegs(numbered);
    FollowNumberedPegs(numbered);
    // The pegs: erased and drawn again by the paint's display pass, now.
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void MainWindow::FollowNumberedPegs(bool numbered) {
    // The item starts unchecked and the buttons with the plain faces: only a change is shown.
    if (numbered == numberedFaces) {
        return;
    }
    numberedFaces = numbered;
    CheckMenuItem(GetSystemMenu(Handle(), FALSE), IDM_NUMBERED_PEGS,
                  MF_BYCOMMAND | (numbered ? MF_CHECKED : MF_UNCHECKED));
    for (CBitmapButton& button : colourButtons) {
        button.LoadFaces(numbered ? button.FaceName() + "N" : button.FaceName());
        InvalidateRect(button.Handle(), nullptr, FALSE);
    }
}
