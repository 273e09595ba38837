#include "BitmapReader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace asset_test {
namespace {

void Require(bool condition, const std::string& problem) {
    if (!condition) {
        throw std::runtime_error(problem);
    }
}

class Reader {
public:
    Reader(const Bytes& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    std::uint32_t U8() {
        Require(at_ < bytes_.size(), "the file ends early");
        return bytes_[at_++];
    }
    // Operands of | are read in no set order, hence the named low parts.
    std::uint32_t U16() {
        const std::uint32_t low = U8();
        return low | U8() << 8;
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | U16() << 16;
    }
    std::int32_t S32() { return static_cast<std::int32_t>(U32()); }
    std::size_t Position() const { return at_; }

private:
    const Bytes& bytes_;
    std::size_t at_;
};

struct InfoHeader {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;
};

InfoHeader ReadInfoHeader(Reader& in) {
    Require(in.U32() == 40, "the info header is not a 40-byte BITMAPINFOHEADER");
    InfoHeader header;
    header.width = in.S32();
    header.height = in.S32();
    Require(in.U16() == 1, "planes is not 1");
    header.bitCount = static_cast<int>(in.U16());
    header.compression = in.U32();
    header.imageSize = in.U32();
    in.U32(); // resolution
    in.U32();
    header.coloursUsed = in.U32();
    in.U32(); // important colours
    Require(header.width > 0 && header.height > 0, "not a bottom-up picture with a size");
    return header;
}

std::vector<Colour> ReadPalette(Reader& in, std::uint32_t count) {
    std::vector<Colour> palette;
    for (std::uint32_t index = 0; index < count; ++index) {
        Colour colour;
        colour.blue = static_cast<int>(in.U8());
        colour.green = static_cast<int>(in.U8());
        colour.red = static_cast<int>(in.U8());
        in.U8();
        palette.push_back(colour);
    }
    return palette;
}

std::size_t Stride(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

// Every row must be filled exactly and closed by an end of line, the last by an end of bitmap;
// moves (delta codes) are not expected.
std::vector<std::uint8_t> DecodeRle8(const Bytes& file, std::size_t at, std::size_t size, int width,
                                     int height) {
    Require(at + size == file.size(), "biSizeImage is not the size of the pixel data");
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) *
                                     static_cast<std::size_t>(height));
    Reader in(file, at);
    int x = 0;
    int row = 0; // from the bottom
    const auto put = [&](std::uint32_t index) {
        Require(x < width, "a run goes past the end of its row");
        Require(row < height, "runs go past the top row");
        pixels[static_cast<std::size_t>((height - 1 - row) * width + x)] =
            static_cast<std::uint8_t>(index);
        ++x;
    };
    while (true) {
        const std::uint32_t count = in.U8();
        const std::uint32_t value = in.U8();
        if (count > 0) {
            for (std::uint32_t i = 0; i < count; ++i) {
                put(value);
            }
        } else if (value == 0 || value == 1) {
            Require(x == width, "a row ends before it is full");
            x = 0;
            ++row;
            if (value == 1) {
                Require(row == height, "the bitmap ends before its top row");
                Require(in.Position() == file.size(), "data follows the end of the bitmap");
                return pixels;
            }
        } else {
            Require(value != 2, "an unexpected move code");
            for (std::uint32_t i = 0; i < value; ++i) {
                put(in.U8());
            }
            if (value % 2 != 0) {
                in.U8();
            }
        }
    }
}

} // namespace

Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    Require(static_cast<bool>(file), "cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Bitmap ReadBitmap(const Bytes& file) {
    Reader in(file, 0);
    Require(in.U8() == 'B' && in.U8() == 'M', "no BM signature");
    Require(in.U32() == file.size(), "bfSize is not the file's size");
    in.U32(); // reserved
    const std::uint32_t pixelsAt = in.U32();
    const InfoHeader header = ReadInfoHeader(in);
    Require(header.bitCount == 8, "not 8 bits per pixel");
    Require(header.coloursUsed >= 1 && header.coloursUsed <= 256, "biClrUsed out of range");

    Bitmap bitmap;
    bitmap.width = header.width;
    bitmap.height = header.height;
    bitmap.bitCount = header.bitCount;
    bitmap.compression = header.compression;
    bitmap.coloursUsed = header.coloursUsed;
    bitmap.palette = ReadPalette(in, header.coloursUsed);
    Require(in.Position() == pixelsAt, "bfOffBits does not point just past the palette");

    if (header.compression == 1) {
        bitmap.pixels = DecodeRle8(file, pixelsAt, header.imageSize, header.width, header.height);
    } else {
        Require(header.compression == 0, "neither BI_RGB nor BI_RLE8");
        const std::size_t stride = Stride(header.width, 8);
        Require(header.imageSize == stride * static_cast<std::size_t>(header.height) &&
                    pixelsAt + header.imageSize == file.size(),
                "the pixel data is not one padded row per line");
        for (int y = header.height - 1; y >= 0; --y) {
            const auto row = file.begin() + static_cast<std::ptrdiff_t>(
                                                pixelsAt + stride * static_cast<std::size_t>(y));
            bitmap.pixels.insert(bitmap.pixels.end(), row, row + header.width);
        }
    }
    for (std::uint8_t index : bitmap.pixels) {
        Require(index < header.coloursUsed, "a pixel's colour is outside the palette");
    }
    return bitmap;
}

