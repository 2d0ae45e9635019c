// CBitmapButton: an owner-drawn push button of a dialog template that shows bitmaps, its
// faces, found by the control's caption: caption + "U" (up), "D" (down), "F" (focus), "X"
// (disabled).
//
// Drawing: the owner dialog must hand WM_DRAWITEM back to the control. CDialog does so by
// sending kReflectedDrawItem (reflection.h) to the control, which this class answers; any
// other owner can do the same, or call DrawItem itself when the item's hwndItem is Handle().
#pragma once

#include "bitmap.h"
#include "button.h"

#include <string>

class CBitmapButton : public CButton {
public:
    CBitmapButton() = default;

    // Binds to control controlId of parent and loads its faces by the control's caption.
    // True when bound with an up face; the button then takes the up face's size, keeping its
    // position. False without such a control, or without an up face (the size then stays).
    bool AutoLoad(int controlId, HWND parent);

    // The caption the faces were found by at binding; it stays their name whatever the
    // control's text becomes.
    const std::string& FaceName() const { return faceName; }
    // Loads the faces named base + "U", "D", "F" and "X"; true when the up face was found.
    bool LoadFaces(const std::string& base);

    // Deletes the faces held, then loads these named bitmaps (null: no such face). Without
    // an up face the others are not tried. True when the up face was found.
    bool LoadBitmaps(const char* up, const char* down, const char* focus, const char* disabled);

    // Resizes the bound control to the up face, without moving or redrawing it.
    void SizeToContent();

    // Draws one face into the item's rectangle: down while selected, else focus while
    // focused, else disabled while disabled, each only if it exists; otherwise up.
    void DrawItem(const DRAWITEMSTRUCT& item);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const CBitmap& ChooseFace(UINT itemState) const;

    CBitmap up;
    CBitmap down;
    CBitmap focus;
    CBitmap disabled;
    std::string faceName;
};
