#pragma once

#include "FormControls.h"
#include "Handles.h"
#include "Painting.h"
#include "ProgramWindows.h"
#include "ScaledResources.h"
#include "WindowSizing.h"
#include "WindowStates.h"
#include "platform/FormHost.h"

#include <memory>
#include <optional>

namespace penderlin::platform {

// A real top-level window built from its description, with its controls. It lives hidden until
// ShowModal, and its destructor releases the window and every handle it owns. It is one of the
// program's windows of this run (`windows`): its click handlers show the message and input boxes
// of those, owned by it, and a window it opens is owned by it too.
//
// A window is composed of parts that each own one job: its controls and their tooltips, the
// resources of its scale, the brushes of its colours, its size and place, and its states. The
// window itself paints, lays out, and hosts the click handlers.
class Form final : public FormHost, public FormInstance {
public:
    Form(const FormDescription& description, ProgramWindows& windows, HWND owner = nullptr);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    void ShowModal() override;

    void Unload() override { states_.Unload(); }
    std::unique_ptr<FormInstance> CreateInstance(const FormDescription& form) override;
    void EndProgram() override;
    void ShowMessage(std::wstring_view text) override {
        windows_.Dialogs().ShowMessage(Window(), text);
    }
    std::wstring InputBox(std::wstring_view prompt) override {
        return windows_.Dialogs().InputBox(Window(), prompt);
    }

    HWND Window() const { return window_.get(); }
    // Lays the window out again at this text size, if it is not at it already.
    void TakeUpTextSize(int textPercent);

    // Before the first form: the window classes and common controls. Once per process, however
    // often it is called.
    static void PrepareWindowing();

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Everything that depends on the scale, made again from the description and taken up by the
    // window and its controls before the old resources go: every control's rectangle and font,
    // the frame's margins, the window's icons and the tooltips' width. The one layout path, for
    // a window being made as for a rescaling.
    void LayOut(std::unique_ptr<ScaledResources> resources);
    // Takes up a new scale: a DPI with the rectangle Windows suggests, or a text size, where the
    // window stays.
    void Rescale(const Scale& scale, const RECT* suggested);
    // Paints the window's background and picture in `area` of its client area.
    void PaintWindowBackground(HDC dc, const RECT& area) const;
    // Paints what the window shows beneath a control into the control's DC.
    void PaintBeneath(HWND control, HDC dc) const;
    // Takes up the theme's colours as they are now, and paints the window again in them.
    void Recolour();
    void Click(const FormControls::Control& control);

    const FormDescription& description_;
    ProgramWindows& windows_;
    std::unique_ptr<ScaledResources> resources_;
    FormColours colours_;
    WindowSizing sizing_;
    WindowStates states_;
    // Declared after the fonts, brushes and icons, which the windows use, so as to go first.
    UniqueWindow window_;
    // Goes before the window: the tooltip window it owns.
    FormControls controls_;
};

} // namespace penderlin::platform
