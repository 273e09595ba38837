#pragma once

#include "platform/FormDescription.h"
#include "platform/Scale.h"

#include <windows.h>

// Where a window goes and how large its frame is, at a given scale.
namespace penderlin::platform {

// The size of the window's client area in pixels.
SIZE ClientSize(const FormDescription& form, const Scale& scale);

// The frame size that gives the window the client area of its description at this scale.
SIZE FrameSize(HWND window, const FormDescription& form, const Scale& scale);

// Sizes the window for its scale and puts it where its description says: centred on its
// monitor, or at the platform's default position. A window with an owner opens on the owner's
// monitor and, where it fits, within that monitor's work area. A window too tall for the work
// area opens at its top.
void PlaceAtStart(HWND window, HWND owner, const FormDescription& form, const Scale& scale);

} // namespace penderlin::platform
