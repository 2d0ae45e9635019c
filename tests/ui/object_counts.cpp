// A USER handle is a table slot and a generation; with the generation left at zero, Wine's
// lookup takes whatever object lives in the slot, as the GDI count does for GDI handles.
#include "object_counts.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <utility>

namespace {

// Where Wine's USER handles lie: even values from 0x20 to 0xffee (slot * 2 + 0x20).
constexpr UINT_PTR kFirstUserHandle = 0x20;
constexpr UINT_PTR kLastUserHandle = 0xffee;

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

ObjectCounts SettledObjectCounts(const WindowThread& thread) {
    std::optional<ObjectCounts> last, reading;
    const auto readAtRest = [&] {
        if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) {
            reading.emplace(CountGdiObjectsByKind(), CountUserObjects());
        }
    };
    const auto settled = [&] {
        last = std::exchange(reading, std::nullopt);
        return thread.Run(readAtRest, 30000) && reading && reading == last;
    };
    EXPECT_TRUE(WaitUntil(settled, 60000)) << "the window thread never came to rest";
    return reading.value_or(ObjectCounts{});
}

void PrintTo(const ObjectCounts& counts, std::ostream* out) {
    PrintTo(counts.gdi, out);
    *out << "; ";
    PrintTo(counts.user, out);
}
