// The part of the window that builds its controls from the description and lays them out, when
// the window is made and whenever its scale changes; the brushes come from ApplyAppearance.
#include "Check.h"
#include "Form.h"
#include "Frame.h"
#include "Painting.h"
#include "WindowClasses.h"
#include "platform/Appearance.h"
#include "platform/Layout.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

namespace penderlin::platform {

namespace {

// A control's rectangle in its parent, at this scale.
RECT ControlRect(const TwipsRect& twips, const Scale& scale) {
    const int left = scale.FromTwips(twips.left);
    const int top = scale.FromTwips(twips.top);
    return {left, top, left + scale.FromTwips(twips.width), top + scale.FromTwips(twips.height)};
}

} // namespace

void Form::CreateControls(const Scale& scale) {
    const auto all = description_.controls;
    controls_.resize(all.size());
    for (const ControlDescription* description : CreationOrder(all)) {
        const auto index = static_cast<size_t>(description - all.data());
        Control& control = controls_[index];
        control.description = description;

        HWND parent = window_.get();
        if (!description->container.empty()) {
            const auto frame = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) {
                return c.window != nullptr && c.description->name == description->container;
            });
            PENDERLIN_REQUIRE(frame != controls_.end(),
                              "a control names a frame that is not there");
            parent = frame != controls_.end() ? frame->window : parent;
        }

        const wchar_t* className = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD extendedStyle = 0;
        switch (description->kind) {
        case ControlKind::Button:
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
            break;
        case ControlKind::PictureButton:
            style |= WS_TABSTOP | BS_OWNERDRAW;
            break;
        case ControlKind::Label:
            className = L"STATIC";
            style |= SS_LEFT | SS_NOTIFY; // SS_NOTIFY lets the label show a tooltip
            break;
        case ControlKind::Frame:
            className = kFrameClassName;
            extendedStyle = WS_EX_CONTROLPARENT; // Tab reaches the controls inside
            break;
        }

        // Made where it goes, so that laying it out moves nothing.
        const RECT place = ControlRect(description->rect, scale);
        control.window = CreateWindowExW(
            extendedStyle, className, std::wstring(description->caption).c_str(), style, place.left,
            place.top, place.right - place.left, place.bottom - place.top, parent,
            reinterpret_cast<HMENU>(
                static_cast<INT_PTR>(kFirstControlId + static_cast<int>(index))),
            GetModuleHandleW(nullptr), nullptr);
        PENDERLIN_REQUIRE(control.window != nullptr, "a control cannot be made");
        if (!description->tooltip.empty()) {
            tooltips_.Add(control.window, description->tooltip);
        }
        if (focus_ == nullptr && TakesFocus(description->kind)) {
            focus_ = control.window;
        }
    }
}

void Form::LayOut(std::unique_ptr<ScaledResources> resources) {
    const Scale& scale = resources->scale();
    for (const Control& control : controls_) {
        const RECT place = ControlRect(control.description->rect, scale);
        RECT now{};
        GetWindowRect(control.window, &now);
        MapWindowPoints(nullptr, GetParent(control.window), reinterpret_cast<POINT*>(&now), 2);
        if (!EqualRect(&now, &place)) {
            SetWindowPos(control.window, nullptr, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SetWindowFont(control.window, resources->FontOf(IndexOf(control)), FALSE);
        if (control.description->kind == ControlKind::Frame) {
            SetFrameScale(control.window, scale);
        }
    }
    const HWND window = window_.get();
    if (description_.iconResourceId != 0) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources->BigIcon()));
        SendMessageW(window, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(resources->SmallIcon()));
    }
    tooltips_.SetScale(scale);
    resources_ = std::move(resources);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::ApplyAppearance() {
    background_ = BrushFor(WindowAppearance(description_, highContrast_).background, COLOR_BTNFACE,
                           ownBackground_);
    for (Control& control : controls_) {
        control.background =
            BrushFor(ControlAppearance(*control.description, highContrast_).background,
                     COLOR_BTNFACE, control.ownBackground);
    }
}

} // namespace penderlin::platform
