// What a control looks like when it is drawn again on its own, without the window around it: a
// label that lets the window show through, and a picture button in the pressed state.
#include "Driver.h"
#include "forms/NtWindow.h"
#include "platform/win32/Form.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SystemLibraries.h"
#include "platform/win32/Win32Dialogs.h"

#include <vssym32.h>

#include <gtest/gtest.h>

namespace penderlin::platform {
namespace {

e2e::Image ScreenOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return e2e::ScreenPixels(rect);
}

class Painting : public testing::Test {
protected:
    static void SetUpTestSuite() { Form::PrepareWindowing(); }

    void SetUp() override {
        ShowWindow(window.Window(), SW_SHOWNORMAL);
        e2e::MovePointerAway();
        EXPECT_TRUE(e2e::BringToFront(window.Window()));
        RedrawWindow(window.Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ASSERT_TRUE(e2e::WaitUntilDrawn(window.Window()));
    }

    HWND Control(const wchar_t* caption) const {
        return e2e::ControlWithText(window.Window(), caption);
    }

    Win32Dialogs dialogs;
    ProgramWindows windows{dialogs};
    const Form window{forms::nt, windows};
};

// As when Alt shows the access keys and Windows redraws each label alone: text drawn again over
// its old self would thicken, its antialiased edges darkening with each pass.
TEST_F(Painting, ATransparentLabelDrawnAgainAloneLooksAsAfterAFullRepaint) {
    const HWND label = Control(L"Windows User:");
    ASSERT_NE(label, nullptr);
    const e2e::Image full = ScreenOf(label);
    for (int round = 0; round < 20; ++round) {
        SendMessageW(label, WM_UPDATEUISTATE,
                     MAKEWPARAM(round % 2 == 0 ? UIS_CLEAR : UIS_SET, UISF_HIDEACCEL), 0);
        InvalidateRect(label, nullptr, TRUE);
        SendMessageW(label, WM_PAINT, 0, 0);
    }
    GdiFlush();
    EXPECT_EQ(e2e::DifferentPixels(ScreenOf(label), full), 0);
}

// The theme gives each state of a push button its text colour: a contrast theme, or Wine's own,
// writes a pressed button's caption in another colour than a normal one's.
TEST_F(Painting, APressedPictureButtonsCaptionIsInTheThemesColourForThatState) {
    const HWND button = Control(L"Check Current User");
    ASSERT_NE(button, nullptr);
    const VisualStyles* styles = LoadVisualStyles();
    ASSERT_NE(styles, nullptr);
    const UniqueTheme theme(styles->OpenThemeData(button, L"BUTTON"));
    ASSERT_TRUE(theme) << "no visual style to take the colours from";
    COLORREF normal = 0;
    COLORREF pressed = 0;
    styles->GetThemeColor(theme.get(), BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR, &normal);
    styles->GetThemeColor(theme.get(), BP_PUSHBUTTON, PBS_PRESSED, TMT_TEXTCOLOR, &pressed);
    ASSERT_NE(normal, pressed) << "the theme writes both states alike";

    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    UpdateWindow(button);
    GdiFlush();
    const e2e::Image image = ScreenOf(button);
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    // The lowest third holds nothing but the caption and the button's face and edges.
    int inPressedColour = 0;
    int inNormalColour = 0;
    for (int y = image.height * 2 / 3; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            inPressedColour += image.At(x, y) == pressed ? 1 : 0;
            inNormalColour += image.At(x, y) == normal ? 1 : 0;
        }
    }
    EXPECT_GT(inPressedColour, 0);
    EXPECT_EQ(inNormalColour, 0);
}

} // namespace
} // namespace penderlin::platform
