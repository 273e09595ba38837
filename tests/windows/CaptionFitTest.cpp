// Every caption is whole in its control, in the font the control has, at the scale its window is
// laid out for: the DPI of the prefix the test runs in and its text size, and after each change
// of scale. A picture button is drawn into memory and searched for its caption, which must show
// whole and keep a pixel clear of the button's border and of its focus rectangle.
#include "CaptionFit.h"

#include "Driver.h"
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"
#include "platform/Scale.h"
#include "platform/win32/Form.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/InputBoxResource.h"
#include "platform/win32/Painting.h"
#include "platform/win32/WindowClasses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace penderlin::platform {
namespace {

std::wstring CaptionOf(HWND control) {
    std::wstring caption(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    caption.resize(static_cast<size_t>(
        GetWindowTextW(control, caption.data(), static_cast<int>(caption.size()))));
    return caption;
}

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// The caption's height when wrapped at this width in the control's font, and its line height.
struct Measured {
    int height = 0;
    int lineHeight = 0;
};

Measured Measure(HWND control, int wrapWidth, UINT flags = 0) {
    const WindowDc dc(control);
    const SelectedObject font(dc.get(), FontOf(control));
    RECT text{0, 0, wrapWidth, 0};
    const std::wstring caption = CaptionOf(control);
    Measured measured;
    measured.height = DrawTextW(dc.get(), caption.c_str(), -1, &text,
                                DT_CALCRECT | DT_WORDBREAK | DT_CENTER | flags);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    measured.lineHeight = metrics.tmHeight;
    return measured;
}

bool IsInk(COLORREF colour) {
    return GetRValue(colour) < 100 && GetGValue(colour) < 100 && GetBValue(colour) < 100;
}

// The pixels of a caption drawn by itself, black on white, centred and wrapped at this width.
struct Ink {
    std::vector<POINT> pixels;
    RECT bounds{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
};

Ink CaptionInk(HWND control, int wrapWidth, UINT flags) {
    const Measured measured = Measure(control, wrapWidth, flags);
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), wrapWidth, measured.height));
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        const SelectedObject font(memory.get(), FontOf(control));
        RECT all{0, 0, wrapWidth, measured.height};
        FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(memory.get(), RGB(0, 0, 0));
        SetBkMode(memory.get(), TRANSPARENT);
        const std::wstring caption = CaptionOf(control);
        DrawTextW(memory.get(), caption.c_str(), -1, &all, DT_WORDBREAK | DT_CENTER | flags);
    }
    const e2e::Image image = e2e::ImageOf(memory.get(), bitmap.get(), wrapWidth, measured.height);
    Ink ink;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (IsInk(image.At(x, y))) {
                ink.pixels.push_back({x, y});
                ink.bounds = {std::min(ink.bounds.left, LONG(x)), std::min(ink.bounds.top, LONG(y)),
                              std::max(ink.bounds.right, LONG(x + 1)),
                              std::max(ink.bounds.bottom, LONG(y + 1))};
            }
        }
    }
    return ink;
}

// Where in the drawn button every ink pixel of the caption shows as ink: the caption's ink
// rectangle there, or nothing when the caption is not whole anywhere.
std::optional<RECT> FindCaption(const e2e::Image& button, const Ink& ink) {
    for (int dy = -ink.bounds.top; dy + ink.bounds.bottom <= button.height; ++dy) {
        for (int dx = -ink.bounds.left; dx + ink.bounds.right <= button.width; ++dx) {
            const bool whole = std::all_of(ink.pixels.begin(), ink.pixels.end(), [&](POINT p) {
                return IsInk(button.At(p.x + dx, p.y + dy));
            });
            if (whole) {
                RECT found = ink.bounds;
                OffsetRect(&found, dx, dy);
                return found;
            }
        }
    }
    return std::nullopt;
}

// The button as it draws itself in this state, with its own font and icon and its own caption or
// the one given, into memory.
e2e::Image Drawn(HWND button, HICON icon, const Scale& scale, UINT state,
                 std::optional<std::wstring> caption = std::nullopt) {
    RECT bounds{};
    GetClientRect(button, &bounds);
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), bounds.right, bounds.bottom));
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button;
        item.hDC = memory.get();
        item.rcItem = bounds;
        DrawPictureButton(item, caption.value_or(CaptionOf(button)), FontOf(button), icon, scale);
    }
    return e2e::ImageOf(memory.get(), bitmap.get(), bounds.right, bounds.bottom);
}

