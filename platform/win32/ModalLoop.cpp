#include "ModalLoop.h"

namespace penderlin::platform {

namespace {

// One user-interface thread; the stack of its modal windows, innermost last.
thread_local std::vector<HWND> modalWindows;

} // namespace

ModalScope::ModalScope(HWND window) : window_(window) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND other, LPARAM context) -> BOOL {
            auto& scope = *reinterpret_cast<ModalScope*>(context);
            if (other != scope.window_ && IsWindowVisible(other) && IsWindowEnabled(other)) {
                scope.disabled_.push_back(other);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    for (HWND other : disabled_) {
        EnableWindow(other, FALSE);
    }
    modalWindows.push_back(window);
}

ModalScope::~ModalScope() {
    modalWindows.pop_back();
    for (HWND other : disabled_) {
        EnableWindow(other, TRUE);
    }
}

HWND ModalScope::Innermost() {
    return modalWindows.empty() ? nullptr : modalWindows.back();
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
