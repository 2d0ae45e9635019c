// The live USER objects of this process, counted for the soak tests beside the GDI count of
// the screen support. Wine has no GetGuiResources, so the handle table is probed instead.
#pragma once

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
