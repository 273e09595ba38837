#include "Form.h"

#include "InputBoxResource.h"
#include "platform/Layout.h"

#include <windowsx.h>

#include <algorithm>

namespace penderlin::platform {

namespace {

constexpr wchar_t kFormClass[] = L"PenderlinForm";
constexpr wchar_t kFrameClass[] = L"PenderlinFrame";
// Control IDs start well above IDOK and IDCANCEL, which Enter and Esc arrive as.
constexpr int kFirstControlId = 100;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

std::wstring Text(std::wstring_view view) {
    return std::wstring(view);
}

COLORREF ColourRef(Colour colour, int defaultSystemColour) {
    switch (colour.kind) {
    case Colour::Kind::Rgb:
        return colour.rgb;
    case Colour::Kind::HighlightText:
        return GetSysColor(COLOR_HIGHLIGHTTEXT);
    case Colour::Kind::Default:
    case Colour::Kind::Transparent:
        break;
    }
    return GetSysColor(defaultSystemColour);
}

// An owned brush for an RGB colour, or the shared system brush otherwise.
HBRUSH BrushFor(Colour colour, int defaultSystemColour, UniqueBrush& owner) {
    if (colour.kind == Colour::Kind::Rgb) {
        owner.reset(CreateSolidBrush(colour.rgb));
        return owner.get();
    }
    if (colour.kind == Colour::Kind::Transparent) {
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    const int index =
        colour.kind == Colour::Kind::HighlightText ? COLOR_HIGHLIGHTTEXT : defaultSystemColour;
    return GetSysColorBrush(index);
}

int Scale(int pixelsAt96, int dpi) {
    return MulDiv(pixelsAt96, dpi, 96);
}

// Top-level windows of this thread that are shown and take input, other than `except`.
std::vector<HWND> EnabledThreadWindows(HWND except) {
    struct Search {
        HWND except;
        std::vector<HWND> found;
    } search{except, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            if (window != s.except && IsWindowVisible(window) && IsWindowEnabled(window)) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

void Form::PrepareWindowing() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);

    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = FormProc;
    form.hInstance = Instance();
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW frame = form;
    frame.lpfnWndProc = FrameProc;
    frame.lpszClassName = kFrameClass;
    RegisterClassExW(&frame);
}

Form::Form(const FormDescription& description, Dialogs* scriptedDialogs)
    : description_(description), scriptedDialogs_(scriptedDialogs) {
    const DWORD style = description.border == Border::Sizable
                            ? WS_OVERLAPPEDWINDOW
                            : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    // Not WS_CLIPCHILDREN: transparent labels need the window's picture painted beneath them.
    window_.reset(CreateWindowExW(0, kFormClass, Text(description.caption).c_str(), style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, Instance(), this));
    dpi_ = static_cast<int>(GetDpiForWindow(window_.get()));

    background_.reset(description.background.kind == Colour::Kind::Rgb
                          ? CreateSolidBrush(description.background.rgb)
                          : nullptr);
    if (description.picture.resourceId != 0) {
        picture_.reset(static_cast<HBITMAP>(
            LoadImageW(Instance(), MAKEINTRESOURCEW(description.picture.resourceId), IMAGE_BITMAP,
                       0, 0, LR_DEFAULTCOLOR)));
    }
    if (description.iconResourceId != 0) {
        const auto load = [&](int metric) {
            const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi_));
            return static_cast<HICON>(LoadImageW(Instance(),
                                                 MAKEINTRESOURCEW(description.iconResourceId),
                                                 IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        };
        bigIcon_.reset(load(SM_CXICON));
        smallIcon_.reset(load(SM_CXSMICON));
        SendMessageW(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
        SendMessageW(window_.get(), WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
    SizeAndPlace();
    CreateControls();
}

Form::~Form() = default;

void Form::SizeAndPlace() {
    const HWND window = window_.get();
    RECT frame{0, 0, TwipsToPixels(description_.clientWidth, dpi_),
               TwipsToPixels(description_.clientHeight, dpi_)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi_));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (description_.startPosition == StartPosition::CenterScreen) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& screen = monitor.rcMonitor;
        SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - width) / 2,
                     screen.top + (screen.bottom - screen.top - height) / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HFONT Form::FontFor(const Font& font) {
    LOGFONTW logFont{};
    if (font.face.empty()) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                   static_cast<UINT>(dpi_));
        logFont = metrics.lfMessageFont;
    } else {
        logFont.lfHeight = -MulDiv(font.hundredthsOfPoint, dpi_, 7200);
        logFont.lfWeight = font.weight;
        logFont.lfCharSet = DEFAULT_CHARSET;
        font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    }
    fonts_.emplace_back(CreateFontIndirectW(&logFont));
    return fonts_.back().get();
}

void Form::CreateControls() {
    const auto all = description_.controls;
    controls_.resize(all.size());
    HFONT defaultFont = nullptr;
    for (const ControlDescription* description : CreationOrder(all)) {
        const auto index = static_cast<size_t>(description - all.data());
        auto control = std::make_unique<Control>();
        control->description = description;

        HWND parent = window_.get();
        if (!description->container.empty()) {
            const auto frame = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) {
                return c && c->description->name == description->container;
            });
            parent = (*frame)->window;
        }

        const wchar_t* className = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD extendedStyle = 0;
        switch (description->kind) {
        case ControlKind::Button:
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
            break;
        case ControlKind::PictureButton:
            style |= WS_TABSTOP | BS_OWNERDRAW;
            control->icon.reset(static_cast<HICON>(
                LoadImageW(Instance(), MAKEINTRESOURCEW(description->picture.resourceId),
                           IMAGE_ICON, Scale(32, dpi_), Scale(32, dpi_), LR_DEFAULTCOLOR)));
            break;
        case ControlKind::Label:
            className = L"STATIC";
            style |= SS_LEFT | SS_NOTIFY; // SS_NOTIFY lets the label show a tooltip
            break;
        case ControlKind::Frame:
            className = kFrameClass;
            extendedStyle = WS_EX_CONTROLPARENT; // Tab reaches the controls inside
            break;
        }
        control->background =
            BrushFor(description->background, COLOR_BTNFACE, control->ownBackground);
        if (description->font.face.empty()) {
            defaultFont = defaultFont != nullptr ? defaultFont : FontFor(description->font);
            control->font = defaultFont;
        } else {
            control->font = FontFor(description->font);
        }

        const TwipsRect& r = description->rect;
        control->window =
            CreateWindowExW(extendedStyle, className, Text(description->caption).c_str(), style,
                            TwipsToPixels(r.left, dpi_), TwipsToPixels(r.top, dpi_),
                            TwipsToPixels(r.width, dpi_), TwipsToPixels(r.height, dpi_), parent,
                            reinterpret_cast<HMENU>(
                                static_cast<INT_PTR>(kFirstControlId + static_cast<int>(index))),
                            Instance(), nullptr);
        SetWindowLongPtrW(control->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowFont(control->window, control->font, FALSE);
        if (focus_ == nullptr && TakesFocus(description->kind)) {
            focus_ = control->window;
        }
        controls_[index] = std::move(control);
    }
}

// Called on the first pointer move over the window rather than at start-up: a top-level window
// such as the tooltip costs Wine several milliseconds. That first move is passed on to it.
void Form::CreateTooltips(const MSG& firstMove) {
    tooltipsCreated_ = true;
    for (const auto& control : controls_) {
        if (control->description->tooltip.empty()) {
            continue;
        }
        if (!tooltip_) {
            tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                           window_.get(), nullptr, Instance(), nullptr));
            SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, Scale(400, dpi_));
        }
        control->tooltip = Text(control->description->tooltip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_.get();
        tool.uId = reinterpret_cast<UINT_PTR>(control->window);
        tool.lpszText = control->tooltip.data();
        SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (tooltip_) {
        SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&firstMove));
    }
}

