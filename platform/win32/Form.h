#pragma once

#include "Handles.h"
#include "platform/FormHost.h"

#include <memory>
#include <string>
#include <vector>

namespace penderlin::platform {

// A real top-level window built from its description, with its controls. It lives hidden until
// ShowModal, and its destructor releases the window and every handle it owns. Its message and
// input boxes are Windows' own, or, for tests, the scripted dialogs given.
class Form final : public FormHost, public FormInstance {
public:
    explicit Form(const FormDescription& description, Dialogs* scriptedDialogs = nullptr);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    void ShowModal() override;

    void Unload() override;
    std::unique_ptr<FormInstance> CreateInstance(const FormDescription& form) override;
    void EndProgram() override;
    void ShowMessage(std::wstring_view text) override;
    std::wstring InputBox(std::wstring_view prompt) override;

    // Once per process, before the first form: the window classes and common controls.
    static void PrepareWindowing();

private:
    struct Control {
        const ControlDescription* description = nullptr;
        HWND window = nullptr; // destroyed with the form's window
        HFONT font = nullptr;  // one of fonts_
        HBRUSH background = nullptr;
        UniqueBrush ownBackground;
        UniqueIcon icon;
        std::wstring tooltip;
    };

    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void SizeAndPlace();
    void CreateControls();
    void CreateTooltips(const MSG& firstMove);
    HFONT FontFor(const Font& font);
    const Control* FindControl(HWND window) const;
    void Click(const Control& control);
    void PaintBackground(HDC dc) const;
    LRESULT ColourLabel(HDC dc, HWND label) const;
    void DrawPictureButton(const DRAWITEMSTRUCT& item) const;
    void PaintFrame(HWND frame, HDC dc) const;

    const FormDescription& description_;
    Dialogs* scriptedDialogs_;
    int dpi_ = 96;
    std::vector<UniqueFont> fonts_;
    std::vector<std::unique_ptr<Control>> controls_;
    UniqueBrush background_;
    UniqueBitmap picture_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    HWND focus_ = nullptr;
    bool unloaded_ = false;
    bool tooltipsCreated_ = false;
    // Declared last so that they go first: the windows use the fonts, brushes and icons above.
    UniqueWindow window_;
    UniqueWindow tooltip_;
};

} // namespace penderlin::platform
