#pragma once

#include "actions/RegistrationField.h"
#include "assets/ResourceIds.h"
#include "platform/FormDescription.h"

#include <algorithm>
#include <array>

// What the Windows 98/95 and the Windows 2000/NT windows share: the keys they read and write, and
// their four rows of controls.
namespace penderlin::forms {

// Where the families keep their registration values, under HKEY_LOCAL_MACHINE. The 2000/NT
// window writes a new product ID under the 98/95 family's key too.
constexpr std::wstring_view kWindowsKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\";
constexpr std::wstring_view kWindowsNtKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";

// A row's label, its check and replace buttons, and the icon they show, one row for each
// registration field in the field's order.
struct RowContent {
    std::wstring_view labelName, label, checkName, check, replaceName, replace;
    int icon;
};
constexpr RowContent kRows[] = {
    {L"lblCaption", L"Windows User:", L"cmdGetString", L"Check Current User", L"Command7",
     L"Replace User", IDI_USER},
    {L"Label1", L"Windows Company:", L"Command1", L"Check Current Company", L"Command2",
     L"Replace Company", IDI_COMPANY},
    {L"Label2", L"CD-Key:", L"Command8", L"Check Current CD-Key", L"Command4", L"Replace CD-Key",
     IDI_CD_KEY},
    {L"Label3", L"Product ID:", L"Command5", L"Check Current Product ID", L"Command6",
     L"Replace Product ID", IDI_PRODUCT_ID},
};

// Where a window puts a row, in twips: the top-left corners of its label and of its check
// button, and the tab index of each of the three controls.
struct RowPlacement {
    int labelLeft, labelTop, labelTab, checkLeft, checkTop, checkTab, replaceTab;
};

// A window's rows: labels in heavy type and the window's own colours, and buttons of one size
// that show the row's icon above their captions, the replace button 1440 twips to the right.
struct Rows {
    platform::Colour labelBackground, labelText;

    constexpr std::array<platform::ControlDescription, 3>
    operator()(RegistrationField field, RowPlacement at, platform::ClickHandler check,
               platform::ClickHandler replace) const {
        const RowContent& row = kRows[static_cast<int>(field)];
        const platform::TwipsRect checkRect{at.checkLeft, at.checkTop, 1215, 975};
        return {platform::Label(row.labelName, row.label, {at.labelLeft, at.labelTop, 4455, 255},
                                at.labelTab)
                    .WithFont({.face = L"Arial Black", .hundredthsOfPoint = 825, .weight = 900})
                    .WithColours(labelBackground, labelText),
                platform::PictureButton(row.checkName, row.check, checkRect, at.checkTab, row.icon)
                    .OnClick(check),
                platform::PictureButton(row.replaceName, row.replace,
                                        {checkRect.left + 1440, checkRect.top, 1215, 975},
                                        at.replaceTab, row.icon)
                    .OnClick(replace)};
    }
};

// One table of a window's controls from several.
template <size_t... Counts>
constexpr auto Concatenate(const std::array<platform::ControlDescription, Counts>&... parts) {
    std::array<platform::ControlDescription, (Counts + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

} // namespace penderlin::forms
