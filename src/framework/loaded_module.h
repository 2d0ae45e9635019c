// A library loaded for as long as its holder lives: LoadLibraryA, and FreeLibrary at the end.
#pragma once

#include <windows.h>

class LoadedModule {
public:
    explicit LoadedModule(const char* name) : module(LoadLibraryA(name)) {}
    ~LoadedModule() {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    explicit operator bool() const { return module != nullptr; }

private:
    HMODULE module;
};
