#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

// Every size in the program's windows passes through here: the twips of the descriptions, the
// pixels of the pictures and icons (drawn for 96 DPI) and the points of the fonts become pixels
// at the scale the window is shown at, each rounded to the nearest pixel as Windows' MulDiv
// rounds (half away from zero). That scale is the monitor's DPI and, on top of it, the text size
// the user chose in Windows' settings: a window at 96 DPI and 150 % text is laid out as one at
// 144 DPI would be. Only the window's frame and its title-bar icons follow the DPI alone.
namespace penderlin::platform {

struct Scale {
    int dpi = 96;          // the monitor's dots per inch
    int textPercent = 100; // the user's text size, 100 to 225

    constexpr int FromTwips(int twips) const { return Rounded(twips, dpi * textPercent, 144000); }
    constexpr int FromPixelsAt96(int pixels) const {
        return Rounded(pixels, dpi * textPercent, 9600);
    }
    constexpr int ToPixelsAt96(int pixels) const {
        return Rounded(pixels, 9600, dpi * textPercent);
    }
    // A font's height in pixels, a LOGFONT's lfHeight without its sign.
    constexpr int FontHeight(int hundredthsOfPoint) const {
        return Rounded(hundredthsOfPoint, dpi * textPercent, 720000);
    }
    // The side of the icons on picture buttons: 32 pixels at 96 DPI.
    constexpr int IconSize() const { return FromPixelsAt96(32); }
    // Pixels at another scale to pixels at this one.
    constexpr int Rescaled(int pixels, const Scale& from) const {
        return Rounded(pixels, dpi * textPercent, from.dpi * from.textPercent);
    }
    constexpr bool operator==(const Scale&) const = default;

private:
    static constexpr int Rounded(long long value, long long numerator, long long denominator) {
        const long long product = value * numerator;
        return static_cast<int>((product + (product >= 0 ? denominator : -denominator) / 2) /
                                denominator);
    }
};

// The text size from what Windows tells of it: the factor of its documented interface
// (UISettings.TextScaleFactor, 1.0 to 2.25) where that answers, or else the percentage it stores
// in the registry; 100 where neither is known, and never outside 100 to 225.
constexpr int TextPercent(std::optional<double> uiSettingsFactor,
                          std::optional<std::uint32_t> storedPercent) {
    if (uiSettingsFactor) {
        const double factor = *uiSettingsFactor;
        return !(factor > 1.0) ? 100 : factor > 2.25 ? 225 : static_cast<int>(factor * 100 + 0.5);
    }
    return static_cast<int>(std::clamp<std::uint32_t>(storedPercent.value_or(100), 100, 225));
}

} // namespace penderlin::platform
