// The floor for penderlin.exe's start-up: one empty window in plain Win32, built by the same
// toolchain and linked the same way, with no manifest, no common controls and no resources.
#include "FloorWindow.h"

using penderlin::benchmark::RegisterFloorClass;

int main() {
    RegisterFloorClass(L"MinimalWindow", nullptr);
    const HWND window = CreateWindowExW(0, L"MinimalWindow", L"Minimal window", WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 323, 144, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
