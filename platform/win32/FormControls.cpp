#include "FormControls.h"

#include "Check.h"
#include "Frame.h"
#include "WindowClasses.h"
#include "platform/Layout.h"
#include "platform/WindowGeometry.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

namespace penderlin::platform {

void FormControls::Create(HWND window, std::span<const ControlDescription> all,
                          const Scale& scale) {
    controls_.resize(all.size());
    for (const ControlDescription* description : CreationOrder(all)) {
        const auto index = static_cast<size_t>(description - all.data());
        Control& control = controls_[index];
        control.description = description;

        HWND parent = window;
        if (!description->container.empty()) {
            const auto frame = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) {
                return c.window != nullptr && c.description->name == description->container;
            });
            Require(frame != controls_.end(), "a control names a frame that is not there");
            parent = frame->window;
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
        const PixelRect place = ControlRect(description->rect, scale);
        control.window =
            CreateWindowExW(extendedStyle, className, std::wstring(description->caption).c_str(),
                            style, place.left, place.top, place.Width(), place.Height(), parent,
                            reinterpret_cast<HMENU>(
                                static_cast<INT_PTR>(kFirstControlId + static_cast<int>(index))),
                            GetModuleHandleW(nullptr), nullptr);
        Require(control.window != nullptr, "a control cannot be made");
        if (!description->tooltip.empty()) {
            tooltips_.Add(control.window, description->tooltip);
        }
        if (firstToFocus_ == nullptr && TakesFocus(description->kind)) {
            firstToFocus_ = control.window;
        }
    }
}

void FormControls::LayOut(const ScaledResources& resources) {
    const Scale& scale = resources.scale();
    for (const Control& control : controls_) {
        const PixelRect place = ControlRect(control.description->rect, scale);
        RECT now{};
        GetWindowRect(control.window, &now);
        MapWindowPoints(nullptr, GetParent(control.window), reinterpret_cast<POINT*>(&now), 2);
        if (PixelRect{now.left, now.top, now.right, now.bottom} != place) {
            SetWindowPos(control.window, nullptr, place.left, place.top, place.Width(),
                         place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SetWindowFont(control.window, resources.FontOf(IndexOf(control)), FALSE);
        if (control.description->kind == ControlKind::Frame) {
            SetFrameScale(control.window, scale);
        }
    }
    tooltips_.SetScale(scale);
}

const FormControls::Control* FormControls::Find(HWND window) const {
    const int index = GetDlgCtrlID(window) - kFirstControlId;
    if (index < 0 || static_cast<size_t>(index) >= controls_.size() ||
        controls_[static_cast<size_t>(index)].window != window) {
        return nullptr;
    }
    return &controls_[static_cast<size_t>(index)];
}

} // namespace penderlin::platform
