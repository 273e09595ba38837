#pragma once

// Reads .bmp and .ico files the way Windows would, written apart from the generator's encoder so
// that a mistake in one is not repeated in the other. A file that breaks the format throws
// std::runtime_error saying what is wrong.

#include <cstdint>
#include <string>
#include <vector>

namespace asset_test {

using Bytes = std::vector<std::uint8_t>;

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<Colour> palette;
    std::vector<std::uint8_t> pixels; // palette indices, top row first

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct IconImage {
    int width = 0;  // from the directory entry
    int height = 0; // from the directory entry
    int bitCount = 0;
    std::vector<Colour> palette;
    std::vector<std::uint8_t> colours; // palette indices, top row first
    std::vector<bool> transparent;     // the AND mask, top row first
};

Bytes ReadFile(const std::string& path);

// An 8-bit bitmap file, uncompressed or BI_RLE8.
Bitmap ReadBitmap(const Bytes& file);

// A .ico file of 4-bit DIB images.
std::vector<IconImage> ReadIcon(const Bytes& file);

} // namespace asset_test
