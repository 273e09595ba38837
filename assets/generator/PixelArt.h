#pragma once

#include "assets/generator/Image.h"

#include <array>
#include <string_view>
#include <vector>

namespace penderlin::Assets {

// The 16 icon colours, in palette order, with the character that stands for each in the art.
struct ArtPalette {
    std::array<Rgb, 16> colours{};
    std::array<char, 16> symbols{};
    char transparentSymbol = 0;
};

// Reads a palette file: one line per colour, "<character> <RRGGBB> <name>", in palette order,
// and one line "<character> transparent". Blank lines and lines starting with '#' are skipped.
// Throws std::runtime_error naming the line at fault.
ArtPalette ParseArtPalette(std::string_view text);

// Reads pixel art: each block of consecutive rows, one character a pixel, is one square image.
// Blank lines and lines starting with '#' separate blocks. Throws std::runtime_error naming the
// line at fault.
std::vector<IconImage> ParseIconArt(std::string_view text, const ArtPalette& palette);

} // namespace penderlin::Assets
