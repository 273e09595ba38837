#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A window as data: what platform/ needs to build it, and nothing that runs. Positions and sizes
// are in twips (1/1440 inch; 15 twips make one pixel at 96 DPI), from the top-left corner of the
// window's client area, or of the frame for a control inside a frame.
namespace penderlin::platform {

class FormHost;

// What a click on a control runs: a handler named after the control and the event, such as
// cmdGetString_Click, in the window that was clicked.
using ClickHandler = void (*)(FormHost& host);

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipsSize {
    int width = 0;
    int height = 0;
};

// A colour, or the platform's own choice for the place it is used in, or one of the system's
// colours, which follow the user's theme.
struct Colour {
    enum class Kind {
        Default,
        Rgb,
        HighlightText,
        Transparent,
        Window,
        WindowText,
        ButtonFace,
        ButtonText
    };
    Kind kind = Kind::Default;
    std::uint32_t rgb = 0; // 0x00BBGGRR, as Windows' COLORREF

    static constexpr Colour Default() { return {}; }
    static constexpr Colour FromRgb(int r, int g, int b) {
        return {Kind::Rgb, static_cast<std::uint32_t>(r | (g << 8) | (b << 16))};
    }
    static constexpr Colour HighlightText() { return {Kind::HighlightText}; }
    static constexpr Colour Transparent() { return {Kind::Transparent}; }
    static constexpr Colour System(Kind kind) { return {kind}; }
    constexpr bool operator==(const Colour&) const = default;
};

// An empty face is the platform's default font.
struct Font {
    std::wstring_view face;
    int hundredthsOfPoint = 0;
    int weight = 400; // 400 normal, 700 bold, 900 black
};

// A picture from the program's resources. Bitmaps are drawn unscaled at 96 DPI; a transparent
// colour, when given, lets what lies beneath show through the pixels of that colour.
struct Picture {
    int resourceId = 0;
    bool hasTransparentColour = false;
    Colour transparentColour;
};

enum class ControlKind {
    Button,        // plain push button; its caption wraps within it
    PictureButton, // push button with its picture (an icon) above its caption
    Label,         // static text that wraps words at its width
    Frame,         // a captioned box that holds other controls
};

struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::wstring_view name;
    std::wstring_view caption;
    TwipsRect rect;
    int tabIndex = 0;
    Font font;
    Colour background;
    Colour text;
    Picture picture;
    std::wstring_view tooltip;
    std::wstring_view container; // the name of the frame it sits in; empty for the window itself
    ClickHandler onClick = nullptr;

    constexpr ControlDescription WithFont(Font value) const {
        ControlDescription copy = *this;
        copy.font = value;
        return copy;
    }
    constexpr ControlDescription WithColours(Colour back, Colour fore) const {
        ControlDescription copy = *this;
        copy.background = back;
        copy.text = fore;
        return copy;
    }
    constexpr ControlDescription WithTooltip(std::wstring_view value) const {
        ControlDescription copy = *this;
        copy.tooltip = value;
        return copy;
    }
    constexpr ControlDescription InFrame(std::wstring_view frame) const {
        ControlDescription copy = *this;
        copy.container = frame;
        return copy;
    }
    constexpr ControlDescription OnClick(ClickHandler handler) const {
        ControlDescription copy = *this;
        copy.onClick = handler;
        return copy;
    }
};

// A control of the given kind with only what every control has; the builders below and the
// With... modifiers fill in the rest.
constexpr ControlDescription Control(ControlKind kind, std::wstring_view name,
                                     std::wstring_view caption, TwipsRect rect, int tabIndex) {
    ControlDescription control;
    control.kind = kind;
    control.name = name;
    control.caption = caption;
    control.rect = rect;
    control.tabIndex = tabIndex;
    return control;
}

constexpr ControlDescription Button(std::wstring_view name, std::wstring_view caption,
                                    TwipsRect rect, int tabIndex) {
    return Control(ControlKind::Button, name, caption, rect, tabIndex);
}

constexpr ControlDescription PictureButton(std::wstring_view name, std::wstring_view caption,
                                           TwipsRect rect, int tabIndex, int iconResourceId) {
    ControlDescription control = Control(ControlKind::PictureButton, name, caption, rect, tabIndex);
    control.picture.resourceId = iconResourceId;
    return control;
}

constexpr ControlDescription Label(std::wstring_view name, std::wstring_view caption,
                                   TwipsRect rect, int tabIndex) {
    return Control(ControlKind::Label, name, caption, rect, tabIndex);
}

constexpr ControlDescription Frame(std::wstring_view name, std::wstring_view caption,
                                   TwipsRect rect, int tabIndex) {
    return Control(ControlKind::Frame, name, caption, rect, tabIndex);
}

enum class Border {
    FixedSingle, // not resizable, no maximize or minimize box
    Sizable,     // resizable, with maximize and minimize boxes
};

enum class StartPosition { CenterScreen, PlatformDefault };

struct FormDescription {
    std::wstring_view name;
    std::wstring_view caption;
    Border border = Border::Sizable;
    TwipsSize clientSize;
    StartPosition startPosition = StartPosition::PlatformDefault;
    int iconResourceId = 0; // 0: none of its own
    Colour background;
    Picture picture;
    std::span<const ControlDescription> controls;
};

} // namespace penderlin::platform
