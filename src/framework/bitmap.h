// CBitmap: owns one GDI bitmap, typically loaded from the program's own resources,
// and deletes it when it goes or when another is loaded in its place.
#pragma once

#include "win32_handles.h"

#include <windows.h>

class CBitmap {
public:
    // Load a bitmap resource of the program's module, by name or by number (low 16 bits);
    // any bitmap held is deleted first. False, and empty, when there is no such resource.
    bool LoadBitmap(const char* name);
    bool LoadBitmap(int id);

    void DeleteObject();

    HBITMAP Handle() const { return bitmap.Get(); }
    bool IsEmpty() const { return !bitmap; }
    // Width and height in pixels; 0 x 0 when empty.
    SIZE Size() const;

private:
    bool Load(LPCSTR resource);

    GdiObject<HBITMAP> bitmap;
};
