// Work done on the thread that owns a window. Under Wine, every thread of a program shares one
// connection to the X server for drawing and reading the screen, and two threads using it at
// once can deadlock: one reads the screen holding the connection's lock, the other meets an X
// error and waits for that lock, while the first waits for the reply only the second can read.
// So whatever touches a window's pixels or input runs where the window's own drawing runs.
#pragma once

#include <windows.h>

#include <functional>

// Runs the work on the thread of the window when that is another thread of this program, and
// right here otherwise. False when that thread did not take it within the time, and so the
// work was not run.
bool RunOnThreadOf(HWND window, const std::function<void()>& work, DWORD timeoutMs = 5000);
