#include "NtWindow.h"

#include "FamilyWindows.h"
#include "actions/Actions.h"
#include "platform/FormHost.h"

namespace penderlin::forms {

namespace {

using platform::Button;
using platform::Colour;
using platform::FormHost;
using platform::Label;
using enum RegistrationField;

// A new product ID goes to all three places Windows and Internet Explorer read it from.
constexpr std::wstring_view kInternetExplorerKey =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\Registration";

// Row by row: the NT key's owner and organization, no product key, and the product ID.
void cmdGetString_Click(FormHost& host) {
    CheckAction(host, User, kWindowsNtKey);
}
void Command7_Click(FormHost& host) {
    ReplaceAction(host, L"Windows User:", User, {kWindowsNtKey});
}
void Command1_Click(FormHost& host) {
    CheckAction(host, Company, kWindowsNtKey);
}
void Command2_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Company:", Company, {kWindowsNtKey});
}
void Command8_Click(FormHost& host) {
    UnsupportedAction(host);
}
void Command4_Click(FormHost& host) {
    UnsupportedAction(host);
}
void Command5_Click(FormHost& host) {
    CheckAction(host, ProductId, kWindowsNtKey);
}
void Command6_Click(FormHost& host) {
    ReplaceAction(host, L"Windows Product ID:", ProductId,
                  {kWindowsKey, kInternetExplorerKey, kWindowsNtKey});
}
void close_Click(FormHost& host) {
    host.Unload();
}

// The row labels let the paper show through behind their text. The tab order runs from the
// bottom row up, replace button before check button, then through the labels.
constexpr Rows Row{Colour::Transparent(), Colour::Default()};

constexpr auto kControls = Concatenate(
    Row(User, {120, 960, 0, 2160, 480, 8, 7}, cmdGetString_Click, Command7_Click),
    Row(Company, {120, 2160, 11, 2160, 1680, 6, 5}, Command1_Click, Command2_Click),
    Row(CdKey, {120, 3360, 10, 2160, 2880, 4, 3}, Command8_Click, Command4_Click),
    Row(ProductId, {120, 4560, 9, 2160, 4080, 2, 1}, Command5_Click, Command6_Click),
    std::array{Button(L"close", L"&Close", {3960, 5280, 855, 375}, 12).OnClick(close_Click),
               Label(L"Label4", L"not supported yet", {240, 3600, 1455, 255}, 13)});

} // namespace

// Sizable, with maximize and minimize boxes, and at the platform's default position, as every
// window is unless its description says otherwise.
constexpr platform::FormDescription nt = {
    .name = L"nt",
    .caption = L"Windows 2000/ NT 4.0 Version",
    .clientSize = {4935, 5715},
    .background = Colour::Default(),
    .picture = {.resourceId = IDB_PAPER},
    .controls = kControls,
};

} // namespace penderlin::forms
