// What the player sees: pixels read back from the screen itself and from bitmap resources,
// pictures at their places, window texts and classes, where the input goes; and a count of the
// process's GDI objects.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// RECT lives in the global namespace; so must its comparison and printing, for the assertions
// to find them.
bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& rect);

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

// The live GDI objects of this process, in one reading: by kind, indexed by GetObjectType's
// answer (OBJ_PEN, OBJ_BRUSH, ...), where the handle table can be probed slot by slot (Wine;
// on Windows every count is zero), and the total the system reports where it reports one
// (Windows; under Wine, zero). The kinds are what a leak test names as left behind.
struct GdiObjects {
    std::array<int, OBJ_COLORSPACE + 1> byKind{};
    int reported = 0;

    int Total() const;
    bool operator==(const GdiObjects&) const = default;
};
GdiObjects CountGdiObjectsByKind();
int CountGdiObjects();
void PrintTo(const GdiObjects& objects, std::ostream* out);

// Whether nothing of the window or of its controls waits to be painted: only then is what the
// screen shows there its own, and not what lay below it.
bool IsPainted(HWND window);
// Whether any pixel of the window on the screen differs from the dialogs' grey surface: some
// picture, whichever it is.
bool ShowsPicture(HWND window);
// Whether the screen shows the bitmap resource (by name or MAKEINTRESOURCE number) pixel for
// pixel from the window's client corner, as the game places its pictures; only the part of the
// given size at the picture's top left where that is given.
bool ShowsBitmap(HWND window, LPCSTR bitmap, SIZE part = {0, 0});
// Which of `count` bitmap resources numbered from `first` the window shows that way, as an
// offset from `first`; nothing when it shows none of them.
std::optional<int> ShownBitmap(HWND window, int first, int count);
// The text of a window: a caption, a label, a control's name.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The visible top-level windows, topmost first: all of them, or those of one process, or of
// one thread.
std::vector<HWND> VisibleWindows(DWORD processId = 0, DWORD threadId = 0);
// The visible dialogs with this caption, topmost first, of any process or of one.
std::vector<HWND> VisibleDialogs(const std::string& caption, DWORD processId = 0);
// Where the input of the window's thread goes: its active, focused and capturing windows.
GUITHREADINFO InputStateOf(HWND window);
// The items of a list box or a combo box's list, in order.
std::vector<std::string> ItemsOf(HWND list);
// The window's children, in their order of creation.
std::vector<HWND> ChildWindows(HWND window);
// Whether a child of the window (the text of a message box, a label) has exactly this text.
bool ShowsText(HWND window, const std::string& text);
