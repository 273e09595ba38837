#pragma once

#include "assets/generator/Image.h"

#include <array>
#include <cstdint>
#include <vector>

namespace penderlin::Assets {

enum class BmpCompression { None, Rle8 };

// An 8-bit bottom-up Windows bitmap file with the image's whole palette (biClrUsed).
std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image, BmpCompression compression);

// A classic .ico file: for each image a 4-bit DIB (colour image and AND mask), in the given order.
std::vector<std::uint8_t> EncodeIcon(const std::vector<IconImage>& images,
                                     const std::array<Rgb, 16>& palette);

} // namespace penderlin::Assets
