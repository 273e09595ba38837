#pragma once

#include "platform/FormDescription.h"
#include "platform/Scale.h"
#include "platform/WindowGeometry.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace penderlin::platform {

// A window's size and place as the program sets them, by the rules of platform/WindowGeometry.h:
// where it opens, the client size it takes, what a rescaling or a restore makes of it; and what
// the program knows of the user's sizing of it.
class WindowSizing {
public:
    // The frame to make a window of this description and style at, or none for the platform's
    // default position.
    static std::optional<PixelRect> MadeFrame(const FormDescription& form, DWORD style, HWND owner,
                                              int textPercent,
                                              const std::optional<PixelPoint>& firstPlace);
    // Puts the window where it opens, at its design size for the scale it ends up with (`scale`
    // tells it, as a move to another monitor may change it); gives this opening's place.
    PixelPoint Place(HWND window, HWND owner, const FormDescription& form,
                     const std::optional<PixelPoint>& firstPlace,
                     const std::function<Scale()>& scale);
    // Sets the client area's size, as far as the system lets a window grow.
    void SetClient(HWND window, PixelSize client);
    // The frame size to answer WM_GETDPISCALEDSIZE with: `pending`, the size the window is about
    // to have at its present scale, turned into the size it should have at `to`.
    SIZE FrameAtScale(HWND window, const FormDescription& form, SIZE pending, const Scale& from,
                      const Scale& to) const;
    // The size half of a rescaling (a DPI with the rectangle Windows suggests, or a text size,
    // where the window stays), keeping the window's state: a normal window keeps its size in
    // inches, or its design size, and a maximized or minimized one stays as it is and restores
    // to its design size.
    void Rescale(HWND window, const FormDescription& form, const Scale& from, const Scale& to,
                 const RECT* suggested);
    // After WM_SIZE: a restored window may take its design size.
    void Sized(HWND window, WPARAM how, const FormDescription& form, const Scale& scale);

private:
    ClientSizing sizing_;
};

} // namespace penderlin::platform
