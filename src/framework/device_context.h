// Scoped holders for the GDI state a drawing routine borrows: a window's device context,
// a memory device context, an object selected into a context, a moved viewport origin.
#pragma once

#include <windows.h>

// GetDC / ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDC() {
        if (dc != nullptr) {
            ReleaseDC(window, dc);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HWND window;
    HDC dc;
};

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc != nullptr) {
            DeleteDC(dc);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HDC dc;
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
