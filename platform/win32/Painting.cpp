#include "Painting.h"

#include "Gdi.h"
#include "SystemLibraries.h"
#include "platform/Layout.h"

#include <vssym32.h>

#include <algorithm>
#include <string>

namespace penderlin::platform {

namespace {

// The system colour a colour stands for, or `defaultSystemColour` for the platform's choice.
int SystemColourIndex(Colour colour, int defaultSystemColour) {
    switch (colour.kind) {
    case Colour::Kind::HighlightText:
        return COLOR_HIGHLIGHTTEXT;
    case Colour::Kind::Window:
        return COLOR_WINDOW;
    case Colour::Kind::WindowText:
        return COLOR_WINDOWTEXT;
    case Colour::Kind::ButtonFace:
        return COLOR_BTNFACE;
    case Colour::Kind::ButtonText:
        return COLOR_BTNTEXT;
    case Colour::Kind::Default:
    case Colour::Kind::Rgb:
    case Colour::Kind::Transparent:
        break;
    }
    return defaultSystemColour;
}

COLORREF ColourRef(Colour colour, int defaultSystemColour) {
    return colour.kind == Colour::Kind::Rgb
               ? colour.rgb
               : GetSysColor(SystemColourIndex(colour, defaultSystemColour));
}

} // namespace

bool HighContrastOn() {
    HIGHCONTRASTW state{};
    state.cbSize = sizeof(state);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(state), &state, 0) != 0 &&
           (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HBRUSH BrushFor(Colour colour, int defaultSystemColour, UniqueBrush& owner) {
    owner.reset();
    if (colour.kind == Colour::Kind::Rgb) {
        owner.reset(CreateSolidBrush(colour.rgb));
        return owner.get();
    }
    if (colour.kind == Colour::Kind::Transparent) {
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return GetSysColorBrush(SystemColourIndex(colour, defaultSystemColour));
}

void PaintBackground(HDC dc, const RECT& area, HBRUSH background, const ScaledPicture* picture,
                     const Picture& description) {
    FillRect(dc, &area, background);
    if (picture == nullptr) {
        return;
    }
    picture->Paint(dc, area,
                   description.hasTransparentColour
                       ? std::optional<COLORREF>(description.transparentColour.rgb)
                       : std::nullopt);
}

void ColourLabel(HDC dc, const Appearance& label) {
    SetTextColor(dc, ColourRef(label.text, COLOR_BTNTEXT));
    if (label.background.kind == Colour::Kind::Transparent) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkColor(dc, ColourRef(label.background, COLOR_BTNFACE));
    }
}

void FormColours::Apply(const FormDescription& form) {
    highContrast_ = HighContrastOn();
    window_.brush =
        BrushFor(WindowAppearance(form, highContrast_).background, COLOR_BTNFACE, window_.own);
    controls_.resize(form.controls.size());
    for (size_t index = 0; index < controls_.size(); ++index) {
        Background& background = controls_[index];
        background.brush =
            BrushFor(ControlAppearance(form.controls[index], highContrast_).background,
                     COLOR_BTNFACE, background.own);
    }
}

namespace {

// The picture button's layers, drawn on `dc`, whose coordinates are the button's.
void DrawPictureButtonLayers(HDC dc, const DRAWITEMSTRUCT& item, std::wstring_view caption,
                             HFONT font, HICON icon, const Scale& scale) {
    RECT bounds = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    COLORREF textColour = GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    // With visual styles, the theme's own push button, in the state the plain buttons beside it
    // show, and the caption in the colour the theme gives that state; without them, the classic
    // bevel and the system's colours.
    const VisualStyles* styles = LoadVisualStyles();
    if (const UniqueTheme theme(styles != nullptr ? styles->OpenThemeData(item.hwndItem, L"BUTTON")
                                                  : nullptr);
        theme) {
        const bool hot = (SendMessageW(item.hwndItem, BM_GETSTATE, 0, 0) & BST_HOT) != 0;
        const int state = disabled                       ? PBS_DISABLED
                          : pressed                      ? PBS_PRESSED
                          : hot                          ? PBS_HOT
                          : (item.itemState & ODS_FOCUS) ? PBS_DEFAULTED
                                                         : PBS_NORMAL;
        if (styles->IsThemeBackgroundPartiallyTransparent(theme.get(), BP_PUSHBUTTON, state)) {
            styles->DrawThemeParentBackground(item.hwndItem, dc, &bounds);
        }
        styles->DrawThemeBackground(theme.get(), dc, BP_PUSHBUTTON, state, &bounds, nullptr);
        styles->GetThemeColor(theme.get(), BP_PUSHBUTTON, state, TMT_TEXTCOLOR, &textColour);
    } else {
        DrawFrameControl(dc, &bounds, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
    }

    // These buttons are narrow: their captions may use the whole width, as glyphs keep clear of
    // the border by their own side bearings. The focus rectangle goes round the caption, a pixel
    // clear of it, so that it crosses neither the caption nor the icon.
    const int shift = pressed ? 1 : 0;
    const int iconSize = scale.IconSize();
    const int pixel = scale.FromPixelsAt96(1);
    const int focusMargin = pixel + 1; // the clear pixel and the focus rectangle's own line
    const SelectedObject selectedFont(dc, font);
    // While the window hides its keyboard cues, the access key goes unmarked; taken out of the
    // caption here, as Wine's DrawText ignores DT_HIDEPREFIX.
    const bool hideAccessKey = (item.itemState & ODS_NOACCEL) != 0;
    const std::wstring text = hideAccessKey ? WithoutAccessKey(caption) : std::wstring(caption);
    const UINT prefix = hideAccessKey ? DT_NOPREFIX : 0u;
    RECT textBounds = bounds;
    DrawTextW(dc, text.c_str(), -1, &textBounds, DT_CENTER | DT_WORDBREAK | DT_CALCRECT | prefix);
    const int textWidth = textBounds.right - textBounds.left;
    const int textHeight = textBounds.bottom - textBounds.top;
    // The icon and the caption beneath it form one block, centred in the button, and lifted
    // where that would leave no room for the focus rectangle above the border.
    const int block = iconSize + focusMargin + textHeight;
    const int lowest = bounds.bottom - pixel - focusMargin - block;
    const int top = std::max(0, std::min(static_cast<int>(bounds.bottom - block) / 2, lowest));

    DrawIconEx(dc, (bounds.right - bounds.left - iconSize) / 2 + shift, top + shift, icon, iconSize,
               iconSize, 0, nullptr, DI_NORMAL);
    const int textTop = top + iconSize + focusMargin;
    textBounds = {bounds.left + shift, textTop + shift, bounds.right + shift,
                  bounds.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColour);
    DrawTextW(dc, text.c_str(), -1, &textBounds, DT_CENTER | DT_WORDBREAK | prefix);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        // Centred as DrawText centres the caption's widest line; never outside the button.
        const int textLeft = static_cast<int>(bounds.left + bounds.right - textWidth) / 2;
        RECT focus{textLeft, textTop, textLeft + textWidth, textTop + textHeight};
        InflateRect(&focus, focusMargin, focusMargin);
        IntersectRect(&focus, &focus, &bounds);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace

void DrawPictureButton(const DRAWITEMSTRUCT& item, std::wstring_view caption, HFONT font,
                       HICON icon, const Scale& scale) {
    const RECT& bounds = item.rcItem;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    // Every layer goes to a bitmap first and the screen gets the button in one copy, so that no
    // layer shows on its own (flicker on hover, over Remote Desktop most).
    const UniqueMemoryDc buffer(CreateCompatibleDC(item.hDC));
    const UniqueBitmap pixels(CreateCompatibleBitmap(item.hDC, width, height));
    if (!buffer || !pixels) {
        DrawPictureButtonLayers(item.hDC, item, caption, font, icon, scale);
        return;
    }
    const SelectedObject selected(buffer.get(), pixels.get());
    SetViewportOrgEx(buffer.get(), -bounds.left, -bounds.top, nullptr);
    DrawPictureButtonLayers(buffer.get(), item, caption, font, icon, scale);
    BitBlt(item.hDC, bounds.left, bounds.top, width, height, buffer.get(), bounds.left, bounds.top,
           SRCCOPY);
}

} // namespace penderlin::platform
