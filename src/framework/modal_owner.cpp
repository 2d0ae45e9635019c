// The owner of a modal run, found when the run starts.
#include "modal_owner.h"

#include "win_app.h"

ModalOwner::ModalOwner() {
    if (const CWinApp* app = CWinApp::Current(); app != nullptr) {
        mainWindow = app->MainWindowHandle();
    }
    if (mainWindow == nullptr) {
        return;
    }
    owner = GetLastActivePopup(mainWindow);
    if (owner != mainWindow && IsWindowEnabled(mainWindow)) {
        EnableWindow(mainWindow, FALSE);
        disabledMain = true;
    }
}

ModalOwner::~ModalOwner() {
    if (disabledMain && IsWindow(mainWindow)) {
        EnableWindow(mainWindow, TRUE);
    }
}
