#pragma once

#include "Driver.h"
#include "platform/Scale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace penderlin::e2e {

inline constexpr wchar_t kMainCaption[] = L"Oskavel";

inline int TwipsToPixels(int twips, int dpi) {
    return platform::Scale{dpi}.FromTwips(twips);
}

// A control as the window's design places it, in twips.
struct ExpectedControl {
    const wchar_t* caption;
    int left, top, width, height;
};

// Each control is where the design puts it, at the window's DPI.
inline void ExpectControlsAt(HWND window, std::span<const ExpectedControl> controls) {
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    for (const ExpectedControl& e : controls) {
        const HWND control = ControlWithText(window, e.caption);
        ASSERT_NE(control, nullptr) << e.caption;
        const RECT r = RectInParent(control);
        EXPECT_EQ(r.left, TwipsToPixels(e.left, dpi)) << e.caption;
        EXPECT_EQ(r.top, TwipsToPixels(e.top, dpi)) << e.caption;
        EXPECT_EQ(r.right - r.left, TwipsToPixels(e.width, dpi)) << e.caption;
        EXPECT_EQ(r.bottom - r.top, TwipsToPixels(e.height, dpi)) << e.caption;
    }
}

// The focus reaches the control with this caption; a busy machine may take a while to deliver the
// key that moves it.
inline void ExpectFocusOn(HWND window, const wchar_t* caption) {
    WaitFor(Quoted("the focus on ", caption), [&] { return TextOf(FocusIn(window)) == caption; });
    EXPECT_EQ(TextOf(FocusIn(window)), caption);
}

// The focus starts on the first control, Tab walks them in order and wraps, Shift+Tab goes back.
inline void ExpectTabOrder(HWND window, std::span<const ExpectedControl> order) {
    for (const ExpectedControl& e : order) {
        ExpectFocusOn(window, e.caption);
        PressKey(VK_TAB);
    }
    ExpectFocusOn(window, order.front().caption);
    PressKey(VK_TAB, false, true);
    ExpectFocusOn(window, order.back().caption);
    PressKey(VK_TAB);
}

// At the DPI of the prefix, or at the DPI the window was last told it has.
inline void ExpectClientSize(HWND window, int widthTwips, int heightTwips, int dpi = 0) {
    if (dpi == 0) {
        dpi = static_cast<int>(GetDpiForWindow(window));
        EXPECT_EQ(dpi, PrefixDpi());
    }
    const SIZE client = ClientSize(window);
    EXPECT_EQ(client.cx, TwipsToPixels(widthTwips, dpi));
    EXPECT_EQ(client.cy, TwipsToPixels(heightTwips, dpi));
}

// Where the screen showed the window's picture and where its background, in points checked.
struct PictureCoverage {
    int picture = 0;
    int background = 0;
};

// The picture is drawn from the client area's top-left corner at its 96-DPI size scaled as the
// window is; the background shows beyond it and through its transparent colour. Checked at every
// fifth pixel that no control covers; a pixel may come from either neighbour of its source pixel.
inline PictureCoverage ExpectPictureInPlace(HWND window, int pictureId, COLORREF background,
                                            std::optional<COLORREF> transparent = std::nullopt,
                                            int dpi = 0) {
    const Image picture = ProgramPicture(pictureId);
    EXPECT_GT(picture.width, 0) << "no picture " << pictureId;
    MovePointerAway(); // so that no tooltip covers the window
    EXPECT_TRUE(BringToFront(window));
    EXPECT_TRUE(WaitUntilDrawn(window));
    const Image screen = ScreenOfClientArea(window);
    std::vector<RECT> controls;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r = RectInParent(child);
        InflateRect(&r, 2, 2);
        controls.push_back(r);
    }
    const auto alike = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 8 &&
               std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 8;
    };
    dpi = dpi != 0 ? dpi : static_cast<int>(GetDpiForWindow(window));
    PictureCoverage coverage;
    int wrong = 0;
    for (int y = 0; y < screen.height; y += 5) {
        for (int x = 0; x < screen.width; x += 5) {
            const POINT point{x, y};
            if (std::any_of(controls.begin(), controls.end(),
                            [&](const RECT& r) { return PtInRect(&r, point); })) {
                continue;
            }
            const int sourceX = x * 96 / dpi;
            const int sourceY = y * 96 / dpi;
            bool fromPicture = false;
            bool fromBackground = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int px = sourceX + dx;
                    const int py = sourceY + dy;
                    const bool inside =
                        px >= 0 && py >= 0 && px < picture.width && py < picture.height;
                    const bool clear = !inside || picture.At(px, py) == transparent;
                    fromPicture =
                        fromPicture || (!clear && alike(screen.At(x, y), picture.At(px, py)));
                    fromBackground =
                        fromBackground || (clear && alike(screen.At(x, y), background));
                }
            }
            coverage.picture += fromPicture ? 1 : 0;
            coverage.background += fromBackground && !fromPicture ? 1 : 0;
            if (!fromPicture && !fromBackground && wrong++ < 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << " shows " << std::hex
                              << screen.At(x, y) << ", not the picture or the background";
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    return coverage;
}

// The program started, with its main window up and in front.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        // A window that opens under the pointer shows the control there as pointed at, from a
        // moment of Wine's choosing: where an earlier test clicked.
        MovePointerAway();
        program = std::make_unique<Program>();
        main = WaitForWindow(kMainCaption, nullptr, kStartTimeoutMs);
        ASSERT_NE(main, nullptr) << program->State();
        ASSERT_TRUE(BringToFront(main));
        ASSERT_TRUE(IsChild(main, WaitForFocusIn(main)));
    }

    // Clicks a main-window button that opens a family window, and waits for that window.
    HWND OpenFamilyWindow(const wchar_t* button, const wchar_t* caption) const {
        PostMessageW(ControlWithText(main, button), BM_CLICK, 0, 0);
        const HWND family = WaitForWindow(caption);
        if (family != nullptr) {
            EXPECT_TRUE(BringToFront(family));
            EXPECT_TRUE(IsChild(family, WaitForFocusIn(family)));
        }
        return family;
    }

    std::unique_ptr<Program> program;
    HWND main = nullptr;
};

// A family window opened from the main window.
class FamilyWindowTest : public MainWindowTest {
protected:
    FamilyWindowTest(const wchar_t* button, const wchar_t* caption)
        : button_(button), caption_(caption) {}

    void SetUp() override {
        ArrangeRegistry();
        MainWindowTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        window = OpenFamilyWindow(button_, caption_);
        ASSERT_NE(window, nullptr);
    }

    virtual void ArrangeRegistry() {}

    HWND Button(const wchar_t* caption) const { return ControlWithText(window, caption); }

    // Clicks a button and returns the dialog it opens.
    Dialog Open(const wchar_t* caption) const {
        PostMessageW(Button(caption), BM_CLICK, 0, 0);
        const auto dialog = WaitForDialog();
        EXPECT_TRUE(dialog.has_value()) << "no dialog after " << caption;
        return dialog.value_or(Dialog{});
    }

    // The family window has gone and the main window takes input again.
    void ExpectBackAtMain() const {
        EXPECT_TRUE(WaitUntilGone(caption_));
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_FALSE(program->WaitForExit(0));
    }

    HWND window = nullptr;

private:
    const wchar_t* button_;
    const wchar_t* caption_;
};

} // namespace penderlin::e2e
