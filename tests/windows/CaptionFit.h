#pragma once

#include <windows.h>

#include <cstddef>

namespace penderlin::platform {

// Every button and label of the window shows its whole caption in the font it has, at the DPI
// the window is laid out for.
void ExpectCaptionsFit(HWND window, size_t controlCount, int dpi);

} // namespace penderlin::platform
