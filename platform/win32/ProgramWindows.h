#pragma once

#include "Win32Dialogs.h"
#include "platform/FormDescription.h"
#include "platform/WindowGeometry.h"

#include <windows.h>

#include <map>
#include <optional>
#include <vector>

namespace penderlin::platform {

class Form;

// The program's windows in one run: the boxes their click handlers show, where each kind of
// window opened first (so that every later opening looks like the first), and the windows open
// now, each opened by the one before and modal over it.
class ProgramWindows {
public:
    explicit ProgramWindows(WindowDialogs& dialogs) : dialogs_(dialogs) {}
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    WindowDialogs& Dialogs() const { return dialogs_; }

    // The place of the first opening of a window of this description in this run; none before.
    std::optional<PixelPoint> FirstPlace(const FormDescription& form) const;
    void RememberFirstPlace(const FormDescription& form, PixelPoint place);

    // A window made, with its owner, and a window gone.
    void Opened(Form& form, HWND owner);
    void Closed(const Form& form);
    // The shown window that `window` opened and waits for; none if there is none.
    HWND OpenedBy(HWND window) const;
    // Reads the text size once and hands it to every open window: a settings broadcast reaches
    // each of them, and reading the text size can take milliseconds.
    void TakeUpTextSize() const;

private:
    struct OpenWindow {
        Form* form;
        HWND owner;
    };

    WindowDialogs& dialogs_;
    std::map<const FormDescription*, PixelPoint> firstPlaces_;
    std::vector<OpenWindow> open_;
};

} // namespace penderlin::platform
