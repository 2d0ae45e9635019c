// The centring rule shared by every dialog.
#include "centring.h"

namespace {

// One axis: centre (each half rounded toward zero), then move back onto the screen. A dialog
// larger than the screen keeps its top-left corner, caption and system menu included, on it.
int PlaceOnAxis(int ownerStart, int ownerEnd, int size, int screenSize) {
    int start = (ownerStart + ownerEnd) / 2 - size / 2;
    if (start + size > screenSize) {
        start = screenSize - size;
    }
    if (start < 0) {
        start = 0;
    }
    return start;
}

} // namespace

ScreenPoint CentredPosition(const ScreenRect& owner, int width, int height, int screenWidth,
                            int screenHeight) {
    return {PlaceOnAxis(owner.left, owner.right, width, screenWidth),
            PlaceOnAxis(owner.top, owner.bottom, height, screenHeight)};
}
