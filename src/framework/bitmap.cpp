// CBitmap: resource loading and ownership of one bitmap handle.
#include "bitmap.h"

bool CBitmap::LoadBitmap(const char* name) {
    return Load(name);
}

bool CBitmap::LoadBitmap(int id) {
    return Load(MAKEINTRESOURCEA(id & 0xFFFF));
}

bool CBitmap::Load(LPCSTR resource) {
    DeleteObject();
    bitmap.Reset(::LoadBitmapA(GetModuleHandleA(nullptr), resource));
    return !IsEmpty();
}

void CBitmap::DeleteObject() {
    bitmap.Reset();
}

SIZE CBitmap::Size() const {
    BITMAP info{};
    if (IsEmpty() || GetObjectA(bitmap.Get(), sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}
