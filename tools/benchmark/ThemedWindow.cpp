// The least a window like penderlin.exe's main window can cost to start: one window in plain
// Win32 with the same kinds of controls (three Common Controls 6 push buttons with a visual style,
// a group box and two labels) in the dialog font, the program's manifest, and nothing else: no
// pictures, icons, own drawing, text size or registry. Built by the same toolchain and linked the
// same way.
#include "FloorWindow.h"

#include <commctrl.h>

using penderlin::benchmark::RegisterFloorClass;

int main() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterFloorClass(L"ThemedWindow", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const HWND window = CreateWindowExW(
        0, L"ThemedWindow", L"Themed window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
        CW_USEDEFAULT, CW_USEDEFAULT, 339, 183, nullptr, nullptr, instance, nullptr);

    LOGFONTW dialogFont{};
    dialogFont.lfHeight = -MulDiv(8, static_cast<int>(GetDpiForWindow(window)), 72);
    lstrcpyW(dialogFont.lfFaceName, L"MS Shell Dlg 2");
    const HFONT font = CreateFontIndirectW(&dialogFont);
    const struct {
        const wchar_t* className;
        const wchar_t* caption;
        DWORD style;
        RECT place;
    } kControls[] = {
        {L"BUTTON",
         L"Click here for Win98/95",
         BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP,
         {8, 8, 105, 73}},
        {L"BUTTON",
         L"Click here for Windows 2000/NT",
         BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP,
         {120, 8, 217, 73}},
        {L"BUTTON", L"&Done!", BS_PUSHBUTTON | WS_TABSTOP, {264, 72, 313, 129}},
        {L"BUTTON", L"Program Info", BS_GROUPBOX, {0, 80, 249, 145}},
        {L"STATIC", L"Created By: The Penderlin developers", SS_LEFT, {8, 96, 225, 141}},
        {L"STATIC", L"Version 0.1a", SS_LEFT, {256, 128, 329, 145}},
    };
    for (const auto& control : kControls) {
        const RECT& r = control.place;
        const HWND made = CreateWindowExW(
            0, control.className, control.caption, WS_CHILD | WS_VISIBLE | control.style, r.left,
            r.top, r.right - r.left, r.bottom - r.top, window, nullptr, instance, nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return 0;
}
