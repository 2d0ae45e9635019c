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
    const bool numberedPegs = !settingsStore.GetNumberedPegs();
    settingsStore.SetNumberedPegs(numberedPegs);
    ShowNumberedPegs(numberedPegs);
    // The pegs: erased and drawn again by the paint's display pass, now.
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void MainWindow::ShowNumberedPegs(bool numberedPegs) {
    // The item starts unchecked and the buttons with the plain faces: only a change is shown.
    if (numberedPegs == numberedPegsShown) {
        return;
    }
    numberedPegsShown = numberedPegs;
    CheckMenuItem(GetSystemMenu(Handle(), FALSE), IDM_NUMBERED_PEGS,
                  MF_BYCOMMAND | (numberedPegs ? MF_CHECKED : MF_UNCHECKED));
    for (CBitmapButton& button : colourButtons) {
        button.LoadFaces(numberedPegs ? button.FaceName() + "N" : button.FaceName());
        InvalidateRect(button.Handle(), nullptr, FALSE);
    }
}
