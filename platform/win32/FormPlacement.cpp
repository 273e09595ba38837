// The part of the window that applies the rules of platform/WindowGeometry.h: where it opens, and
// the size it takes when its scale changes or it is restored.
#include "Form.h"

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

} // namespace

std::optional<PixelRect> Form::CreationFrame(const FormDescription& form, DWORD style, HWND owner,
                                             int textPercent) {
    const std::optional<PixelPoint> place = FirstOpeningPlace(form);
    if (form.startPosition == StartPosition::PlatformDefault && (owner == nullptr || !place)) {
        return std::nullopt;
    }
    // Made where it opens, it has that monitor's scale from the start (a window of its own opens
    // on the primary monitor, whose scale is the system's unless it changed since sign-in), and
    // needs no move.
    const int dpi = static_cast<int>(owner != nullptr ? GetDpiForWindow(owner) : GetDpiForSystem());
    const PixelSize frame = FrameAround(style, 0, DesignClientSize(form, {dpi, textPercent}), dpi);
    return StartFrame(form.startPosition, frame,
                      owner != nullptr ? MonitorOf(owner) : PrimaryMonitor(),
                      place.value_or(PixelPoint{}));
}

void Form::PlaceAtStart(HWND owner) {
    const HWND window = window_.get();
    const Monitor monitor = MonitorOf(owner != nullptr ? owner : window);
    const std::optional<PixelPoint> first = FirstOpeningPlace(description_);
    const PixelPoint place = OpeningPlace(first, FrameOf(window), MonitorOf(window));
    if (!first && description_.startPosition == StartPosition::PlatformDefault) {
        NoteFirstOpeningPlace(description_, place);
    }
    // Moved to a monitor of another scale, the window takes that scale in the middle of the move
    // (WM_DPICHANGED): it is then placed again at the size it has at that scale.
    for (int move = 0; move < 2; ++move) {
        const Scale placedAt = resources_->scale();
        const PixelSize frame =
            FrameAround(window, DesignClientSize(description_, placedAt), placedAt.dpi);
        {
            const ProgramSizing moving(sizing_);
            MoveFrame(window, StartFrame(description_.startPosition, frame, monitor, place));
        }
        FitClient(DesignClientSize(description_, resources_->scale()));
        if (resources_->scale() == placedAt) {
            break;
        }
    }
}

SIZE Form::RescaledFrameSize(SIZE pending, const Scale& to) const {
    const HWND window = window_.get();
    // The client area within `pending`, with the frame as the system draws it now.
    const PixelRect frame = FrameOf(window);
    const PixelSize client = ClientOf(window);
    const PixelSize pendingClient{pending.cx - (frame.Width() - client.width),
                                  pending.cy - (frame.Height() - client.height)};
    // Of a maximized or minimized window, Windows asks about the size it is restored to.
    const ScaleChange change = ChangeOfScale(description_, StateOf(window), pendingClient, sizing_,
                                             resources_->scale(), to);
    const PixelSize answer =
        FrameAround(window, change.client.value_or(change.restoredClient), to.dpi);
    return {answer.width, answer.height};
}

void Form::ChangeScale(const Scale& scale, const RECT* suggested) {
    const HWND window = window_.get();
    const WindowState state = StateOf(window);
    const ScaleChange change =
        ChangeOfScale(description_, state, ClientOf(window), sizing_, resources_->scale(), scale);
    sizing_.sizedByUser = change.sizedByUser;
    const ProgramSizing sizing(sizing_);
    if (state != WindowState::Normal) {
        // The restored size first: Wine's SetWindowPlacement moves a maximized window back to
        // where it was maximized.
        SetRestoredSize(window, FrameAround(window, change.restoredClient, scale.dpi));
        restoreToDesignSize_ = true;
    }
    // A normal or maximized window takes the rectangle Windows suggests (for a maximized one,
    // exactly the one Windows maximizes it to on its new monitor); a minimized one has no size
    // to change.
    if (suggested != nullptr && state != WindowState::Minimized) {
        MoveFrame(window, FromRect(*suggested));
    }
    if (change.client) {
        FitClient(*change.client);
    }
    LayOut(std::make_unique<ScaledResources>(description_, scale));
}

void Form::FitClient(PixelSize client) {
    const HWND window = window_.get();
    {
        const ProgramSizing sizing(sizing_);
        FitClientArea(window, client);
    }
    sizing_.laidOut = ClientOf(window);
}

} // namespace penderlin::platform
