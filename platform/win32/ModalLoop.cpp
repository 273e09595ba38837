#include "ModalLoop.h"

#include "ThreadWindows.h"

namespace penderlin::platform {

ModalScope::ModalScope(HWND window) : window_(window) {
    ForEachWindowOfThread([this](HWND other) {
        if (other != window_ && IsWindowVisible(other) && IsWindowEnabled(other)) {
            disabled_.push_back(other);
        }
        return true;
    });
    for (HWND other : disabled_) {
        EnableWindow(other, FALSE);
    }
}

ModalScope::~ModalScope() {
    for (HWND other : disabled_) {
        EnableWindow(other, TRUE);
    }
}

void RunModalLoop(HWND window, const std::function<bool()>& done,
                  const std::function<void(const MSG&)>& beforeDispatch) {
    MSG message{};
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: leave the quit message for the loops outside this one.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) {
            return;
        }
        beforeDispatch(message);
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace penderlin::platform
