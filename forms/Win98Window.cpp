#include "Win98Window.h"

#include "actions/Actions.h"
#include "assets/ResourceIds.h"
#include "platform/FormHost.h"

namespace penderlin::forms {

namespace {

using platform::Colour;
using platform::FormHost;
using enum RegistrationField;

constexpr std::wstring_view kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\";

void cmdGetString_Click(FormHost& host) {
    CheckAction(host, User, kKey);
}
void Command7_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Registered User:", User, {kKey});
}
void Command1_Click(FormHost& host) {
    CheckAction(host, Company, kKey);
}
void Command2_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Registered Company:", Company, {kKey});
}
void Command8_Click(FormHost& host) {
    CheckAction(host, CdKey, kKey);
}
void Command4_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Product Key:", CdKey, {kKey});
}
void Command5_Click(FormHost& host) {
    CheckAction(host, ProductId, kKey);
}
void Command6_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Product ID:", ProductId, {kKey});
}
void close_Click(FormHost& host) {
    host.Unload();
}

constexpr Colour kDarkBlue = Colour::FromRgb(0, 0, 192);

// The row labels run beneath the buttons of their row, white on the window's blue.
constexpr platform::ControlDescription RowLabel(std::wstring_view name, std::wstring_view caption,
                                                platform::TwipsRect rect, int tabIndex) {
    return platform::Label(name, caption, rect, tabIndex)
        .WithFont({.face = L"Arial Black", .hundredthsOfPoint = 825, .weight = 900})
        .WithColours(kDarkBlue, Colour::HighlightText());
}

using platform::Button;
using platform::PictureButton;

constexpr platform::ControlDescription kControls[] = {
    RowLabel(L"lblCaption", L"Windows User:", {0, 1320, 4455, 255}, 0),
    PictureButton(L"cmdGetString", L"Check Current User", {2040, 840, 1215, 975}, 1, IDI_USER),
    PictureButton(L"Command7", L"Replace User", {3480, 840, 1215, 975}, 2, IDI_USER),
    PictureButton(L"Command1", L"Check Current Company", {2040, 2040, 1215, 975}, 3, IDI_COMPANY),
    RowLabel(L"Label1", L"Windows Company:", {0, 2520, 4455, 255}, 4),
    PictureButton(L"Command2", L"Replace Company", {3480, 2040, 1215, 975}, 5, IDI_COMPANY),
    PictureButton(L"Command8", L"Check Current CD-Key", {2040, 3240, 1215, 975}, 6, IDI_CD_KEY),
    RowLabel(L"Label2", L"CD-Key:", {120, 3720, 4455, 255}, 7),
    PictureButton(L"Command4", L"Replace CD-Key", {3480, 3240, 1215, 975}, 8, IDI_CD_KEY),
    RowLabel(L"Label3", L"Product ID:", {120, 4920, 4455, 255}, 9),
    PictureButton(L"Command5", L"Check Current Product ID", {2040, 4440, 1215, 975}, 10,
                  IDI_PRODUCT_ID),
    PictureButton(L"Command6", L"Replace Product ID", {3480, 4440, 1215, 975}, 11, IDI_PRODUCT_ID),
    Button(L"close", L"&Close", {3840, 5640, 855, 375}, 12),
};

constexpr platform::ClickBinding kClicks[] = {
    {L"cmdGetString", cmdGetString_Click},
    {L"Command7", Command7_Click},
    {L"Command1", Command1_Click},
    {L"Command2", Command2_Click},
    {L"Command8", Command8_Click},
    {L"Command4", Command4_Click},
    {L"Command5", Command5_Click},
    {L"Command6", Command6_Click},
    {L"close", close_Click},
};

} // namespace

constexpr platform::FormDescription win98 = {
    .name = L"win98",
    .caption = L"Windows 98/95 Version",
    .border = platform::Border::Sizable,
    .clientWidth = 4845,
    .clientHeight = 6135,
    .startPosition = platform::StartPosition::PlatformDefault,
    .background = kDarkBlue,
    .picture = {.resourceId = IDB_BANNER98,
                .hasTransparentColour = true,
                .transparentColour = Colour::FromRgb(255, 0, 255)},
    .controls = kControls,
    .clicks = kClicks,
};

} // namespace penderlin::forms
