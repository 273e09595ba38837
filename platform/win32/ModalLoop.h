#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace penderlin::platform {

// While it lives, `window` is the thread's modal window: every other shown top-level window of
// the thread that took input is disabled, and is enabled again when the scope ends, which must
// be before `window` is destroyed so that activation returns to them cleanly.
class ModalScope {
public:
    explicit ModalScope(HWND window);
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope();

private:
    HWND window_;
    std::vector<HWND> disabled_;
};

// Runs the thread's messages, with the keyboard handled as in a dialog, until `done` is true.
// A WM_QUIT ends it too and is posted again for the loops outside. `beforeDispatch` sees every
// message first.
void RunModalLoop(HWND window, const std::function<bool()>& done,
                  const std::function<void(const MSG&)>& beforeDispatch);

} // namespace penderlin::platform