// The rectangle round the pixels in which two drawings differ.
RECT Difference(const e2e::Image& a, const e2e::Image& b) {
    RECT bounds{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.At(x, y) != b.At(x, y)) {
                bounds = {std::min(bounds.left, LONG(x)), std::min(bounds.top, LONG(y)),
                          std::max(bounds.right, LONG(x + 1)),
                          std::max(bounds.bottom, LONG(y + 1))};
            }
        }
    }
    return bounds;
}

// With the focus, the caption, wrapped at the button's width, shows whole, a pixel clear of the
// border (a pixel wide at 96 DPI) and of the focus rectangle, which the caption and the icon lie
// in; the rectangle is found as what the drawing with it has more than the one without.
void ExpectPictureButtonCaptionFits(HWND button, int iconId, const Scale& scale) {
    const std::string name = e2e::Narrow(CaptionOf(button));
    const UniqueIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId),
                                      IMAGE_ICON, scale.IconSize(), scale.IconSize(), 0)));
    const e2e::Image plain = Drawn(button, icon.get(), scale, ODS_FOCUS | ODS_NOFOCUSRECT);
    const RECT focus = Difference(plain, Drawn(button, icon.get(), scale, ODS_FOCUS));
    const Ink ink = CaptionInk(button, plain.width, 0);
    ASSERT_FALSE(ink.pixels.empty()) << name;
    const std::optional<RECT> caption = FindCaption(plain, ink);
    ASSERT_TRUE(caption.has_value()) << name << ": not shown whole";
    const int border = scale.FromPixelsAt96(1);
    EXPECT_GE(focus.left, 0) << name;
    EXPECT_GE(focus.top, 0) << name;
    EXPECT_LE(focus.right, plain.width) << name;
    EXPECT_LE(focus.bottom, plain.height) << name;
    EXPECT_GE(caption->left, std::max(border, int(focus.left) + 1) + 1) << name;
    EXPECT_GE(caption->top, std::max(border, int(focus.top) + 1) + 1) << name;
    EXPECT_LE(caption->right, std::min(plain.width - border, int(focus.right) - 1) - 1) << name;
    EXPECT_LE(caption->bottom, std::min(plain.height - border, int(focus.bottom) - 1) - 1) << name;
}

} // namespace

void ExpectCaptionsFit(HWND window, const FormDescription& form, const Scale& scale) {
    const int border = 2 * GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(scale.dpi));
    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND control, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    ASSERT_EQ(controls.size(), form.controls.size());

    for (const HWND control : controls) {
        const std::wstring kind = e2e::ClassOf(control);
        const std::string name = e2e::Narrow(CaptionOf(control));
        RECT client{};
        GetClientRect(control, &client);
        if (kind == L"Button" &&
            (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) {
            const auto index = static_cast<size_t>(GetDlgCtrlID(control) - kFirstControlId);
            ExpectPictureButtonCaptionFits(control, form.controls[index].picture.resourceId, scale);
        } else if (kind == L"Button") {
            EXPECT_LE(Measure(control, client.right - 2 * border).height, client.bottom - border)
                << name;
        } else if (kind == L"Static") {
            const Measured measured = Measure(control, client.right);
            if (name.starts_with("Created By:")) {
                // Runs of blanks bring each text after "Created By:" to a line of its own; the
                // label's rectangle holds the first three of the four lines.
                EXPECT_GE(measured.height, 4 * measured.lineHeight) << name;
                EXPECT_LE(3 * measured.lineHeight, client.bottom) << name;
            } else {
                EXPECT_LE(measured.height, client.bottom) << name;
            }
        }
    }
}

namespace {

Scale PrefixScale() {
    return {e2e::PrefixDpi(), e2e::PrefixTextPercent()};
}

class CaptionFit : public testing::TestWithParam<const FormDescription*> {
protected:
    static void SetUpTestSuite() { Form::PrepareWindowing(); }
};

TEST_P(CaptionFit, EveryButtonAndLabelShowsItsWholeCaption) {
    const FormDescription& description = *GetParam();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form form(description, windows);
    ASSERT_EQ(static_cast<int>(GetDpiForWindow(form.Window())), e2e::PrefixDpi());
    ExpectCaptionsFit(form.Window(), description, PrefixScale());
}

INSTANTIATE_TEST_SUITE_P(Windows, CaptionFit,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) {
                             return e2e::Narrow(std::wstring(param.param->name));
                         });

