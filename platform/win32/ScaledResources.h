#pragma once

#include "Handles.h"
#include "Picture.h"
#include "platform/FormDescription.h"
#include "platform/Scale.h"

#include <vector>

namespace penderlin::platform {

// Everything of a window that depends on its scale, made from the window's description: the
// fonts, the icons and the picture. A change of scale makes a new set, and the old one goes once
// the window and its controls have taken up the new.
class ScaledResources {
public:
    ScaledResources(const FormDescription& form, const Scale& scale);

    const Scale& scale() const { return scale_; }
    // The font and, for a picture button, the icon of the control at this index of the
    // description.
    HFONT FontOf(size_t control) const { return controlFonts_[control]; }
    HICON IconOf(size_t control) const { return controlIcons_[control].get(); }
    // The window's own icons, for its title bar and the taskbar; none when it has none.
    HICON BigIcon() const { return bigIcon_.get(); }
    HICON SmallIcon() const { return smallIcon_.get(); }
    const ScaledPicture& Picture() const { return picture_; }

private:
    HFONT MakeFont(const Font& font);

    Scale scale_;
    std::vector<UniqueFont> fonts_;
    std::vector<HFONT> controlFonts_; // each one of fonts_
    std::vector<UniqueIcon> controlIcons_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    ScaledPicture picture_;
};

} // namespace penderlin::platform
