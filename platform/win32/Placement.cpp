#include "Placement.h"

namespace penderlin::platform {

PixelRect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

namespace {

Monitor MonitorInfo(HMONITOR handle) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(handle, &monitor);
    return {FromRect(monitor.rcMonitor), FromRect(monitor.rcWork)};
}

} // namespace

Monitor MonitorOf(HWND window) {
    return MonitorInfo(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

Monitor PrimaryMonitor() {
    return MonitorInfo(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

PixelRect FrameOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return FromRect(frame);
}

PixelSize ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

WindowState StateOf(HWND window) {
    return IsZoomed(window)   ? WindowState::Maximized
           : IsIconic(window) ? WindowState::Minimized
                              : WindowState::Normal;
}

PixelSize FrameAround(DWORD style, DWORD extendedStyle, PixelSize client, int dpi) {
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

PixelSize FrameAround(HWND window, PixelSize client, int dpi) {
    return FrameAround(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), client, dpi);
}

CreationRect ToCreateAt(const std::optional<PixelRect>& frame) {
    if (!frame) {
        return {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    }
    return {frame->left, frame->top, frame->Width(), frame->Height()};
}

void MoveFrame(HWND window, const PixelRect& frame) {
    if (FrameOf(window) == frame) {
        return;
    }
    SetWindowPos(window, nullptr, frame.left, frame.top, frame.Width(), frame.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeClientArea(HWND window, PixelSize client) {
    const PixelSize now = ClientOf(window);
    if (now == client) {
        return;
    }
    const PixelSize frame = FrameForClient(FrameOf(window), now, client);
    SetWindowPos(window, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetRestoredSize(HWND window, PixelSize frame) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    RECT& restored = placement.rcNormalPosition;
    restored.right = restored.left + frame.width;
    restored.bottom = restored.top + frame.height;
    // In the state it is in, without activating it.
    placement.showCmd = SW_SHOWNA;
    SetWindowPlacement(window, &placement);
}

} // namespace penderlin::platform
