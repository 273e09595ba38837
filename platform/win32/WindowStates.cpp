#include "WindowStates.h"

namespace penderlin::platform {

namespace {

// Minimizing a window minimizes the program: its root owner, with the windows it owns.
void MinimizeProgram(HWND window) {
    // An owned window has no taskbar button of its own: minimized alone, it would leave the
    // program as a disabled main window. So the first of its owners goes (found through the
    // owners: GetAncestor walks GetParent, which stops at an overlapped window), hiding the
    // windows it owns, which come back when it is restored (WM_SIZE).
    HWND root = window;
    while (const HWND owner = GetWindow(root, GW_OWNER)) {
        root = owner;
    }
    ShowOwnedPopups(root, FALSE);
    ShowWindow(root, SW_MINIMIZE);
}

} // namespace

void WindowStates::FocusFirst(HWND control) {
    if (focus_ == nullptr) {
        focus_ = control;
    }
}

void WindowStates::RememberFocus(HWND window) {
    const HWND focused = GetFocus();
    if (focused != nullptr && IsChild(window, focused)) {
        focus_ = focused;
    }
}

void WindowStates::GiveFocusBack() const {
    if (focus_ != nullptr) {
        SetFocus(focus_);
    }
}

void WindowStates::Sized(HWND window, WPARAM how) {
    if (how == SIZE_MINIMIZED) {
        minimized_ = true;
        ++minimizations_;
        // A minimized window may stay active (minimized by another program, say), and keys then
        // go to the focus: not to a control that nobody sees. It gives the focus back restored.
        RememberFocus(window);
        if (IsChild(window, GetFocus())) {
            SetFocus(nullptr);
        }
        // Minimized by other means than its minimize box (by another program, or Windows'
        // minimize-all), an owned window would go alone, with no taskbar button to bring it
        // back by and its owner still disabled: the program goes with it.
        if (GetWindow(window, GW_OWNER) != nullptr) {
            PostMessageW(window, kMinimizeProgram, minimizations_, 0);
        }
        return;
    }
    if (minimized_) {
        // Restored: the windows hidden with it come back (ShowOwnedPopups shows only those), and
        // an active window, whose controls had no focus while minimized, gives it back.
        minimized_ = false;
        ShowOwnedPopups(window, TRUE);
        if (GetActiveWindow() == window && IsWindowEnabled(window) &&
            !IsChild(window, GetFocus())) {
            GiveFocusBack();
        }
    }
}

std::optional<LRESULT> WindowStates::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            HWND opened) {
    switch (message) {
    case WM_SHOWWINDOW:
        // Hidden with its owner, maybe before it is deactivated and with the focus already gone.
        if (wParam == FALSE) {
            RememberFocus(window);
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
            MinimizeProgram(window);
        }
        return 0;
    case WM_ACTIVATE:
        // Keep the focus on the same control across deactivation, as dialogs do.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus(window);
        } else if (!IsWindowEnabled(window)) {
            // Activated while a window it opened is open (restored from the taskbar, say): that
            // window takes the activation, once this one has finished taking it.
            PostMessageW(window, kActivateOpenedWindow, 0, 0);
        } else if (HIWORD(wParam) != 0) {
            // Activated while minimized (the foreground window closed while every other was
            // minimized, or Alt+Tab onto it): no control takes keys that nobody sees go there,
            // as DefWindowProc gives the focus to nothing then; restored, it gives it back.
            SetFocus(nullptr);
        } else {
            GiveFocusBack();
        }
        return 0;
    case WM_SETFOCUS:
        // Given the focus itself (restored from minimized, say), the window hands it on to the
        // control that had it, as dialogs do; minimized, it keeps it, so that keys go nowhere.
        if (!IsIconic(window)) {
            GiveFocusBack();
        }
        return 0;
    case kActivateOpenedWindow:
        if (GetActiveWindow() == window && !IsWindowEnabled(window) && !IsIconic(window) &&
            opened != nullptr) {
            SetActiveWindow(opened);
        }
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            if (GetWindow(window, GW_OWNER) != nullptr) {
                MinimizeProgram(window);
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
        Sized(window, wParam);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace penderlin::platform
