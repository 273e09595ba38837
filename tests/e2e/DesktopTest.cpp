// What a real Windows desktop does and Wine does not: a window moved to a monitor of another
// scale is sent WM_DPICHANGED (the driver sends it as Windows would), a modal window belongs to
// the window that opened it, and the taskbar restores a minimized program (the test sends the
// system command the taskbar sends, or calls ShowWindow).
#include "Fixtures.h"
#include "assets/ResourceIds.h"

namespace penderlin::e2e {
namespace {

int OtherDpi(int dpi) {
    return dpi == 96 ? 144 : 96;
}

// One window of the program, as the tests below need to know it.
struct WindowUnderTest {
    int widthTwips;
    int heightTwips;
    int pictureId;
    COLORREF background;
    std::optional<COLORREF> transparent;
};

// To the other DPI and back: at the other, the client area and the picture are what that DPI
// gives, the focus stays where it was and Tab still moves it; back at the prefix's DPI the
// window shows exactly what it showed when it opened.
void ExpectScaleChangesKeepTheWindowWhole(HWND window, const WindowUnderTest& expected) {
    const int start = PrefixDpi();
    const int other = OtherDpi(start);
    MovePointerAway();
    ASSERT_TRUE(WaitUntilDrawn(window));
    const Image opened = ScreenOfClientArea(window);
    const HWND focused = FocusIn(window);

    ASSERT_TRUE(ChangeDpi(window, other));
    ExpectClientSize(window, expected.widthTwips, expected.heightTwips, other);
    ExpectPictureInPlace(window, expected.pictureId, expected.background, expected.transparent,
                         other);
    EXPECT_EQ(FocusIn(window), focused);
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitFor("Tab to move the focus", [&] { return FocusIn(window) != focused; }));
    PressKey(VK_TAB, false, true);
    EXPECT_TRUE(WaitFor("Shift+Tab to move it back", [&] { return FocusIn(window) == focused; }));

