#include "WindowGeometry.h"

#include <algorithm>

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

PixelPoint OpeningPlace(const std::optional<PixelPoint>& firstOpening,
                        const PixelRect& defaultFrame, const Monitor& defaultMonitor) {
    return firstOpening.value_or(PixelPoint{defaultFrame.left - defaultMonitor.work.left,
                                            defaultFrame.top - defaultMonitor.work.top});
}

PixelRect StartFrame(StartPosition position, PixelSize frame, const Monitor& monitor,
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

ScaleChange ChangeOfScale(const FormDescription& form, WindowState state, PixelSize client,
                          const ClientSizing& sizing, const Scale& from, const Scale& to) {
    const PixelSize design = DesignClientSize(form, to);
    if (state != WindowState::Normal) {
        return {std::nullopt, design, false};
    }
    if (form.border == Border::FixedSingle || !sizing.SizedByUserAt(client)) {
        return {design, design, false};
    }
    const PixelSize kept{to.Rescaled(client.width, from), to.Rescaled(client.height, from)};
    return {kept, design, true};
}

} // namespace penderlin::platform
