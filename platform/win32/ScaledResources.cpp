#include "ScaledResources.h"

#include "Check.h"
#include "platform/Layout.h"

namespace penderlin::platform {

int ScaleToDpi(int pixelsAt96, int dpi) {
    return MulDiv(pixelsAt96, dpi, 96);
}

UniqueIcon LoadProgramIcon(int resourceId, int size) {
    UniqueIcon icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    PENDERLIN_REQUIRE(icon, "an icon is not in the program");
    return icon;
}

namespace {

// A fixed window shows no more of its picture than its client area; a sizable one may show all
// of it.
SIZE PictureLimit(const FormDescription& form, int dpi) {
    if (form.border == Border::Sizable) {
        return {LONG_MAX / 2, LONG_MAX / 2};
    }
    return {TwipsToPixels(form.clientWidth, dpi), TwipsToPixels(form.clientHeight, dpi)};
}

} // namespace

ScaledResources::ScaledResources(const FormDescription& form, int dpi) : dpi_(dpi) {
    HFONT defaultFont = nullptr;
    for (const ControlDescription& control : form.controls) {
        if (control.font.face.empty()) {
            defaultFont = defaultFont != nullptr ? defaultFont : MakeFont(control.font);
            controlFonts_.push_back(defaultFont);
        } else {
            controlFonts_.push_back(MakeFont(control.font));
        }
        const int iconSize = ScaleToDpi(32, dpi);
        controlIcons_.push_back(control.kind == ControlKind::PictureButton
                                    ? LoadProgramIcon(control.picture.resourceId, iconSize)
                                    : UniqueIcon());
    }
    if (form.iconResourceId != 0) {
        const auto size = [dpi](int metric) {
            return GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi));
        };
        bigIcon_ = LoadProgramIcon(form.iconResourceId, size(SM_CXICON));
        smallIcon_ = LoadProgramIcon(form.iconResourceId, size(SM_CXSMICON));
    }
    if (form.picture.resourceId != 0) {
        picture_ = ScaledPicture(form.picture.resourceId, dpi, PictureLimit(form, dpi));
    }
}

// An empty face is the message font of the system at this DPI.
HFONT ScaledResources::MakeFont(const Font& font) {
    LOGFONTW logFont{};
    if (font.face.empty()) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                   static_cast<UINT>(dpi_));
        logFont = metrics.lfMessageFont;
    } else {
        logFont.lfHeight = -MulDiv(font.hundredthsOfPoint, dpi_, 7200);
        logFont.lfWeight = font.weight;
        logFont.lfCharSet = DEFAULT_CHARSET;
        font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    }
    fonts_.emplace_back(CreateFontIndirectW(&logFont));
    PENDERLIN_REQUIRE(fonts_.back(), "a font cannot be made");
    return fonts_.back().get();
}

} // namespace penderlin::platform
