// The program's entry point belongs to the framework: it runs the application object.
#include "win_app.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    return app != nullptr ? app->Run() : 1;
}

// An exception that escapes ends the program. The C++ runtime's default handler would first
// print the exception's demangled type to a console this windowed program does not have, and
// brings the whole demangler (some 46 KB) into the executable for that.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx
