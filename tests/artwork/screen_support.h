// What the artwork tests need around them: the test dialog, shown on top and driven by
// messages; pixels read back from the screen itself and from bitmap resources; a count of
// the process's GDI objects.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <map>
#include <utility>
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

// What is on the screen in that rectangle (screen coordinates), read from the screen's DC.
Pixels CaptureScreen(POINT corner, int width, int height);
// The pixels of a bitmap resource of this program, by name or MAKEINTRESOURCE number.
Pixels BitmapPixels(LPCSTR resource);
// A rectangle of one colour.
Pixels Filled(int width, int height, COLORREF colour);

// Dispatches the messages waiting for this thread.
void PumpMessages();
// Pumps and polls until the condition holds or the time runs out; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
// Pumps for a while when there is nothing to wait for, only something that must not happen.
void Settle(DWORD ms = 150);
// What read() gives once it gives expected, or its last answer when the time runs out: input
// reaches the other thread in its own time, so a check after it waits for the effect.
template <class Read, class Value>
auto Awaited(const Read& read, const Value& expected, DWORD timeoutMs = 3000) {
    auto value = read();
    WaitUntil([&] { return (value = read()) == expected; }, timeoutMs);
    return value;
}

// Live GDI objects of this process: GetGuiResources where it works; where it does not
// (Wine), the handle table is probed slot by slot.
int CountGdiObjects();

// The test dialog, modeless, on top of everything, light grey like the game's dialogs. It
// hands WM_DRAWITEM back to the control as the framework's dialogs do, and counts the button
// notifications it receives.
class TestDialog {
public:
    TestDialog();
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    HWND Handle() const { return window; }
    HWND Item(int id) const { return GetDlgItem(window, id); }
    // The control's top-left client corner on the screen.
    POINT ScreenCorner(int id) const;
    // The control's window rectangle in the dialog's client coordinates.
    RECT RectInDialog(int id) const;
    // A rectangle of the template, in dialog units, in the dialog's client pixels.
    RECT DialogUnits(int left, int top, int width, int height) const;
    int Notifications(int id, int code) const;
    void Destroy();

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
    std::map<std::pair<int, int>, int> notifications;
};
