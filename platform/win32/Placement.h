#pragma once

#include "platform/FormDescription.h"

#include <windows.h>

// Where a window goes and how large its frame is, at a given DPI.
namespace penderlin::platform {

// The frame size that gives the window the client area of its description at this DPI.
SIZE FrameSize(HWND window, const FormDescription& form, int dpi);

// Sizes the window for its DPI and puts it where its description says: centred on its
// monitor, or at the platform's default position. A window with an owner opens on the owner's
// monitor and, where it fits, within that monitor's work area.
void PlaceAtStart(HWND window, HWND owner, const FormDescription& form, int dpi);

} // namespace penderlin::platform