    ASSERT_TRUE(ChangeDpi(window, start));
    ExpectClientSize(window, expected.widthTwips, expected.heightTwips, start);
    MovePointerAway();
    EXPECT_EQ(WaitUntilShows(window, opened), 0);
}

using MainWindowScale = MainWindowTest;

TEST_F(MainWindowScale, AChangeOfScaleAndBackKeepsTheWindowWhole) {
    ExpectScaleChangesKeepTheWindowWhole(main, {4845, 2160, IDB_SKY, RGB(0, 0, 0), std::nullopt});
}

class Win98Scale : public FamilyWindowTest {
protected:
    Win98Scale() : FamilyWindowTest(L"Click here for Win98/95", L"Windows 98/95 Version") {}
};

TEST_F(Win98Scale, AChangeOfScaleAndBackKeepsTheWindowWhole) {
    ExpectScaleChangesKeepTheWindowWhole(
        window, {4845, 6135, IDB_BANNER98, RGB(0, 0, 192), RGB(255, 0, 255)});
}

TEST_F(Win98Scale, AfterAChangeClicksAndAccessKeysWorkAndTheNextWindowOpensAtTheSystemDpi) {
    ASSERT_TRUE(ChangeDpi(window, OtherDpi(PrefixDpi())));
    ClickAt(Button(L"Check Current User"));
    const auto box = WaitForDialog();
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(Dismiss(*box));
    PressKey('C', true);
    ExpectBackAtMain();

    window = OpenFamilyWindow(L"Click here for Win98/95", L"Windows 98/95 Version");
    ASSERT_NE(window, nullptr);
    ExpectClientSize(window, 4845, 6135);
}

class NtScale : public FamilyWindowTest {
protected:
    NtScale()
        : FamilyWindowTest(L"Click here for Windows 2000/NT", L"Windows 2000/ NT 4.0 Version") {}
};

TEST_F(NtScale, AChangeOfScaleAndBackKeepsTheWindowWhole) {
    ExpectScaleChangesKeepTheWindowWhole(
        window, {4935, 5715, IDB_PAPER, GetSysColor(COLOR_BTNFACE), std::nullopt});
}

// An owned window has no taskbar button of its own: minimizing it by any means (its minimize box,
// or another program's ShowWindow, as Windows' minimize-all does) minimizes the program, and
// restoring the program, by the taskbar's system command or by ShowWindow, brings it back
// restored, in front, active, with the focus where it was, over a main window still waiting for
// it; "&Close" then returns to an enabled main window.
TEST_F(NtScale, MinimizingTheFamilyWindowMinimizesTheProgramWhichComesBackWithIt) {
    // The focus on another control than the one it starts on.
    const HWND first = WaitForFocusIn(window);
    PressKey(VK_TAB);
    HWND focused = nullptr;
    ASSERT_TRUE(WaitFor("Tab to move the focus", [&] {
        focused = FocusIn(window);
        return focused != first && IsChild(window, focused);
    }));
    const struct {
        const char* how;
        void (*minimize)(HWND window);
    } ways[] = {
        {"by its minimize box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
        {"by SW_MINIMIZE", [](HWND w) { ShowWindowAsync(w, SW_MINIMIZE); }},
        {"by SW_SHOWMINNOACTIVE", [](HWND w) { ShowWindowAsync(w, SW_SHOWMINNOACTIVE); }},
    };
    for (const auto& way : ways) {
        for (const bool restoreBySystemCommand : {true, false}) {
            const std::string what =
                std::string("minimized ") + way.how +
                (restoreBySystemCommand ? ", restored by SC_RESTORE" : ", restored by SW_RESTORE");
            way.minimize(window);
            EXPECT_TRUE(WaitFor("the program to be minimized", [&] {
                return IsIconic(main) && !IsWindowVisible(window);
            })) << what;
            if (restoreBySystemCommand) {
                PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
            } else {
                ShowWindowAsync(main, SW_RESTORE);
            }
            EXPECT_TRUE(WaitFor("the family window back in front", [&] {
                return !IsIconic(main) && IsWindowVisible(window) && !IsIconic(window) &&
                       GetForegroundWindow() == window;
            })) << what;
            EXPECT_TRUE(WaitFor("the focus back", [&] { return FocusIn(window) == focused; }))
                << what;
            EXPECT_FALSE(IsWindowEnabled(main)) << what;
        }
    }
    PostMessageW(Button(L"&Close"), BM_CLICK, 0, 0);
    ExpectBackAtMain();
}

// The user's text size, changed while the program runs: every open window lays itself out again
// at the new size, as at a DPI that much higher, where it stands and with the focus where it was;
// the input box grows with it. The text size goes back whatever happens.
class TextSize : public Win98Scale {
protected:
    void TearDown() override { ChangeTextSize(PrefixTextPercent()); }

    // The client area and a control at this scale; a window may grow no taller than the system
    // lets any window be (on Windows as under Wine, a little more than the screen).
    static void ExpectLaidOutAt(HWND window, SIZE clientTwips, const ExpectedControl& control,
                                const platform::Scale& scale) {
        const SIZE client = ClientSize(window);
        EXPECT_EQ(client.cx, scale.FromTwips(clientTwips.cx)) << scale.textPercent;
        EXPECT_EQ(client.cy,
                  std::min<LONG>(scale.FromTwips(clientTwips.cy), LargestClientSize(window).cy))
            << scale.textPercent;
        const RECT r = RectInParent(ControlWithText(window, control.caption));
        EXPECT_EQ(r.left, scale.FromTwips(control.left)) << scale.textPercent;
        EXPECT_EQ(r.top, scale.FromTwips(control.top)) << scale.textPercent;
        EXPECT_EQ(r.right - r.left, scale.FromTwips(control.width)) << scale.textPercent;
        EXPECT_EQ(r.bottom - r.top, scale.FromTwips(control.height)) << scale.textPercent;
    }

    SIZE InputBoxSize() const {
        const Dialog input = Open(L"Replace User");
        EXPECT_TRUE(input.IsInputBox());
        const SIZE size = ClientSize(input.window);
        EXPECT_TRUE(Dismiss(input, false));
        return size;
    }
};

TEST_F(TextSize, AChangeLaysEveryOpenWindowOutAgainInPlaceAndTheInputBoxGrows) {
    const SIZE inputBox = InputBoxSize();
    RECT mainBefore{};
    RECT familyBefore{};
    GetWindowRect(main, &mainBefore);
    GetWindowRect(window, &familyBefore);
    const HWND focused = FocusIn(window);

    for (const int percent : {150, PrefixTextPercent()}) {
        ChangeTextSize(percent);
        ASSERT_TRUE(WaitUntilIdle(window));
        const platform::Scale scale{PrefixDpi(), percent};
        ExpectLaidOutAt(main, {4845, 2160}, {L"&Done!", 3960, 1080, 735, 855}, scale);
        ExpectLaidOutAt(window, {4845, 6135}, {L"Replace Product ID", 3480, 4440, 1215, 975},
                        scale);
        RECT mainNow{};
        RECT familyNow{};
        GetWindowRect(main, &mainNow);
        GetWindowRect(window, &familyNow);
        EXPECT_EQ(mainNow.left, mainBefore.left);
        EXPECT_EQ(mainNow.top, mainBefore.top);
        EXPECT_EQ(familyNow.left, familyBefore.left);
        EXPECT_EQ(familyNow.top, familyBefore.top);
        EXPECT_EQ(FocusIn(window), focused);
        if (percent == 150) {
            const SIZE grown = InputBoxSize();
            EXPECT_NEAR(grown.cx, inputBox.cx * 3 / 2, inputBox.cx / 10);
            EXPECT_NEAR(grown.cy, inputBox.cy * 3 / 2, inputBox.cy / 10);
        }
    }
}

// At the largest text size the 98/95 window is taller than the test desktop: it opens at the top
// of the work area, so that its title bar can be reached.
TEST_F(TextSize, AWindowTooTallForTheWorkAreaOpensAtItsTop) {
    PressKey('C', true);
    ExpectBackAtMain();
    StoreTextSize(225);
    window = OpenFamilyWindow(L"Click here for Win98/95", L"Windows 98/95 Version");
    ASSERT_NE(window, nullptr);
    RECT frame{};
    GetWindowRect(window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    ASSERT_GT(frame.bottom - frame.top, monitor.rcWork.bottom - monitor.rcWork.top);
    EXPECT_EQ(frame.top, monitor.rcWork.top);
}

} // namespace
} // namespace penderlin::e2e
