// CBitmap: resource loading and ownership of one bitmap handle.
#include "bitmap.h"

#include <utility>

CBitmap::~CBitmap() {
    DeleteObject();
}

CBitmap::CBitmap(CBitmap&& other) noexcept : bitmap(std::exchange(other.bitmap, nullptr)) {}

CBitmap& CBitmap::operator=(CBitmap&& other) noexcept {
    if (this != &other) {
        DeleteObject();
        bitmap = std::exchange(other.bitmap, nullptr);
    }
    return *this;
}

bool CBitmap::LoadBitmap(const char* name) {
    return Load(name);
}

bool CBitmap::LoadBitmap(int id) {
    return Load(MAKEINTRESOURCEA(id & 0xFFFF));
}

bool CBitmap::Load(LPCSTR resource) {
    DeleteObject();
    bitmap = ::LoadBitmapA(GetModuleHandleA(nullptr), resource);
    return bitmap != nullptr;
}

void CBitmap::DeleteObject() {
    if (bitmap != nullptr) {
        ::DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

SIZE CBitmap::Size() const {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}
