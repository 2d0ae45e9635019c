// CBitmap: owns one GDI bitmap, typically loaded from the program's own resources,
// and deletes it when it goes or when another is loaded in its place.
#pragma once

#include <windows.h>

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap();
    CBitmap(CBitmap&& other) noexcept;
    CBitmap& operator=(CBitmap&& other) noexcept;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Load a bitmap resource of the program's module, by name or by number (low 16 bits);
    // any bitmap held is deleted first. False, and empty, when there is no such resource.
    bool LoadBitmap(const char* name);
    bool LoadBitmap(int id);

    void DeleteObject();

    HBITMAP Handle() const { return bitmap; }
    bool IsEmpty() const { return bitmap == nullptr; }
    // Width and height in pixels; 0 x 0 when empty.
    SIZE Size() const;

private:
    bool Load(LPCSTR resource);

    HBITMAP bitmap = nullptr;
};
