#include "Form.h"

#include "Check.h"
#include "Frame.h"
#include "ModalLoop.h"
#include "Placement.h"
#include "SystemLibraries.h"
#include "TextSize.h"
#include "WindowClasses.h"
#include "platform/Layout.h"
#include "platform/StartupTimeline.h"

#include <string>

namespace penderlin::platform {

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

} // namespace

void Form::PrepareWindowing() {
    static const bool prepared = [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
        if (const CommonControls* commonControls = LoadCommonControls()) {
            commonControls->InitCommonControlsEx(&controls);
        }

        WNDCLASSEXW form{};
        form.cbSize = sizeof(form);
        form.lpfnWndProc = FormProc;
        form.hInstance = Instance();
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.lpszClassName = kFormClassName;
        Require(RegisterClassExW(&form) != 0, "the windows' class does not register");
        RegisterFrameClass();
        return true;
    }();
    static_cast<void>(prepared);
}

Form::Form(const FormDescription& description, ProgramWindows& windows, HWND owner)
    : description_(description), windows_(windows) {
    const DWORD style = description.border == Border::Sizable
                            ? WS_OVERLAPPEDWINDOW
                            : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const int textPercent = CurrentTextPercent();
    const std::optional<PixelPoint> firstPlace = windows_.FirstPlace(description);
    const std::optional<PixelRect> frame =
        WindowSizing::MadeFrame(description, style, owner, textPercent, firstPlace);
    const CreationRect made = ToCreateAt(frame);
    // Not WS_CLIPCHILDREN: transparent labels need the window's picture painted beneath them.
    window_.reset(CreateWindowExW(0, kFormClassName, std::wstring(description.caption).c_str(),
                                  style, made.x, made.y, made.width, made.height, owner, nullptr,
                                  Instance(), this));
    Require(static_cast<bool>(window_), "a window cannot be made");
    windows_.Opened(*this, owner);
    auto resources = std::make_unique<ScaledResources>(
        description, Scale{static_cast<int>(GetDpiForWindow(window_.get())), textPercent});
    MarkStartupStep(StartupStep::ResourcesLoaded);
    controls_.Create(window_.get(), description.controls, resources->scale());
    states_.FocusFirst(controls_.FirstToFocus());
    LayOut(std::move(resources));
    // At its design size before it is placed, so that a rescaling in the middle of the move knows
    // it for a window the user has not sized.
    sizing_.SetClient(window_.get(), DesignClientSize(description_, resources_->scale()));
    const PixelPoint place = sizing_.Place(window_.get(), owner, description_, firstPlace,
                                           [this] { return resources_->scale(); });
    if (const auto first = PlaceToRemember(description_.startPosition, firstPlace, place)) {
        windows_.RememberFirstPlace(description_, *first);
    }
    colours_.Apply(description_);
    MarkStartupStep(StartupStep::ControlsCreated);
}

Form::~Form() {
    windows_.Closed(*this);
}

void Form::ShowModal() {
    const HWND window = window_.get();
    {
        const ModalScope modal(window);
        // As Windows' dialogs do: the access keys' underlines and the focus rectangle hide in a
        // window opened with the mouse, until Alt or Tab, and show in one opened from the keyboard.
        SendMessageW(window, WM_CHANGEUISTATE,
                     MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
        MarkStartupStep(StartupStep::FirstPaintFinished);
        RunModalLoop(
            window, [this] { return states_.Unloaded(); },
            [this, window](const MSG& message) {
                controls_.ToolTips().BeforeDispatch(window, message);
            });
    }
    controls_.ToolTips().Destroy();
    window_.reset();
}

std::unique_ptr<FormInstance> Form::CreateInstance(const FormDescription& form) {
    // Windows' convention for a modal window: owned by its opener, so that it stays above it,
    // shares its taskbar button and opens on its monitor.
    return std::make_unique<Form>(form, windows_, window_.get());
}

void Form::EndProgram() {
    PostQuitMessage(0);
}

void Form::TakeUpTextSize(int textPercent) {
    if (textPercent != resources_->scale().textPercent) {
        Rescale({resources_->scale().dpi, textPercent}, nullptr);
    }
}

void Form::LayOut(std::unique_ptr<ScaledResources> resources) {
    controls_.LayOut(*resources);
    const HWND window = window_.get();
    if (description_.iconResourceId != 0) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources->BigIcon()));
        SendMessageW(window, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(resources->SmallIcon()));
    }
    resources_ = std::move(resources);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::Rescale(const Scale& scale, const RECT* suggested) {
    sizing_.Rescale(window_.get(), description_, resources_->scale(), scale, suggested);
    LayOut(std::make_unique<ScaledResources>(description_, scale));
}

