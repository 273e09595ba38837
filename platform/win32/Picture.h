#pragma once

#include "Handles.h"
#include "platform/Scale.h"
#include "platform/WindowGeometry.h"

#include <optional>

namespace penderlin::platform {

// A window's picture, drawn from the client area's top-left corner at its 96-DPI size scaled to
// the window's scale. It is scaled once, straight from the program's resource, and copied 1:1
// when painting, so that a partial repaint gives exactly the pixels of a full one. Only the part
// that can ever show is kept: at most `limit` pixels from the top-left corner.
class ScaledPicture {
public:
    ScaledPicture() = default;
    ScaledPicture(int resourceId, const Scale& scale, PixelSize limit);

    explicit operator bool() const { return static_cast<bool>(bitmap_); }

    // Paints the part of the picture that lies in `area`, leaving the pixels of the transparent
    // colour, if any, as they were.
    void Paint(HDC dc, const RECT& area, std::optional<COLORREF> transparent) const;

private:
    UniqueBitmap bitmap_;
    SIZE size_{};
};

} // namespace penderlin::platform
