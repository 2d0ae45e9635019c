// The full pass as data, and the bare calls that draw it.
#include "full_pass.h"

#include "dialog_template.h"
#include "resource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

constexpr int kDarkRed = 4;
constexpr int kNoMatchCount = IDB_SMALL_DIGIT_FIRST; // no row of the bench board scores

// Without the main window's template or its artwork there is no pass to measure.
[[noreturn]] void Missing(const char* what, int id) {
    std::fprintf(stderr, "full pass: this program has no %s %d\n", what, id);
    std::exit(1);
}

// From the bitmap's header rather than through GDI: the floor program builds its pass before
// the first paint that its start-up is timed to.
SIZE BitmapSize(int bitmapId) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(bitmapId), RT_BITMAP);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    BITMAPINFOHEADER header{};
    if (data == nullptr || SizeofResource(module, resource) < sizeof header) {
        Missing("bitmap", bitmapId);
    }
    std::memcpy(&header, data, sizeof header);
    if (header.biSize < sizeof header) {
        Missing("Windows bitmap", bitmapId);
    }
    return {header.biWidth, std::abs(header.biHeight)}; // a negative height: stored top down
}

class PassBuilder {
public:
    explicit PassBuilder(const DialogTemplate& layout) : layout(layout) {}

    void Add(int controlId, int bitmapId) {
        const TemplateItem* anchor = layout.Find(controlId);
        if (anchor == nullptr) {
            Missing("control", controlId);
        }
        pass.push_back({controlId, bitmapId, anchor->Units(), BitmapSize(bitmapId)});
    }

    void AddClock(int firstControl, const char* shown) {
        for (int i = 0; shown[i] != '\0'; ++i) {
            Add(firstControl + i,
                shown[i] == ':' ? IDB_COLON : IDB_LARGE_DIGIT_FIRST + (shown[i] - '0'));
        }
    }

    std::vector<PassPicture> pass;

private:
    const DialogTemplate& layout;
};

std::vector<PassPicture> MakeFullPass() {
    const std::optional<DialogTemplate> layout =
        LoadDialogTemplate(GetModuleHandleA(nullptr), IDD_MAIN);
    if (!layout) {
        Missing("dialog template", IDD_MAIN);
    }
    PassBuilder builder(*layout);
    builder.Add(IDC_HEADER_EXACT, IDB_HEADER_EXACT);
    builder.Add(IDC_HEADER_COLOUR, IDB_HEADER_COLOUR);
    for (int cell = 0; cell < 48; ++cell) {
        builder.Add(IDC_PEG_FIRST + cell, IDB_PEG_FIRST + kDarkRed + cell % 2);
    }
    builder.AddClock(IDC_CLOCK_FIRST, "11:21:07");
    builder.AddClock(IDC_REMAIN_FIRST, "14:54");
    for (int row = 0; row < 12; ++row) {
        builder.Add(IDC_EXACT_FIRST + row, kNoMatchCount);
    }
    for (int row = 0; row < 12; ++row) {
        builder.Add(IDC_COLOUR_COUNT_FIRST + row, kNoMatchCount);
    }
    return builder.pass;
}

} // namespace

const std::vector<PassPicture>& FullPass() {
    static const std::vector<PassPicture> pass = MakeFullPass();
    return pass;
}

PlacedPicture PlacePicture(HWND dialog, const PassPicture& picture) {
    RECT corner = picture.dialogUnits;
    MapDialogRect(dialog, &corner);
    return {{corner.left, corner.top}, picture.bitmapId, picture.pixels};
}

std::vector<PlacedPicture> PlacePass(HWND dialog) {
    std::vector<PlacedPicture> placed;
    for (const PassPicture& picture : FullPass()) {
        placed.push_back(PlacePicture(dialog, picture));
    }
    return placed;
}

void BareDraw(HWND window, const PlacedPicture& picture) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture.bitmapId));
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(dc, picture.at.x, picture.at.y, picture.pixels.cx, picture.pixels.cy, memory, 0, 0,
           SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    DeleteObject(bitmap);
}

void BarePass(HWND window, const std::vector<PlacedPicture>& pictures) {
    for (const PlacedPicture& picture : pictures) {
        BareDraw(window, picture);
    }
}

void RequiredCallsDraw(HWND window, int controlId, int bitmapId) {
    HWND control = GetDlgItem(window, controlId);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId & 0xFFFF));
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    HDC dc = GetDC(window);
    if (IsWindowVisible(control)) {
        POINT corner{0, 0};
        MapWindowPoints(control, window, &corner, 1);
        POINT previousOrigin;
        SetViewportOrgEx(dc, corner.x, corner.y, &previousOrigin);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        SetViewportOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
    }
    ReleaseDC(window, dc);
    DeleteObject(bitmap);
    ValidateRect(control, nullptr);
}
