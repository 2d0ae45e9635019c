// A library loaded for as long as its holder lives: LoadLibraryA, and FreeLibrary at the end.
#pragma once

#include <windows.h>

#include <utility>

class LoadedModule {
public:
    explicit LoadedModule(const char* name) : module(LoadLibraryA(name)) {}
    ~LoadedModule() {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    LoadedModule(LoadedModule&& other) noexcept : module(std::exchange(other.module, nullptr)) {}
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    LoadedModule& operator=(LoadedModule&&) = delete;

    explicit operator bool() const { return module != nullptr; }

    // A function of the library by name, as the given function pointer type; null if absent.
    template <class Function> Function Procedure(const char* name) const {
        if (module == nullptr) {
            return nullptr;
        }
        // Through the generic function pointer type, which converts to any other.
        return reinterpret_cast<Function>(
            reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }

private:
    HMODULE module;
};
