#include "Appearance.h"

namespace penderlin::platform {

namespace {

constexpr Appearance kWindowColours{Colour::System(Colour::Kind::Window),
                                    Colour::System(Colour::Kind::WindowText)};
constexpr Appearance kButtonColours{Colour::System(Colour::Kind::ButtonFace),
                                    Colour::System(Colour::Kind::ButtonText)};

} // namespace

Appearance WindowAppearance(const FormDescription& form, bool highContrast) {
    if (highContrast) {
        return kWindowColours;
    }
    return {form.background, Colour::Default(), form.picture.resourceId != 0};
}

Appearance ControlAppearance(const ControlDescription& control, bool highContrast) {
    if (!highContrast) {
        return {control.background, control.text};
    }
    // A label stands on the window's background; frames, what they hold and buttons on the
    // button face, as the system draws buttons.
    const bool onWindow = control.kind == ControlKind::Label && control.container.empty();
    return onWindow ? kWindowColours : kButtonColours;
}

} // namespace penderlin::platform
