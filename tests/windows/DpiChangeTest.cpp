// A window told that it now lies on a monitor of another scale lays itself out again from its
// description: client area, every control's rectangle and font, captions that fit, and a
// picture without seams; and nothing leaks however often that happens.
#include "CaptionFit.h"
#include "Driver.h"
#include "MessageHook.h"
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"
#include "platform/Scale.h"
#include "platform/win32/Form.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/WindowClasses.h"
#include "registry/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace penderlin::platform {
namespace {

int SystemDpi(HWND window) {
    return static_cast<int>(GetDpiForWindow(window));
}

int OtherDpi(int dpi) {
    return dpi == 96 ? 144 : 96;
}

HWND ControlAt(HWND window, size_t index) {
    return e2e::ControlWithId(window, kFirstControlId + static_cast<int>(index));
}

LONG FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return font.lfHeight;
}

// The window is laid out as its description says at this DPI, with every control's font scaled
// from the height it had at `startDpi`.
void ExpectLaidOutAt(HWND window, const FormDescription& form, int dpi,
                     const std::vector<LONG>& startFontHeights, int startDpi) {
    const Scale scale{dpi};
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_NEAR(client.right, scale.FromTwips(form.clientSize.width), 1) << "at " << dpi;
    EXPECT_NEAR(client.bottom, scale.FromTwips(form.clientSize.height), 1) << "at " << dpi;
    for (size_t index = 0; index < form.controls.size(); ++index) {
        const ControlDescription& description = form.controls[index];
        const std::string name(description.name.begin(), description.name.end());
        const HWND control = ControlAt(window, index);
        ASSERT_NE(control, nullptr) << name;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        const TwipsRect& t = description.rect;
        EXPECT_NEAR(r.left, scale.FromTwips(t.left), 1) << name << " at " << dpi;
        EXPECT_NEAR(r.top, scale.FromTwips(t.top), 1) << name << " at " << dpi;
        EXPECT_NEAR(r.right - r.left, scale.FromTwips(t.width), 1) << name << " at " << dpi;
        EXPECT_NEAR(r.bottom - r.top, scale.FromTwips(t.height), 1) << name << " at " << dpi;
        EXPECT_NEAR(FontHeight(control), startFontHeights[index] * dpi / startDpi, 1)
            << name << " at " << dpi;
    }
    ExpectCaptionsFit(window, form, {dpi, e2e::PrefixTextPercent()});
}

class DpiChange : public testing::TestWithParam<const FormDescription*> {
protected:
    static void SetUpTestSuite() { Form::PrepareWindowing(); }
    Win32Dialogs dialogs;
    ProgramWindows windows{dialogs};
};

TEST_P(DpiChange, ToTheOtherDpiAndBackLaysTheWindowOutFromItsDescription) {
    const FormDescription& form = *GetParam();
    const Form window(form, windows);
    const int start = SystemDpi(window.Window());
    std::vector<LONG> startFontHeights;
    for (size_t index = 0; index < form.controls.size(); ++index) {
        startFontHeights.push_back(FontHeight(ControlAt(window.Window(), index)));
    }
    for (const int dpi : {OtherDpi(start), start}) {
        ASSERT_TRUE(e2e::ChangeDpi(window.Window(), dpi));
        ExpectLaidOutAt(window.Window(), form, dpi, startFontHeights, start);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DpiChange,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) {
                             return std::string(param.param->name.begin(), param.param->name.end());
                         });

// As a user leaves it before its monitor's scale changes: sized by dragging its border.
TEST(DpiChanges, AWindowSizedByTheUserKeepsItsSizeInInches) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form window(forms::nt, windows);
    ShowWindow(window.Window(), SW_SHOWNORMAL);
    const int start = SystemDpi(window.Window());
    const int other = OtherDpi(start);
    RECT frame{};
    GetWindowRect(window.Window(), &frame);
    SetWindowPos(window.Window(), nullptr, 0, 0, frame.right - frame.left + 61,
                 frame.bottom - frame.top + 37, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE sized = e2e::ClientSize(window.Window());

    ASSERT_TRUE(e2e::ChangeDpi(window.Window(), other));
    const SIZE scaled = e2e::ClientSize(window.Window());
    EXPECT_EQ(scaled.cx, MulDiv(sized.cx, other, start));
    EXPECT_EQ(scaled.cy, MulDiv(sized.cy, other, start));
    ASSERT_TRUE(e2e::ChangeDpi(window.Window(), start));
    const SIZE back = e2e::ClientSize(window.Window());
    EXPECT_EQ(back.cx, sized.cx);
    EXPECT_EQ(back.cy, sized.cy);
}

