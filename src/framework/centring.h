// Where a dialog goes when it opens: centred over its owner (or the screen), then
// pushed back inside the screen. Pure, so that the rule is testable anywhere.
#pragma once

struct ScreenRect {
    int left, top, right, bottom;
};

struct ScreenPoint {
    int x, y;
};

// owner: the owner window's rectangle in screen coordinates, or the whole screen when
// there is no owner. Returns the dialog's new top-left corner; its size never changes.
ScreenPoint CentredPosition(const ScreenRect& owner, int width, int height, int screenWidth,
                            int screenHeight);
