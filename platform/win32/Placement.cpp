#include "Placement.h"

#include <algorithm>

namespace penderlin::platform {

namespace {

MONITORINFO MonitorOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor;
}

// Moves `rect` by whole steps so that it lies within `area` wherever it fits.
void KeepWithin(RECT& rect, const RECT& area) {
    const auto shift = [](LONG low, LONG high, LONG areaLow, LONG areaHigh) -> LONG {
        if (high - low > areaHigh - areaLow) {
            return areaLow - low; // too large: at least its top-left corner shows
        }
        return std::clamp(low, areaLow, areaHigh - (high - low)) - low;
    };
    OffsetRect(&rect, shift(rect.left, rect.right, area.left, area.right),
               shift(rect.top, rect.bottom, area.top, area.bottom));
}

} // namespace

SIZE ClientSize(const FormDescription& form, const Scale& scale) {
    return {scale.FromTwips(form.clientSize.width), scale.FromTwips(form.clientSize.height)};
}

SIZE FrameAround(HWND window, SIZE client, const Scale& scale) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             static_cast<UINT>(scale.dpi));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

SIZE FrameSize(HWND window, const FormDescription& form, const Scale& scale) {
    return FrameAround(window, ClientSize(form, scale), scale);
}

SIZE RescaledClientSize(const FormDescription& form, SIZE client, bool sizedByUser,
                        const Scale& from, const Scale& to) {
    if (form.border == Border::FixedSingle || !sizedByUser) {
        return ClientSize(form, to);
    }
    return {to.Rescaled(client.cx, from), to.Rescaled(client.cy, from)};
}

void FitClientArea(HWND window, SIZE client) {
    RECT frame{};
    RECT now{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &now);
    const int extraWidth = client.cx - now.right;
    const int extraHeight = client.cy - now.bottom;
    if (extraWidth != 0 || extraHeight != 0) {
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + extraWidth,
                     frame.bottom - frame.top + extraHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SetRestoredSize(HWND window, SIZE size) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    RECT& restored = placement.rcNormalPosition;
    restored.right = restored.left + size.cx;
    restored.bottom = restored.top + size.cy;
    // In the state it is in, without activating it.
    placement.showCmd = SW_SHOWNA;
    SetWindowPlacement(window, &placement);
}

void PlaceAtStart(HWND window, HWND owner, const FormDescription& form, const Scale& scale) {
    const SIZE size = FrameSize(window, form, scale);
    RECT placed{};
    GetWindowRect(window, &placed);
    placed.right = placed.left + size.cx;
    placed.bottom = placed.top + size.cy;
    if (form.startPosition == StartPosition::CenterScreen) {
        const MONITORINFO monitor = MonitorOf(window);
        const RECT& screen = monitor.rcMonitor;
        OffsetRect(&placed, screen.left + (screen.right - screen.left - size.cx) / 2 - placed.left,
                   screen.top + (screen.bottom - screen.top - size.cy) / 2 - placed.top);
        // Too tall for the work area, as at a large text size: its title bar stays in reach.
        if (size.cy > monitor.rcWork.bottom - monitor.rcWork.top) {
            OffsetRect(&placed, 0, monitor.rcWork.top - placed.top);
        }
    } else if (owner != nullptr) {
        // The default position is on the primary monitor; keep its place relative to the
        // monitor's corner, on the owner's monitor instead.
        const RECT from = MonitorOf(window).rcWork;
        const RECT to = MonitorOf(owner).rcWork;
        OffsetRect(&placed, to.left - from.left, to.top - from.top);
        KeepWithin(placed, to);
    }
    SetWindowPos(window, nullptr, placed.left, placed.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace penderlin::platform
