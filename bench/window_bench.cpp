// The program's main window: the time from starting the program to its first painted
// window, next to a bare GDI+ window of the same size that paints one skin picture
// (what any GDI+ program pays); the memory of each a few seconds after that paint;
// and the processor time the program uses while it sits idle, shown and hidden.
// Start times and memory are medians of a few runs; the two programs take turns.
//   window_bench [runs] [cpu-seconds] [program] [bare-window]
//   (defaults: 5 runs, 60 s, ..\dist\Mirevo.exe and bare_gdiplus_window.exe beside it)
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "ProgramRun.h"
#include "ScreenColours.h"

namespace {

using Clock = std::chrono::steady_clock;

// The window property that marks the program's main window.
constexpr wchar_t kMainWindowProperty[] = L"Corvane";
// A window not painted yet shows one colour (Wine's fresh window surface) or the two
// of the bare X root pattern beneath it; a painted one shows more.
constexpr int kPaintedColours = 3;
constexpr double kStartTimeoutMs = 60000;
constexpr DWORD kPollMs = 2;
// Time after the first paint for the start-up work to settle before memory and
// processor time are read.
constexpr DWORD kSettleMs = 3000;
constexpr double kMegabyte = 1024.0 * 1024.0;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Starts `program` and waits for its window to show more colours than an unpainted one
// on screen; the milliseconds from the start, or a negative number when it never does.
double MillisecondsToPaintedWindow(ProgramRun& run, const std::wstring& program) {
    Clock::time_point start = Clock::now();
    if (!run.Start(program)) return -1;
    while (MillisecondsSince(start) < kStartTimeoutMs) {
        if (run.HasExited()) {
            std::fprintf(stderr, "%ls ended before it showed a painted window\n", program.c_str());
            return -1;
        }
        HWND window = run.VisibleWindow();
        if (window && DistinctColoursShown(window, kPaintedColours) >= kPaintedColours) return MillisecondsSince(start);
        Sleep(kPollMs);
    }
    std::fprintf(stderr, "%ls showed no painted window within %.0f s\n", program.c_str(), kStartTimeoutMs / 1000);
    return -1;
}

struct StartSamples {
    std::vector<double> milliseconds, workingSet, peakWorkingSet;  // sizes in MB
};

bool MeasureStart(const std::wstring& program, const std::wstring& property, StartSamples& samples) {
    ProgramRun run(property);
    double milliseconds = MillisecondsToPaintedWindow(run, program);
    if (milliseconds < 0) return false;
    Sleep(kSettleMs);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(run.Process(), &memory, sizeof memory);
    samples.milliseconds.push_back(milliseconds);
    samples.workingSet.push_back(memory.WorkingSetSize / kMegabyte);
    samples.peakWorkingSet.push_back(memory.PeakWorkingSetSize / kMegabyte);
    if (!run.End()) std::fprintf(stderr, "%ls did not end when asked and was terminated\n", program.c_str());
    return true;
}

// The share of one core the program uses over the next `seconds`, in percent.
double ProcessorPercent(const ProgramRun& run, double seconds) {
    double before = run.ProcessorSeconds();
    Clock::time_point start = Clock::now();
    Sleep(static_cast<DWORD>(seconds * 1000));
    double used = run.ProcessorSeconds() - before;
    return 100 * used / (MillisecondsSince(start) / 1000);
}

struct IdleProcessor {
    double shown = 0, hidden = 0;
};

bool MeasureIdleProcessor(const std::wstring& program, double seconds, IdleProcessor& idle) {
    ProgramRun run(kMainWindowProperty);
    if (MillisecondsToPaintedWindow(run, program) < 0) return false;
    Sleep(kSettleMs);
    HWND window = run.VisibleWindow();
    idle.shown = ProcessorPercent(run, seconds);
    ShowWindow(window, SW_HIDE);
    Sleep(kSettleMs);
    idle.hidden = ProcessorPercent(run, seconds);
    if (IsWindowVisible(window)) std::fprintf(stderr, "the window showed itself again while it was to stay hidden\n");
    run.End();
    return true;
}

std::wstring Wide(const char* text) {
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), size);
    return wide;
}

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

const char* Verdict(double value, double goal) { return value <= goal ? "met" : "missed"; }

void PrintTable(int runs, double seconds, const StartSamples& program, const StartSamples& bare,
                const IdleProcessor& idle) {
    double programMs = Median(program.milliseconds), bareMs = Median(bare.milliseconds);
    double ratio = programMs / bareMs, workingSet = Median(program.workingSet);
    std::printf("medians of %d runs; processor time over %.0f s, in %% of one core\n\n", runs, seconds);
    std::printf("%-34s %10s %10s   %s\n", "", "program", "bare GDI+", "goal");
    std::printf("%-34s %7.0f ms %7.0f ms\n", "start to first painted window", programMs, bareMs);
    std::printf("%-34s %8.2f x %10s   <= 1.5 x  %s\n", "  program / bare", ratio, "", Verdict(ratio, 1.5));
    char settled[64];
    std::snprintf(settled, sizeof settled, "working set %lu s after the paint", kSettleMs / 1000);
    std::printf("%-34s %7.1f MB %7.1f MB   <= 30 MB  %s\n", settled, workingSet, Median(bare.workingSet),
                Verdict(workingSet, 30));
    std::printf("%-34s %7.1f MB %7.1f MB\n", "peak working set", Median(program.peakWorkingSet),
                Median(bare.peakWorkingSet));
    std::printf("%-34s %8.3f %%\n", "processor, window shown and idle", idle.shown);
    std::printf("%-34s %8.3f %% %10s   <= 0.1 %%  %s\n", "processor, window hidden", idle.hidden, "",
                Verdict(idle.hidden, 0.1));
}

}  // namespace

int main(int argc, char** argv) {
    int runs = RunsFromArguments(argc, argv);
    double seconds = argc > 2 && std::atof(argv[2]) > 0 ? std::atof(argv[2]) : 60;
    std::wstring program = argc > 3 ? Wide(argv[3]) : BesideThisProgram(L"..\\dist\\Mirevo.exe");
    std::wstring bareWindow = argc > 4 ? Wide(argv[4]) : BesideThisProgram(L"bare_gdiplus_window.exe");
    std::printf("program:     %ls\nbare window: %ls\n", program.c_str(), bareWindow.c_str());
    std::fflush(stdout);

    StartSamples programStarts, bareStarts;
    for (int run = 1; run <= runs; ++run) {
        std::fprintf(stderr, "start run %d of %d\n", run, runs);
        if (!MeasureStart(program, kMainWindowProperty, programStarts)) return 1;
        if (!MeasureStart(bareWindow, L"", bareStarts)) return 1;
    }
    std::fprintf(stderr, "processor time, %.0f s shown and %.0f s hidden\n", seconds, seconds);
    IdleProcessor idle;
    if (!MeasureIdleProcessor(program, seconds, idle)) return 1;
    PrintTable(runs, seconds, programStarts, bareStarts, idle);
    return 0;
}
