// Stands in for the start-up code's constructor walk and the C library's atexit. The linker
// gathers one constructor per translation unit into a list headed by -1 and ended by 0; each
// builds its unit's globals in declaration order and registers their destruction with atexit.
#include "global_objects.h"

#include <cstddef>

namespace {

using Function = void (*)();

struct ExitFunction {
    Function function;
    ExitFunction* next;
};

ExitFunction* exitFunctions = nullptr;

} // namespace

extern "C" {

extern Function __CTOR_LIST__[];

int atexit(Function function) {
    // Out of memory here ends the program (operator new), so a destruction is never lost.
    exitFunctions = new ExitFunction{function, exitFunctions};
    return 0;
}

} // extern "C"

void ConstructGlobalObjects() {
    // From the last entry to the first, as the toolchain's start-up walks it.
    std::size_t count = 1;
    while (__CTOR_LIST__[count] != nullptr) {
        ++count;
    }
    while (--count != 0) {
        __CTOR_LIST__[count]();
    }
}

void DestroyGlobalObjects() {
    while (exitFunctions != nullptr) {
        ExitFunction* const first = exitFunctions;
        exitFunctions = first->next;
        first->function();
        delete first;
    }
}
