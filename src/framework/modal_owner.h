// The owner of a window that runs modally with no parent of its own (a dialog, a message
// box): the main window's last active pop-up, with the main window kept disabled meanwhile.
#pragma once

#include <windows.h>

// Hold one for the length of the modal run and pass Handle() as the owner. The run itself
// disables the owner; when the owner is not the main window (another of its dialogs is up,
// say), the main window is disabled here and enabled again at the end.
class ModalOwner {
public:
    ModalOwner();
    ~ModalOwner();
    ModalOwner(const ModalOwner&) = delete;
    ModalOwner& operator=(const ModalOwner&) = delete;

    // Null when the application has no main window (yet).
    HWND Handle() const { return owner; }

private:
    HWND mainWindow = nullptr;
    HWND owner = nullptr;
    bool disabledMain = false;
};
