#include "Fixtures.h"
#include "Version.h"
#include "assets/ResourceIds.h"

namespace penderlin::e2e {
namespace {

constexpr ExpectedControl kTabOrder[] = {
    {L"&Done!", 3960, 1080, 735, 855},
    {L"Click here for Windows 2000/NT", 1800, 120, 1455, 975},
    {L"Click here for Win98/95", 120, 120, 1455, 975},
};
constexpr ExpectedControl kOthers[] = {
    {L"Program Info", 0, 1200, 3735, 975},
    {L"Version 0.1a", 3840, 1920, 1095, 255},
};

using MainWindow = MainWindowTest;

TEST_F(MainWindow, HasTheDesignedSizePlaceControlsAndTabOrder) {
    ExpectClientSize(main, 4845, 2160);
    ExpectControlsAt(main, kTabOrder);
    ExpectControlsAt(main, kOthers);

    // The credits sit inside the frame, placed relative to it.
    const HWND credits = GetWindow(ControlWithText(main, L"Program Info"), GW_CHILD);
    const int dpi = static_cast<int>(GetDpiForWindow(main));
    const RECT r = RectInParent(credits);
    EXPECT_EQ(r.left, TwipsToPixels(120, dpi));
    EXPECT_EQ(r.top, TwipsToPixels(240, dpi));
    EXPECT_EQ(r.right - r.left, TwipsToPixels(3255, dpi));
    EXPECT_EQ(TextOf(credits).rfind(L"Created By:", 0), 0u);

    // Fixed single border, no maximize or minimize box, centred on the screen.
    const auto style = GetWindowLongPtrW(main, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
    RECT frame{};
    GetWindowRect(main, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    ExpectTabOrder(main, kTabOrder);
}

TEST_F(MainWindow, TheSkyCoversTheWholeClientArea) {
    const PictureCoverage coverage = ExpectPictureInPlace(main, IDB_SKY, RGB(0, 0, 0));
    EXPECT_GT(coverage.picture, 0);
    EXPECT_EQ(coverage.background, 0);
}

TEST_F(MainWindow, PointingAtDoneOrTheCreditsShowsTheirTooltips) {
    EXPECT_EQ(TooltipWhenPointingAt(ControlWithText(main, L"&Done!")), L"Quit");
    const HWND credits = GetWindow(ControlWithText(main, L"Program Info"), GW_CHILD);
    EXPECT_EQ(TooltipWhenPointingAt(credits),
              L"email me with questions or things you want to see in newer versions");
    EXPECT_TRUE(NoTooltipWhenPointingAt(ControlWithText(main, L"Click here for Win98/95")));
}

TEST_F(MainWindow, EnterAtStartEnds) {
    PressKey(VK_RETURN);
    EXPECT_TRUE(program->WaitForExit());
}

TEST_F(MainWindow, SpaceAtStartEnds) {
    PressKey(VK_SPACE);
    EXPECT_TRUE(program->WaitForExit());
}

// Windows can leave a minimized window active (when the foreground window closes while every
// other is minimized, or by Alt+Tab onto it): keys typed then go to no control, not to "&Done!"
// where nobody sees them land. Space does nothing; Enter restores the window, as Windows does for
// a minimized window, and being the later key it proves the earlier one handled. Restored, the
// window gives the focus back.
TEST_F(MainWindow, MinimizedButActiveItGivesNoControlTheKeysAndRestoredGivesTheFocusBack) {
    ShowWindow(main, SW_MINIMIZE); // as another program does
    ASSERT_TRUE(WaitFor("the main window to be minimized", [&] { return IsIconic(main); }));
    ASSERT_TRUE(BringToFront(main));
    ASSERT_TRUE(IsIconic(main));
    PressKey(VK_SPACE);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor("Enter to restore the main window", [&] { return !IsIconic(main); }))
        << program->State();
    EXPECT_FALSE(program->WaitForExit(0)) << program->State();
    ExpectFocusOn(main, L"&Done!");
}

TEST_F(MainWindow, EscDoesNothingAndAltDEndsFromAnywhere) {
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    // Once the Tab after it has moved the focus, the Esc before it has been handled.
    ExpectFocusOn(main, L"Click here for Windows 2000/NT");
    EXPECT_FALSE(program->WaitForExit(0));
    PressKey('D', true);
    EXPECT_TRUE(program->WaitForExit());
}

TEST_F(MainWindow, TheCloseBoxEnds) {
    PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program->WaitForExit());
}

// While a family window is open it belongs to the main window (it shares its taskbar button and
// stays in front of it), and the main window takes no input: neither a real click on "&Done!" nor
// its access key nor a close request (the taskbar's "Close window") does anything, then or once
// the family window has closed.
TEST_F(MainWindow, AFamilyWindowBelongsToTheMainWindowWhichTakesNoInputUntilItCloses) {
    const HWND family = OpenFamilyWindow(L"Click here for Win98/95", L"Windows 98/95 Version");
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(GetWindow(family, GW_OWNER), main);
    EXPECT_EQ(GetWindowLongPtrW(family, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_FALSE(IsWindowEnabled(main));

    // The family window is moved almost off the screen first, so that it cannot be what the
    // click lands on.
    SetWindowPos(family, nullptr, GetSystemMetrics(SM_CXSCREEN) - 40, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    const HWND done = ControlWithText(main, L"&Done!");
    RECT doneRect{};
    GetWindowRect(done, &doneRect);
    RECT familyRect{};
    GetWindowRect(family, &familyRect);
    RECT overlap{};
    ASSERT_FALSE(IntersectRect(&overlap, &doneRect, &familyRect));
    PostMessageW(main, WM_CLOSE, 0, 0);
    ClickAt(done);
    PressKey('D', true);
    ASSERT_TRUE(BringToFront(family));
    EXPECT_TRUE(WaitUntilHandledSoFar(family));
    EXPECT_FALSE(program->WaitForExit(0));
    EXPECT_TRUE(IsWindowVisible(family));
    EXPECT_TRUE(IsWindowVisible(main));

    PostMessageW(family, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntilGone(L"Windows 98/95 Version"));
    EXPECT_TRUE(IsWindowEnabled(main));
    // Activation returns to the main window, with the focus where it was.
    EXPECT_EQ(TextOf(WaitForFocusIn(main)), L"Click here for Win98/95");
    // Nothing was kept for later.
    EXPECT_TRUE(WaitUntilHandledSoFar(main));
    EXPECT_FALSE(program->WaitForExit(0));
    ClickAt(done);
    EXPECT_TRUE(program->WaitForExit());
}

// Both family windows are the same kind of window with a "&Close" button of their own: Esc does
// nothing in either, and Alt+C closes either.
TEST_F(MainWindow, InEitherFamilyWindowEscDoesNothingAndAltCCloses) {
    for (const auto& [button, caption] :
         {std::pair{L"Click here for Win98/95", L"Windows 98/95 Version"},
          std::pair{L"Click here for Windows 2000/NT", L"Windows 2000/ NT 4.0 Version"}}) {
        const HWND family = OpenFamilyWindow(button, caption);
        ASSERT_NE(family, nullptr);
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntilHandledSoFar(family));
        EXPECT_TRUE(IsWindowVisible(family)) << Narrow(caption);
        EXPECT_FALSE(IsWindowEnabled(main));

        PressKey('C', true);
        EXPECT_TRUE(WaitUntilGone(caption));
        EXPECT_TRUE(IsWindowEnabled(main));
    }
    EXPECT_FALSE(program->WaitForExit(0));
}

TEST_F(MainWindow, AFamilyWindowOpensAfreshEachTime) {
    const wchar_t* caption = L"Windows 98/95 Version";
    HWND family = OpenFamilyWindow(L"Click here for Win98/95", caption);
    ASSERT_NE(family, nullptr);
    RECT first{};
    GetWindowRect(family, &first);
    SetWindowPos(family, nullptr, first.left + 40, first.top + 30, 500, 600, SWP_NOZORDER);
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ExpectFocusOn(family, L"Check Current Company");
    PressKey('C', true);
    ASSERT_TRUE(WaitUntilGone(caption));

    family = OpenFamilyWindow(L"Click here for Win98/95", caption);
    ASSERT_NE(family, nullptr);
    RECT again{};
    GetWindowRect(family, &again);
    EXPECT_EQ(again.left, first.left);
    EXPECT_EQ(again.top, first.top);
    EXPECT_EQ(again.right - again.left, first.right - first.left);
    EXPECT_EQ(again.bottom - again.top, first.bottom - first.top);
    EXPECT_EQ(TextOf(FocusIn(family)), L"Check Current User");
}

TEST(ProgramFile, CarriesItsVersionInformation) {
    const std::wstring path = ProgramPath();

    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    constexpr DWORD kMostSignificant = PENDERLIN_VERSION_MAJOR << 16 | PENDERLIN_VERSION_MINOR;
    constexpr DWORD kLeastSignificant = PENDERLIN_VERSION_PATCH << 16 | PENDERLIN_VERSION_TWEAK;
    EXPECT_EQ(fixed->dwFileVersionMS, kMostSignificant);
    EXPECT_EQ(fixed->dwFileVersionLS, kLeastSignificant);
    EXPECT_EQ(fixed->dwProductVersionMS, kMostSignificant);
    EXPECT_EQ(fixed->dwProductVersionLS, kLeastSignificant);

    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length);
        return value != nullptr ? std::wstring(value) : std::wstring();
    };
    EXPECT_EQ(text(L"Comments"), L"This Program can read and write to the Registry certain "
                                 L"Registration Key's and Names in Windows.");
    EXPECT_EQ(text(L"ProductName"), L"Penderlin");
    EXPECT_EQ(text(L"FileVersion"), PENDERLIN_VERSION_WIDE_TEXT);
    EXPECT_EQ(text(L"ProductVersion"), PENDERLIN_VERSION_WIDE_TEXT);
}

} // namespace
} // namespace penderlin::e2e
