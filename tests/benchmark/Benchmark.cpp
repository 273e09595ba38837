// Measures, in one run under Wine: start-up to the main window shown and idle, against an empty
// window built by the same platform code and against a plain Win32 window; a click on "Check
// Current User" to its message box; and penderlin.exe's size.
#include "../e2e/Driver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using namespace penderlin::e2e;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 15;

std::filesystem::path Beside(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return std::filesystem::path(path).parent_path() / name;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// From CreateProcess to the window being visible with the program idle, waiting for input.
double StartUp(const std::filesystem::path& program, const wchar_t* caption) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &process);
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    HWND window = nullptr;
    while ((window = FindWindowW(nullptr, caption)) == nullptr || !IsWindowVisible(window)) {
        Sleep(1);
    }
    WaitForInputIdle(process.hProcess, kTimeoutMs);
    const auto elapsed = Clock::now() - start;
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Milliseconds(elapsed);
}

} // namespace

int main() {
    const auto penderlin = Beside(L"penderlin.exe");
    const auto empty = Beside(L"empty_form.exe");
    const auto minimal = Beside(L"minimal_window.exe");
    // Warm the file cache and Wine's DLLs for all three.
    StartUp(penderlin, L"Oskavel");
    StartUp(empty, L"Empty form");
    StartUp(minimal, L"Minimal window");

    std::vector<double> ours;
    std::vector<double> emptyForm;
    std::vector<double> plainWindow;
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(StartUp(penderlin, L"Oskavel"));
        emptyForm.push_back(StartUp(empty, L"Empty form"));
        plainWindow.push_back(StartUp(minimal, L"Minimal window"));
    }

    std::vector<double> checks;
    {
        Program program;
        const HWND main = WaitForWindow(L"Oskavel");
        PostMessageW(ControlWithText(main, L"Click here for Win98/95"), BM_CLICK, 0, 0);
        const HWND win98 = WaitForWindow(L"Windows 98/95 Version");
        const HWND button = ControlWithText(win98, L"Check Current User");
        for (int run = 0; run < kRuns; ++run) {
            const auto start = Clock::now();
            PostMessageW(button, BM_CLICK, 0, 0);
            HWND box = nullptr;
            while ((box = FindWindowW(L"#32770", L"Penderlin")) == nullptr ||
                   !IsWindowVisible(box)) {
                Sleep(1);
            }
            checks.push_back(Milliseconds(Clock::now() - start));
            PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            while (IsWindow(box)) {
                Sleep(1);
            }
        }
    }

    const double startUp = Median(ours);
    const double emptyStartUp = Median(emptyForm);
    const double plainStartUp = Median(plainWindow);
    std::printf("start-up to the main window, idle:   %7.1f ms (median of %d)\n", startUp, kRuns);
    std::printf("empty window, same platform code:    %7.1f ms, ratio %.2f (goal: at most 1.20)\n",
                emptyStartUp, startUp / emptyStartUp);
    std::printf("plain Win32 window:                  %7.1f ms, ratio %.2f\n", plainStartUp,
                startUp / plainStartUp);
    std::printf("click on a check to its message box: %7.1f ms (median of %d; goal: under 50)\n",
                Median(checks), kRuns);
    std::printf("penderlin.exe:                       %7ju bytes (goal: under 1 MiB)\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(penderlin)));
    return 0;
}
