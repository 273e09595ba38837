#include "ScaledResources.h"

#include "Check.h"
#include "platform/WindowGeometry.h"

namespace penderlin::platform {

namespace {

UniqueIcon LoadProgramIcon(int resourceId, int size) {
    UniqueIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    Require(static_cast<bool>(icon), "an icon is not in the program");
    return icon;
}

} // namespace

ScaledResources::ScaledResources(const FormDescription& form, const Scale& scale) : scale_(scale) {
    // The platform's dialog font, which the windows' fixed rectangles were laid out for (Tahoma
    // 8 pt on every Windows since 2000, and under Wine), rather than the system's message font,
    // which is larger on Windows 10 and 11 (Segoe UI 9 pt).
    constexpr Font kDialogFont{.face = L"MS Shell Dlg 2", .hundredthsOfPoint = 800};
    HFONT defaultFont = nullptr;
    for (const ControlDescription& control : form.controls) {
        if (control.font.face.empty()) {
            defaultFont = defaultFont != nullptr ? defaultFont : MakeFont(kDialogFont);
            controlFonts_.push_back(defaultFont);
        } else {
            controlFonts_.push_back(MakeFont(control.font));
        }
        controlIcons_.push_back(control.kind == ControlKind::PictureButton
                                    ? LoadProgramIcon(control.picture.resourceId, scale.IconSize())
                                    : UniqueIcon());
    }
    if (form.iconResourceId != 0) {
        // The title bar's and the taskbar's sizes, which the monitor's DPI alone sets.
        const auto size = [&scale](int metric) {
            return GetSystemMetricsForDpi(metric, static_cast<UINT>(scale.dpi));
        };
        bigIcon_ = LoadProgramIcon(form.iconResourceId, size(SM_CXICON));
        smallIcon_ = LoadProgramIcon(form.iconResourceId, size(SM_CXSMICON));
    }
    if (form.picture.resourceId != 0) {
        picture_ = ScaledPicture(form.picture.resourceId, scale, PictureLimit(form, scale));
    }
}

HFONT ScaledResources::MakeFont(const Font& font) {
    LOGFONTW logFont{};
    logFont.lfHeight = -scale_.FontHeight(font.hundredthsOfPoint);
    logFont.lfWeight = font.weight;
    logFont.lfCharSet = DEFAULT_CHARSET;
    font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    // A font the system refuses leaves the control in its default font.
    fonts_.emplace_back(CreateFontIndirectW(&logFont));
    return fonts_.back().get();
}

} // namespace penderlin::platform
