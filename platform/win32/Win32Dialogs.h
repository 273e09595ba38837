#pragma once

#include "platform/FormHost.h"

namespace penderlin::platform {

// Windows' own message box and our input box, each owned by the innermost modal window: the
// one whose button was clicked, whether or not it is active when the click arrives.
class Win32Dialogs final : public Dialogs {
public:
    void ShowMessage(std::wstring_view text) override;
    std::wstring InputBox(std::wstring_view prompt) override;
};

} // namespace penderlin::platform
