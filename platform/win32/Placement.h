#pragma once

#include "platform/WindowGeometry.h"

#include <windows.h>

#include <optional>

// The Win32 side of platform/WindowGeometry.h: what it needs read from the windows and monitors,
// and its answers applied to them.
namespace penderlin::platform {

PixelRect FromRect(const RECT& rect);
Monitor MonitorOf(HWND window);
Monitor PrimaryMonitor();
PixelRect FrameOf(HWND window);
PixelSize ClientOf(HWND window);
WindowState StateOf(HWND window);

// The frame size around a client area of this size, for a window of this style at this DPI.
PixelSize FrameAround(DWORD style, DWORD extendedStyle, PixelSize client, int dpi);
PixelSize FrameAround(HWND window, PixelSize client, int dpi);

// Where CreateWindowEx makes a window for this frame: CW_USEDEFAULT for none.
struct CreationRect {
    int x, y, width, height;
};
CreationRect ToCreateAt(const std::optional<PixelRect>& frame);

// Moves and sizes the window's frame, without activating it, unless it is there already.
void MoveFrame(HWND window, const PixelRect& frame);

// Resizes the window, keeping its top-left corner, until its client area has this size, as far
// as the system lets a window grow.
void ResizeClientArea(HWND window, PixelSize client);

// The frame size a maximized or minimized window takes when it is restored, at its place.
void SetRestoredSize(HWND window, PixelSize frame);

} // namespace penderlin::platform
