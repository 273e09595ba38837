#pragma once

#include "Handles.h"
#include "ScaledResources.h"
#include "Tooltips.h"
#include "Win32Dialogs.h"
#include "platform/FormHost.h"
#include "platform/WindowGeometry.h"

#include <memory>
#include <optional>
#include <vector>

namespace penderlin::platform {

// A real top-level window built from its description, with its controls. It lives hidden until
// ShowModal, and its destructor releases the window and every handle it owns. Its click
// handlers show the message and input boxes of `dialogs`, owned by it; a window it opens is owned
// by it too.
class Form final : public FormHost, public FormInstance {
public:
    Form(const FormDescription& description, WindowDialogs& dialogs, HWND owner = nullptr);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    void ShowModal() override;

    void Unload() override;
    std::unique_ptr<FormInstance> CreateInstance(const FormDescription& form) override;
    void EndProgram() override;
    void ShowMessage(std::wstring_view text) override { dialogs_.ShowMessage(Window(), text); }
    std::wstring InputBox(std::wstring_view prompt) override {
        return dialogs_.InputBox(Window(), prompt);
    }

    HWND Window() const { return window_.get(); }

    // Once per process, before the first form: the window classes and common controls.
    static void PrepareWindowing();

private:
    struct Control {
        const ControlDescription* description = nullptr;
        HWND window = nullptr; // destroyed with the form's window
        HBRUSH background = nullptr;
        UniqueBrush ownBackground;
    };

    // The program's own messages to its windows.
    enum : UINT {
        // Posted by a window activated while it waits for a window it opened, to hand the
        // activation on.
        kActivateOwnedWindow = WM_APP,
        // Posted by an owned window minimized on its own: the program goes with it.
        kMinimizeProgram,
        // Posted by an owned window shown again while minimized: it comes back restored.
        kRestoreWindow,
        // Sent to every window with the text size (wParam) read for a settings broadcast.
        kTextSizeChanged,
    };

    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Minimizing, restoring and activation, or nothing for another message.
    std::optional<LRESULT> HandleStateMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Makes the controls, each in its frame or the window, in their stacking and tab order, where
    // they go at this scale; they get their fonts and colours from LayOut and ApplyAppearance.
    void CreateControls(const Scale& scale);
    // Everything that depends on the scale, made again from the description and taken up by the
    // window and its controls before the old resources go: every control's rectangle and font,
    // the frame's margins, the window's icons and the tooltip's width. The one layout path, for
    // a window being made as for a change of scale.
    void LayOut(std::unique_ptr<ScaledResources> resources);

    // Where the window is made: on its owner's monitor, at the place of its first opening, once
    // that is known; nothing when the platform's default position is to give it.
    static std::optional<PixelRect> CreationFrame(const FormDescription& form, DWORD style,
                                                  HWND owner, int textPercent);
    // Puts the window where it opens, at its design size for the scale it ends up with.
    void PlaceAtStart(HWND owner);
    // The frame size to answer WM_GETDPISCALEDSIZE with: `pending`, the size the window is about
    // to have at its present scale, turned into the size it should have at `to`.
    SIZE RescaledFrameSize(SIZE pending, const Scale& to) const;
    // Takes up a new scale (a DPI with the rectangle Windows suggests, or a text size, where the
    // window stays), keeping the window's state: a normal window keeps its size in inches, or its
    // design size, and a maximized or minimized one stays as it is and restores to its design size.
    void ChangeScale(const Scale& scale, const RECT* suggested);
    // Sizes the client area, as far as the system lets a window grow, and notes the size it got.
    void FitClient(PixelSize client);
    // Paints the window's background and picture in `area` of its client area.
    void PaintWindowBackground(HDC dc, const RECT& area) const;
    // Paints what the window shows beneath a control into the control's DC.
    void PaintBeneath(HWND control, HDC dc) const;
    // Minimizing a window minimizes the program: its root owner, with the windows it owns.
    void MinimizeProgram() const;
    // The brushes for the window's and the controls' colours, as the theme now wants them.
    void ApplyAppearance();
    // Takes up the theme's colours as they are now, and paints the window again in them.
    void Recolour();
    size_t IndexOf(const Control& control) const;
    const Control* FindControl(HWND window) const;
    void Click(const Control& control);
    // Notes the control that has the focus, if it is one of this window's, to give it back later.
    void RememberFocus();

    const FormDescription& description_;
    WindowDialogs& dialogs_;
    std::unique_ptr<ScaledResources> resources_;
    std::vector<Control> controls_; // in the description's order
    bool highContrast_ = false;
    HBRUSH background_ = nullptr;
    UniqueBrush ownBackground_;
    HWND focus_ = nullptr;
    bool unloaded_ = false;
    // Minimized: the windows it owns were hidden with it, and come back when it is restored.
    bool minimized_ = false;
    // How often it has been minimized, to tell a message posted for one minimizing from another.
    WPARAM minimizations_ = 0;
    // The client area's size as the program last set it, and whether the user has set one since.
    ClientSizing sizing_;
    // Set by a change of scale while maximized or minimized: the next restore brings the client
    // area to its design size.
    bool restoreToDesignSize_ = false;
    // Declared last so that they go first: the windows use the fonts, brushes and icons above.
    UniqueWindow window_;
    Tooltips tooltips_;
};

} // namespace penderlin::platform