// The frame and the client area in screen coordinates, as text to compare and show.
std::string FrameAndClient(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::ostringstream text;
    for (const RECT& r : {frame, client}) {
        text << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ") ";
    }
    return text.str();
}

// Maximized, it keeps exactly the frame and client area that maximizing a window gives on its
// monitor; minimized, it stays so; and restored, it is laid out at its design size for the new
// scale.
TEST(DpiChanges, AMaximizedOrMinimizedWindowKeepsItsStateAndRestoresToItsDesignSize) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form fresh(forms::nt, windows);
    ShowWindow(fresh.Window(), SW_SHOWNORMAL);
    SendMessageW(fresh.Window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    const auto maximized = FrameAndClient(fresh.Window());
    for (const int state : {SW_MAXIMIZE, SW_MINIMIZE}) {
        const Form window(forms::nt, windows);
        const int start = SystemDpi(window.Window());
        const int other = OtherDpi(start);
        std::vector<LONG> startFontHeights;
        for (size_t index = 0; index < forms::nt.controls.size(); ++index) {
            startFontHeights.push_back(FontHeight(ControlAt(window.Window(), index)));
        }
        ShowWindow(window.Window(), state);

        if (state == SW_MAXIMIZE) {
            ASSERT_EQ(FrameAndClient(window.Window()), maximized);
        }
        for (const int dpi : {other, start, other}) {
            ASSERT_TRUE(e2e::ChangeDpi(window.Window(), dpi));
            if (state == SW_MAXIMIZE) {
                EXPECT_TRUE(IsZoomed(window.Window()));
                EXPECT_EQ(FrameAndClient(window.Window()), maximized) << "at " << dpi;
            } else {
                EXPECT_TRUE(IsIconic(window.Window()));
            }
        }

        ShowWindow(window.Window(), SW_RESTORE);
        ExpectLaidOutAt(window.Window(), forms::nt, other, startFontHeights, start);
    }
}

// Windows sends WM_DPICHANGED inside the SetWindowPos that moves a window onto a monitor of
// another scale, as when a family window opens on the monitor of a main window that is not the
// default monitor; Wine never does. This hook does it, as Windows would, the first time the
// window the test opens moves or changes size while still hidden.
class ScaleChangeWhileOpening {
public:
    explicit ScaleChangeWhileOpening(int dpi) : hook_(Watch) {
        dpi_ = dpi;
        fired_ = false;
    }
    static bool Fired() { return fired_; }

private:
    static void Watch(const CWPRETSTRUCT& call) {
        if (!fired_ && call.message == WM_WINDOWPOSCHANGED &&
            GetWindow(call.hwnd, GW_OWNER) != nullptr && !IsWindowVisible(call.hwnd) &&
            e2e::ClassOf(call.hwnd) == kFormClassName) {
            fired_ = true;
            e2e::ChangeDpi(call.hwnd, dpi_);
        }
    }
    static inline int dpi_ = 96;
    static inline bool fired_ = false;
    HandledMessages hook_;
};

// The client size a window designed at this scale gets: no larger than any window may be, which
// the largest scales pass.
SIZE DesignedClientSize(HWND window, const FormDescription& form, const Scale& scale) {
    const SIZE largest = e2e::LargestClientSize(window);
    return {std::min<LONG>(scale.FromTwips(form.clientSize.width), largest.cx),
            std::min<LONG>(scale.FromTwips(form.clientSize.height), largest.cy)};
}

