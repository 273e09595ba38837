#include "MainWindow.h"

#include "NtWindow.h"
#include "Win98Window.h"
#include "assets/ResourceIds.h"
#include "platform/FormHost.h"

namespace penderlin::forms {

namespace {

using platform::Colour;
using platform::FormHost;

// Each opening builds a fresh window, so nothing of an earlier one (size, place, focus) carries
// over; the instance is released when the handler returns.
void Command10_Click(FormHost& host) {
    host.CreateInstance(win98)->ShowModal();
}
void Command9_Click(FormHost& host) {
    host.CreateInstance(nt)->ShowModal();
}
void Command3_Click(FormHost& host) {
    host.EndProgram();
}

constexpr Colour kLightYellow = Colour::FromRgb(255, 255, 128);

// Runs of blanks, not line breaks, bring each text to the start of a line of the wrapped label:
// each run fills its line almost to the label's width, so the next text no longer fits on it.
// The counts suit the default font at 96, 120 and 144 DPI alike (a blank grows faster with the
// DPI than the label's width does).
constexpr std::wstring_view kCredits = L"Created By:                                              "
                                       L"The Penderlin developers                    "
                                       L"Oskavel                                   "
                                       L"penderlin@example.org";

using platform::Button;
using platform::Frame;
using platform::Label;
using platform::PictureButton;

constexpr platform::ControlDescription kControls[] = {
    Button(L"Command10", L"Click here for Win98/95", {120, 120, 1455, 975}, 2)
        .OnClick(Command10_Click),
    Button(L"Command9", L"Click here for Windows 2000/NT", {1800, 120, 1455, 975}, 1)
        .OnClick(Command9_Click),
    PictureButton(L"Command3", L"&Done!", {3960, 1080, 735, 855}, 0, IDI_QUIT)
        .WithFont({.face = L"Times New Roman", .hundredthsOfPoint = 975, .weight = 700})
        .WithTooltip(L"Quit")
        .OnClick(Command3_Click),
    Frame(L"Frame1", L"Program Info", {0, 1200, 3735, 975}, 4)
        .WithColours(kLightYellow, Colour::Default()),
    Label(L"Label5", kCredits, {120, 240, 3255, 675}, 5)
        .InFrame(L"Frame1")
        .WithColours(kLightYellow, Colour::Default())
        .WithTooltip(L"email me with questions or things you want to see in newer versions"),
    // Its lower edge lies 15 twips below the client area.
    Label(L"Label1", L"Version 0.1a", {3840, 1920, 1095, 255}, 3),
};

} // namespace

constexpr platform::FormDescription frmMain = {
    .name = L"frmMain",
    .caption = L"Oskavel",
    .border = platform::Border::FixedSingle,
    .clientSize = {4845, 2160},
    .startPosition = platform::StartPosition::CenterScreen,
    .iconResourceId = IDI_APPLICATION_WRENCH,
    .background = Colour::FromRgb(0, 0, 0),
    .picture = {.resourceId = IDB_SKY},
    .controls = kControls,
};

} // namespace penderlin::forms
