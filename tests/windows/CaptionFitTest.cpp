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

#include <cstdio>
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

void ExpectCaptionsFit(HWND window, size_t controlCount, int dpi, std::vector<std::string>* cut) {
    const auto expectFits = [cut](int needed, int room, const std::wstring& caption) {
        if (cut == nullptr) {
            EXPECT_LE(needed, room) << Narrow(caption);
        } else if (needed > room) {
            cut->push_back(Narrow(caption) + " (" + std::to_string(needed - room) + " px short)");
        }
    };
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
            // The gap below the icon gives way before the caption is cut.
            expectFits(MulDiv(32, dpi, 96) + m.textHeight, client.cy, m.caption);
        } else if (kind == L"Button") {
            const Measured m = Measure(control, client.cx - 2 * border);
            expectFits(m.textHeight, client.cy - border, m.caption);
        } else if (kind == L"Static") {
            const Measured m = Measure(control, client.cx);
            if (m.caption.starts_with(L"Created By:")) {
                // Runs of blanks bring each text after "Created By:" to a line of its own.
                expectFits(m.textHeight, 4 * m.lineHeight, m.caption);
                EXPECT_GE(m.textHeight, 4 * m.lineHeight);
            } else {
                expectFits(m.textHeight, client.cy, m.caption);
            }
        }
    }
}

namespace {

class CaptionFit : public testing::TestWithParam<const FormDescription*> {
protected:
    static void SetUpTestSuite() { Form::PrepareWindowing(); }
};

bool WindowsOwnMessageFont() {
    wchar_t font[16]{};
    return GetEnvironmentVariableW(L"PENDERLIN_WINE_MESSAGE_FONT", font, 16) > 0;
}

// With Wine's own message font every caption fits. With one as tall as Windows' own, in the
// prefix made for it, the test names the captions cut: the rectangles are the windows' design.
TEST_P(CaptionFit, EveryButtonAndLabelShowsItsWholeCaption) {
    const FormDescription& description = *GetParam();
    Win32Dialogs dialogs;
    const Form form(description, dialogs);
    const HWND window = form.Window();
    std::vector<std::string> cut;
    ExpectCaptionsFit(window, description.controls.size(),
                      static_cast<int>(GetDpiForWindow(window)),
                      WindowsOwnMessageFont() ? &cut : nullptr);
    for (const std::string& caption : cut) {
        std::printf("cut: %s\n", caption.c_str());
        RecordProperty("cut", caption);
    }
}

// In the prefix made for it, the message font is what the caption runs above are meant to see:
// Noto Sans 9 pt, at least 16 pixels a line at 96 DPI, as Segoe UI is on Windows.
TEST(CaptionFitFont, TheMessageFontIsAsTallAsWindowsOwn) {
    if (!WindowsOwnMessageFont()) {
        GTEST_SKIP() << "the prefix keeps Wine's own message font";
    }
    const UINT dpi = GetDpiForSystem();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi));
    EXPECT_TRUE(std::wstring_view(metrics.lfMessageFont.lfFaceName).starts_with(L"Noto Sans"));
    const UniqueFont made(CreateFontIndirectW(&metrics.lfMessageFont));
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), made.get());
    TEXTMETRICW text{};
    GetTextMetricsW(screen.get(), &text);
    wchar_t face[LF_FACESIZE]{};
    GetTextFaceW(screen.get(), LF_FACESIZE, face);
    EXPECT_TRUE(std::wstring_view(face).starts_with(L"Noto Sans")) << Narrow(face);
    EXPECT_GE(text.tmHeight, MulDiv(16, static_cast<int>(dpi), 96));
}

INSTANTIATE_TEST_SUITE_P(Windows, CaptionFit,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) { return Narrow(std::wstring(param.param->name)); });

} // namespace
} // namespace penderlin::platform
