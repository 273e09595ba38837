#pragma once

#include "Handles.h"
#include "platform/Scale.h"

#include <string>
#include <string_view>
#include <vector>

namespace penderlin::platform {

// The tooltips of a window's controls. The tooltip window is made on the first pointer move over
// the window rather than at start-up, since a top-level window costs Wine several milliseconds;
// that first move is passed on to it, so no hover is lost.
class Tooltips {
public:
    // Remembers a control's tooltip text; nothing is made yet.
    void Add(HWND control, std::wstring_view text);
    // Sees each message of the window's loop first.
    void BeforeDispatch(HWND window, const MSG& message);
    // Wraps long tips at a width that suits the window's scale.
    void SetScale(const Scale& scale);
    void Destroy() { tooltip_.reset(); }

private:
    struct Tool {
        HWND control;
        std::wstring text;
    };
    std::vector<Tool> tools_;
    int maxWidth_ = 0;
    bool created_ = false;
    UniqueWindow tooltip_;
};

} // namespace penderlin::platform
