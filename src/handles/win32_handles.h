// The Win32 handles the program owns that need nothing but their closing call: kernel objects,
// GDI objects and hooks. Holders that also open their handle build on UniqueHandle where they
// are used (device contexts, modules, registry keys).
#pragma once

#include "unique_handle.h"

#include <windows.h>

// A file, a process, a thread. Opening calls report failure as null or as INVALID_HANDLE_VALUE,
// depending on the call: both mean none.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static bool IsValid(HANDLE handle) {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// A bitmap, a brush: one not selected into a device context when it goes.
template <class Object> struct GdiObjectTraits {
    using Handle = Object;
    static Object Invalid() { return nullptr; }
    static void Close(Object object) { DeleteObject(object); }
};
template <class Object> using GdiObject = UniqueHandle<GdiObjectTraits<Object>>;

struct WindowsHookTraits {
    using Handle = HHOOK;
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
using WindowsHook = UniqueHandle<WindowsHookTraits>;
