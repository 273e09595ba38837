#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace penderlin::platform {

// The message box and the input box as a window shows them: owned by that window, the one whose
// button was clicked. Tests put scripted boxes in their place.
class WindowDialogs {
public:
    virtual ~WindowDialogs() = default;
    virtual void ShowMessage(HWND owner, std::wstring_view text) = 0;
    virtual std::wstring InputBox(HWND owner, std::wstring_view prompt) = 0;
};

// Windows' own message box and our input box.
class Win32Dialogs final : public WindowDialogs {
public:
    void ShowMessage(HWND owner, std::wstring_view text) override;
    std::wstring InputBox(HWND owner, std::wstring_view prompt) override;
};

} // namespace penderlin::platform
