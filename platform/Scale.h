#pragma once

// Every size in the program's windows passes through here: the twips of the descriptions, the
// pixels of the pictures and icons (drawn for 96 DPI) and the points of the fonts become pixels
// at the scale the window is shown at, each rounded to the nearest pixel as Windows' MulDiv
// rounds (half away from zero).
namespace penderlin::platform {

struct Scale {
    int dpi = 96; // the monitor's dots per inch

    constexpr int FromTwips(int twips) const { return Rounded(twips, dpi, 1440); }
    constexpr int FromPixelsAt96(int pixels) const { return Rounded(pixels, dpi, 96); }
    constexpr int ToPixelsAt96(int pixels) const { return Rounded(pixels, 96, dpi); }
    // A font's height in pixels, a LOGFONT's lfHeight without its sign.
    constexpr int FontHeight(int hundredthsOfPoint) const {
        return Rounded(hundredthsOfPoint, dpi, 7200);
    }
    // The side of the icons on picture buttons: 32 pixels at 96 DPI.
    constexpr int IconSize() const { return FromPixelsAt96(32); }

private:
    static constexpr int Rounded(long long value, long long numerator, long long denominator) {
        const long long product = value * numerator;
        return static_cast<int>((product + (product >= 0 ? denominator : -denominator) / 2) /
                                denominator);
    }
};

} // namespace penderlin::platform