void Form::Click(const FormControls::Control& control) {
    if (control.description->onClick != nullptr) {
        control.description->onClick(*this);
    }
}

void Form::Recolour() {
    colours_.Apply(description_);
    RedrawWindow(window_.get(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::PaintWindowBackground(HDC dc, const RECT& area) const {
    PaintBackground(dc, area, colours_.Window(),
                    WindowAppearance(description_, colours_.HighContrast()).picture
                        ? &resources_->Picture()
                        : nullptr,
                    description_.picture);
}

void Form::PaintBeneath(HWND control, HDC dc) const {
    RECT area{};
    GetClientRect(control, &area);
    MapWindowPoints(control, window_.get(), reinterpret_cast<POINT*>(&area), 2);
    POINT origin{};
    OffsetViewportOrgEx(dc, -area.left, -area.top, &origin);
    PaintWindowBackground(dc, area);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

LRESULT CALLBACK Form::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        // Windows 10 1607 runs the program per-monitor (v1), and scales a window's title bar and
        // borders with its monitor only when asked here; later versions always do.
        EnableNonClientDpiScaling(window);
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr || form->window_.get() != window || !form->resources_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    if (const std::optional<LRESULT> result =
            states_.Handle(window, message, wParam, lParam, windows_.OpenedBy(window))) {
        return *result;
    }
    switch (message) {
    case WM_SIZE:
        sizing_.Sized(window, wParam, description_, resources_->scale());
        return 0;
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        RECT area{};
        GetClipBox(dc, &area);
        PaintWindowBackground(dc, area);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const FormControls::Control* control = controls_.Find(reinterpret_cast<HWND>(lParam));
        if (control == nullptr) {
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        const Appearance appearance =
            ControlAppearance(*control->description, colours_.HighContrast());
        if (appearance.background.kind == Colour::Kind::Transparent) {
            // What shows through is painted first on every repaint, so that a label redrawn
            // alone (when Alt shows the access keys, say) draws its text once on a clean
            // background, exactly as a repaint of the whole window does.
            PaintBeneath(control->window, dc);
        }
        ColourLabel(dc, appearance);
        return reinterpret_cast<LRESULT>(colours_.OfControl(controls_.IndexOf(*control)));
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (const FormControls::Control* control = controls_.Find(item.hwndItem)) {
            const size_t index = controls_.IndexOf(*control);
            DrawPictureButton(item, control->description->caption, resources_->FontOf(index),
                              resources_->IconOf(index), resources_->scale());
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        // Common Controls 6 tells when the pointer enters or leaves a button; a picture button
        // draws itself, so it is drawn again in its new state.
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == BCN_HOTITEMCHANGE) {
            InvalidateRect(header.hwndFrom, nullptr, FALSE);
        }
        return 0;
    }
    case WM_COMMAND: {
        const auto id = LOWORD(wParam);
        if (lParam == 0 && id == IDOK) {
            // Enter: a window that is not a dialog has no default button, so Enter clicks the
            // button that has the focus.
            if (const FormControls::Control* focused = controls_.Find(GetFocus());
                focused != nullptr && TakesFocus(focused->description->kind)) {
                Click(*focused);
            }
            return 0;
        }
        // Esc arrives as IDCANCEL and does nothing.
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            if (const FormControls::Control* control =
                    controls_.Find(reinterpret_cast<HWND>(lParam))) {
                Click(*control);
            }
        }
        return 0;
    }
    case WM_CLOSE:
        // A close request that reaches a window while its modal window is open (the taskbar's
        // "Close window") changes nothing, and is not kept for later.
        if (IsWindowEnabled(window)) {
            Unload();
        }
        return 0;
    case WM_SETTINGCHANGE:
        // Windows tells of many settings this way, most of them of no concern here: the text
        // size is read once for the whole program, by its window of its own, which hands it to
        // every window; and a window changes only when its scale or its colours do.
        if (GetWindow(window, GW_OWNER) == nullptr) {
            windows_.TakeUpTextSize();
        }
        if (wParam == SPI_SETHIGHCONTRAST || HighContrastOn() != colours_.HighContrast()) {
            Recolour();
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        // A high-contrast theme switched on or off, or other system colours.
        Recolour();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
        // The new DPI is the message's: GetDpiForWindow may not have caught up.
        Rescale({LOWORD(wParam), resources_->scale().textPercent},
                reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETDPISCALEDSIZE: {
        // The client area scales, not the frame around it.
        auto& size = *reinterpret_cast<SIZE*>(lParam);
        size = sizing_.FrameAtScale(window, description_, size, resources_->scale(),
                                    {static_cast<int>(wParam), resources_->scale().textPercent});
        return TRUE;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace penderlin::platform
