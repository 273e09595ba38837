#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace penderlin::platform {

// Every button and label of the window shows its whole caption in the font it has, at the DPI
// the window is laid out for. Given `cut`, the captions that do not fit are named there instead
// of failing the test.
void ExpectCaptionsFit(HWND window, size_t controlCount, int dpi,
                       std::vector<std::string>* cut = nullptr);

} // namespace penderlin::platform
