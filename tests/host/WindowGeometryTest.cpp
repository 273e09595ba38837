// Where a window opens and which size it takes, as the Win32 code asks: with a second monitor
// of another size and place, which Wine cannot show.
#include "platform/WindowGeometry.h"
#include "forms/MainWindow.h"
#include "forms/NtWindow.h"
#include "forms/Win98Window.h"

#include <gtest/gtest.h>

namespace penderlin::platform {
namespace {

// A 1920 x 1080 primary monitor with its taskbar at the bottom, and a 2560 x 1440 one to its
// right that stands 200 pixels higher, its taskbar at the top.
constexpr Monitor kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
constexpr Monitor kSecond{{1920, -200, 4480, 1240}, {1920, -160, 4480, 1240}};
// A small one to the left of the primary.
constexpr Monitor kSmall{{-1024, 0, 0, 768}, {-1024, 0, 0, 728}};

TEST(WindowGeometry, WhereAWindowOpens) {
    struct Case {
        const char* what;
        StartPosition position;
        PixelSize frame;
        Monitor monitor;
        PixelPoint place;
        PixelRect expected;
    };
    using enum StartPosition;
    // clang-format off
    const Case cases[] = {
        {"centred", CenterScreen, {339, 183}, kPrimary, {}, {790, 448, 1129, 631}},
        {"centred on the second monitor",
         CenterScreen, {339, 183}, kSecond, {}, {3030, 428, 3369, 611}},
        {"centred, taller than the work area",
         CenterScreen, {500, 1050}, kPrimary, {}, {710, 0, 1210, 1050}},
        {"at its place", PlatformDefault, {339, 444}, kPrimary, {26, 26}, {26, 26, 365, 470}},
        {"at its place on the owner's monitor",
         PlatformDefault, {339, 444}, kSecond, {26, 26}, {1946, -134, 2285, 310}},
        {"moved in where it would stick out",
         PlatformDefault, {500, 600}, kSmall, {900, 400}, {-500, 128, 0, 728}},
        {"taller than the work area: at its top",
         PlatformDefault, {339, 900}, kSmall, {26, 26}, {-998, 0, -659, 900}},
        {"wider than the work area: at its left",
         PlatformDefault, {1100, 444}, kSmall, {26, 26}, {-1024, 26, 76, 470}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(FrameAtPlace(c.position, c.frame, c.monitor, c.place), c.expected) << c.what;
    }
}

// Windows gives every window opened at its default position the next place of a cascade, a
// count that every program's windows move on: each opening of a family window after the first is
// made at the first's place again, on whichever monitor its owner is now, and placed there.
TEST(WindowGeometry, EveryOpeningTakesThePlaceOfTheFirst) {
    using enum StartPosition;
    const PixelSize frame{339, 444};
    std::optional<PixelPoint> first;
    const PixelRect expected[] = {{26, 26, 365, 470}, {26, 26, 365, 470}, {1946, -134, 2285, 310}};
    const Monitor owners[] = {kPrimary, kPrimary, kSecond};
    for (int opening = 0; opening < 3; ++opening) {
        const std::optional<PixelRect> made =
            MadeFrame(PlatformDefault, true, first, frame, owners[opening]);
        EXPECT_EQ(made.has_value(), opening > 0) << "opening " << opening;
        const int cascade = 26 * (opening + 1);
        const PixelRect madeFrame =
            made.value_or(PixelRect{cascade, cascade, cascade + 339, cascade + 444});
        const PixelPoint place = OpeningPlace(first, madeFrame, kPrimary);
        const std::optional<PixelPoint> remembered = PlaceToRemember(PlatformDefault, first, place);
        EXPECT_EQ(remembered.has_value(), opening == 0) << "opening " << opening;
        first = first ? first : remembered;
        EXPECT_EQ(FrameAtPlace(PlatformDefault, frame, owners[opening], place), expected[opening])
            << "opening " << opening;
        EXPECT_EQ(made.value_or(expected[opening]), expected[opening]) << "opening " << opening;
    }
    // Placed by default on the second monitor, the first opening's place is taken relative to it.
    EXPECT_EQ(OpeningPlace(std::nullopt, {1950, -120, 2289, 324}, kSecond), (PixelPoint{30, 40}));
    // A window centred on the screen has no place of its kind to remember.
    EXPECT_EQ(PlaceToRemember(CenterScreen, std::nullopt, {26, 26}), std::nullopt);
}

// Where a window is made, and at which DPI, before it is placed: on its owner's monitor at its
// owner's DPI, a window of its own on the primary monitor at the system's; the platform's default
// position where nothing of its kind is known yet.
TEST(WindowGeometry, WhereAWindowIsMade) {
    using enum StartPosition;
    EXPECT_EQ(OpeningDpi(144, 96), 144);
    EXPECT_EQ(OpeningDpi(std::nullopt, 120), 120);
    EXPECT_EQ(OpeningMonitor(kSecond, kPrimary).area, kSecond.area);
    EXPECT_EQ(OpeningMonitor(std::nullopt, kPrimary).area, kPrimary.area);
    struct Case {
        const char* what;
        StartPosition position;
        bool owned;
        std::optional<PixelPoint> first;
        Monitor monitor;
        std::optional<PixelRect> expected;
    };
    // clang-format off
    const Case cases[] = {
        {"the main window: centred", CenterScreen, false, std::nullopt, kPrimary,
         PixelRect{790, 448, 1129, 631}},
        {"the main window, with a place of its kind: still centred", CenterScreen, false,
         PixelPoint{26, 26}, kPrimary, PixelRect{790, 448, 1129, 631}},
        {"a family window's first opening: the default position", PlatformDefault, true,
         std::nullopt, kSecond, std::nullopt},
        {"a later one: the first's place on the owner's monitor", PlatformDefault, true,
         PixelPoint{26, 26}, kSecond, PixelRect{1946, -134, 2285, 49}},
        {"a window of its own at the default position", PlatformDefault, false,
         PixelPoint{26, 26}, kPrimary, std::nullopt},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(MadeFrame(c.position, c.owned, c.first, {339, 183}, c.monitor), c.expected)
            << c.what;
    }
}

// Moved to a monitor of another scale, a window takes that scale in the middle of the move and
// is placed once more at its size there; once placed at its scale, or twice, it stays.
TEST(WindowGeometry, AWindowIsPlacedAgainOnlyWhenItsScaleChangedInTheMove) {
    EXPECT_FALSE(PlaceAgain(1, {96}, {96}));
    EXPECT_TRUE(PlaceAgain(1, {96}, {144}));
    EXPECT_TRUE(PlaceAgain(1, {96, 100}, {96, 150}));
    EXPECT_FALSE(PlaceAgain(2, {144}, {96}));
}

// The frame the system draws, on Wine at the system's DPI, need not be the one the window's
// scale asks for: what lies inside a frame, and the frame for a client size, come from the frame
// the window has now.
TEST(WindowGeometry, ClientAndFrameFollowTheFrameAsTheSystemDrawsIt) {
    const PixelRect frame{100, 50, 447, 484}; // 347 x 434 around a client area of 329 x 381
    const PixelSize client{329, 381};
    EXPECT_EQ(ClientWithin({520, 625}, frame, client), (PixelSize{502, 572}));
    EXPECT_EQ(FrameForClient(frame, client, {494, 572}), (PixelSize{512, 625}));
    EXPECT_EQ(FrameForClient(frame, client, client), (PixelSize{347, 434}));
}

TEST(WindowGeometry, WhatAChangeOfScaleMakesOfAWindow) {
    const PixelSize design96 = DesignClientSize(forms::nt, {96});
    const PixelSize design144 = DesignClientSize(forms::nt, {144});
    ASSERT_EQ(design96, (PixelSize{329, 381}));
    ASSERT_EQ(design144, (PixelSize{494, 572}));
    const ClientSizing setByProgram{design96, false};
    const ClientSizing userSized{design96, true};
    struct Case {
        const char* what;
        const FormDescription& form;
        WindowState state;
        PixelSize client;
        ClientSizing sizing;
        Scale from;
        Scale to;
        Rescaling expected;
    };
    using enum WindowState;
    const PixelSize main144 = DesignClientSize(forms::frmMain, {144});
    // clang-format off
    const Case cases[] = {
        {"at the size the program set: its design size there",
         forms::nt, Normal, design96, setByProgram, {96}, {144}, {design144, design144, false}},
        {"sized by the user: its size in inches",
         forms::nt, Normal, {400, 300}, setByProgram, {96}, {144}, {PixelSize{600, 450}, design144, true}},
        {"once sized by the user, still so",
         forms::nt, Normal, design96, userSized, {96}, {144}, {design144, design144, true}},
        {"sized by the user, a larger text size: grown with it",
         forms::nt, Normal, {400, 300}, setByProgram, {96, 100}, {96, 150},
         {PixelSize{600, 450}, design144, true}},
        {"kept smaller than its design by the system: not sized by the user",
         forms::nt, Normal, {329, 300}, {{329, 300}}, {96}, {144}, {design144, design144, false}},
        {"in the middle of the program's own sizing: not sized by the user",
         forms::nt, Normal, {400, 300}, {{0, 0}, false, true}, {96}, {144},
         {design144, design144, false}},
        {"not resizable: its design size",
         forms::frmMain, Normal, {300, 100}, setByProgram, {96}, {144}, {main144, main144, false}},
        {"maximized: keeps its frame, restores to its design size",
         forms::nt, Maximized, {1920, 1017}, userSized, {96}, {144}, {std::nullopt, design144, false}},
        {"minimized: the same",
         forms::nt, Minimized, {0, 0}, setByProgram, {144}, {96}, {std::nullopt, design96, false}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Rescaling rescaling = Rescale(c.form, c.state, c.client, c.sizing, c.from, c.to);
        EXPECT_EQ(rescaling.client, c.expected.client) << c.what;
        EXPECT_EQ(rescaling.restoredClient, c.expected.restoredClient) << c.what;
        EXPECT_EQ(rescaling.sizedByUser, c.expected.sizedByUser) << c.what;
        EXPECT_EQ(rescaling.ScaledClient(), c.expected.client.value_or(c.expected.restoredClient))
            << c.what;
        // Windows' suggested rectangle fits a normal and a maximized window; a minimized one
        // has no size to change. Out of a normal state, the window comes back at its design size.
        EXPECT_EQ(rescaling.takesSuggestedFrame, c.state != Minimized) << c.what;
        EXPECT_EQ(rescaling.restoresToDesignSize, c.state != Normal) << c.what;
    }
}

// Restored after a rescaling while maximized or minimized, a window takes its design size at its
// scale now; otherwise the size it comes back with.
TEST(WindowGeometry, ARestoreAfterARescalingTakesTheDesignSize) {
    EXPECT_EQ(ClientOnRestore({{329, 381}, false, false, true}, forms::nt, {144}),
              (PixelSize{494, 572}));
    EXPECT_EQ(ClientOnRestore({{600, 450}, true}, forms::nt, {144}), std::nullopt);
}

} // namespace
} // namespace penderlin::platform
