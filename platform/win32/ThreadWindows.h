#pragma once

#include <windows.h>

namespace penderlin::platform {

// Calls `visit` with each top-level window of this thread until it returns false.
template <typename Visit> void ForEachWindowOfThread(Visit&& visit) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            return (*reinterpret_cast<Visit*>(context))(window) ? TRUE : FALSE;
        },
        reinterpret_cast<LPARAM>(&visit));
}

} // namespace penderlin::platform
