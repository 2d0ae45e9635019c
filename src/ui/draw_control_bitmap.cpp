// DrawControlBitmap. The picture is drawn through the dialog's own device context with its
// origin moved to the anchor: most pictures are larger than their anchors and must show
// whole, and some platforms clip a static control's device context to the control.
#include "draw_control_bitmap.h"

#include "bitmap.h"
#include "device_context.h"

void DrawControlBitmap(HWND window, int controlId, int bitmapId) {
    HWND control = GetDlgItem(window, controlId);
    if (control == nullptr) {
        return; // nothing to anchor to; never draw on whatever a null window stands for
    }
    CBitmap bitmap;
    bitmap.LoadBitmap(bitmapId); // afresh at every call, never cached
    const SIZE size = bitmap.Size();
    {
        const WindowDC surface(window);
        // A hidden anchor shows nothing, as its own device context would.
        if (surface && !bitmap.IsEmpty() && IsWindowVisible(control)) {
            POINT corner{0, 0};
            MapWindowPoints(control, window, &corner, 1);
            const ViewportOrigin origin(surface.Get(), corner);
            const MemoryDC memory(surface.Get());
            const Selection selection(memory.Get(), bitmap.Handle());
            if (memory && selection) {
                BitBlt(surface.Get(), 0, 0, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
            }
        }
    }
    bitmap.DeleteObject();
    ValidateRect(control, nullptr);
}
