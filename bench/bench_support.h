// Helpers shared by the benchmarks: a high-resolution clock in seconds, the median of a set of
// samples, the one line per figure that scripts/bench.sh collects, and a pixel of the screen.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double Seconds() {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median, robust against the odd sample slowed down by other work on the machine.
inline double Median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0.0;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle]
                                   : (samples[middle - 1] + samples[middle]) / 2.0;
}

// "RESULT figure game floor": read by scripts/bench.sh, which prints the table.
inline void PrintResult(const char* figure, double game, double floorFigure) {
    std::printf("RESULT %s %.3f %.3f\n", figure, game, floorFigure);
    std::fflush(stdout);
}

// What the screen shows at the point: the benchmarks time what a player would see.
inline COLORREF ScreenAt(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}
