#include "assets/generator/PixelArt.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>

namespace penderlin::Assets {
namespace {

struct Line {
    int number = 0;
    std::string text;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::istringstream stream{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(stream, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back(); // art edited on Windows
        }
        lines.push_back({number, line});
    }
    return lines;
}

bool IsSeparator(const std::string& line) {
    return line.empty() || line.front() == '#';
}

[[noreturn]] void Fail(const Line& line, const std::string& problem) {
    throw std::runtime_error("line " + std::to_string(line.number) + ": " + problem);
}

std::uint8_t HexDigit(const Line& line, char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<std::uint8_t>(digit - '0');
    }
    if (digit >= 'A' && digit <= 'F') {
        return static_cast<std::uint8_t>(digit - 'A' + 10);
    }
    if (digit >= 'a' && digit <= 'f') {
        return static_cast<std::uint8_t>(digit - 'a' + 10);
    }
    Fail(line, "a colour is written as six hex digits RRGGBB");
}

Rgb ParseColour(const Line& line, const std::string& hex) {
    if (hex.size() != 6) {
        Fail(line, "a colour is written as six hex digits RRGGBB");
    }
    const auto channel = [&](std::size_t at) {
        return static_cast<std::uint8_t>(HexDigit(line, hex[at]) * 16 +
                                         HexDigit(line, hex[at + 1]));
    };
    return {channel(0), channel(2), channel(4)};
}

} // namespace

ArtPalette ParseArtPalette(std::string_view text) {
    ArtPalette palette;
    std::string seen;
    std::size_t colourCount = 0;
    for (const Line& line : SplitLines(text)) {
        if (IsSeparator(line.text)) {
            continue;
        }
        std::istringstream fields(line.text);
        std::string symbol;
        std::string value;
        fields >> symbol >> value;
        if (symbol.size() != 1 || value.empty()) {
            Fail(line, "expected a single character and a colour");
        }
        if (seen.find(symbol[0]) != std::string::npos) {
            Fail(line, "the character '" + symbol + "' stands for two colours");
        }
        seen += symbol[0];
        if (value == "transparent") {
            palette.transparentSymbol = symbol[0];
            continue;
        }
        if (colourCount == palette.colours.size()) {
            Fail(line, "more than 16 colours");
        }
        palette.colours[colourCount] = ParseColour(line, value);
        palette.symbols[colourCount] = symbol[0];
        ++colourCount;
    }
    if (colourCount != palette.colours.size() || palette.transparentSymbol == 0) {
        throw std::runtime_error("a palette needs 16 colours and a transparent character");
    }
    return palette;
}

std::vector<IconImage> ParseIconArt(std::string_view text, const ArtPalette& palette) {
    std::vector<IconImage> images;
    std::vector<Line> block;
    const auto finishBlock = [&] {
        if (block.empty()) {
            return;
        }
        const std::size_t side = block.size();
        IconImage image{static_cast<int>(side), {}};
        for (const Line& row : block) {
            if (row.text.size() != side) {
                Fail(row, "an image is square: this row should have " + std::to_string(side) +
                              " pixels");
            }
            for (char symbol : row.text) {
                if (symbol == palette.transparentSymbol) {
                    image.pixels.emplace_back();
                    continue;
                }
                const auto found =
                    std::find(palette.symbols.begin(), palette.symbols.end(), symbol);
                if (found == palette.symbols.end()) {
                    Fail(row, std::string("'") + symbol + "' is not in the palette");
                }
                image.pixels.emplace_back(
                    static_cast<std::uint8_t>(found - palette.symbols.begin()));
            }
        }
        images.push_back(std::move(image));
        block.clear();
    };
    for (const Line& line : SplitLines(text)) {
        if (IsSeparator(line.text)) {
            finishBlock();
        } else {
            block.push_back(line);
        }
    }
    finishBlock();
    return images;
}

} // namespace penderlin::Assets
