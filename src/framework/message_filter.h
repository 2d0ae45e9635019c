// F1 as the help command: inside any dialog, message box or menu loop of the thread, a fresh
// press of F1 without Shift, Ctrl or Alt becomes the help command sent to the main window.
#pragma once

// Starts watching the calling thread's modal loops for F1 (once; later calls do nothing).
void WatchHelpKey();
