#pragma once

#include "platform/Scale.h"

#include <windows.h>

// The frame control: a captioned box that holds other controls. It paints itself in the colours
// its parent gives it through WM_CTLCOLORSTATIC, and passes on to its parent what the controls
// inside tell it. Screen readers find the controls inside it, and hear it as a grouping named by
// its caption.
namespace penderlin::platform {

void RegisterFrameClass();

// The scale the frame draws its margins at: the window's, which on a DPI change is the one the
// change names, not what GetDpiForWindow reports everywhere.
void SetFrameScale(HWND frame, const Scale& scale);

} // namespace penderlin::platform
