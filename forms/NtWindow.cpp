#include "NtWindow.h"

#include "actions/Actions.h"
#include "assets/ResourceIds.h"
#include "platform/FormHost.h"

namespace penderlin::forms {

namespace {

using platform::Colour;
using platform::FormHost;
using enum RegistrationField;

// Checks read with a trailing backslash, replacements write without one: the same key.
constexpr std::wstring_view kReadKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
constexpr std::wstring_view kWriteKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
// A new product ID goes to all three places Windows and Internet Explorer read it from.
constexpr std::wstring_view kWindowsKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
constexpr std::wstring_view kInternetExplorerKey =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\Registration";

void cmdGetString_Click(FormHost& host) {
    CheckAction(host, User, kReadKey);
}
void Command7_Click(FormHost& host) {
    ReplaceAction(host, L"Windows User:", User, {kWriteKey});
}
void Command1_Click(FormHost& host) {
    CheckAction(host, Company, kReadKey);
}
void Command2_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Company:", Company, {kWriteKey});
}
void Command8_Click(FormHost& host) {
    UnsupportedAction(host);
}
void Command4_Click(FormHost& host) {
    UnsupportedAction(host);
}
void Command5_Click(FormHost& host) {
    CheckAction(host, ProductId, kReadKey);
}
void Command6_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Product ID:", ProductId,
                  {kWindowsKey, kInternetExplorerKey, kWriteKey});
}
void close_Click(FormHost& host) {
    host.Unload();
}

// The row labels let the paper show through behind their text.
constexpr platform::ControlDescription RowLabel(std::wstring_view name, std::wstring_view caption,
                                                platform::TwipsRect rect, int tabIndex) {
    return platform::Label(name, caption, rect, tabIndex)
        .WithFont({.face = L"Arial Black", .hundredthsOfPoint = 825, .weight = 900})
        .WithColours(Colour::Transparent(), Colour::Default());
}

using platform::Button;
using platform::Label;
using platform::PictureButton;

// The tab order runs from the bottom row up, replace button before check button.
constexpr platform::ControlDescription kControls[] = {
    RowLabel(L"lblCaption", L"Windows User:", {120, 960, 4455, 255}, 0),
    PictureButton(L"Command6", L"Replace Product ID", {3600, 4080, 1215, 975}, 1, IDI_PRODUCT_ID),
    PictureButton(L"Command5", L"Check Current Product ID", {2160, 4080, 1215, 975}, 2,
                  IDI_PRODUCT_ID),
    PictureButton(L"Command4", L"Replace CD-Key", {3600, 2880, 1215, 975}, 3, IDI_CD_KEY),
    PictureButton(L"Command8", L"Check Current CD-Key", {2160, 2880, 1215, 975}, 4, IDI_CD_KEY),
    PictureButton(L"Command2", L"Replace Company", {3600, 1680, 1215, 975}, 5, IDI_COMPANY),
    PictureButton(L"Command1", L"Check Current Company", {2160, 1680, 1215, 975}, 6, IDI_COMPANY),
    PictureButton(L"Command7", L"Replace User", {3600, 480, 1215, 975}, 7, IDI_USER),
    PictureButton(L"cmdGetString", L"Check Current User", {2160, 480, 1215, 975}, 8, IDI_USER),
    RowLabel(L"Label3", L"Product ID:", {120, 4560, 4455, 255}, 9),
    RowLabel(L"Label2", L"CD-Key:", {120, 3360, 4455, 255}, 10),
    RowLabel(L"Label1", L"Windows Company:", {120, 2160, 4455, 255}, 11),
    Button(L"close", L"&Close", {3960, 5280, 855, 375}, 12),
    Label(L"Label4", L"not supported yet", {240, 3600, 1455, 255}, 13),
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

constexpr platform::FormDescription nt = {
    .name = L"nt",
    .caption = L"Windows 2000/ NT 4.0 Version",
    .border = platform::Border::Sizable,
    .clientWidth = 4935,
    .clientHeight = 5715,
    .startPosition = platform::StartPosition::PlatformDefault,
    .background = Colour::Default(),
    .picture = {.resourceId = IDB_PAPER},
    .controls = kControls,
    .clicks = kClicks,
};

} // namespace penderlin::forms
