// Measures, in one run under Wine, how soon penderlin.exe's main window is there (shown, and the
// program waiting for input), against the floors such a window stands on and against the peer
// users compare it with, all started alternately: the themed floor (ThemedWindow.cpp: the same
// kinds of controls with a visual style and the manifest, nothing else), a plain Win32 window
// (MinimalWindow.cpp), and the system's winver; with --baseline PROGRAM, another build of
// penderlin.exe too, to measure a change against the program before it. Then where penderlin.exe's
// start-up goes, step by step; a click on "Check Current User" to its message box; and the
// program's size.
#include "Driver.h"
#include "platform/StartupTimeline.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace penderlin::e2e;
using penderlin::platform::StartupStep;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 60;
constexpr size_t kSteps = static_cast<size_t>(StartupStep::Count);
// The steps of the start-up timeline, then painted to idle.
constexpr size_t kPhases = kSteps + 1;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

struct Spread {
    double min = 0;
    double median = 0;
    double max = 0;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

// The first shown top-level window of the process.
HWND ShownWindowOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window)) {
                s.found = window;
            }
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct StartUp {
    Clock::time_point started;
    double toIdle = 0; // ms from CreateProcess to the window shown and the program idle
};

// Starts the program, waits for its window to show and the program to wait for input, then
// closes it and waits for it to end.
StartUp Measure(const std::wstring& program, const std::wstring& arguments = L"") {
    PROCESS_INFORMATION process{};
    StartUp result{Clock::now()};
    if (StartProcess(program, L"\"" + program + L"\" " + arguments, process) != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot start %ls\n", program.c_str());
        std::exit(1);
    }
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    HWND window = nullptr;
    WaitFor("a window of the program",
            [&] { return (window = ShownWindowOf(process.dwProcessId)) != nullptr; });
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
    const StartUp run = Measure(program, L"\"" + times.wstring() + L"\"");
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
    for (int run = 0; run < kRounds; ++run) {
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

// A program penderlin.exe is measured against, and the goal for penderlin.exe's time over its.
struct Contender {
    const char* name;
    std::wstring path;
    const char* goal = nullptr;
    double most = 0; // the goal's ratio, where there is one
    std::vector<double> times;
};

} // namespace

int main(int argc, char** argv) {
    const std::wstring penderlin = ProgramPath();
    std::vector<Contender> others = {
        {"themed floor (same controls, style, manifest)", Beside(L"themed_window.exe"),
         "at most 1.10, aim 1.05", 1.10},
        {"plain Win32 window, no manifest", Beside(L"minimal_window.exe")},
        {"winver, the system's own", L"C:\\windows\\system32\\winver.exe", "at most 0.90, aim 0.85",
         0.90},
    };
    if (argc == 3 && std::string(argv[1]) == "--baseline") {
        const std::string path = argv[2];
        others.push_back({"the baseline build", std::wstring(path.begin(), path.end())});
    }
    const std::wstring steps = Beside(L"startup_steps.exe");
    // Warm the file cache and Wine's DLLs for all of them.
    Measure(penderlin);
    for (const Contender& other : others) {
        Measure(other.path);
    }
    MeasureSteps(steps);

    std::vector<double> ours;
    std::array<std::vector<double>, kPhases> stepTimes;
    for (int round = 0; round < kRounds; ++round) {
        // Each round in another order, so that none is always first after the steps' run.
        const size_t count = others.size() + 1;
        for (size_t turn = 0; turn < count; ++turn) {
            const size_t which = (turn + static_cast<size_t>(round)) % count;
            if (which == others.size()) {
                ours.push_back(Measure(penderlin).toIdle);
            } else {
                others[which].times.push_back(Measure(others[which].path).toIdle);
            }
        }
        const auto times = MeasureSteps(steps);
        for (size_t step = 0; step < kPhases; ++step) {
            stepTimes[step].push_back(step == 0 ? times[0] : times[step] - times[step - 1]);
        }
    }
    const std::vector<double> checks = MeasureChecks();

    const Spread own = SpreadOf(ours);
    std::printf("start-up to the window shown and idle, %d alternated rounds (ms: min, median, "
                "max), and penderlin.exe's time over each other's in the same round:\n",
                kRounds);
    std::printf("  %-47s %6.1f %6.1f %6.1f\n", "penderlin.exe", own.min, own.median, own.max);
    for (const Contender& other : others) {
        const Spread time = SpreadOf(other.times);
        std::vector<double> ratios;
        for (size_t round = 0; round < ours.size(); ++round) {
            ratios.push_back(ours[round] / other.times[round]);
        }
        const Spread ratio = SpreadOf(ratios);
        std::printf("  %-47s %6.1f %6.1f %6.1f   ratio %.2f %.2f %.2f", other.name, time.min,
                    time.median, time.max, ratio.min, ratio.median, ratio.max);
        if (other.goal != nullptr) {
            std::printf(" (goal: %s; %s)", other.goal,
                        ratio.median <= other.most ? "met" : "NOT MET");
        }
        std::printf("\n");
    }
    std::printf("where penderlin.exe's start-up goes (medians, the same code built with a "
                "clock):\n");
    constexpr std::array<const char*, kPhases> kStepNames = {
        "process start to the program's code",
        "DLLs, common controls and window classes",
        "window, picture, icons and fonts",
        "controls",
        "first paint",
        "painted to idle",
    };
    for (size_t step = 0; step < kPhases; ++step) {
        std::printf("  %-45s %6.1f ms\n", kStepNames[step], SpreadOf(stepTimes[step]).median);
    }
    const double check = SpreadOf(checks).median;
    std::printf("click on a check to its message box:          %6.1f ms (median of %d; goal: "
                "under 50; %s)\n",
                check, kRounds, check < 50 ? "met" : "NOT MET");
    const auto size = std::filesystem::file_size(penderlin);
    std::printf("penderlin.exe:                               %8ju bytes (goal: under 1 MiB; %s)\n",
                static_cast<std::uintmax_t>(size), size < 1024 * 1024 ? "met" : "NOT MET");
    return 0;
}
