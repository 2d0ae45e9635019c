// The full pass as data, and the bare calls that draw it.
#include "full_pass.h"

#include "resource.h"

namespace {

constexpr SIZE kPeg{25, 25};
constexpr SIZE kLargeDigit{24, 35};
constexpr SIZE kColon{12, 35};
constexpr SIZE kSmallDigit{11, 23};
constexpr SIZE kHeader{18, 18};
constexpr int kDarkRed = 4;
constexpr int kNoMatchCount = IDB_SMALL_DIGIT_FIRST; // no row of the bench board scores

void AddClock(std::vector<PassPicture>& pass, int firstControl, int y, const char* shown,
              const int* xs) {
    for (int i = 0; shown[i] != '\0'; ++i) {
        const bool colon = shown[i] == ':';
        pass.push_back({firstControl + i,
                        colon ? IDB_COLON : IDB_LARGE_DIGIT_FIRST + (shown[i] - '0'),
                        {xs[i], y, 0, 0},
                        colon ? kColon : kLargeDigit});
    }
}

// Positions in dialog units, as the main window's template has them.
std::vector<PassPicture> MakeFullPass() {
    std::vector<PassPicture> pass;
    pass.push_back({IDC_HEADER_EXACT, IDB_HEADER_EXACT, {84, 19, 0, 0}, kHeader});
    pass.push_back({IDC_HEADER_COLOUR, IDB_HEADER_COLOUR, {98, 19, 0, 0}, kHeader});
    for (int cell = 0; cell < 48; ++cell) {
        const int row = cell / 4;
        const int position = cell % 4;
        pass.push_back({IDC_PEG_FIRST + cell,
                        IDB_PEG_FIRST + kDarkRed + cell % 2,
                        {25 + 13 * position, 37 + 12 * row, 0, 0},
                        kPeg});
    }
    static constexpr int kClockX[] = {136, 149, 162, 169, 182, 195, 202, 215};
    AddClock(pass, IDC_CLOCK_FIRST, 33, "11:21:07", kClockX);
    AddClock(pass, IDC_REMAIN_FIRST, 72, "14:54", kClockX);
    for (int row = 0; row < 12; ++row) {
        pass.push_back(
            {IDC_EXACT_FIRST + row, kNoMatchCount, {84, 37 + 12 * row, 0, 0}, kSmallDigit});
    }
    for (int row = 0; row < 12; ++row) {
        pass.push_back(
            {IDC_COLOUR_COUNT_FIRST + row, kNoMatchCount, {99, 37 + 12 * row, 0, 0}, kSmallDigit});
    }
    return pass;
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
