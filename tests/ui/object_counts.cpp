// A USER or GDI handle is a table slot and a generation; with the generation left at zero,
// Wine's lookup takes whatever object lives in the slot.
#include "object_counts.h"

#include <windows.h>

#include <iterator>

namespace {

// Where Wine's USER handles lie: even values from 0x20 to 0xffee (slot * 2 + 0x20).
constexpr UINT_PTR kFirstUserHandle = 0x20;
constexpr UINT_PTR kLastUserHandle = 0xffee;
// GDI handles are slots 1 to 0xffff, and GetObjectType's kinds run from OBJ_PEN to
// OBJ_COLORSPACE.
constexpr UINT_PTR kLastGdiHandle = 0xffff;
constexpr const char* kGdiKindNames[] = {
    "", "pens", "brushes", "DCs", "metafile DCs", "palettes", "fonts", "bitmaps", "regions",
    "metafiles", "memory DCs", "extended pens", "enhanced metafile DCs", "enhanced metafiles",
    "colour spaces"};
static_assert(std::size(kGdiKindNames) == OBJ_COLORSPACE + 1 &&
              std::size(kGdiKindNames) == std::tuple_size_v<decltype(GdiObjects::byKind)>);

bool IsOwnWindow(HWND window) {
    DWORD process = 0;
    return IsWindow(window) && GetWindowThreadProcessId(window, &process) != 0 &&
           process == GetCurrentProcessId();
}

bool IsIconOrCursor(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return false;
    }
    // The bitmaps are copies made for the caller.
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }
    return true;
}

} // namespace

UserObjects CountUserObjects() {
    UserObjects objects;
    objects.reported = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    for (UINT_PTR slot = kFirstUserHandle; slot <= kLastUserHandle; slot += 2) {
        if (IsOwnWindow(reinterpret_cast<HWND>(slot))) {
            ++objects.windows;
        } else if (IsMenu(reinterpret_cast<HMENU>(slot))) {
            ++objects.menus;
        } else if (IsIconOrCursor(reinterpret_cast<HICON>(slot))) {
            ++objects.iconsAndCursors;
        } else if (CopyAcceleratorTableA(reinterpret_cast<HACCEL>(slot), nullptr, 0) > 0) {
            ++objects.acceleratorTables;
        }
    }
    return objects;
}

void PrintTo(const UserObjects& objects, std::ostream* out) {
    *out << objects.windows << " windows, " << objects.menus << " menus, "
         << objects.iconsAndCursors << " icons and cursors, " << objects.acceleratorTables
         << " accelerator tables";
    if (objects.reported != 0) {
        *out << ", " << objects.reported << " reported by the system";
    }
}

GdiObjects CountGdiObjectsByKind() {
    GdiObjects objects;
    for (UINT_PTR slot = 1; slot <= kLastGdiHandle; ++slot) {
        const DWORD kind = GetObjectType(reinterpret_cast<HGDIOBJ>(slot));
        if (kind != 0 && kind < objects.byKind.size()) {
            ++objects.byKind[kind];
        }
    }
    return objects;
}

void PrintTo(const GdiObjects& objects, std::ostream* out) {
    const char* separator = "";
    for (size_t kind = 1; kind < objects.byKind.size(); ++kind) {
        if (objects.byKind[kind] != 0) {
            *out << separator << objects.byKind[kind] << " " << kGdiKindNames[kind];
            separator = ", ";
        }
    }
}
