#pragma once

#include "FormDescription.h"

#include <memory>
#include <string>
#include <string_view>

// What the program's handlers and actions may ask of the platform. The Win32 build implements
// it with real windows; tests implement it with scripted stand-ins.
namespace penderlin::platform {

// The title of every message box and input box.
inline constexpr std::wstring_view ApplicationTitle = L"Penderlin";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with the text, one OK button, no icon and ApplicationTitle as its title.
    virtual void ShowMessage(std::wstring_view text) = 0;
    // A modal box with the prompt and an empty edit field: the field's text for OK, the empty
    // text for Cancel.
    virtual std::wstring InputBox(std::wstring_view prompt) = 0;
};

// A window built from its description and not yet shown; destroying it releases it.
class FormInstance {
public:
    virtual ~FormInstance() = default;
    // Shows the window and returns once it has been unloaded. Meanwhile the program's other
    // windows take no input.
    virtual void ShowModal() = 0;
};

// The window a click handler runs in.
class FormHost : public Dialogs {
public:
    // Closes this window; the modal show that displayed it then returns.
    virtual void Unload() = 0;
    // A fresh window from the description, sharing nothing with any earlier one.
    virtual std::unique_ptr<FormInstance> CreateInstance(const FormDescription& form) = 0;
    // Closes every window at once and ends the program; no further handler runs.
    virtual void EndProgram() = 0;
};

} // namespace penderlin::platform
