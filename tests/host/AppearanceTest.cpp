// High contrast, which Wine cannot switch on: the colours and pictures each window and control
// is painted with, for every window the program has.
#include "platform/Appearance.h"
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace penderlin::platform {
namespace {

using Kind = Colour::Kind;

std::string Name(std::wstring_view name) {
    return {name.begin(), name.end()};
}

// A background and a text colour that the theme gives as a pair.
bool IsSystemPair(const Appearance& appearance) {
    const std::pair colours{appearance.background.kind, appearance.text.kind};
    return colours == std::pair{Kind::Window, Kind::WindowText} ||
           colours == std::pair{Kind::ButtonFace, Kind::ButtonText};
}

class WindowsAppearance : public testing::TestWithParam<const FormDescription*> {};

TEST_P(WindowsAppearance, HighContrastTakesTheThemesPairedColoursAndDrawsNoPicture) {
    const FormDescription& form = *GetParam();
    const Appearance window = WindowAppearance(form, true);
    EXPECT_FALSE(window.picture);
    EXPECT_TRUE(IsSystemPair(window));
    for (const ControlDescription& control : form.controls) {
        const Appearance appearance = ControlAppearance(control, true);
        EXPECT_TRUE(IsSystemPair(appearance)) << Name(control.name);
        // A label on the window is read against the window's own background, and what a
        // frame holds against the frame's.
        if (control.kind == ControlKind::Label && control.container.empty()) {
            EXPECT_EQ(appearance.background, window.background) << Name(control.name);
        }
        if (!control.container.empty()) {
            for (const ControlDescription& frame : form.controls) {
                if (frame.name == control.container) {
                    EXPECT_EQ(appearance.background, ControlAppearance(frame, true).background)
                        << Name(control.name);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowsAppearance,
                         testing::Values(&forms::frmMain, &forms::win98, &forms::nt),
                         [](const auto& param) { return Name(param.param->name); });

} // namespace
} // namespace penderlin::platform
