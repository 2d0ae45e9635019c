// Starting, watching and closing one benchmarked program.
#include "program_run.h"

#include "bench_support.h"
#include "resource.h"

#include <cstdio>

namespace {

constexpr COLORREF kMarkerRed = RGB(255, 0, 0);
constexpr POINT kMarkerDot{5, 12}; // inside the colon's upper dot

BOOL CALLBACK AnyChildToPaint(HWND child, LPARAM found) {
    if (GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

ProgramRun::ProgramRun(const std::string& exePath, const char* caption, const std::string& argument)
    : process(Quoted(exePath) + (argument.empty() ? "" : " " + argument)), caption(caption) {
    if (!process.Started()) {
        std::printf("cannot start %s: error %lu\n", exePath.c_str(), process.StartError());
    }
}

HWND ProgramRun::Main() {
    if (mainWindow == nullptr) {
        mainWindow = process.FindWindow("#32770", caption.c_str());
    }
    return mainWindow;
}

bool ProgramRun::Painted() {
    if (Main() == nullptr) {
        return false;
    }
    // Read afresh each time: a dialog may still be moved after it is found.
    RECT anchor;
    if (!GetWindowRect(GetDlgItem(mainWindow, IDC_REMAIN_COLON), &anchor)) {
        return false;
    }
    marker = {anchor.left + kMarkerDot.x, anchor.top + kMarkerDot.y};
    if (ScreenAt(marker) != kMarkerRed || GetUpdateRect(mainWindow, nullptr, FALSE)) {
        return false;
    }
    bool childToPaint = false;
    EnumChildWindows(mainWindow, AnyChildToPaint, reinterpret_cast<LPARAM>(&childToPaint));
    return !childToPaint;
}

bool ProgramRun::WaitPainted(DWORD timeoutMs) {
    const double start = Seconds();
    while (!Painted()) {
        if (Seconds() - start > timeoutMs / 1000.0 || !process.Running()) {
            const bool toPaint = mainWindow != nullptr && GetUpdateRect(mainWindow, nullptr, FALSE);
            std::printf("%s: window %s, marker pixel 0x%06lx at (%ld, %ld), %s\n", caption.c_str(),
                        mainWindow != nullptr ? "found" : "not found", ScreenAt(marker), marker.x,
                        marker.y, toPaint ? "paint pending" : "no paint pending");
            return false;
        }
        Sleep(1); // leave the cores to the program being timed
    }
    return true;
}

void ProgramRun::Close() {
    if (!process.Close(Main())) {
        std::printf("%s did not end: terminated\n", caption.c_str());
    }
    // The next run must not find this run's marker still on the screen.
    const double start = Seconds();
    while ((marker.x != 0 || marker.y != 0) && ScreenAt(marker) == kMarkerRed &&
           Seconds() - start < 3.0) {
        Sleep(5);
    }
}
