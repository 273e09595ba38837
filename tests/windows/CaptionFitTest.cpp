// Every caption fits its control at the DPI the test runs at (96, and 144 in a second prefix):
// measured in-process with the control's own font, as the platform draws it.
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"
#include "platform/win32/Form.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Win32Dialogs.h"

#include "CaptionFit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace penderlin::platform {
namespace {

struct Measured {
    std::wstring caption;
    SIZE client{};
    int textHeight = 0;
    int lineHeight = 0;
};

// The caption's height when wrapped at the given width, in the control's font.
Measured Measure(HWND control, int wrapWidth) {
    Measured measured;
    measured.caption.resize(static_cast<size_t>(GetWindowTextLengthW(control)) + 1);
    measured.caption.resize(static_cast<size_t>(GetWindowTextW(
        control, measured.caption.data(), static_cast<int>(measured.caption.size()))));
    RECT client{};
    GetClientRect(control, &client);
    measured.client = {client.right, client.bottom};
    const WindowDc dc(control);
    const SelectedObject font(dc.get(),
                              reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT text{0, 0, wrapWidth, 0};
    measured.textHeight = DrawTextW(dc.get(), measured.caption.c_str(), -1, &text,
                                    DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    measured.lineHeight = metrics.tmHeight;
    return measured;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

} // namespace

void ExpectCaptionsFit(HWND window, size_t controlCount, int dpi) {
    const int border = 2 * GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));

    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND control, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    ASSERT_EQ(controls.size(), controlCount);

    for (const HWND control : controls) {
        wchar_t className[16]{};
        GetClassNameW(control, className, 16);
        const std::wstring_view kind = className;
        const bool pictureButton = kind == L"Button" && (GetWindowLongPtrW(control, GWL_STYLE) &
                                                         BS_TYPEMASK) == BS_OWNERDRAW;
        const SIZE client = Measure(control, 0).client;
        if (pictureButton) {
            // The icon above the caption, which wraps at the button's full width.
            const Measured m = Measure(control, client.cx);
            EXPECT_LE(MulDiv(32 + 1, dpi, 96) + m.textHeight, client.cy) << Narrow(m.caption);
        } else if (kind == L"Button") {
            const Measured m = Measure(control, client.cx - 2 * border);
            EXPECT_LE(m.textHeight, client.cy - border) << Narrow(m.caption);
        } else if (kind == L"Static") {
            const Measured m = Measure(control, client.cx);
            if (m.caption.starts_with(L"Created By:")) {
                // Runs of blanks bring each text after "Created By:" to a line of its own.
                EXPECT_EQ(m.textHeight, 4 * m.lineHeight);
            } else {
                EXPECT_LE(m.textHeight, client.cy) << Narrow(m.caption);
            }
        }
    }
}

namespace {

class CaptionFit : public testing::TestWithParam<const FormDescription*> {
protected:
    static void SetUpTestSuite() { Form::PrepareWindowing(); }
};

TEST_P(CaptionFit, EveryButtonAndLabelShowsItsWholeCaption) {
    const FormDescription& description = *GetParam();
    Win32Dialogs dialogs;
    const Form form(description, dialogs);
    const HWND window = form.Window();
    ExpectCaptionsFit(window, description.controls.size(),
                      static_cast<int>(GetDpiForWindow(window)));
}

INSTANTIATE_TEST_SUITE_P(Windows, CaptionFit,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) { return Narrow(std::wstring(param.param->name)); });

} // namespace
} // namespace penderlin::platform
