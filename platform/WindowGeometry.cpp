#include "WindowGeometry.h"

#include <algorithm>
#include <limits>

namespace penderlin::platform {

namespace {

// Moves a span of `length` starting at `low` into [areaLow, areaHigh) where it fits; where it
// does not, its start shows.
int KeptWithin(int low, int length, int areaLow, int areaHigh) {
    if (length > areaHigh - areaLow) {
        return areaLow;
    }
    return std::clamp(low, areaLow, areaHigh - length);
}

} // namespace

PixelSize DesignClientSize(const FormDescription& form, const Scale& scale) {
    return {scale.FromTwips(form.clientSize.width), scale.FromTwips(form.clientSize.height)};
}

PixelRect ControlRect(const TwipsRect& rect, const Scale& scale) {
    const int left = scale.FromTwips(rect.left);
    const int top = scale.FromTwips(rect.top);
    return {left, top, left + scale.FromTwips(rect.width), top + scale.FromTwips(rect.height)};
}

PixelSize PictureLimit(const FormDescription& form, const Scale& scale) {
    if (form.border == Border::Sizable) {
        return {std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::max() / 2};
    }
    return DesignClientSize(form, scale);
}

Monitor OpeningMonitor(const std::optional<Monitor>& owner, const Monitor& otherwise) {
    return owner.value_or(otherwise);
}

int OpeningDpi(std::optional<int> owner, int system) {
    return owner.value_or(system);
}

std::optional<PixelRect> MadeFrame(StartPosition position, bool owned,
                                   const std::optional<PixelPoint>& firstPlace, PixelSize frame,
                                   const Monitor& monitor) {
    if (position == StartPosition::PlatformDefault && (!owned || !firstPlace)) {
        return std::nullopt;
    }
    return FrameAtPlace(position, frame, monitor, firstPlace.value_or(PixelPoint{}));
}

PixelPoint OpeningPlace(const std::optional<PixelPoint>& firstPlace, const PixelRect& madeFrame,
                        const Monitor& madeMonitor) {
    return firstPlace.value_or(
        PixelPoint{madeFrame.left - madeMonitor.work.left, madeFrame.top - madeMonitor.work.top});
}

std::optional<PixelPoint> PlaceToRemember(StartPosition position,
                                          const std::optional<PixelPoint>& firstPlace,
                                          PixelPoint place) {
    if (firstPlace || position != StartPosition::PlatformDefault) {
        return std::nullopt;
    }
    return place;
}

PixelRect FrameAtPlace(StartPosition position, PixelSize frame, const Monitor& monitor,
                       PixelPoint place) {
    const PixelRect& work = monitor.work;
    int left = 0;
    int top = 0;
    if (position == StartPosition::CenterScreen) {
        const PixelRect& area = monitor.area;
        left = area.left + (area.Width() - frame.width) / 2;
        top =
            frame.height > work.Height() ? work.top : area.top + (area.Height() - frame.height) / 2;
    } else {
        left = KeptWithin(work.left + place.x, frame.width, work.left, work.right);
        top = KeptWithin(work.top + place.y, frame.height, work.top, work.bottom);
    }
    return {left, top, left + frame.width, top + frame.height};
}

bool PlaceAgain(int placings, const Scale& placedAt, const Scale& now) {
    // Placed at the size it has at its new scale, it stays there: a second move goes nowhere new.
    return placings < 2 && now != placedAt;
}

PixelSize ClientWithin(PixelSize frame, const PixelRect& windowFrame, PixelSize windowClient) {
    return {frame.width - (windowFrame.Width() - windowClient.width),
            frame.height - (windowFrame.Height() - windowClient.height)};
}

PixelSize FrameForClient(const PixelRect& windowFrame, PixelSize windowClient, PixelSize wanted) {
    return {windowFrame.Width() + wanted.width - windowClient.width,
            windowFrame.Height() + wanted.height - windowClient.height};
}

Rescaling Rescale(const FormDescription& form, WindowState state, PixelSize client,
                  const ClientSizing& sizing, const Scale& from, const Scale& to) {
    const PixelSize design = DesignClientSize(form, to);
    if (state != WindowState::Normal) {
        return {std::nullopt, design, false, state == WindowState::Maximized, true};
    }
    if (form.border == Border::FixedSingle || !sizing.SizedByUserAt(client)) {
        return {design, design, false, true, false};
    }
    const PixelSize kept{to.Rescaled(client.width, from), to.Rescaled(client.height, from)};
    return {kept, design, true, true, false};
}

std::optional<PixelSize> ClientOnRestore(const ClientSizing& sizing, const FormDescription& form,
                                         const Scale& scale) {
    if (!sizing.restoreToDesignSize) {
        return std::nullopt;
    }
    return DesignClientSize(form, scale);
}

} // namespace penderlin::platform
