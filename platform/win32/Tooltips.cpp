#include "Tooltips.h"

#include <commctrl.h>

namespace penderlin::platform {

void Tooltips::Add(HWND control, std::wstring_view text) {
    tools_.push_back({control, std::wstring(text)});
}

void Tooltips::SetScale(const Scale& scale) {
    maxWidth_ = scale.FromPixelsAt96(400);
    if (tooltip_) {
        SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, maxWidth_);
    }
}

void Tooltips::BeforeDispatch(HWND window, const MSG& message) {
    if (created_ || message.message != WM_MOUSEMOVE ||
        (message.hwnd != window && !IsChild(window, message.hwnd))) {
        return;
    }
    created_ = true;
    if (tools_.empty()) {
        return;
    }
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    if (!tooltip_) {
        return; // the system refused it: the window goes on without tooltips
    }
    SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, maxWidth_);
    for (Tool& tool : tools_) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = window;
        info.uId = reinterpret_cast<UINT_PTR>(tool.control);
        info.lpszText = tool.text.data();
        SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

} // namespace penderlin::platform
