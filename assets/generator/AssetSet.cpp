#include "assets/generator/AssetSet.h"

#include "assets/generator/ImageFiles.h"
#include "assets/generator/Pictures.h"
#include "assets/generator/PixelArt.h"

#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace penderlin::Assets {
namespace {

constexpr std::array<const char*, 6> kIcons{"wrench", "quit", "user", "company", "cdkey", "folder"};

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> Icon(const std::filesystem::path& artFile, const ArtPalette& palette) {
    std::vector<IconImage> images;
    try {
        images = ParseIconArt(ReadText(artFile), palette);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(artFile.string() + ": " + error.what());
    }
    // Windows picks the 32 x 32 image for the window and the 16 x 16 one for small places.
    if (images.size() != 2 || images[0].size != 32 || images[1].size != 16) {
        throw std::runtime_error(artFile.string() +
                                 ": an icon is drawn twice, 32 x 32 and then 16 x 16");
    }
    return EncodeIcon(images, palette.colours);
}

} // namespace

std::vector<GeneratedFile> GenerateAssets(const std::filesystem::path& artFolder) {
    const std::filesystem::path paletteFile = artFolder / "palette.txt";
    ArtPalette palette;
    try {
        palette = ParseArtPalette(ReadText(paletteFile));
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(paletteFile.string() + ": " + error.what());
    }

    std::vector<GeneratedFile> files;
    for (const char* icon : kIcons) {
        files.push_back(
            {std::string(icon) + ".ico", Icon(artFolder / (std::string(icon) + ".txt"), palette)});
    }
    // The sky and the banner are mostly long runs of one colour; the paper's grain is not, so
    // it stays uncompressed.
    files.push_back({"sky.bmp", EncodeBmp(DrawSky(), BmpCompression::Rle8)});
    files.push_back({"paper.bmp", EncodeBmp(DrawPaper(), BmpCompression::None)});
    files.push_back({"banner98.bmp", EncodeBmp(DrawBanner(), BmpCompression::Rle8)});
    return files;
}

} // namespace penderlin::Assets