void Form::ShowModal() {
    const HWND window = window_.get();
    // Until this window is unloaded the program's other windows take no input.
    const std::vector<HWND> disabled = EnabledThreadWindows(window);
    for (HWND other : disabled) {
        EnableWindow(other, FALSE);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message{};
    while (!unloaded_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave the quit message for the loops outside this one.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (message.message == WM_MOUSEMOVE && !tooltipsCreated_ &&
            (message.hwnd == window || IsChild(window, message.hwnd))) {
            CreateTooltips(message);
        }
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Enable the others before this window goes, so that activation returns to them cleanly.
    for (HWND other : disabled) {
        EnableWindow(other, TRUE);
    }
    tooltip_.reset();
    window_.reset();
}

void Form::Unload() {
    unloaded_ = true;
}

std::unique_ptr<FormInstance> Form::CreateInstance(const FormDescription& form) {
    return std::make_unique<Form>(form, scriptedDialogs_);
}

void Form::EndProgram() {
    PostQuitMessage(0);
}

void Form::ShowMessage(std::wstring_view text) {
    if (scriptedDialogs_ != nullptr) {
        scriptedDialogs_->ShowMessage(text);
        return;
    }
    MessageBoxW(window_.get(), Text(text).c_str(), Text(ApplicationTitle).c_str(), MB_OK);
}

namespace {

struct InputBoxState {
    std::wstring prompt;
    std::wstring answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowTextW(dialog, Text(ApplicationTitle).c_str());
        SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, state->prompt.c_str());
        // The edit control's own limit (30,000 characters) would cut long texts.
        SendDlgItemMessageW(dialog, IDC_INPUT_TEXT, EM_SETLIMITTEXT, 0, 0);
        SetFocus(GetDlgItem(dialog, IDC_INPUT_TEXT));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const HWND field = GetDlgItem(dialog, IDC_INPUT_TEXT);
            state->answer.resize(static_cast<size_t>(GetWindowTextLengthW(field)) + 1);
            const int length =
                GetWindowTextW(field, state->answer.data(), static_cast<int>(state->answer.size()));
            state->answer.resize(static_cast<size_t>(length));
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

std::wstring Form::InputBox(std::wstring_view prompt) {
    if (scriptedDialogs_ != nullptr) {
        return scriptedDialogs_->InputBox(prompt);
    }
    InputBoxState state{Text(prompt), {}};
    DialogBoxParamW(Instance(), MAKEINTRESOURCEW(IDD_INPUT_BOX), window_.get(), InputBoxProc,
                    reinterpret_cast<LPARAM>(&state));
    return state.answer;
}

const Form::Control* Form::FindControl(HWND window) const {
    const int index = GetDlgCtrlID(window) - kFirstControlId;
    if (index < 0 || static_cast<size_t>(index) >= controls_.size() ||
        controls_[static_cast<size_t>(index)]->window != window) {
        return nullptr;
    }
    return controls_[static_cast<size_t>(index)].get();
}

void Form::Click(const Control& control) {
    for (const ClickBinding& binding : description_.clicks) {
        if (binding.control == control.description->name) {
            binding.handler(*this);
            return;
        }
    }
}

void Form::PaintBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    FillRect(dc, &client, background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE));
    if (!picture_) {
        return;
    }
    // Pictures keep their size at 96 DPI relative to the client area, whatever the DPI. Only
    // the part that needs painting is copied: most of a large picture lies outside the window.
    BITMAP bitmap{};
    GetObjectW(picture_.get(), sizeof(bitmap), &bitmap);
    const RECT picture{0, 0, Scale(bitmap.bmWidth, dpi_), Scale(bitmap.bmHeight, dpi_)};
    RECT clip{};
    GetClipBox(dc, &clip);
    RECT target{};
    if (!IntersectRect(&target, &clip, &picture)) {
        return;
    }
    const auto toSource = [&](LONG pixel, LONG size, LONG scaledSize) {
        return static_cast<int>(MulDiv(pixel, size, scaledSize));
    };
    const int sourceLeft = toSource(target.left, bitmap.bmWidth, picture.right);
    const int sourceTop = toSource(target.top, bitmap.bmHeight, picture.bottom);
    const int sourceWidth = toSource(target.right, bitmap.bmWidth, picture.right) - sourceLeft;
    const int sourceHeight = toSource(target.bottom, bitmap.bmHeight, picture.bottom) - sourceTop;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;

    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(memory, picture_.get());
    if (description_.picture.hasTransparentColour) {
        GdiTransparentBlt(dc, target.left, target.top, width, height, memory, sourceLeft, sourceTop,
                          sourceWidth, sourceHeight, description_.picture.transparentColour.rgb);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, target.left, target.top, width, height, memory, sourceLeft, sourceTop,
                   sourceWidth, sourceHeight, SRCCOPY);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

LRESULT Form::ColourLabel(HDC dc, HWND label) const {
    const Control* control = FindControl(label);
    if (control == nullptr) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    const ControlDescription& description = *control->description;
    SetTextColor(dc, ColourRef(description.text, COLOR_BTNTEXT));
    if (description.background.kind == Colour::Kind::Transparent) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkColor(dc, ColourRef(description.background, COLOR_BTNFACE));
    }
    return reinterpret_cast<LRESULT>(control->background);
}

// A picture button: its icon centred above its caption, which wraps within the button.
void Form::DrawPictureButton(const DRAWITEMSTRUCT& item) const {
    const auto* control = FindControl(item.hwndItem);
    if (control == nullptr) {
        return;
    }
    const HDC dc = item.hDC;
    RECT bounds = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &bounds, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));

    // The icon and the caption beneath it form one block, centred in the button.
    const int shift = pressed ? 1 : 0;
    const int iconSize = Scale(32, dpi_);
    const int gap = Scale(1, dpi_);
    const HGDIOBJ previousFont = SelectObject(dc, control->font);
    const std::wstring caption = Text(control->description->caption);
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0u;
    // The caption may use the button's whole width: these buttons are narrow, and glyphs keep
    // clear of the border by their own side bearings.
    RECT textBounds{bounds.left, 0, bounds.right, 0};
    DrawTextW(dc, caption.c_str(), -1, &textBounds,
              DT_CENTER | DT_WORDBREAK | DT_CALCRECT | prefix);
    const int textHeight = textBounds.bottom - textBounds.top;
    const int top = std::max(
        gap, static_cast<int>(bounds.bottom - bounds.top - iconSize - gap - textHeight) / 2);

    DrawIconEx(dc, (bounds.right - bounds.left - iconSize) / 2 + shift, top + shift,
               control->icon.get(), iconSize, iconSize, 0, nullptr, DI_NORMAL);
    textBounds = {bounds.left + shift, top + iconSize + gap + shift, bounds.right + shift,
                  bounds.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), -1, &textBounds, DT_CENTER | DT_WORDBREAK | prefix);
    SelectObject(dc, previousFont);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = bounds;
        InflateRect(&focus, -Scale(3, dpi_), -Scale(3, dpi_));
        DrawFocusRect(dc, &focus);
    }
}

