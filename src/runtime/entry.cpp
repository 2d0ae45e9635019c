// Stands in for the C runtime's start-up object: the program's entry point. WinMain gets the
// command line after the program's name and the show state its starter asked for; the global
// objects live around it, and its result is the exit status.
#include "global_objects.h"

#include <windows.h>

namespace {

bool IsBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

// The program's name ends at its closing quote when quoted, else at the first blank; the
// blanks after it are not part of the arguments.
char* ArgumentsOf(char* commandLine) {
    char* c = commandLine;
    if (*c == '"') {
        do {
            ++c;
        } while (*c != '\0' && *c != '"');
        if (*c == '"') {
            ++c;
        }
    } else {
        while (*c != '\0' && !IsBlank(*c)) {
            ++c;
        }
    }
    while (IsBlank(*c)) {
        ++c;
    }
    return c;
}

int ShowState() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
}

} // namespace

extern "C" [[noreturn]] void WinMainCRTStartup() {
    ConstructGlobalObjects();
    const int status =
        WinMain(GetModuleHandleA(nullptr), nullptr, ArgumentsOf(GetCommandLineA()), ShowState());
    DestroyGlobalObjects();
    ExitProcess(static_cast<UINT>(status));
}
