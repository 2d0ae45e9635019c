// The thread's modal loops watched before their dialog manager: inside any dialog, message box
// or menu loop, a fresh press of F1 without Shift, Ctrl or Alt becomes the help command sent to
// the main window; and in the dialog loops the main window may take a message first
// (CDialog::PreTranslateMessage).
#pragma once

class CDialog;

// Starts watching the calling thread's modal loops (once; later calls do nothing). mainWindow
// is asked at each message for the main window, or null while there is none.
void WatchModalLoops(CDialog* (*mainWindow)());
