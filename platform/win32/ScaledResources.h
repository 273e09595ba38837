#pragma once

#include "Handles.h"
#include "Picture.h"
#include "platform/FormDescription.h"

#include <vector>

namespace penderlin::platform {

// Everything of a window that depends on its DPI, made from the window's description: the
// fonts, the icons and the picture. A DPI change makes a new set, and the old one goes once the
// window and its controls have taken up the new.
class ScaledResources {
public:
    ScaledResources(const FormDescription& form, int dpi);

    int dpi() const { return dpi_; }
    // The font and, for a picture button, the icon of the control at this index of the
    // description.
    HFONT FontOf(size_t control) const { return controlFonts_[control]; }
    HICON IconOf(size_t control) const { return controlIcons_[control].get(); }
    HICON BigIcon() const { return bigIcon_.get(); }
    HICON SmallIcon() const { return smallIcon_.get(); }
    const ScaledPicture& Picture() const { return picture_; }

private:
    HFONT MakeFont(const Font& font);

    int dpi_;
    std::vector<UniqueFont> fonts_;
    std::vector<HFONT> controlFonts_; // each one of fonts_
    std::vector<UniqueIcon> controlIcons_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    ScaledPicture picture_;
};

// An icon of the program's at this pixel size.
UniqueIcon LoadProgramIcon(int resourceId, int size);

// Pixels at 96 DPI to pixels at this DPI.
int ScaleToDpi(int pixelsAt96, int dpi);

} // namespace penderlin::platform