// Told to hide the keyboard cues, as Windows tells the buttons of a window opened with the mouse,
// a picture button with the focus draws neither its access key's underline nor its focus
// rectangle: exactly as the same caption without the access key, drawn without the rectangle.
TEST(KeyboardCues, APictureButtonToldToHideThemDrawsNoUnderlineAndNoFocusRectangle) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form form(forms::frmMain, windows);
    const HWND done = e2e::ControlWithText(form.Window(), L"&Done!");
    ASSERT_NE(done, nullptr);
    const Scale scale = PrefixScale();
    const UINT focused = ODS_FOCUS;
    const e2e::Image hidden = Drawn(done, nullptr, scale, focused | ODS_NOACCEL | ODS_NOFOCUSRECT);
    const e2e::Image plain = Drawn(done, nullptr, scale, focused | ODS_NOFOCUSRECT, L"Done!");
    EXPECT_EQ(e2e::DifferentPixels(hidden, plain), 0);
    // The cues are there to hide: the underline, and the focus rectangle.
    EXPECT_GT(e2e::DifferentPixels(Drawn(done, nullptr, scale, focused | ODS_NOFOCUSRECT), plain),
              0);
    EXPECT_GT(e2e::DifferentPixels(Drawn(done, nullptr, scale, focused, L"Done!"), plain), 0);
}

// A font as the screen would draw it: the face it gets and its height.
std::pair<std::wstring, LONG> Realized(HFONT font) {
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(screen.get(), LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    return {face, metrics.tmHeight};
}

// What the input box's controls were drawn in, looked at while it is open; it is then cancelled.
std::vector<std::pair<std::wstring, LONG>> inputBoxFonts;

void CALLBACK LookAtTheInputBox(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = FindWindowW(L"#32770", L"Penderlin");
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    for (const int id : {IDC_INPUT_PROMPT, IDC_INPUT_TEXT, IDOK, IDCANCEL}) {
        inputBoxFonts.push_back(Realized(FontOf(GetDlgItem(box, id))));
    }
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

// The input box is in the font of the windows beside it, at their scale.
TEST(InputBox, ItsPromptFieldAndButtonsAreInTheWindowsFont) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form form(forms::win98, windows);
    const auto windowsFont = Realized(FontOf(e2e::ControlWithText(form.Window(), L"&Close")));
    SetTimer(nullptr, 0, 20, LookAtTheInputBox);
    EXPECT_EQ(dialogs.InputBox(form.Window(), L"Windows Registered User:"), L"");
    ASSERT_EQ(inputBoxFonts.size(), 4u);
    for (const auto& font : inputBoxFonts) {
        EXPECT_EQ(font, windowsFont) << e2e::Narrow(font.first) << " " << font.second;
    }
}

// The prefix is the desktop of Windows 10 and 11: every UI font of the system is "Caption Test
// Sans" (Segoe UI's metrics) at 9 pt, scaled by the text size, 16 pixels a line at 96 DPI and
// 100 %. Without it the caption checks would prove nothing about those desktops.
TEST(Windows11Desktop, TheSystemsFontsAreSegoeUisStandIn) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                           static_cast<UINT>(e2e::PrefixDpi())));
    const Scale scale = PrefixScale();
    for (const LOGFONTW& font : {metrics.lfMessageFont, metrics.lfCaptionFont, metrics.lfMenuFont,
                                 metrics.lfStatusFont, metrics.lfSmCaptionFont}) {
        const UniqueFont made(CreateFontIndirectW(&font));
        const WindowDc screen(nullptr);
        const SelectedObject selected(screen.get(), made.get());
        wchar_t face[LF_FACESIZE]{};
        GetTextFaceW(screen.get(), LF_FACESIZE, face);
        EXPECT_TRUE(std::wstring_view(face).starts_with(L"Caption Test Sans")) << e2e::Narrow(face);
        TEXTMETRICW text{};
        GetTextMetricsW(screen.get(), &text);
        EXPECT_NEAR(text.tmHeight, scale.FromPixelsAt96(16), 1) << e2e::Narrow(font.lfFaceName);
    }
}

} // namespace
} // namespace penderlin::platform
