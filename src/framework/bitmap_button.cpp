// CBitmapButton: face loading by caption, sizing to the up face, and drawing one face
// per WM_DRAWITEM. No focus rectangle or other decoration is drawn.
#include "bitmap_button.h"

#include "device_context.h"
#include "reflection.h"

#include <string>
#include <vector>

bool CBitmapButton::AutoLoad(int controlId, HWND parent) {
    if (!SubclassDlgItem(controlId, parent)) {
        return false;
    }
    const int length = GetWindowTextLengthA(Handle());
    std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()));
    faceName = text.data();
    if (!LoadFaces(faceName)) {
        return false;
    }
    SizeToContent();
    return true;
}

bool CBitmapButton::LoadFaces(const std::string& base) {
    const std::string upName = base + "U";
    const std::string downName = base + "D";
    const std::string focusName = base + "F";
    const std::string disabledName = base + "X";
    return LoadBitmaps(upName.c_str(), downName.c_str(), focusName.c_str(), disabledName.c_str());
}

bool CBitmapButton::LoadBitmaps(const char* upName, const char* downName, const char* focusName,
                                const char* disabledName) {
    up.DeleteObject();
    down.DeleteObject();
    focus.DeleteObject();
    disabled.DeleteObject();
    if (upName == nullptr || !up.LoadBitmap(upName)) {
        return false;
    }
    if (downName != nullptr) {
        down.LoadBitmap(downName);
    }
    if (focusName != nullptr) {
        focus.LoadBitmap(focusName);
    }
    if (disabledName != nullptr) {
        disabled.LoadBitmap(disabledName);
    }
    return true;
}

void CBitmapButton::SizeToContent() {
    if (Handle() == nullptr || up.IsEmpty()) {
        return;
    }
    const SIZE size = up.Size();
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

const CBitmap& CBitmapButton::ChooseFace(UINT itemState) const {
    if ((itemState & ODS_SELECTED) != 0 && !down.IsEmpty()) {
        return down;
    }
    if ((itemState & ODS_FOCUS) != 0 && !focus.IsEmpty()) {
        return focus;
    }
    if ((itemState & ODS_DISABLED) != 0 && !disabled.IsEmpty()) {
        return disabled;
    }
    return up;
}

void CBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const CBitmap& face = ChooseFace(item.itemState);
    MemoryDC memory(item.hDC);
    const Selection selection(memory.Get(), face.Handle());
    if (!memory || !selection) {
        return; // no face to show
    }
    const RECT& r = item.rcItem;
    BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.Get(), 0, 0,
           SRCCOPY);
}

LRESULT CBitmapButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReflectedDrawItem) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item != nullptr && item->CtlType == ODT_BUTTON && item->hwndItem == Handle()) {
            DrawItem(*item);
            return TRUE;
        }
        return FALSE;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
