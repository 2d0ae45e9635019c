// Stands in for the C library's abort and the C++ library's error paths. Built without
// exceptions, the standard headers call these where they would throw: an allocation the heap
// cannot meet, a length or precondition broken. Each ends the program with a message box,
// never silently and never with a fault.
#include "fatal_error.h"

#include <windows.h>

#include <bits/functexcept.h>

namespace {

constexpr UINT kAbortStatus = 3;

bool failing = false;

// The caption: the program's file name, so that the player knows which program stopped.
const char* ProgramName(char (&path)[MAX_PATH]) {
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const char* name = path;
    for (const char* c = path; *c != '\0'; ++c) {
        if (*c == '\\' || *c == '/' || *c == ':') {
            name = c + 1;
        }
    }
    return name;
}

} // namespace

void FatalError(const char* what) {
    // A failure while reporting one (the box itself short of memory) ends the process at once.
    if (!failing) {
        failing = true;
        char text[320];
        wsprintfA(text, "The program has stopped: %.200s.", what);
        char path[MAX_PATH];
        MessageBoxA(nullptr, text, ProgramName(path), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    }
    ExitProcess(kAbortStatus);
}

namespace std {
void __throw_bad_alloc() {
    FatalError("out of memory");
}
void __throw_length_error(const char* what) {
    FatalError(what);
}
void __throw_logic_error(const char* what) {
    FatalError(what);
}
void __throw_out_of_range_fmt(const char* what, ...) {
    FatalError(what);
}
} // namespace std
