// The thread's modal loops watched before their dialog manager: inside any dialog, message box
// or menu loop, a fresh press of F1 without Shift, Ctrl or Alt becomes the help command sent to
// the main window; and in the dialog loops the main window may take a message first
// (CDialog::PreTranslateMessage).
#pragma once

// Starts watching the calling thread's modal loops (once; later calls do nothing).
void WatchModalLoops();
