// The one way a window leads to the object that speaks for it: a window property of one name.
// Not the dialog's or the window class's own slot (DWLP_USER, GWLP_USERDATA): what else uses
// those, the platform's or a test's code, cannot overwrite it, and one name serves every kind
// of window.
#pragma once

#include <windows.h>

inline constexpr char kWindowObjectProperty[] = "Zodedu.Object";

// False when the window's property list cannot take it.
template <class Object> bool AttachObject(HWND window, Object* object) {
    return SetPropA(window, kWindowObjectProperty, object) != FALSE;
}

// The object attached to the window, or null.
template <class Object> Object* AttachedObject(HWND window) {
    return static_cast<Object*>(GetPropA(window, kWindowObjectProperty));
}

// Before the window goes: by its WM_NCDESTROY at the latest.
inline void DetachObject(HWND window) {
    RemovePropA(window, kWindowObjectProperty);
}
