#pragma once

#include "FormDescription.h"
#include "Scale.h"

#include <optional>

// Where a window opens and which size it takes, as decisions that need no window: the Win32 code
// reads the monitors and the window's state, asks here, and applies the answers. Every rectangle
// and size is in pixels, rectangles in screen coordinates.
namespace penderlin::platform {

struct PixelSize {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const PixelSize&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool operator==(const PixelRect&) const = default;
};

// A monitor: all of it, and its work area (less the taskbar and docked toolbars).
struct Monitor {
    PixelRect area;
    PixelRect work;
};

// The client area's size as the window's description designs it, at this scale.
PixelSize DesignClientSize(const FormDescription& form, const Scale& scale);

// The place of a window's opening, relative to the work area of its monitor: where the platform's
// default position put the first opening of the window in this run, whatever it says now (it
// moves on at each window opened, by any program); for the first opening, where it put that.
PixelPoint OpeningPlace(const std::optional<PixelPoint>& firstOpening,
                        const PixelRect& defaultFrame, const Monitor& defaultMonitor);

// Where a window with a frame of this size opens on its monitor (its owner's, or the primary
// monitor for a window without one):
// - centred on the screen: centred on the monitor, or at the work area's top if it is taller than
//   that, so that its title bar stays in reach;
// - at the platform's default position: at `place` in the work area (the OpeningPlace), moved
//   into the work area where it fits, and at its top-left corner where it does not.
PixelRect StartFrame(StartPosition position, PixelSize frame, const Monitor& monitor,
                     PixelPoint place);

// What the program knows of a window's client size: the size it last gave it, whether the user has
// given it another since, and whether the program is sizing or moving the window right now (when
// Windows may change the window's scale in the middle of the move, and the size it is at says
// nothing of the user).
struct ClientSizing {
    PixelSize laidOut;
    bool sizedByUser = false;
    bool programSizing = false;
    constexpr bool SizedByUserAt(PixelSize now) const {
        return sizedByUser || (!programSizing && now != laidOut);
    }
};

enum class WindowState { Normal, Maximized, Minimized };

// What a change of scale (a monitor of another DPI, or another text size) makes of a window.
struct ScaleChange {
    // A normal window's new client size: a window the user sized keeps its size in inches,
    // grown with the text size; any other takes its design size. None when maximized or
    // minimized, which keep their frames.
    std::optional<PixelSize> client;
    // The client size a maximized or minimized window comes back to when restored: its design
    // size at the new scale.
    PixelSize restoredClient;
    // Whether the window still counts as sized by the user afterwards.
    bool sizedByUser = false;
};
ScaleChange ChangeOfScale(const FormDescription& form, WindowState state, PixelSize client,
                          const ClientSizing& sizing, const Scale& from, const Scale& to);

} // namespace penderlin::platform
