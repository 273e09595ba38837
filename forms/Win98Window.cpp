#include "Win98Window.h"

#include "FamilyWindows.h"
#include "actions/Actions.h"
#include "platform/FormHost.h"

namespace penderlin::forms {

namespace {

using platform::Button;
using platform::Colour;
using platform::FormHost;
using enum RegistrationField;

// The checks, then the replacements, all under the 98/95 key.
void cmdGetString_Click(FormHost& host) {
    CheckAction(host, User, kWindowsKey);
}
void Command1_Click(FormHost& host) {
    CheckAction(host, Company, kWindowsKey);
}
void Command8_Click(FormHost& host) {
    CheckAction(host, CdKey, kWindowsKey);
}
void Command5_Click(FormHost& host) {
    CheckAction(host, ProductId, kWindowsKey);
}
void Command7_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Registered User:", User, {kWindowsKey});
}
void Command2_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Registered Company:", Company, {kWindowsKey});
}
void Command4_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Product Key:", CdKey, {kWindowsKey});
}
void Command6_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Product ID:", ProductId, {kWindowsKey});
}
void close_Click(FormHost& host) {
    host.Unload();
}

constexpr Colour kDarkBlue = Colour::FromRgb(0, 0, 192);

// The row labels run beneath the buttons of their row, white on the window's blue. The tab order
// runs down the window row by row, check button before replace button.
constexpr Rows Row{kDarkBlue, Colour::HighlightText()};

constexpr auto kControls = Concatenate(
    Row(User, {0, 1320, 0, 2040, 840, 1, 2}, cmdGetString_Click, Command7_Click),
    Row(Company, {0, 2520, 4, 2040, 2040, 3, 5}, Command1_Click, Command2_Click),
    Row(CdKey, {120, 3720, 7, 2040, 3240, 6, 8}, Command8_Click, Command4_Click),
    Row(ProductId, {120, 4920, 9, 2040, 4440, 10, 11}, Command5_Click, Command6_Click),
    std::array{Button(L"close", L"&Close", {3840, 5640, 855, 375}, 12).OnClick(close_Click)});

} // namespace

// Sizable, with maximize and minimize boxes, and at the platform's default position, as every
// window is unless its description says otherwise.
constexpr platform::FormDescription win98 = {
    .name = L"win98",
    .caption = L"Windows 98/95 Version",
    .clientSize = {4845, 6135},
    .background = kDarkBlue,
    .picture = {.resourceId = IDB_BANNER98,
                .hasTransparentColour = true,
                .transparentColour = Colour::FromRgb(255, 0, 255)},
    .controls = kControls,
};

} // namespace penderlin::forms
