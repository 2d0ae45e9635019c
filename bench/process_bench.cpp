// The game and the floor program as separate processes, started the same way from here:
// start-up to the fully painted window (median of several runs each, taken in turn, with the
// floor program also run on the game's template to show what its controls alone cost), then a
// minute of each alone on the desktop with its clock running, after which its working set is
// read. CPU times (of each start-up and of the idle minute) are read by scripts/bench.sh from
// /proc on the MARK lines printed here, because Wine reports none for another process.
// Run by hand under Wine: process_bench.exe GAME.exe FLOOR.exe [starts] [idle seconds]
#include "bench_support.h"
#include "program_run.h"
#include "resource.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kGameCaption = "Zodedu";
const char* const kFloorCaption = "Zodedu floor";
constexpr DWORD kPaintTimeoutMs = 20000;
constexpr int kPegsEntered = 47; // every cell but the last: a full board without an end
constexpr DWORD kCpuReadMs = 300;
constexpr double kPegTimeout = 10.0; // seconds; long, for a machine under heavy load

struct Target {
    const char* name;
    std::string exePath;
    const char* caption;
    std::string argument;
};

// Milliseconds from creating the process to the fully painted window, or a negative value.
// With counted, the script is told to read the CPU time the process has used so far; it is
// left alone a moment for that, well before its first clock tick.
double StartUpMs(const Target& target, bool counted) {
    const double start = Seconds();
    ProgramRun run(target.exePath, target.caption, target.argument);
    if (!run.Started() || !run.WaitPainted(kPaintTimeoutMs)) {
        return -1.0;
    }
    const double elapsed = (Seconds() - start) * 1000.0;
    if (counted) {
        std::printf("MARK %s painted %s\n", target.name, target.exePath.c_str());
        std::fflush(stdout);
        Sleep(kCpuReadMs);
    }
    return elapsed;
}

// The game, the floor, and the floor with the game's template, in turn.
bool MeasureStartUp(const std::vector<Target>& targets, int starts) {
    for (const Target& target : targets) {
        StartUpMs(target, false); // first runs fill the system's caches; not counted
    }
    std::vector<std::vector<double>> ms(targets.size());
    for (int i = 0; i < starts; ++i) {
        std::string line = "start-up run " + std::to_string(i) + ":";
        for (std::size_t t = 0; t < targets.size(); ++t) {
            const double elapsed = StartUpMs(targets[t], true);
            if (elapsed < 0.0) {
                std::printf("start-up run %d: %s: no fully painted window\n", i, targets[t].name);
                return false;
            }
            ms[t].push_back(elapsed);
            line += " " + std::string(targets[t].name) + " " +
                    std::to_string(elapsed).substr(0, 6) + " ms";
        }
        std::printf("%s\n", line.c_str());
    }
    // The game against the floor program on the game's own template: what the game does
    // beyond creating and painting its controls.
    PrintResult("startup", Median(ms[0]), Median(ms[2]));
    PrintResult("startup_bare_floor", Median(ms[0]), Median(ms[1]));
    return true;
}

COLORREF PegColour(int colour) {
    static constexpr COLORREF kPegs[] = {RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 0),
                                         RGB(0, 0, 255), RGB(128, 0, 0),   RGB(255, 0, 255)};
    return kPegs[colour];
}

// Rows of one colour each: with the stored default (no repeated colours in the code) none
// can win, and the last cell stays empty, so the game neither ends nor opens a dialog.
bool EnterPegs(HWND mainWindow) {
    for (int cell = 0; cell < kPegsEntered; ++cell) {
        const int colour = cell / 4 % 6;
        RECT anchor;
        GetWindowRect(GetDlgItem(mainWindow, IDC_PEG_FIRST + cell), &anchor);
        const POINT middle{anchor.left + 12, anchor.top + 12};
        PostMessageA(GetDlgItem(mainWindow, IDC_COLOUR_BUTTON_FIRST + colour), BM_CLICK, 0, 0);
        const double start = Seconds();
        while (ScreenAt(middle) != PegColour(colour)) {
            if (Seconds() - start > kPegTimeout) {
                std::printf("peg %d did not appear\n", cell);
                return false;
            }
            Sleep(5);
        }
    }
    return true;
}

// One program alone for the idle period, then its working set.
bool IdleSession(const Target& target, bool play, int seconds, double& workingSetMb) {
    ProgramRun run(target.exePath, target.caption, target.argument);
    if (!run.Started() || !run.WaitPainted(kPaintTimeoutMs)) {
        std::printf("%s: no fully painted window\n", target.name);
        return false;
    }
    if (play && !EnterPegs(run.Main())) {
        return false;
    }
    Sleep(2000); // let the clicks' work finish before the idle period starts
    std::printf("MARK %s begin %s\n", target.name, target.exePath.c_str());
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    std::printf("MARK %s end\n", target.name);
    std::fflush(stdout);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(run.Process(), &memory, sizeof memory)) {
        std::printf("%s: no memory counters (error %lu)\n", target.name, GetLastError());
        return false;
    }
    workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    std::printf("%s: working set %.2f MB, peak %.2f MB\n", target.name, workingSetMb,
                static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    Sleep(1000); // the script reads /proc of the live process on the end mark
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: process_bench GAME.exe FLOOR.exe [starts] [idle seconds]\n");
        return 2;
    }
    const Target game{"game", argv[1], kGameCaption, ""};
    const Target floor{"floor", argv[2], kFloorCaption, ""};
    const Target floorWithGameTemplate{"template", argv[2], kFloorCaption, "game-template"};
    const int starts = argc > 3 ? std::atoi(argv[3]) : 9;
    const int seconds = argc > 4 ? std::atoi(argv[4]) : 60;

    bool ok = MeasureStartUp({game, floor, floorWithGameTemplate}, starts);
    double gameMb = 0.0;
    double floorMb = 0.0;
    if (IdleSession(game, true, seconds, gameMb) && IdleSession(floor, false, seconds, floorMb)) {
        PrintResult("memory", gameMb, floorMb);
    } else {
        ok = false;
    }
    return ok ? 0 : 1;
}
