// The encoders against the independent reader, on the awkward cases the drawings may not reach,
// and the art parser's refusals.
#include "BitmapReader.h"

#include "assets/generator/ImageFiles.h"
#include "assets/generator/PixelArt.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using penderlin::Assets::BmpCompression;
using penderlin::Assets::EncodeBmp;
using penderlin::Assets::IndexedImage;
using penderlin::Assets::Rgb;

// Rows that mix long runs (past the 255 a count holds), literals of every short length, odd and
// even, and a pixel left alone at the end.
IndexedImage Awkward(int width, int height) {
    std::vector<Rgb> palette;
    for (int index = 0; index < 8; ++index) {
        const auto level = static_cast<std::uint8_t>(index * 32);
        palette.push_back({level, level, level});
    }
    IndexedImage image(width, height, palette);
    for (int y = 0; y < height; ++y) {
        int x = 0;
        for (int stretch = 1; x < width; ++stretch) {
            const int length = y % 3 == 0 ? 300 : stretch % 5;
            for (int i = 0; i <= length && x < width; ++i, ++x) {
                // Within a stretch either one colour or every pixel differing from the last.
                image.At(x, y) = static_cast<std::uint8_t>(
                    stretch % 2 == 0 ? (stretch + y) % 8 : (x * 3 + y + stretch) % 8);
            }
        }
    }
    return image;
}

TEST(AssetEncoding, BitmapsReadBackPixelForPixelAtAnyWidth) {
    for (const int width : {1, 2, 3, 4, 5, 7, 254, 255, 256, 257, 511, 640}) {
        for (const auto compression : {BmpCompression::None, BmpCompression::Rle8}) {
            SCOPED_TRACE("width " + std::to_string(width) +
                         (compression == BmpCompression::Rle8 ? " RLE8" : " uncompressed"));
            const IndexedImage image = Awkward(width, 7);
            const asset_test::Bitmap read = asset_test::ReadBitmap(EncodeBmp(image, compression));
            EXPECT_EQ(read.width, width);
            EXPECT_EQ(read.height, 7);
            EXPECT_EQ(read.coloursUsed, 8u);
            EXPECT_EQ(read.pixels, image.pixels);
        }
    }
}

TEST(AssetEncoding, IconMaskAndColoursKeepTheirPlaces) {
    // A 16-pixel square: one colour per row, transparent on and below the diagonal.
    penderlin::Assets::IconImage icon{16, {}};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (x > y) {
                icon.pixels.emplace_back(static_cast<std::uint8_t>(y));
            } else {
                icon.pixels.emplace_back();
            }
        }
    }
    std::array<Rgb, 16> palette{};
    palette[5] = {1, 2, 3};
    const auto images = asset_test::ReadIcon(penderlin::Assets::EncodeIcon({icon}, palette));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].palette[5], (asset_test::Colour{1, 2, 3}));
    for (std::size_t y = 0; y < 16; ++y) {
        for (std::size_t x = 0; x < 16; ++x) {
            const std::size_t at = y * 16 + x;
            EXPECT_EQ(images[0].transparent[at], x <= y) << x << ", " << y;
            EXPECT_EQ(images[0].colours[at], x > y ? y : 0) << x << ", " << y;
        }
    }
}

std::string ParseError(const std::string& art, const penderlin::Assets::ArtPalette& palette) {
    try {
        penderlin::Assets::ParseIconArt(art, palette);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "accepted";
}

TEST(AssetArt, ReadsBlocksAndRefusesMistakesNamingTheLine) {
    const auto palette = penderlin::Assets::ParseArtPalette(
        "# comment\n"
        "k 000000 black\nr 800000 a\ng 008000 b\no 808000 c\nn 000080 d\np 800080 e\n"
        "t 008080 f\ns C0C0C0 g\nd 808080 h\nR FF0000 i\nG 00FF00 j\nY FFFF00 k\n"
        "B 0000FF l\nM FF00FF m\nC 00FFFF n\nW ffffff white\n\n. transparent\n");
    EXPECT_EQ(palette.colours[15], (Rgb{255, 255, 255}));
    EXPECT_EQ(palette.symbols[9], 'R');

    const auto images = penderlin::Assets::ParseIconArt("# two images\nkR\r\n.W\n\nY\n", palette);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].size, 2);
    EXPECT_EQ(images[0].pixels[1], std::optional<std::uint8_t>(9));
    EXPECT_FALSE(images[0].pixels[2].has_value());
    EXPECT_EQ(images[1].size, 1);

    EXPECT_EQ(ParseError("kk\nk\n", palette), "line 2: an image is square: this row should have "
                                              "2 pixels");
    EXPECT_EQ(ParseError("\nkk\nkx\n", palette), "line 3: 'x' is not in the palette");
    EXPECT_EQ(ParseError("kkk\nkkk\n", palette).substr(0, 7), "line 1:");

    EXPECT_THROW(penderlin::Assets::ParseArtPalette("k 000000 black\n. transparent\n"),
                 std::runtime_error);
    EXPECT_THROW(penderlin::Assets::ParseArtPalette("k 00000G black\n"), std::runtime_error);
}

} // namespace
