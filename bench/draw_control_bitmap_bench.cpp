// Cost of DrawControlBitmap: per call and per display pass of 87 pictures (the most the main
// window draws), next to the bare Win32 calls it makes written out in a plain loop, and to a
// blit of a bitmap loaded once. Run by hand: wine draw_control_bitmap_bench.exe [passes]
#include "bench_support.h"
#include "draw_control_bitmap.h"
#include "full_pass.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr int kPictures = 87;

// The pictures of a full pass: 2 headers, 48 pegs, 8 + 5 clock pictures, 24 counts; each
// with an anchor of its own.
std::vector<std::pair<int, int>> BoardPass() {
    std::vector<std::pair<int, int>> pass; // control, bitmap
    int control = 1;
    pass.emplace_back(control++, 161);
    pass.emplace_back(control++, 162);
    for (int i = 0; i < 48; ++i) {
        pass.emplace_back(control++, 134 + i % 6);
    }
    for (const char c : {'1', '2', ':', '3', '4', ':', '5', '6', '0', '9', ':', '5', '9'}) {
        pass.emplace_back(control++, c == ':' ? 150 : c + 92);
    }
    for (int i = 0; i < 24; ++i) {
        pass.emplace_back(control++, 151 + i % 5);
    }
    return pass;
}

HWND CreateBoard() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = "ZodeduBenchBoard";
    RegisterClassA(&windowClass);
    HWND board = CreateWindowExA(WS_EX_TOPMOST, "ZodeduBenchBoard", "DrawControlBitmap bench",
                                 WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 520, 420, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < kPictures; ++i) {
        const int x = 8 + (i % 12) * 40;
        const int y = 8 + (i / 12) * 48;
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, 12, 16, board,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
                        GetModuleHandleA(nullptr), nullptr);
    }
    UpdateWindow(board);
    return board;
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

template <class Draw>
double TimePasses(int passes, const std::vector<std::pair<int, int>>& pass, Draw draw) {
    const double start = Seconds();
    for (int p = 0; p < passes; ++p) {
        for (const auto& [control, bitmap] : pass) {
            draw(control, bitmap);
        }
        GdiFlush();
    }
    return Seconds() - start;
}

void Report(const char* what, double seconds, int passes) {
    const double calls = static_cast<double>(passes) * kPictures;
    std::printf("%-34s %8.3f ms per call  %8.2f ms per pass of %d\n", what,
                seconds * 1000.0 / calls, seconds * 1000.0 / passes, kPictures);
}

} // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 200;
    HWND board = CreateBoard();
    Pump();
    const std::vector<std::pair<int, int>> pass = BoardPass();

    // Warm up caches of the system on both paths before timing either.
    TimePasses(5, pass, [&](int c, int b) { DrawControlBitmap(board, c, b); });
    TimePasses(5, pass, [&](int c, int b) { RequiredCallsDraw(board, c, b); });

    // Interleaved rounds, so that drift of the machine touches both alike.
    double routine = 0.0;
    double bare = 0.0;
    for (int round = 0; round < 4; ++round) {
        routine +=
            TimePasses(passes / 4, pass, [&](int c, int b) { DrawControlBitmap(board, c, b); });
        bare += TimePasses(passes / 4, pass, [&](int c, int b) { RequiredCallsDraw(board, c, b); });
        Pump();
    }
    const int timed = passes / 4 * 4;

    // For scale: only the blit of a bitmap loaded once.
    HBITMAP peg = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(134));
    const double blitOnly = TimePasses(timed, pass, [&](int, int) {
        HDC dc = GetDC(board);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, peg);
        BitBlt(dc, 0, 0, 25, 25, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        ReleaseDC(board, dc);
    });
    DeleteObject(peg);

    std::printf("%d passes of %d pictures\n", timed, kPictures);
    Report("DrawControlBitmap", routine, timed);
    Report("bare Win32 calls, plain loop", bare, timed);
    Report("blit of a preloaded bitmap", blitOnly, timed);
    std::printf("DrawControlBitmap / bare calls: %.3f\n", routine / bare);
    DestroyWindow(board);
    return 0;
}