std::vector<IconImage> ReadIcon(const Bytes& file) {
    Reader in(file, 0);
    Require(in.U16() == 0 && in.U16() == 1, "not an icon directory");
    const std::uint32_t count = in.U16();
    std::vector<IconImage> images;
    for (std::uint32_t entry = 0; entry < count; ++entry) {
        IconImage image;
        image.width = static_cast<int>(in.U8());
        image.height = static_cast<int>(in.U8());
        Require(in.U8() == 16, "the entry does not state 16 colours");
        in.U8(); // reserved
        Require(in.U16() == 1, "the entry's planes is not 1");
        const std::uint32_t entryBitCount = in.U16();
        const std::uint32_t size = in.U32();
        const std::uint32_t offset = in.U32();
        Require(offset + size <= file.size(), "an image lies past the end of the file");

        Reader dib(file, offset);
        const InfoHeader header = ReadInfoHeader(dib);
        Require(header.width == image.width && header.height == 2 * image.height,
                "the image's size disagrees with its entry (the height counts the mask too)");
        Require(header.compression == 0, "icon images are uncompressed");
        Require(static_cast<int>(entryBitCount) == header.bitCount, "bit counts disagree");
        image.bitCount = header.bitCount;
        Require(image.bitCount == 4, "only 4-bit icons are read here");
        image.palette = ReadPalette(dib, header.coloursUsed == 0 ? 16 : header.coloursUsed);

        const std::size_t colourStride = Stride(image.width, 4);
        const std::size_t maskStride = Stride(image.width, 1);
        const std::size_t rows = static_cast<std::size_t>(image.height);
        const std::size_t colourAt = dib.Position();
        const std::size_t maskAt = colourAt + colourStride * rows;
        Require(maskAt + maskStride * rows == offset + size,
                "the entry's size is not header, palette, colours and mask");
        for (std::size_t y = 0; y < rows; ++y) {
            const std::size_t row = rows - 1 - y;
            for (std::size_t x = 0; x < static_cast<std::size_t>(image.width); ++x) {
                const std::uint8_t pair = file[colourAt + row * colourStride + x / 2];
                image.colours.push_back(
                    static_cast<std::uint8_t>(x % 2 == 0 ? pair >> 4 : pair & 0x0F));
                const std::uint8_t bits = file[maskAt + row * maskStride + x / 8];
                image.transparent.push_back((bits & (0x80 >> (x % 8))) != 0);
            }
        }
        images.push_back(std::move(image));
    }
    return images;
}

} // namespace asset_test