// A frame: its colour, an etched border and its caption over the border's top edge.
void Form::PaintFrame(HWND frame, HDC dc) const {
    const auto* control = FindControl(frame);
    if (control == nullptr) {
        return;
    }
    RECT bounds{};
    GetClientRect(frame, &bounds);
    FillRect(dc, &bounds, control->background);

    const HGDIOBJ previousFont = SelectObject(dc, control->font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = bounds;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = Text(control->description->caption);
    RECT captionBounds{Scale(6, dpi_), 0, bounds.right, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, DT_SINGLELINE | DT_CALCRECT);
    captionBounds.right += Scale(4, dpi_);
    FillRect(dc, &captionBounds, control->background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRef(control->description->text, COLOR_BTNTEXT));
    OffsetRect(&captionBounds, Scale(2, dpi_), 0);
    DrawTextW(dc, caption.c_str(), -1, &captionBounds, DT_SINGLELINE);
    SelectObject(dc, previousFont);
}

LRESULT CALLBACK Form::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr || form->window_.get() != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Form::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(window, &paint);
        if (form != nullptr) {
            form->PaintFrame(window, dc);
        }
        EndPaint(window, &paint);
        return 0;
    }
    // What controls inside the frame tell their parent, the form handles.
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(window), message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    switch (message) {
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        DrawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
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
    case WM_ACTIVATE:
        // Keep the focus on the same control across deactivation, as dialogs do.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            if (focused != nullptr && IsChild(window, focused)) {
                focus_ = focused;
            }
        } else if (focus_ != nullptr) {
            SetFocus(focus_);
        }
        return 0;
    case WM_CLOSE:
        Unload();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace penderlin::platform
