// What the player sees: pixels read back from the screen itself and from bitmap resources,
// window texts; and a count of the process's GDI objects.
#pragma once

#include <windows.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> data;

    COLORREF At(int x, int y) const { return data[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Pixels&) const = default;
};

// For failure messages: the size and how many pixels of each colour.
void PrintTo(const Pixels& pixels, std::ostream* out);

// What is on the screen in that rectangle (screen coordinates), read from the screen's DC on
// the thread of the window shown there (thread_of_window.h says why).
Pixels CaptureScreen(POINT corner, int width, int height);
// The pixels of a bitmap resource of this program, by name or MAKEINTRESOURCE number.
Pixels BitmapPixels(LPCSTR resource);
// A rectangle of one colour.
Pixels Filled(int width, int height, COLORREF colour);

// Live GDI objects of this process: GetGuiResources where it works; where it does not
// (Wine), the handle table is probed slot by slot.
int CountGdiObjects();

// The live GDI objects by kind, indexed by GetObjectType's answer (OBJ_PEN, OBJ_BRUSH, ...),
// from the same probe: what a leak test names as left behind. Where handles are not table
// slots (Windows), every count is zero.
struct GdiObjects {
    std::array<int, OBJ_COLORSPACE + 1> byKind{};

    bool operator==(const GdiObjects&) const = default;
};
GdiObjects CountGdiObjectsByKind();
void PrintTo(const GdiObjects& objects, std::ostream* out);

// Whether any pixel of the window on the screen differs from the dialogs' grey surface.
bool ShowsPicture(HWND window);
// The text of a window: a caption, a label, a control's name.
std::string TextOf(HWND window);
// Whether a child of the window (the text of a message box, a label) has exactly this text.
bool ShowsText(HWND window, const std::string& text);
