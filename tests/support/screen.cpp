// Screen capture through a 32-bit DIB section, resource pixels, GDI object counting.
#include "screen.h"

#include "device_context.h"
#include "thread_of_window.h"
#include "win32_handles.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <numeric>

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

Pixels CaptureOnThisThread(POINT corner, int width, int height) {
    const WindowDC screen(nullptr);
    const MemoryDC memory(screen.Get());
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    const GdiObject<HBITMAP> section(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section) {
        return {};
    }
    {
        const Selection selected(memory.Get(), section.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), corner.x, corner.y, SRCCOPY);
        GdiFlush();
    }
    const auto* words = static_cast<const DWORD*>(bits);
    return FromDib({words, words + static_cast<std::size_t>(width * height)}, width, height);
}

struct WindowSearch {
    DWORD processId, threadId; // 0: any
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (IsWindowVisible(window) && (search.processId == 0 || process == search.processId) &&
        (search.threadId == 0 || thread == search.threadId)) {
        search.found.push_back(window);
    }
    return TRUE;
}

} // namespace

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "(" << rect.left << "," << rect.top << ")-(" << rect.right << ","
               << rect.bottom << ")";
}

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
    Pixels pixels;
    const POINT middle{corner.x + width / 2, corner.y + height / 2};
    const HWND shown = WindowFromPoint(middle);
    if (shown == nullptr ||
        !RunOnThreadOf(shown, [&] { pixels = CaptureOnThisThread(corner, width, height); })) {
        pixels = CaptureOnThisThread(corner, width, height);
    }
    return pixels;
}

Pixels BitmapPixels(LPCSTR resource) {
    const GdiObject<HBITMAP> bitmap(LoadBitmapA(GetModuleHandleA(nullptr), resource));
    if (!bitmap) {
        return {};
    }
    BITMAP header{};
    GetObjectA(bitmap.Get(), sizeof header, &header);
    BITMAPINFO info = TopDown32(header.bmWidth, header.bmHeight);
    std::vector<DWORD> words(static_cast<std::size_t>(header.bmWidth * header.bmHeight));
    GetDIBits(WindowDC(nullptr).Get(), bitmap.Get(), 0, static_cast<UINT>(header.bmHeight),
              words.data(), &info, DIB_RGB_COLORS);
    return FromDib(words, header.bmWidth, header.bmHeight);
}

Pixels Filled(int width, int height, COLORREF colour) {
    return {width, height, std::vector<COLORREF>(static_cast<std::size_t>(width * height), colour)};
}

int GdiObjects::Total() const {
    return reported != 0 ? reported : std::accumulate(byKind.begin(), byKind.end(), 0);
}

int CountGdiObjects() {
    return CountGdiObjectsByKind().Total();
}

GdiObjects CountGdiObjectsByKind() {
    // A handle with only its table index set names whatever lives in that slot.
    GdiObjects objects;
    objects.reported = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot) {
        const DWORD kind = GetObjectType(reinterpret_cast<HGDIOBJ>(slot));
        if (kind != 0 && kind < objects.byKind.size()) {
            ++objects.byKind[kind];
        }
    }
    return objects;
}

void PrintTo(const GdiObjects& objects, std::ostream* out) {
    static constexpr const char* kKindNames[] = {
        "", "pens", "brushes", "DCs", "metafile DCs", "palettes", "fonts", "bitmaps", "regions",
        "metafiles", "memory DCs", "extended pens", "enhanced metafile DCs", "enhanced metafiles",
        "colour spaces"};
    static_assert(std::size(kKindNames) == std::tuple_size_v<decltype(GdiObjects::byKind)>);
    *out << objects.Total() << " GDI objects";
    const char* separator = ": ";
    for (std::size_t kind = 1; kind < objects.byKind.size(); ++kind) {
        if (objects.byKind[kind] != 0) {
            *out << separator << objects.byKind[kind] << " " << kKindNames[kind];
            separator = ", ";
        }
    }
}

bool IsPainted(HWND window) {
    const std::vector<HWND> children = ChildWindows(window);
    return !GetUpdateRect(window, nullptr, FALSE) &&
           std::none_of(children.begin(), children.end(),
                        [](HWND child) { return GetUpdateRect(child, nullptr, FALSE); });
}

bool ShowsPicture(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    const Pixels pixels =
        CaptureScreen({rect.left, rect.top}, rect.right - rect.left, rect.bottom - rect.top);
    for (COLORREF pixel : pixels.data) {
        if (pixel != RGB(192, 192, 192)) {
            return true;
        }
    }
    return false;
}

bool ShowsBitmap(HWND window, LPCSTR bitmap, SIZE part) {
    const Pixels picture = BitmapPixels(bitmap);
    const int width = part.cx != 0 ? part.cx : picture.width;
    const int height = part.cy != 0 ? part.cy : picture.height;
    if (picture.width == 0 || width > picture.width || height > picture.height) {
        return false;
    }
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    const Pixels shown = CaptureScreen(corner, width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (shown.At(x, y) != picture.At(x, y)) {
                return false;
            }
        }
    }
    return true;
}

std::optional<int> ShownBitmap(HWND window, int first, int count) {
    for (int offset = 0; offset < count; ++offset) {
        if (ShowsBitmap(window, MAKEINTRESOURCEA(first + offset))) {
            return offset;
        }
    }
    return std::nullopt;
}

std::string TextOf(HWND window) {
    std::array<char, 512> text{};
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ClassOf(HWND window) {
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

std::vector<HWND> VisibleWindows(DWORD processId, DWORD threadId) {
    WindowSearch search{processId, threadId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> VisibleDialogs(const std::string& caption, DWORD processId) {
    std::vector<HWND> dialogs = VisibleWindows(processId);
    std::erase_if(dialogs,
                  [&](HWND window) { return ClassOf(window) != "#32770" || TextOf(window) != caption; });
    return dialogs;
}

GUITHREADINFO InputStateOf(HWND window) {
    GUITHREADINFO state{};
    state.cbSize = sizeof state;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &state)) {
        state = {};
    }
    return state;
}

std::vector<std::string> ItemsOf(HWND list) {
    const bool combo = lstrcmpiA(ClassOf(list).c_str(), "ComboBox") == 0;
    std::vector<std::string> items;
    const auto count = SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::array<char, 256> text{};
        SendMessageA(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(text.data()));
        items.emplace_back(text.data());
    }
    return items;
}

std::vector<HWND> ChildWindows(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

bool ShowsText(HWND window, const std::string& text) {
    const std::vector<HWND> children = ChildWindows(window);
    return std::any_of(children.begin(), children.end(),
                       [&](HWND child) { return TextOf(child) == text; });
}
