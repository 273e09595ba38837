#pragma once

#include <windows.h>

#include <optional>

namespace penderlin::platform {

// A window's states across minimizing, restoring and activation, until it is unloaded: the
// program minimizes as one, a restored program hands the activation to the window it waits for,
// and the window gives the focus back to the control that had it, but never while it is
// minimized.
class WindowStates {
public:
    // The control that has the focus first.
    void FocusFirst(HWND control);
    // Minimizing, restoring and activation, given the window this one opened and waits for, if
    // any; nothing for another message.
    std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  HWND opened);
    // Closes the window: its modal show returns.
    void Unload() { unloaded_ = true; }
    bool Unloaded() const { return unloaded_; }

private:
    // The program's own messages to its windows.
    enum : UINT {
        // Posted by a window activated while it waits for a window it opened, to hand the
        // activation on.
        kActivateOpenedWindow = WM_APP,
        // Posted by an owned window minimized on its own: the program goes with it.
        kMinimizeProgram,
        // Posted by an owned window shown again while minimized: it comes back restored.
        kRestoreWindow,
    };

    // Notes the control that has the focus, if it is one of this window's, to give it back later.
    void RememberFocus(HWND window);
    // Gives the focus back to the control that had it.
    void GiveFocusBack() const;
    void Sized(HWND window, WPARAM how);

    HWND focus_ = nullptr;
    // Minimized: the windows it owns were hidden with it, and come back when it is restored.
    bool minimized_ = false;
    // How often it has been minimized, to tell a message posted for one minimizing from another.
    WPARAM minimizations_ = 0;
    bool unloaded_ = false;
};

} // namespace penderlin::platform
