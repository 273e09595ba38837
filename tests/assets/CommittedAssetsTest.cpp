// The committed pictures and icons: the generator must still draw them byte for byte, and each
// file, read back without the generator's code, must be what the windows expect of it.
#include "BitmapReader.h"

#include "assets/generator/AssetSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string>

namespace {

using asset_test::Bitmap;
using asset_test::Colour;
using asset_test::ReadBitmap;
using asset_test::ReadFile;
using asset_test::ReadIcon;

const std::filesystem::path kAssets = PENDERLIN_ASSETS_DIR;
const std::filesystem::path kGenerated = kAssets / "generated";

constexpr Colour kMagenta{255, 0, 255};
const std::array<std::string, 6> kIcons{"wrench", "quit", "user", "company", "cdkey", "folder"};

Bitmap Committed(const std::string& name) {
    return ReadBitmap(ReadFile((kGenerated / name).string()));
}

bool IsMagenta(const Bitmap& bitmap, int x, int y) {
    return bitmap.palette[bitmap.At(x, y)] == kMagenta;
}

TEST(AssetGenerator, RedrawsEveryCommittedFileByteForByte) {
    const auto files = penderlin::Assets::GenerateAssets(kAssets / "art");
    std::set<std::string> committed;
    for (const auto& entry : std::filesystem::directory_iterator(kGenerated)) {
        committed.insert(entry.path().filename().string());
    }
    std::set<std::string> generated;
    for (const auto& file : files) {
        generated.insert(file.name);
        EXPECT_TRUE(ReadFile((kGenerated / file.name).string()) == file.bytes)
            << file.name << " differs from what the generator draws now; run "
            << "cmake --build --preset host --target regenerate_assets and commit the result";
    }
    EXPECT_EQ(committed, generated);
}

TEST(AssetFiles, PicturesHaveTheirSizesPalettesAndCompression) {
    struct Expected {
        std::string name;
        int width;
        int height;
        std::uint32_t colours;
        std::uint32_t compression; // 0 BI_RGB, 1 BI_RLE8
    };
    for (const Expected& expected :
         {Expected{"sky.bmp", 640, 480, 256, 1}, Expected{"paper.bmp", 374, 383, 128, 0},
          Expected{"banner98.bmp", 401, 47, 64, 1}}) {
        SCOPED_TRACE(expected.name);
        const Bitmap bitmap = Committed(expected.name);
        EXPECT_EQ(bitmap.width, expected.width);
        EXPECT_EQ(bitmap.height, expected.height);
        EXPECT_EQ(bitmap.bitCount, 8);
        EXPECT_EQ(bitmap.coloursUsed, expected.colours);
        EXPECT_EQ(bitmap.compression, expected.compression);
    }
}

TEST(AssetFiles, IconsHoldA32And16PixelImageInTheVgaColoursWithARealMask) {
    const std::vector<Colour> vga{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                  {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                  {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                  {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const std::string& name : kIcons) {
        SCOPED_TRACE(name);
        const auto images = ReadIcon(ReadFile((kGenerated / (name + ".ico")).string()));
        ASSERT_EQ(images.size(), 2u);
        for (std::size_t index = 0; index < 2; ++index) {
            const auto& image = images[index];
            const int size = index == 0 ? 32 : 16;
            EXPECT_EQ(image.width, size);
            EXPECT_EQ(image.height, size);
            EXPECT_EQ(image.bitCount, 4);
            EXPECT_EQ(image.palette, vga);
            // Transparent pixels must be black in the colour image, or Windows inverts the
            // screen behind them instead of leaving it.
            std::size_t transparent = 0;
            for (std::size_t pixel = 0; pixel < image.colours.size(); ++pixel) {
                if (image.transparent[pixel]) {
                    ++transparent;
                    EXPECT_EQ(image.colours[pixel], 0) << "pixel " << pixel;
                }
            }
            // Each drawing leaves its top-left corner and some more empty, and covers a good
            // part of the square.
            EXPECT_TRUE(image.transparent.front());
            EXPECT_GT(transparent, image.colours.size() / 10);
            EXPECT_LT(transparent, image.colours.size() * 3 / 4);
        }
    }
}

TEST(AssetFiles, BannerShowsTheWindowThroughOneMagentaAroundTheEmblem) {
    const Bitmap banner = Committed("banner98.bmp");
    ASSERT_EQ(std::count(banner.palette.begin(), banner.palette.end(), kMagenta), 1);
    EXPECT_TRUE(IsMagenta(banner, 0, 0));

    int emblemPixels = 0;
    for (int y = 0; y < banner.height; ++y) {
        for (int x = 0; x < 48; ++x) {
            emblemPixels += IsMagenta(banner, x, y) ? 0 : 1;
        }
        // Between the emblem and the wordmark.
        for (int x = 48; x < 53; ++x) {
            EXPECT_TRUE(IsMagenta(banner, x, y)) << x << ", " << y;
        }
    }
    EXPECT_GT(emblemPixels, 800);

    // At the right edge the coloured line is all there is.
    int linePixels = 0;
    for (int y = 0; y < banner.height; ++y) {
        linePixels += IsMagenta(banner, banner.width - 1, y) ? 0 : 1;
    }
    EXPECT_GE(linePixels, 2);
    EXPECT_LE(linePixels, 3);
}

TEST(AssetFiles, SkyShowsCloudsInTheCornerTheWindowShows) {
    const Bitmap sky = Committed("sky.bmp");
    int cloud = 0;
    int clearSky = 0;
    for (int y = 0; y < 144; ++y) {
        for (int x = 0; x < 323; ++x) {
            const Colour colour = sky.palette[sky.At(x, y)];
            cloud += std::min({colour.red, colour.green, colour.blue}) >= 215 ? 1 : 0;
            clearSky += colour.blue > colour.red + 80 ? 1 : 0;
        }
    }
    const int corner = 323 * 144;
    EXPECT_GT(cloud, corner / 8);
    EXPECT_GT(clearSky, corner / 4);
}

TEST(AssetFiles, PaperIsLightWithItsBandInTheLowerThird) {
    const Bitmap paper = Committed("paper.bmp");
    long total = 0;
    int darkestAbove = 255;
    int darkestBelow = 255;
    for (int y = 0; y < paper.height; ++y) {
        for (int x = 0; x < paper.width; ++x) {
            const Colour colour = paper.palette[paper.At(x, y)];
            const int grey = (colour.red * 3 + colour.green * 6 + colour.blue) / 10;
            total += grey;
            int& darkest = y < paper.height * 2 / 3 ? darkestAbove : darkestBelow;
            darkest = std::min(darkest, grey);
        }
    }
    // Black text must read on every part of it.
    EXPECT_GE(total / (paper.width * paper.height), 225);
    EXPECT_GE(darkestBelow, 170);
    // The embossed band's shadows are deeper than the grain of the plain paper above it.
    EXPECT_LT(darkestBelow + 15, darkestAbove);
}

TEST(AssetFiles, WholeSetStaysUnder200KB) {
    std::uintmax_t total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kGenerated)) {
        total += entry.file_size();
    }
    EXPECT_LT(total, 200u * 1024u);
}

} // namespace
