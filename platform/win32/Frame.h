#pragma once

#include <windows.h>

// The frame control: a captioned box that holds other controls. It asks its parent for its
// colours with WM_CTLCOLORSTATIC, as a group box does, and passes on to its parent what the
// controls inside tell it.
namespace penderlin::platform {

void RegisterFrameClass();

// The DPI the frame draws its margins at: the window's, which on a DPI change is the one the
// change names, not what GetDpiForWindow reports everywhere.
void SetFrameDpi(HWND frame, int dpi);

} // namespace penderlin::platform
