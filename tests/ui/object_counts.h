// The live USER objects of this process, counted for the soak tests beside the GDI count of
// the screen support, and that GDI count by kind. Wine has no GetGuiResources, so the handle
// tables are probed instead.
#pragma once

#include <array>
#include <ostream>

// What can be seen of the process's USER objects. On Wine: windows (top-level, child and
// message-only, of every thread), menus, icons and cursors, and accelerator tables, found
// by probing every slot of the handle table. Hooks, timers and window classes cannot be
// counted this way. Where the system reports a total, `reported` holds it too.
struct UserObjects {
    int windows = 0;
    int menus = 0;
    int iconsAndCursors = 0;
    int acceleratorTables = 0;
    int reported = 0;

    bool operator==(const UserObjects&) const = default;
};

UserObjects CountUserObjects();

void PrintTo(const UserObjects& objects, std::ostream* out);

// The live GDI objects by kind, indexed by GetObjectType's answer (OBJ_PEN, OBJ_BRUSH, ...):
// what a soak's failure names as left behind. Where handles are not table slots (Windows),
// every count is zero.
struct GdiObjects {
    std::array<int, 15> byKind{};

    bool operator==(const GdiObjects&) const = default;
};

GdiObjects CountGdiObjectsByKind();

void PrintTo(const GdiObjects& objects, std::ostream* out);
