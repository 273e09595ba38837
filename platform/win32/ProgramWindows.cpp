#include "ProgramWindows.h"

#include "Form.h"
#include "TextSize.h"

#include <algorithm>

namespace penderlin::platform {

std::optional<PixelPoint> ProgramWindows::FirstPlace(const FormDescription& form) const {
    const auto found = firstPlaces_.find(&form);
    return found != firstPlaces_.end() ? std::optional(found->second) : std::nullopt;
}

void ProgramWindows::RememberFirstPlace(const FormDescription& form, PixelPoint place) {
    firstPlaces_.emplace(&form, place);
}

void ProgramWindows::Opened(Form& form, HWND owner) {
    open_.push_back({&form, owner});
}

void ProgramWindows::Closed(const Form& form) {
    std::erase_if(open_, [&](const OpenWindow& open) { return open.form == &form; });
}

HWND ProgramWindows::OpenedBy(HWND window) const {
    const auto found = std::find_if(open_.begin(), open_.end(), [&](const OpenWindow& open) {
        return open.owner == window && IsWindowVisible(open.form->Window());
    });
    return found != open_.end() ? found->form->Window() : nullptr;
}

void ProgramWindows::TakeUpTextSize() const {
    const int textPercent = CurrentTextPercent();
    for (const OpenWindow& open : open_) {
        open.form->TakeUpTextSize(textPercent);
    }
}

} // namespace penderlin::platform
