#pragma once

#include "platform/FormDescription.h"
#include "platform/Scale.h"
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

// Moves and sizes the window's frame, without activating it, unless it is there already.
void MoveFrame(HWND window, const PixelRect& frame);

// Resizes the window, keeping its top-left corner, until its client area has this size, as far
// as the system lets a window grow: the frame the system draws may not be the one the window's
// scale asks for (Wine draws every frame at the system's DPI).
void FitClientArea(HWND window, PixelSize client);

// The frame size a maximized or minimized window takes when it is restored, at its place.
void SetRestoredSize(HWND window, PixelSize frame);

// Where the platform's default position put the first opening of a window of this description in
// this run, relative to its monitor's work area; none before that opening.
std::optional<PixelPoint> FirstOpeningPlace(const FormDescription& form);
void NoteFirstOpeningPlace(const FormDescription& form, PixelPoint place);

} // namespace penderlin::platform
