// The live USER objects of this process, counted for the leak tests beside the GDI count of
// the screen support (Wine has no GetGuiResources, so the handle table is probed instead), and
// both read in one go on a window thread at rest.
#pragma once

#include "screen.h"
#include "window_thread.h"

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

// The process's GDI and USER objects, read on the window thread with nothing queued for it
// (no paint, message, input or timer) while the caller waits, until two readings agree: no
// handler there is half done, so nothing the system makes for one (an update region) counts.
// A failure when the thread never comes to rest.
struct ObjectCounts {
    GdiObjects gdi;
    UserObjects user;

    bool operator==(const ObjectCounts&) const = default;
};
ObjectCounts SettledObjectCounts(const WindowThread& thread);

void PrintTo(const ObjectCounts& counts, std::ostream* out);
