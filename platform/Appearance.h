#pragma once

#include "FormDescription.h"

// What a window or a control is painted with: the colours and picture of its description, or,
// while a high-contrast theme is on, the system's paired colours and no picture, so that every
// text is readable in the user's own colours.
namespace penderlin::platform {

struct Appearance {
    Colour background;
    Colour text;
    bool picture = false; // only a window has one
};

Appearance WindowAppearance(const FormDescription& form, bool highContrast);
Appearance ControlAppearance(const ControlDescription& control, bool highContrast);

} // namespace penderlin::platform
