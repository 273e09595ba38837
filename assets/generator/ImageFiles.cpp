#include "assets/generator/ImageFiles.h"

#include <cstddef>
#include <stdexcept>

namespace penderlin::Assets {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
// RLE8 counts are single bytes, and an absolute (literal) run must be at least 3 pixels long:
// the escape codes 0, 1 and 2 mean end of line, end of bitmap and move.
constexpr std::size_t kLongestRun = 255;
constexpr std::size_t kShortestLiteral = 3;

void PutU8(Bytes& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutU16(Bytes& out, std::size_t value) {
    PutU8(out, value & 0xFF);
    PutU8(out, (value >> 8) & 0xFF);
}

void PutU32(Bytes& out, std::size_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, (value >> 16) & 0xFFFF);
}

struct DibHeader {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::size_t imageSize = 0;
    std::size_t coloursUsed = 0;
};

void PutInfoHeader(Bytes& out, const DibHeader& header) {
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::size_t>(header.width));
    PutU32(out, static_cast<std::size_t>(header.height));
    PutU16(out, 1); // planes
    PutU16(out, static_cast<std::size_t>(header.bitCount));
    PutU32(out, header.compression);
    PutU32(out, header.imageSize);
    PutU32(out, 0); // horizontal resolution: none stated
    PutU32(out, 0); // vertical resolution
    PutU32(out, header.coloursUsed);
    PutU32(out, 0); // every colour is important
}

template <typename Colours> void PutPalette(Bytes& out, const Colours& palette) {
    for (const Rgb& colour : palette) {
        out.insert(out.end(), {colour.blue, colour.green, colour.red, 0});
    }
}

// Rows are stored bottom row first, each padded to a multiple of 4 bytes.
std::size_t RowStride(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

Bytes RawPixels(const IndexedImage& image) {
    Bytes out;
    const std::size_t stride = RowStride(image.width, 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            out.push_back(image.At(x, y));
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

std::size_t RunLength(const std::uint8_t* row, std::size_t at, std::size_t width) {
    std::size_t length = 1;
    while (at + length < width && length < kLongestRun && row[at + length] == row[at]) {
        ++length;
    }
    return length;
}

void PutRle8Row(Bytes& out, const std::uint8_t* row, std::size_t width) {
    std::size_t at = 0;
    while (at < width) {
        const std::size_t run = RunLength(row, at, width);
        if (run >= kShortestLiteral) {
            PutU8(out, run);
            PutU8(out, row[at]);
            at += run;
            continue;
        }
        // Gather pixels up to the next run worth encoding on its own.
        std::size_t end = at;
        while (end < width && end - at < kLongestRun &&
               RunLength(row, end, width) < kShortestLiteral) {
            ++end;
        }
        const std::size_t count = end - at;
        if (count < kShortestLiteral) {
            for (; at < end; ++at) {
                PutU8(out, 1);
                PutU8(out, row[at]);
            }
            continue;
        }
        PutU8(out, 0);
        PutU8(out, count);
        out.insert(out.end(), row + at, row + end);
        if (count % 2 != 0) {
            PutU8(out, 0); // literal runs end on a 16-bit boundary
        }
        at = end;
    }
}

Bytes Rle8Pixels(const IndexedImage& image) {
    Bytes out;
    const std::size_t width = static_cast<std::size_t>(image.width);
    for (int y = image.height - 1; y >= 0; --y) {
        PutRle8Row(out, &image.pixels[static_cast<std::size_t>(y) * width], width);
        PutU8(out, 0);
        PutU8(out, y == 0 ? 1 : 0); // end of line, or end of bitmap after the top row
    }
    return out;
}

Bytes IconDib(const IconImage& image, const std::array<Rgb, 16>& palette) {
    const int size = image.size;
    const std::size_t colourStride = RowStride(size, 4);
    const std::size_t maskStride = RowStride(size, 1);
    const std::size_t side = static_cast<std::size_t>(size);
    Bytes colours(colourStride * side, 0);
    Bytes mask(maskStride * side, 0);
    for (std::size_t y = 0; y < side; ++y) {
        const std::size_t row = side - 1 - y;
        for (std::size_t x = 0; x < side; ++x) {
            const std::optional<std::uint8_t>& pixel = image.pixels[y * side + x];
            if (!pixel) {
                // Transparent: the AND mask keeps the screen and a black colour leaves it as is.
                mask[row * maskStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                continue;
            }
            const int shift = x % 2 == 0 ? 4 : 0;
            colours[row * colourStride + x / 2] |= static_cast<std::uint8_t>(*pixel << shift);
        }
    }

    Bytes out;
    // An icon DIB states twice the height: the colour image and the mask stacked.
    PutInfoHeader(out, {size, 2 * size, 4, kBiRgb, colours.size() + mask.size(), 0});
    PutPalette(out, palette);
    out.insert(out.end(), colours.begin(), colours.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

} // namespace

Bytes EncodeBmp(const IndexedImage& image, BmpCompression compression) {
    if (image.palette.empty() || image.palette.size() > 256) {
        throw std::logic_error("an 8-bit bitmap needs 1 to 256 palette colours");
    }
    for (std::uint8_t index : image.pixels) {
        if (index >= image.palette.size()) {
            throw std::logic_error("a pixel's colour is not in the palette");
        }
    }
    const bool rle = compression == BmpCompression::Rle8;
    const Bytes pixels = rle ? Rle8Pixels(image) : RawPixels(image);
    const std::size_t pixelsOffset = kFileHeaderSize + kInfoHeaderSize + 4 * image.palette.size();

    Bytes out;
    out.insert(out.end(), {'B', 'M'});
    PutU32(out, pixelsOffset + pixels.size());
    PutU32(out, 0); // two reserved words
    PutU32(out, pixelsOffset);
    PutInfoHeader(out, {image.width, image.height, 8, rle ? kBiRle8 : kBiRgb, pixels.size(),
                        image.palette.size()});
    PutPalette(out, image.palette);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes EncodeIcon(const std::vector<IconImage>& images, const std::array<Rgb, 16>& palette) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    Bytes out;
    PutU16(out, 0); // reserved
    PutU16(out, 1); // an icon, not a cursor
    PutU16(out, images.size());
    std::size_t offset = kDirectorySize + kEntrySize * images.size();
    std::vector<Bytes> dibs;
    for (const IconImage& image : images) {
        if (image.size < 1 || image.size > 255) {
            throw std::logic_error("an icon image must be 1 to 255 pixels wide");
        }
        dibs.push_back(IconDib(image, palette));
        PutU8(out, static_cast<std::size_t>(image.size));
        PutU8(out, static_cast<std::size_t>(image.size));
        PutU8(out, 16); // colours in the palette
        PutU8(out, 0);  // reserved
        PutU16(out, 1); // planes
        PutU16(out, 4); // bits per pixel
        PutU32(out, dibs.back().size());
        PutU32(out, offset);
        offset += dibs.back().size();
    }
    for (const Bytes& dib : dibs) {
        out.insert(out.end(), dib.begin(), dib.end());
    }
    return out;
}

} // namespace penderlin::Assets
