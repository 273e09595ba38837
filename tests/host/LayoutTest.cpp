#include "platform/Layout.h"
#include "platform/Scale.h"
#include "forms/Win98Window.h"

#include <gtest/gtest.h>

namespace penderlin::platform {
namespace {

TEST(Layout, TwipsBecomePixelsAtTheWindowsDpi) {
    EXPECT_EQ(Scale{96}.FromTwips(4845), 323);
    EXPECT_EQ(Scale{96}.FromTwips(15), 1);
    EXPECT_EQ(Scale{144}.FromTwips(4845), 485); // 484.5 rounds up
    EXPECT_EQ(Scale{120}.FromTwips(1215), 101); // 101.25
    EXPECT_EQ(Scale{96}.FromTwips(-15), -1);
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

} // namespace
} // namespace penderlin::platform
