#pragma once

#include "platform/FormDescription.h"
#include "platform/Scale.h"

#include <windows.h>

// Where a window goes and how large its frame is, at a given scale.
namespace penderlin::platform {

// The size of the window's client area in pixels, as its description designs it.
SIZE ClientSize(const FormDescription& form, const Scale& scale);

// The frame size that gives the window a client area of this size at this scale.
SIZE FrameAround(HWND window, SIZE client, const Scale& scale);

// The frame size that gives the window the client area of its description at this scale.
SIZE FrameSize(HWND window, const FormDescription& form, const Scale& scale);

// The client area a window keeps when its scale changes: one the user has sized keeps its size
// in inches (grown with the text size, if that changed), and any other its design size.
SIZE RescaledClientSize(const FormDescription& form, SIZE client, bool sizedByUser,
                        const Scale& from, const Scale& to);

// Resizes the window, keeping its top-left corner, until its client area has this size: the
// frame the system draws may not be the one the window's scale asks for (Wine draws every frame
// at the system's DPI).
void FitClientArea(HWND window, SIZE client);

// The frame size a maximized or minimized window takes when it is restored, at its place.
void SetRestoredSize(HWND window, SIZE size);

// Sizes the window for its scale and puts it where its description says: centred on its
// monitor, or at the platform's default position. A window with an owner opens on the owner's
// monitor and, where it fits, within that monitor's work area. A window too tall for the work
// area opens at its top.
void PlaceAtStart(HWND window, HWND owner, const FormDescription& form, const Scale& scale);

} // namespace penderlin::platform
