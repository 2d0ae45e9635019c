// A library loaded for as long as its holder lives: LoadLibraryA, and FreeLibrary at the end.
#pragma once

#include "unique_handle.h"

#include <windows.h>

struct LoadedModuleTraits {
    using Handle = HMODULE;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};

class LoadedModule : public UniqueHandle<LoadedModuleTraits> {
public:
    explicit LoadedModule(const char* name) : UniqueHandle(LoadLibraryA(name)) {}

    // A function of the library by name, as the given function pointer type; null if absent.
    template <class Function> Function Procedure(const char* name) const {
        if (!*this) {
            return nullptr;
        }
        // Through the generic function pointer type, which converts to any other.
        return reinterpret_cast<Function>(
            reinterpret_cast<void (*)()>(GetProcAddress(Get(), name)));
    }
};
