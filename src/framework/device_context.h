// Scoped holders for the GDI state a drawing routine borrows: a window's device context,
// a memory device context, an object selected into a context, a moved viewport origin.
#pragma once

#include "unique_handle.h"

#include <windows.h>

// GetDC / ReleaseDC, which needs the window the context came from.
struct WindowDCTraits {
    using Handle = HDC;
    HWND window = nullptr;
    static HDC Invalid() { return nullptr; }
    void Close(HDC dc) const { ReleaseDC(window, dc); }
};

class WindowDC : public UniqueHandle<WindowDCTraits> {
public:
    explicit WindowDC(HWND window) : UniqueHandle(GetDC(window), WindowDCTraits{window}) {}
};

// CreateCompatibleDC / DeleteDC.
struct MemoryDCTraits {
    using Handle = HDC;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};

class MemoryDC : public UniqueHandle<MemoryDCTraits> {
public:
    explicit MemoryDC(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// SelectObject, and the earlier object selected back at the end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc(dc),
          previous(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {
        if (previous == HGDI_ERROR) {
            previous = nullptr;
        }
    }
    ~Selection() {
        if (previous != nullptr) {
            SelectObject(dc, previous);
        }
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // False when the object could not be selected (an empty or unsuitable object).
    explicit operator bool() const { return previous != nullptr; }

private:
    HDC dc;
    HGDIOBJ previous;
};

// SetViewportOrgEx, and the earlier origin put back at the end.
class ViewportOrigin {
public:
    ViewportOrigin(HDC dc, POINT origin)
        : dc(dc), moved(SetViewportOrgEx(dc, origin.x, origin.y, &previous) != FALSE) {}
    ~ViewportOrigin() {
        if (moved) {
            SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
        }
    }
    ViewportOrigin(const ViewportOrigin&) = delete;
    ViewportOrigin& operator=(const ViewportOrigin&) = delete;

private:
    HDC dc;
    POINT previous{};
    bool moved;
};
