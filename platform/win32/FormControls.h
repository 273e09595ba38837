#pragma once

#include "ScaledResources.h"
#include "Tooltips.h"
#include "platform/FormDescription.h"
#include "platform/Scale.h"

#include <windows.h>

#include <span>
#include <vector>

namespace penderlin::platform {

// A window's controls, made from its description: each in its frame or the window, in their
// stacking and tab order, with its tooltip; and laid out at a scale, each control's rectangle and
// font. The controls are destroyed with the window; the tooltip window goes with this.
class FormControls {
public:
    struct Control {
        const ControlDescription* description = nullptr;
        HWND window = nullptr;
    };

    // Makes the controls where they go at this scale; they get their fonts from LayOut.
    void Create(HWND window, std::span<const ControlDescription> controls, const Scale& scale);
    // Every control's rectangle and font, and the tooltips' width, at the resources' scale.
    void LayOut(const ScaledResources& resources);

    std::span<const Control> All() const { return controls_; }
    // The control that is this window, or nothing.
    const Control* Find(HWND window) const;
    size_t IndexOf(const Control& control) const {
        return static_cast<size_t>(&control - controls_.data());
    }
    // The first control that takes the focus, in tab order.
    HWND FirstToFocus() const { return firstToFocus_; }

    Tooltips& ToolTips() { return tooltips_; }

private:
    std::vector<Control> controls_; // in the description's order
    HWND firstToFocus_ = nullptr;
    Tooltips tooltips_;
};

} // namespace penderlin::platform
