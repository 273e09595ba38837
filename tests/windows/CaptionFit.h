#pragma once

#include "platform/FormDescription.h"
#include "platform/Scale.h"

#include <windows.h>

namespace penderlin::platform {

// Every button and label of the window shows its whole caption in the font it has, at the scale
// the window is laid out for; a picture button's caption also keeps a pixel clear of its border
// and of its focus rectangle.
void ExpectCaptionsFit(HWND window, const FormDescription& form, const Scale& scale);

} // namespace penderlin::platform
