#include "WindowSizing.h"

#include "Placement.h"

#include <utility>

namespace penderlin::platform {

namespace {

// While it lives, what happens to the window's size is the program's doing.
class ProgramSizing {
public:
    explicit ProgramSizing(ClientSizing& sizing)
        : sizing_(sizing), outer_(std::exchange(sizing.programSizing, true)) {}
    ProgramSizing(const ProgramSizing&) = delete;
    ProgramSizing& operator=(const ProgramSizing&) = delete;
    ~ProgramSizing() { sizing_.programSizing = outer_; }

private:
    ClientSizing& sizing_;
    bool outer_;
};

std::optional<Monitor> MonitorOfOwner(HWND owner) {
    return owner != nullptr ? std::optional(MonitorOf(owner)) : std::nullopt;
}

std::optional<int> DpiOfOwner(HWND owner) {
    return owner != nullptr ? std::optional(static_cast<int>(GetDpiForWindow(owner)))
                            : std::nullopt;
}

} // namespace

std::optional<PixelRect> WindowSizing::MadeFrame(const FormDescription& form, DWORD style,
                                                 HWND owner, int textPercent,
                                                 const std::optional<PixelPoint>& firstPlace) {
    const int dpi = OpeningDpi(DpiOfOwner(owner), static_cast<int>(GetDpiForSystem()));
    const PixelSize frame = FrameAround(style, 0, DesignClientSize(form, {dpi, textPercent}), dpi);
    return platform::MadeFrame(form.startPosition, owner != nullptr, firstPlace, frame,
                               OpeningMonitor(MonitorOfOwner(owner), PrimaryMonitor()));
}

PixelPoint WindowSizing::Place(HWND window, HWND owner, const FormDescription& form,
                               const std::optional<PixelPoint>& firstPlace,
                               const std::function<Scale()>& scale) {
    const Monitor monitor = OpeningMonitor(MonitorOfOwner(owner), MonitorOf(window));
    const PixelPoint place = OpeningPlace(firstPlace, FrameOf(window), MonitorOf(window));
    for (int placings = 0;;) {
        const Scale placedAt = scale();
        const PixelSize frame = FrameAround(window, DesignClientSize(form, placedAt), placedAt.dpi);
        {
            const ProgramSizing moving(sizing_);
            MoveFrame(window, FrameAtPlace(form.startPosition, frame, monitor, place));
        }
        SetClient(window, DesignClientSize(form, scale()));
        if (!PlaceAgain(++placings, placedAt, scale())) {
            return place;
        }
    }
}

void WindowSizing::SetClient(HWND window, PixelSize client) {
    {
        const ProgramSizing sizing(sizing_);
        ResizeClientArea(window, client);
    }
    sizing_.setByProgram = ClientOf(window);
}

SIZE WindowSizing::FrameAtScale(HWND window, const FormDescription& form, SIZE pending,
                                const Scale& from, const Scale& to) const {
    const PixelSize pendingClient =
        ClientWithin({pending.cx, pending.cy}, FrameOf(window), ClientOf(window));
    const Rescaling rescaling =
        platform::Rescale(form, StateOf(window), pendingClient, sizing_, from, to);
    const PixelSize answer = FrameAround(window, rescaling.ScaledClient(), to.dpi);
    return {answer.width, answer.height};
}

void WindowSizing::Rescale(HWND window, const FormDescription& form, const Scale& from,
                           const Scale& to, const RECT* suggested) {
    const Rescaling rescaling =
        platform::Rescale(form, StateOf(window), ClientOf(window), sizing_, from, to);
    sizing_.sizedByUser = rescaling.sizedByUser;
    const ProgramSizing sizing(sizing_);
    if (rescaling.restoresToDesignSize) {
        // The restored size first: Wine's SetWindowPlacement moves a maximized window back to
        // where it was maximized.
        SetRestoredSize(window, FrameAround(window, rescaling.restoredClient, to.dpi));
        sizing_.restoreToDesignSize = true;
    }
    if (suggested != nullptr && rescaling.takesSuggestedFrame) {
        MoveFrame(window, FromRect(*suggested));
    }
    if (rescaling.client) {
        SetClient(window, *rescaling.client);
    }
}

void WindowSizing::Sized(HWND window, WPARAM how, const FormDescription& form, const Scale& scale) {
    if (how != SIZE_RESTORED) {
        return;
    }
    if (const std::optional<PixelSize> client = ClientOnRestore(sizing_, form, scale)) {
        sizing_.restoreToDesignSize = false;
        sizing_.sizedByUser = false;
        SetClient(window, *client);
    }
}

} // namespace penderlin::platform
