#include "platform/Layout.h"
#include "forms/Win98Window.h"
#include "platform/Scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace penderlin::platform {
namespace {

TEST(Layout, TwipsBecomePixelsAtTheWindowsDpi) {
    EXPECT_EQ(Scale{96}.FromTwips(4845), 323);
    EXPECT_EQ(Scale{96}.FromTwips(15), 1);
    EXPECT_EQ(Scale{144}.FromTwips(4845), 485); // 484.5 rounds up
    EXPECT_EQ(Scale{120}.FromTwips(1215), 101); // 101.25
    EXPECT_EQ(Scale{96}.FromTwips(-15), -1);
}

// A window at 96 DPI and 150 % text is laid out as one at 144 DPI.
TEST(Layout, ATextSizeScalesEverythingAsAHigherDpiWould) {
    const Scale text{96, 150};
    const Scale dpi{144};
    EXPECT_EQ(text.FromTwips(4845), dpi.FromTwips(4845));
    EXPECT_EQ(text.FontHeight(825), dpi.FontHeight(825));
    EXPECT_EQ(text.IconSize(), 48);
    EXPECT_EQ((Scale{120, 225}.FromTwips(1215)), 228); // 227.8
}

// Windows' documented factor first, then what it stores, and nothing outside 100 to 225 %, which
// Wine (no UISettings) and Windows versions without the setting cannot show.
TEST(Layout, TheTextSizeComesFromUiSettingsElseFromTheRegistry) {
    EXPECT_EQ(TextPercent(1.25, 200), 125);
    EXPECT_EQ(TextPercent(std::nullopt, 175), 175);
    EXPECT_EQ(TextPercent(std::nullopt, std::nullopt), 100);
    EXPECT_EQ(TextPercent(std::nullopt, 0), 100);
    EXPECT_EQ(TextPercent(std::nullopt, 1000), 225);
    EXPECT_EQ(TextPercent(3.0, std::nullopt), 225);
    EXPECT_EQ(TextPercent(std::numeric_limits<double>::quiet_NaN(), std::nullopt), 100);
}

// Buttons come first in tab-index order whatever their place in the table, so they lie over
// the labels that run beneath them; controls inside frames come after their frame.
TEST(Layout, CreationOrderPutsButtonsOverLabelsAndFramesBeforeTheirContents) {
    const ControlDescription controls[] = {
        Label(L"label0", L"", {}, 0),
        Frame(L"frame", L"", {}, 1),
        Label(L"inside", L"", {}, 2).InFrame(L"frame"),
        Button(L"button4", L"", {}, 4),
        PictureButton(L"button3", L"", {}, 3, 1),
        Label(L"label5", L"", {}, 5),
    };
    std::vector<std::wstring_view> names;
    for (const auto* control : CreationOrder(controls)) {
        names.push_back(control->name);
    }
    EXPECT_EQ(names, (std::vector<std::wstring_view>{L"button3", L"button4", L"label0", L"label5",
                                                     L"frame", L"inside"}));
}

TEST(Layout, Win98TabOrderRunsRowByRowAndEndsAtClose) {
    std::vector<std::wstring_view> focusable;
    for (const auto* control : CreationOrder(forms::win98.controls)) {
        if (TakesFocus(control->kind)) {
            focusable.push_back(control->name);
        }
    }
    EXPECT_EQ(focusable, (std::vector<std::wstring_view>{L"cmdGetString", L"Command7", L"Command1",
                                                         L"Command2", L"Command8", L"Command4",
                                                         L"Command5", L"Command6", L"close"}));
}

TEST(Layout, ACaptionWithoutItsAccessKeyMarked) {
    EXPECT_EQ(WithoutAccessKey(L"&Done!"), L"Done!");
    EXPECT_EQ(WithoutAccessKey(L"Tom && &Jerry"), L"Tom & Jerry");
    EXPECT_EQ(WithoutAccessKey(L"Program Info"), L"Program Info");
    EXPECT_EQ(WithoutAccessKey(L"at the end&"), L"at the end");
}

} // namespace
} // namespace penderlin::platform
