#include "Form.h"

#include "Check.h"
#include "Frame.h"
#include "ModalLoop.h"
#include "Painting.h"
#include "Placement.h"
#include "SystemLibraries.h"
#include "TextSize.h"
#include "ThreadWindows.h"
#include "WindowClasses.h"
#include "platform/Layout.h"
#include "platform/StartupTimeline.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace penderlin::platform {

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

} // namespace

void Form::PrepareWindowing() {
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
    [[maybe_unused]] const ATOM registered = RegisterClassExW(&form);
    PENDERLIN_REQUIRE(registered != 0, "the windows' class does not register");
    RegisterFrameClass();
}

Form::Form(const FormDescription& description, WindowDialogs& dialogs, HWND owner)
    : description_(description), dialogs_(dialogs) {
    const DWORD style = description.border == Border::Sizable
                            ? WS_OVERLAPPEDWINDOW
                            : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const int textPercent = CurrentTextPercent();
    const std::optional<PixelRect> frame = CreationFrame(description, style, owner, textPercent);
    // Not WS_CLIPCHILDREN: transparent labels need the window's picture painted beneath them.
    window_.reset(
        CreateWindowExW(0, kFormClassName, std::wstring(description.caption).c_str(), style,
                        frame ? frame->left : CW_USEDEFAULT, frame ? frame->top : CW_USEDEFAULT,
                        frame ? frame->Width() : CW_USEDEFAULT,
                        frame ? frame->Height() : CW_USEDEFAULT, owner, nullptr, Instance(), this));
    PENDERLIN_REQUIRE(window_, "a window cannot be made");
    auto resources = std::make_unique<ScaledResources>(
        description, Scale{static_cast<int>(GetDpiForWindow(window_.get())), textPercent});
    MarkStartupStep(StartupStep::ResourcesLoaded);
    CreateControls(resources->scale());
    LayOut(std::move(resources));
    // At its design size before it is placed, so that a change of scale in the middle of the move
    // knows it for a window the user has not sized.
    FitClient(DesignClientSize(description_, resources_->scale()));
    PlaceAtStart(owner);
    highContrast_ = HighContrastOn();
    ApplyAppearance();
    MarkStartupStep(StartupStep::ControlsCreated);
}

Form::~Form() = default;

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
            window, [this] { return unloaded_; },
            [this, window](const MSG& message) { tooltips_.BeforeDispatch(window, message); });
    }
    tooltips_.Destroy();
    window_.reset();
}

void Form::Unload() {
    unloaded_ = true;
}

std::unique_ptr<FormInstance> Form::CreateInstance(const FormDescription& form) {
    // Windows' convention for a modal window: owned by its opener, so that it stays above it,
    // shares its taskbar button and opens on its monitor.
    return std::make_unique<Form>(form, dialogs_, window_.get());
}

void Form::EndProgram() {
    PostQuitMessage(0);
}

size_t Form::IndexOf(const Control& control) const {
    return static_cast<size_t>(&control - controls_.data());
}

const Form::Control* Form::FindControl(HWND window) const {
    const int index = GetDlgCtrlID(window) - kFirstControlId;
    if (index < 0 || static_cast<size_t>(index) >= controls_.size() ||
        controls_[static_cast<size_t>(index)].window != window) {
        return nullptr;
    }
    return &controls_[static_cast<size_t>(index)];
}

void Form::Click(const Control& control) {
    if (control.description->onClick != nullptr) {
        control.description->onClick(*this);
    }
}

void Form::Recolour() {
    highContrast_ = HighContrastOn();
    ApplyAppearance();
    RedrawWindow(window_.get(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::PaintWindowBackground(HDC dc, const RECT& area) const {
    PaintBackground(dc, area, background_,
                    WindowAppearance(description_, highContrast_).picture ? &resources_->Picture()
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
    if (const std::optional<LRESULT> result = HandleStateMessage(message, wParam, lParam)) {
        return *result;
    }
    const HWND window = window_.get();
    switch (message) {
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        RECT area{};
        GetClipBox(dc, &area);
        PaintWindowBackground(dc, area);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const Control* control = FindControl(reinterpret_cast<HWND>(lParam));
        if (control == nullptr) {
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        const auto dc = reinterpret_cast<HDC>(wParam);
        const Appearance appearance = ControlAppearance(*control->description, highContrast_);
        if (appearance.background.kind == Colour::Kind::Transparent) {
            // What shows through is painted first on every repaint, so that a label redrawn
            // alone (when Alt shows the access keys, say) draws its text once on a clean
            // background, exactly as a repaint of the whole window does.
            PaintBeneath(control->window, dc);
        }
        return reinterpret_cast<LRESULT>(ColourLabel(dc, appearance, control->background));
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (const Control* control = FindControl(item.hwndItem)) {
            const size_t index = IndexOf(*control);
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
            if (const Control* focused = FindControl(GetFocus());
                focused != nullptr && TakesFocus(focused->description->kind)) {
                Click(*focused);
            }
            return 0;
        }
        // Esc arrives as IDCANCEL and does nothing.
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            if (const Control* control = FindControl(reinterpret_cast<HWND>(lParam))) {
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
            const auto textPercent = static_cast<WPARAM>(CurrentTextPercent());
            ForEachWindowOfThread([textPercent](HWND other) {
                wchar_t className[std::size(kFormClassName) + 1]{};
                GetClassNameW(other, className, static_cast<int>(std::size(className)));
                if (std::wstring_view(className) == kFormClassName) {
                    SendMessageW(other, kTextSizeChanged, textPercent, 0);
                }
                return true;
            });
        }
        if (wParam == SPI_SETHIGHCONTRAST || HighContrastOn() != highContrast_) {
            Recolour();
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case kTextSizeChanged:
        if (const auto textPercent = static_cast<int>(wParam);
            textPercent != resources_->scale().textPercent) {
            ChangeScale({resources_->scale().dpi, textPercent}, nullptr);
        }
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        // A high-contrast theme switched on or off, or other system colours.
        Recolour();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
        // The new DPI is the message's: GetDpiForWindow may not have caught up.
        ChangeScale({LOWORD(wParam), resources_->scale().textPercent},
                    reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETDPISCALEDSIZE: {
        // The client area scales, not the frame around it.
        auto& size = *reinterpret_cast<SIZE*>(lParam);
        size = RescaledFrameSize(size, {static_cast<int>(wParam), resources_->scale().textPercent});
        return TRUE;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace penderlin::platform
