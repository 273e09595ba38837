#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace penderlin::Assets {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Blends from a (t = 0) to b (t = 1), rounding each channel to the nearest step.
inline Rgb Mix(Rgb a, Rgb b, double t) {
    const auto channel = [t](std::uint8_t from, std::uint8_t to) {
        const double value = from + (to - from) * t;
        return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
    };
    return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

// A picture whose pixels are indices into its own palette, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;

    IndexedImage(int imageWidth, int imageHeight, std::vector<Rgb> colours)
        : width(imageWidth), height(imageHeight), palette(std::move(colours)),
          pixels(static_cast<std::size_t>(imageWidth) * static_cast<std::size_t>(imageHeight)) {}

    std::uint8_t& At(int x, int y) { return pixels[Offset(x, y)]; }
    std::uint8_t At(int x, int y) const { return pixels[Offset(x, y)]; }

private:
    std::size_t Offset(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

// A square icon image in the 16 colours of the icon palette; a transparent pixel has no colour.
struct IconImage {
    int size = 0;
    std::vector<std::optional<std::uint8_t>> pixels;
};

} // namespace penderlin::Assets
