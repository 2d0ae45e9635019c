// The floor the game's start-up, idle CPU and memory are measured against: a minimal dialog
// program of ours with one template and one timer. At start-up it paints one marker, the colon
// at the anchor where the game's first pass ends; each second it draws the 87 pictures of a
// full pass with bare calls. Bare on purpose: any wrapper here would lift the floor.
// Started with the argument "game-template" it runs the game's main window template instead
// of its own (same caption, marker and timer): what the template's controls alone cost.
#include "full_pass.h"
#include "resource.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr int kFloorTemplate = 1;
constexpr char kFloorCaption[] = "Zodedu floor";
constexpr UINT_PTR kPassTimer = 1;

std::vector<PlacedPicture> pass;

void DrawMarker(HWND dialog) {
    const PassPicture colon{IDC_REMAIN_COLON, IDB_COLON, {162, 72, 0, 0}, {12, 35}};
    BareDraw(dialog, PlacePicture(dialog, colon));
    ValidateRect(GetDlgItem(dialog, IDC_REMAIN_COLON), nullptr); // or it paints over the marker
}

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextA(dialog, kFloorCaption); // the game's template has the game's caption
        pass = PlacePass(dialog);
        SetTimer(dialog, kPassTimer, 1000, nullptr);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(dialog, &paint);
        EndPaint(dialog, &paint);
        DrawMarker(dialog);
        return TRUE;
    }
    case WM_TIMER:
        BarePass(dialog, pass);
        return TRUE;
    case WM_CLOSE:
        KillTimer(dialog, kPassTimer);
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const int dialogTemplate =
        std::strcmp(commandLine, "game-template") == 0 ? IDD_MAIN : kFloorTemplate;
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(dialogTemplate), nullptr, FloorProc, 0));
}