// Opened on its owner's monitor of another scale, a family window has its design size at that
// scale, with every control inside its client area, and a later change of scale still takes it
// for a window the user has not sized.
TEST(DpiChanges, AWindowThatChangesScaleWhileOpeningHasItsDesignSizeThere) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form main(forms::frmMain, windows);
    const int start = SystemDpi(main.Window());
    const int other = OtherDpi(start);
    const int text = e2e::PrefixTextPercent();
    // Each the first opening of its kind in this run of the program's windows.
    for (const FormDescription* family : {&forms::win98, &forms::nt}) {
        const FormDescription& form = *family;
        const std::string name(form.name.begin(), form.name.end());
        const ScaleChangeWhileOpening scaleChange(other);
        const Form window(form, windows, main.Window());
        ASSERT_TRUE(ScaleChangeWhileOpening::Fired()) << name;
        const SIZE client = e2e::ClientSize(window.Window());
        const SIZE designed = DesignedClientSize(window.Window(), form, {other, text});
        EXPECT_EQ(client.cx, designed.cx) << name;
        EXPECT_EQ(client.cy, designed.cy) << name;
        if (designed.cy == Scale{other, text}.FromTwips(form.clientSize.height)) {
            for (HWND control = GetWindow(window.Window(), GW_CHILD); control != nullptr;
                 control = GetWindow(control, GW_HWNDNEXT)) {
                const RECT r = e2e::RectInParent(control);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.cx &&
                            r.bottom <= client.cy)
                    << name << ": a control outside the client area";
            }
        }
        ASSERT_TRUE(e2e::ChangeDpi(window.Window(), start));
        const SIZE back = e2e::ClientSize(window.Window());
        const SIZE designedBack = DesignedClientSize(window.Window(), form, {start, text});
        EXPECT_EQ(back.cx, designedBack.cx) << name;
        EXPECT_EQ(back.cy, designedBack.cy) << name;
    }
}

std::array<int, 8> LiveCounts() {
    return {UniqueWindow::LiveCount(), UniqueFont::LiveCount(), UniqueBrush::LiveCount(),
            UniqueBitmap::LiveCount(), UniqueIcon::LiveCount(), UniqueMemoryDc::LiveCount(),
            UniqueTheme::LiveCount(),  Registry::OpenKeyCount()};
}

TEST(DpiChanges, AThousandBackAndForthLeaveEveryHandleCountWhereItWas) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    const Form window(forms::frmMain, windows);
    const int start = SystemDpi(window.Window());
    const auto before = LiveCounts();
    for (int change = 0; change < 1000; ++change) {
        ASSERT_TRUE(e2e::ChangeDpi(window.Window(), change % 2 == 0 ? OtherDpi(start) : start));
    }
    EXPECT_EQ(LiveCounts(), before);
}

// What the screen shows of the window's client area once it has painted what was invalid.
e2e::Image Painted(HWND window, const RECT* invalid) {
    InvalidateRect(window, invalid, TRUE);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    EXPECT_TRUE(e2e::WaitUntilDrawn(window));
    return e2e::ScreenOfClientArea(window);
}

TEST(DpiChanges, APartialRepaintAt120DpiGivesThePixelsOfAFullOne) {
    Form::PrepareWindowing();
    Win32Dialogs dialogs;
    ProgramWindows windows(dialogs);
    for (const FormDescription* form : {&forms::frmMain, &forms::nt}) {
        const Form window(*form, windows);
        ShowWindow(window.Window(), SW_SHOWNORMAL);
        e2e::MovePointerAway();
        EXPECT_TRUE(e2e::BringToFront(window.Window()));
        ASSERT_TRUE(e2e::ChangeDpi(window.Window(), 120));
        const e2e::Image full = Painted(window.Window(), nullptr);
        // A small rectangle at odd places, clear of the controls.
        const RECT invalid{7, 3, 7 + 31, 3 + 13};
        const e2e::Image partial = Painted(window.Window(), &invalid);
        EXPECT_EQ(e2e::DifferentPixels(full, partial), 0)
            << std::string(form->name.begin(), form->name.end());
    }
}

} // namespace
} // namespace penderlin::platform
