// The 87 pictures of a full display pass of the main window, where they go (as the main
// window's template in the program's resources places their anchors) and which bitmap each one
// shows, and the floor they are measured against: the same pictures drawn by bare
// LoadBitmapA / blit / free calls, without finding controls or anything else in between.
#pragma once

#include <windows.h>

#include <vector>

struct PassPicture {
    int controlId; // the main window's anchor
    int bitmapId;
    RECT dialogUnits; // the anchor; the picture goes at its top-left corner
    SIZE pixels;      // the picture's own size
};

// In the order the display pass draws them, for the board the benchmarks set up: every cell
// filled with dark red and magenta in turn, no row won, clock texts "112107" and "1454".
const std::vector<PassPicture>& FullPass();

struct PlacedPicture {
    POINT at; // client coordinates of the dialog
    int bitmapId;
    SIZE pixels;
};

// The pictures placed on a dialog of the main window's dialog units.
std::vector<PlacedPicture> PlacePass(HWND dialog);
PlacedPicture PlacePicture(HWND dialog, const PassPicture& picture);

// One picture, loaded, blitted and freed with nothing else around it.
void BareDraw(HWND window, const PlacedPicture& picture);
void BarePass(HWND window, const std::vector<PlacedPicture>& pictures);

// One picture through every call the drawing routine makes (find the anchor, load, read the
// size, draw from the anchor's corner, free, validate the anchor), written out bare.
void RequiredCallsDraw(HWND window, int controlId, int bitmapId);
