#pragma once

#include "Handles.h"
#include "Picture.h"
#include "platform/Appearance.h"
#include "platform/FormDescription.h"
#include "platform/Scale.h"

#include <vector>

namespace penderlin::platform {

// Whether the user has a high-contrast theme on.
bool HighContrastOn();

// The brush for a background colour: an owned one for an RGB colour, kept in `owner`, or a
// shared system or stock brush otherwise.
HBRUSH BrushFor(Colour colour, int defaultSystemColour, UniqueBrush& owner);

// Fills `area` of a window's client area with its background and its picture, if any, over it.
void PaintBackground(HDC dc, const RECT& area, HBRUSH background, const ScaledPicture* picture,
                     const Picture& description);

// Sets up the DC for a label's or a frame's text (WM_CTLCOLORSTATIC).
void ColourLabel(HDC dc, const Appearance& label);

// The brushes of a window's and its controls' colours, as the theme wants them now: with a
// high-contrast theme on, the theme's own.
class FormColours {
public:
    // Takes up the theme as it is now.
    void Apply(const FormDescription& form);
    bool HighContrast() const { return highContrast_; }
    HBRUSH Window() const { return window_.brush; }
    // The background of the control at this index of the description.
    HBRUSH OfControl(size_t control) const { return controls_[control].brush; }

private:
    struct Background {
        HBRUSH brush = nullptr;
        UniqueBrush own; // when the brush is one of the window's own colours
    };
    bool highContrast_ = false;
    Background window_;
    std::vector<Background> controls_;
};

// A picture button: its icon centred above its caption, which wraps within the button.
void DrawPictureButton(const DRAWITEMSTRUCT& item, std::wstring_view caption, HFONT font,
                       HICON icon, const Scale& scale);

} // namespace penderlin::platform
