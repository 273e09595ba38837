// The part of the window that keeps its state across minimizing, restoring and activation: the
// program minimizes as one, a restored program hands the activation to the window it waits for,
// and each window gives the focus back to the control that had it.
#include "Form.h"

#include "Placement.h"
#include "ThreadWindows.h"

namespace penderlin::platform {

namespace {

// The window `owner` opened and waits for: a shown window with a title bar that it owns (a
// tooltip it owns has none). GetLastActivePopup would name it on Windows, but not under Wine.
HWND OpenedWindow(HWND owner) {
    HWND found = nullptr;
    ForEachWindowOfThread([&](HWND candidate) {
        const auto style = GetWindowLongPtrW(candidate, GWL_STYLE);
        if (GetWindow(candidate, GW_OWNER) == owner && (style & WS_VISIBLE) != 0 &&
            (style & WS_CAPTION) == WS_CAPTION) {
            found = candidate;
        }
        return found == nullptr;
    });
    return found;
}

} // namespace

void Form::RememberFocus() {
    const HWND focused = GetFocus();
    if (focused != nullptr && IsChild(window_.get(), focused)) {
        focus_ = focused;
    }
}

void Form::MinimizeProgram() const {
    // An owned window has no taskbar button of its own: minimized alone, it would leave the
    // program as a disabled main window. So the first of its owners goes (found through the
    // owners: GetAncestor walks GetParent, which stops at an overlapped window), hiding the
    // windows it owns, which come back when it is restored (WM_SIZE).
    HWND root = window_.get();
    while (const HWND owner = GetWindow(root, GW_OWNER)) {
        root = owner;
    }
    ShowOwnedPopups(root, FALSE);
    ShowWindow(root, SW_MINIMIZE);
}

std::optional<LRESULT> Form::HandleStateMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    switch (message) {
    case WM_SHOWWINDOW:
        // Hidden with its owner, maybe before it is deactivated and with the focus already gone.
        if (wParam == FALSE) {
            RememberFocus();
        } else if (IsIconic(window)) {
            // Shown again with its restored owner, having been minimized on its own.
            PostMessageW(window, kRestoreWindow, minimizations_, 0);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    // Either acts only if the window is still minimized as it was when the message was posted:
    // another program's ShowWindow may have overtaken it.
    case kRestoreWindow:
        if (wParam == minimizations_ && IsIconic(window) && IsWindowVisible(window)) {
            ShowWindow(window, SW_RESTORE);
        }
        return 0;
    case kMinimizeProgram:
        if (wParam == minimizations_ && IsIconic(window)) {
            MinimizeProgram();
        }
        return 0;
    case WM_ACTIVATE:
        // Keep the focus on the same control across deactivation, as dialogs do.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
        } else if (!IsWindowEnabled(window)) {
            // Activated while a window it opened is open (restored from the taskbar, say): that
            // window takes the activation, once this one has finished taking it.
            PostMessageW(window, kActivateOwnedWindow, 0, 0);
        } else if (focus_ != nullptr) {
            SetFocus(focus_);
        }
        return 0;
    case WM_SETFOCUS:
        // Given the focus itself (restored from minimized, say), the window hands it on to the
        // control that had it, as dialogs do.
        if (focus_ != nullptr) {
            SetFocus(focus_);
        }
        return 0;
    case kActivateOwnedWindow:
        if (GetActiveWindow() == window && !IsWindowEnabled(window) && !IsIconic(window)) {
            if (const HWND opened = OpenedWindow(window)) {
                SetActiveWindow(opened);
            }
        }
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            if (GetWindow(window, GW_OWNER) != nullptr) {
                MinimizeProgram();
                return 0;
            }
            break;
        case SC_RESTORE:
            // The taskbar restores the program through its main window, which a window it opened
            // keeps disabled, and DefWindowProc may refuse a disabled window's system commands
            // (Wine's does).
            if (IsIconic(window) && !IsWindowEnabled(window)) {
                ShowWindow(window, SW_RESTORE);
                return 0;
            }
            break;
        default:
            break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) {
            minimized_ = true;
            ++minimizations_;
            // Minimized by other means than its minimize box (by another program, or Windows'
            // minimize-all), an owned window would go alone, with no taskbar button to bring it
            // back by and its owner still disabled: the program goes with it.
            if (GetWindow(window, GW_OWNER) != nullptr) {
                PostMessageW(window, kMinimizeProgram, minimizations_, 0);
            }
            return 0;
        }
        if (minimized_) {
            // Restored: the windows hidden with it come back (ShowOwnedPopups shows only those).
            minimized_ = false;
            ShowOwnedPopups(window, TRUE);
        }
        if (wParam == SIZE_RESTORED && restoreToDesignSize_) {
            restoreToDesignSize_ = false;
            sizing_.sizedByUser = false;
            FitClient(DesignClientSize(description_, resources_->scale()));
        }
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace penderlin::platform
