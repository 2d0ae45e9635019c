// Screen capture through a 32-bit DIB section, resource pixels, GDI object counting.
#include "screen.h"

#include "thread_of_window.h"

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

int CountGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) {
        return static_cast<int>(reported);
    }
    const GdiObjects objects = CountGdiObjectsByKind();
    return std::accumulate(objects.byKind.begin(), objects.byKind.end(), 0);
}

GdiObjects CountGdiObjectsByKind() {
    // A handle with only its table index set names whatever lives in that slot.
    GdiObjects objects;
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
    *out << std::accumulate(objects.byKind.begin(), objects.byKind.end(), 0) << " GDI objects";
    const char* separator = ": ";
    for (std::size_t kind = 1; kind < objects.byKind.size(); ++kind) {
        if (objects.byKind[kind] != 0) {
            *out << separator << objects.byKind[kind] << " " << kKindNames[kind];
            separator = ", ";
        }
    }
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

std::string TextOf(HWND window) {
    std::array<char, 512> text{};
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool ShowsText(HWND window, const std::string& text) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (TextOf(child) == text) {
            return true;
        }
    }
    return false;
}
