#pragma once

#include "Handles.h"
#include "Picture.h"
#include "platform/Appearance.h"
#include "platform/FormDescription.h"
#include "platform/Scale.h"

namespace penderlin::platform {

// Whether the user has a high-contrast theme on.
bool HighContrastOn();

// The brush for a background colour: an owned one for an RGB colour, kept in `owner`, or a
// shared system or stock brush otherwise.
HBRUSH BrushFor(Colour colour, int defaultSystemColour, UniqueBrush& owner);

// Fills `area` of a window's client area with its background and its picture, if any, over it.
void PaintBackground(HDC dc, const RECT& area, HBRUSH background, const ScaledPicture* picture,
                     const Picture& description);

// Sets up the DC for a label's or a frame's text (WM_CTLCOLORSTATIC) and gives its brush.
HBRUSH ColourLabel(HDC dc, const Appearance& label, HBRUSH background);

// A picture button: its icon centred above its caption, which wraps within the button.
void DrawPictureButton(const DRAWITEMSTRUCT& item, std::wstring_view caption, HFONT font,
                       HICON icon, const Scale& scale);

} // namespace penderlin::platform
