#pragma once

#include "FormDescription.h"
#include "Scale.h"

#include <optional>

// Where a window opens and which size it takes, as decisions that need no window: the Win32 code
// reads the monitors and the window's state, asks here, and applies the answers. Every rectangle
// and size is in pixels, rectangles in screen coordinates.
//
// The words: a window *opens* in two steps, *made* at a frame and then *placed* where it opens; a
// window's *place* is its frame's top-left corner relative to its monitor's work area, and each
// kind of window remembers the place of its *first opening* in a run. A *rescaling* is a change of
// the window's scale (a monitor of another DPI, or another text size). The program *sets* the
// client size; the user may *size* the window since.
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
// A control's rectangle in its parent's client area, at this scale.
PixelRect ControlRect(const TwipsRect& rect, const Scale& scale);
// The most of its picture a window shows at this scale: a fixed window no more than its client
// area, a sizable one all of it.
PixelSize PictureLimit(const FormDescription& form, const Scale& scale);

// Opening.

// The monitor a window opens on: its owner's, or, for a window of its own, `otherwise` (the
// primary monitor before it is made, the one it was made on afterwards).
Monitor OpeningMonitor(const std::optional<Monitor>& owner, const Monitor& otherwise);
// The DPI a window is made at: its owner's, or, for a window of its own, the system's (the
// primary monitor's, unless that changed since sign-in).
int OpeningDpi(std::optional<int> owner, int system);
// The frame a window with a frame of this size is made at on its opening monitor, so that it has
// that monitor's scale from the start and needs no move; none where the platform's default
// position is to give it: a window of its own at the default position, or the first opening of an
// owned one.
std::optional<PixelRect> MadeFrame(StartPosition position, bool owned,
                                   const std::optional<PixelPoint>& firstPlace, PixelSize frame,
                                   const Monitor& monitor);
// The place this opening takes: the first opening's of its kind in this run, whatever the
// platform's default position says now (it moves on at each window opened, by any program); for
// the first opening, the place of the frame it was made at on the monitor it was made on.
PixelPoint OpeningPlace(const std::optional<PixelPoint>& firstPlace, const PixelRect& madeFrame,
                        const Monitor& madeMonitor);
// The place to remember as its kind's first opening's: this opening's, when it is the first and
// the platform's default position gave it.
std::optional<PixelPoint> PlaceToRemember(StartPosition position,
                                          const std::optional<PixelPoint>& firstPlace,
                                          PixelPoint place);
// The frame a window with a frame of this size takes where it opens on its monitor:
// - centred on the screen: centred on the monitor, or at the work area's top if it is taller than
//   that, so that its title bar stays in reach;
// - at the platform's default position: at `place` in the work area, moved into the work area
//   where it fits, and at its top-left corner where it does not.
PixelRect FrameAtPlace(StartPosition position, PixelSize frame, const Monitor& monitor,
                       PixelPoint place);
// Whether a window placed `placings` times, each at its size at the scale it had then, is placed
// again: moved to a monitor of another scale, it takes that scale in the middle of the move, and
// is then placed once more at the size it has there.
bool PlaceAgain(int placings, const Scale& placedAt, const Scale& now);

// Sizing.

// What the program knows of a window's client size: the size it last set, whether the user has
// sized the window since, whether the program is sizing or moving the window right now (when
// Windows may change the window's scale in the middle of the move, and the size it is at says
// nothing of the user), and whether a rescaling while maximized or minimized left it to come back
// at its design size.
struct ClientSizing {
    PixelSize setByProgram;
    bool sizedByUser = false;
    bool programSizing = false;
    bool restoreToDesignSize = false;
    constexpr bool SizedByUserAt(PixelSize now) const {
        return sizedByUser || (!programSizing && now != setByProgram);
    }
};

// The client area within a frame of size `frame`, with the frame as the system draws the window's
// now (`windowFrame` around `windowClient`).
PixelSize ClientWithin(PixelSize frame, const PixelRect& windowFrame, PixelSize windowClient);
// The frame size that gives the window the client size `wanted`, from the frame and client area it
// has now: the frame the system draws may not be the one the window's scale asks for (Wine draws
// every frame at the system's DPI).
PixelSize FrameForClient(const PixelRect& windowFrame, PixelSize windowClient, PixelSize wanted);

enum class WindowState { Normal, Maximized, Minimized };

// What a rescaling makes of a window.
struct Rescaling {
    // A normal window's new client size: a window the user sized keeps its size in inches,
    // grown with the text size; any other takes its design size. None when maximized or
    // minimized, which keep their frames.
    std::optional<PixelSize> client;
    // The client size a maximized or minimized window comes back to when restored: its design
    // size at the new scale.
    PixelSize restoredClient;
    // Whether the window still counts as sized by the user afterwards.
    bool sizedByUser = false;
    // Whether it takes the rectangle Windows suggests: a normal window, and a maximized one
    // (exactly the one Windows maximizes it to on its new monitor); a minimized one has no size
    // to change.
    bool takesSuggestedFrame = false;
    // Whether its restored size is set now, and the next restore brings it to its design size:
    // maximized or minimized.
    bool restoresToDesignSize = false;
    // The client size to answer Windows' question about the window's size at the new scale
    // with: of a maximized or minimized window Windows asks about the size it is restored to.
    constexpr PixelSize ScaledClient() const { return client.value_or(restoredClient); }
};
Rescaling Rescale(const FormDescription& form, WindowState state, PixelSize client,
                  const ClientSizing& sizing, const Scale& from, const Scale& to);
// The client size a window takes when it is restored: its design size when a rescaling left it
// so; none when it keeps the size it comes back with.
std::optional<PixelSize> ClientOnRestore(const ClientSizing& sizing, const FormDescription& form,
                                         const Scale& scale);

} // namespace penderlin::platform
