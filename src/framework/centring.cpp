// The centring rule shared by every dialog.
#include "centring.h"

namespace {

// One axis: centre, then a negative edge goes to 0, else an overhang moves back.
int PlaceOnAxis(int ownerStart, int ownerEnd, int size, int screenSize) {
    int start = (ownerStart + ownerEnd) / 2 - size / 2;
    if (start < 0) {
        start = 0;
    } else if (start + size > screenSize) {
        start = screenSize - size;
    }
    return start;
}

} // namespace

ScreenPoint CentredPosition(const ScreenRect& owner, int width, int height, int screenWidth,
                            int screenHeight) {
    return {PlaceOnAxis(owner.left, owner.right, width, screenWidth),
            PlaceOnAxis(owner.top, owner.bottom, height, screenHeight)};
}
