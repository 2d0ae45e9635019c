// Test support: the dialog, screen capture through a 32-bit DIB section, resource pixels,
// message pumping with timeouts, GDI object counting.
#include "screen_support.h"

#include "artwork_test_ids.h"
#include "reflection.h"

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// BGRA words as stored in a 32-bit DIB, as COLORREFs.
Pixels FromDib(const std::vector<DWORD>& words, int width, int height) {
    Pixels pixels{width, height, {}};
    pixels.data.reserve(words.size());
    for (DWORD word : words) {
        pixels.data.push_back(RGB(word >> 16 & 0xFF, word >> 8 & 0xFF, word & 0xFF));
    }
    return pixels;
}

} // namespace

void PrintTo(const Pixels& pixels, std::ostream* out) {
    std::map<COLORREF, int> counts;
    for (COLORREF colour : pixels.data) {
        ++counts[colour];
    }
    *out << pixels.width << "x" << pixels.height << " pixels:";
    for (const auto& [colour, count] : counts) {
        *out << " " << count << " of (" << int{GetRValue(colour)} << "," << int{GetGValue(colour)}
             << "," << int{GetBValue(colour)} << ")";
    }
}

Pixels CaptureScreen(POINT corner, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, screen, corner.x, corner.y, SRCCOPY);
    GdiFlush();
    const auto* words = static_cast<const DWORD*>(bits);
    const std::vector<DWORD> copy(words, words + static_cast<std::size_t>(width * height));
    SelectObject(memory, previous);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return FromDib(copy, width, height);
}

Pixels BitmapPixels(LPCSTR resource) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), resource);
    if (bitmap == nullptr) {
        return {};
    }
    BITMAP header{};
    GetObjectA(bitmap, sizeof header, &header);
    BITMAPINFO info = TopDown32(header.bmWidth, header.bmHeight);
    std::vector<DWORD> words(static_cast<std::size_t>(header.bmWidth * header.bmHeight));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.bmHeight), words.data(), &info,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return FromDib(words, header.bmWidth, header.bmHeight);
}

Pixels Filled(int width, int height, COLORREF colour) {
    return {width, height, std::vector<COLORREF>(static_cast<std::size_t>(width * height), colour)};
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(10);
    }
}

void Settle(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        PumpMessages();
        Sleep(10);
    }
}

int CountGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) {
        return static_cast<int>(reported);
    }
    // A handle with only its table index set names whatever lives in that slot.
    int count = 0;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) {
            ++count;
        }
    }
    return count;
}

TestDialog::TestDialog() {
    window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ARTWORK_TEST),
                                nullptr, &Proc, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        return;
    }
    SetWindowPos(window, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    Settle(50);
}

TestDialog::~TestDialog() {
    Destroy();
}

void TestDialog::Destroy() {
    if (window != nullptr) {
        DestroyWindow(window);
        window = nullptr;
        PumpMessages();
    }
}

POINT TestDialog::ScreenCorner(int id) const {
    POINT corner{0, 0};
    ClientToScreen(Item(id), &corner);
    return corner;
}

RECT TestDialog::RectInDialog(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT TestDialog::DialogUnits(int left, int top, int width, int height) const {
    RECT rect{left, top, left + width, top + height};
    MapDialogRect(window, &rect);
    return rect;
}

int TestDialog::Notifications(int id, int code) const {
    const auto found = notifications.find({id, code});
    return found == notifications.end() ? 0 : found->second;
}

INT_PTR CALLBACK TestDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
    case WM_COMMAND:
        if (self != nullptr) {
            ++self->notifications[{LOWORD(wParam), HIWORD(wParam)}];
        }
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Light grey like the game's dialogs, so that pictures are seen on their own ground.
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(192, 192, 192));
        return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        SetWindowLongPtrA(window, DWLP_MSGRESULT,
                          SendMessageA(item->hwndItem, kReflectedDrawItem, 0, lParam));
        return TRUE;
    }
    default:
        return FALSE;
    }
}
