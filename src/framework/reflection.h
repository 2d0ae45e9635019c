// A dialog hands WM_DRAWITEM back to the control it is about, so that an owner-drawn
// control object (a bitmap button) draws itself.
#pragma once

#include <windows.h>

// wParam 0, lParam the DRAWITEMSTRUCT; the control answers non-zero when it drew.
constexpr UINT kReflectedDrawItem = WM_USER + 0x1C00 + WM_DRAWITEM;
