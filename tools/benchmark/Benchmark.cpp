// Measures, in one run under Wine: penderlin.exe's start-up to its main window shown and idle,
// against the floor of a plain Win32 program showing one empty window, the two started in turn;
// where the start-up goes, step by step; a click on "Check Current User" to its message box;
// and penderlin.exe's size.
#include "Driver.h"
#include "platform/StartupTimeline.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace {

using namespace penderlin::e2e;
using penderlin::platform::StartupStep;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 25;
constexpr size_t kSteps = static_cast<size_t>(StartupStep::Count);
// The steps of the start-up timeline, then painted to idle.
constexpr size_t kPhases = kSteps + 1;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());

    return values[values.size() / 2];
}

struct StartUp {
    Clock::time_point started;
    double toIdle = 0; // ms from CreateProcess to the window shown and the program idle
};

// Starts the program, waits for its window to show and the program to wait for input, then
// closes it and waits for it to end.
StartUp Measure(const std::wstring& program, const wchar_t* caption,
                const std::wstring& arguments = L"") {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    StartUp result{Clock::now()};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls\n", program.c_str());
        std::exit(1);
    }
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    const HWND window = WaitForWindow(caption);
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    result.toIdle = Milliseconds(Clock::now() - result.started);
    if (window == nullptr) {
        std::fprintf(stderr, "%ls showed no window\n", program.c_str());
        std::exit(1);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine's desktop goes on tidying up after a process ends; let it finish before the next.
    constexpr auto kSettle = std::chrono::milliseconds(200);
    std::this_thread::sleep_for(kSettle);
    return result;
}

// The start-up of the step-by-step build: ms from CreateProcess to each step, and to idle.
std::array<double, kPhases> MeasureSteps(const std::wstring& program) {
    const std::filesystem::path times =
        std::filesystem::temp_directory_path() / "startup-steps.txt";
    const StartUp run = Measure(program, L"Oskavel", L"\"" + times.wstring() + L"\"");
    std::ifstream file(times);
    std::array<double, kPhases> steps{};
    for (size_t step = 0; step < kSteps; ++step) {
        long long ticks = 0;
        file >> ticks;
        steps[step] = Milliseconds(Clock::time_point(Clock::duration(ticks)) - run.started);
    }
    steps[kSteps] = run.toIdle;
    return steps;
}

// A click on "Check Current User" to its message box being shown.
std::vector<double> MeasureChecks() {
    std::vector<double> checks;
    Program program;
    const HWND main = WaitForWindow(L"Oskavel");
    PostMessageW(ControlWithText(main, L"Click here for Win98/95"), BM_CLICK, 0, 0);
    const HWND win98 = WaitForWindow(L"Windows 98/95 Version");
    const HWND button = ControlWithText(win98, L"Check Current User");
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        PostMessageW(button, BM_CLICK, 0, 0);
        const auto box = WaitForDialog();
        if (!box) {
            std::fputs("no message box\n", stderr);
            std::exit(1);
        }
        checks.push_back(Milliseconds(Clock::now() - start));
        Dismiss(*box);
    }
    return checks;
}

} // namespace

int main() {
    const std::wstring penderlin = ProgramPath();
    const std::wstring floor = Beside(L"minimal_window.exe");
    const std::wstring steps = Beside(L"startup_steps.exe");
    // Warm the file cache and Wine's DLLs for all three.
    Measure(penderlin, L"Oskavel");
    Measure(floor, L"Minimal window");
    MeasureSteps(steps);

    std::vector<double> ours;
    std::vector<double> floors;
    std::array<std::vector<double>, kPhases> stepTimes;
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(Measure(penderlin, L"Oskavel").toIdle);
        floors.push_back(Measure(floor, L"Minimal window").toIdle);
        const auto times = MeasureSteps(steps);
        for (size_t step = 0; step < kPhases; ++step) {
            stepTimes[step].push_back(step == 0 ? times[0] : times[step] - times[step - 1]);
        }
    }
    const std::vector<double> checks = MeasureChecks();

    const double startUp = Median(ours);
    const double floorStartUp = Median(floors);
    std::printf("start-up to the main window, idle:    %7.1f ms (median of %d)\n", startUp, kRuns);
    std::printf("plain Win32 window, no manifest:      %7.1f ms, ratio %.2f (goal: at most 1.30, "
                "aim 1.20)\n",
                floorStartUp, startUp / floorStartUp);
    std::printf("where the start-up goes (medians, the same code built with a clock):\n");
    constexpr std::array<const char*, kPhases> kStepNames = {
        "process start to the program's code",
        "common controls and window classes",
        "window, picture, icons and fonts",
        "controls",
        "first paint",
        "painted to idle",
    };
    for (size_t step = 0; step < kPhases; ++step) {
        std::printf("  %-36s %7.1f ms\n", kStepNames[step], Median(stepTimes[step]));
    }
    std::printf("click on a check to its message box:  %7.1f ms (median of %d; goal: under 50)\n",
                Median(checks), kRuns);
    std::printf("penderlin.exe:                        %7ju bytes (goal: under 1 MiB)\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(penderlin)));
    return 0;
}
