// DrawControlBitmap: the one routine that paints a picture (peg, clock character, count,
// header) into a window, at an empty static control that serves as its anchor.
#pragma once

#include <windows.h>

// Copies bitmap resource bitmapId (low 16 bits) of the program at its own pixel size to the
// top-left corner of control controlId of window, at once and outside the paint cycle, then
// validates the control so that its own repaint does not wipe the picture. Nothing is cached;
// whatever later erases the area wipes the picture. A missing bitmap draws nothing.
void DrawControlBitmap(HWND window, int controlId, int bitmapId);
