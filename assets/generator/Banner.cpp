#include "assets/generator/Pictures.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace penderlin::Assets {
namespace {

constexpr int kWidth = 401;
constexpr int kHeight = 47;
constexpr std::size_t kPaletteSize = 64;
constexpr Rgb kTransparent{255, 0, 255};
constexpr Rgb kWindowBlue{0, 0, 192};

constexpr Rgb kRed{228, 36, 30};
constexpr Rgb kGreen{34, 172, 60};
constexpr Rgb kBlue{44, 108, 236};
constexpr Rgb kYellow{252, 206, 22};

constexpr int kGlyphHeight = 16;
constexpr int kLetterGap = 2;
constexpr int kLineThickness = 3;

// The wordmark's pixel font: each glyph is its rows from cap height to baseline, '#' is ink.
struct Glyph {
    char letter;
    std::array<std::string_view, kGlyphHeight> rows;
};

// clang-format off
constexpr std::array<Glyph, 10> kFont{{
    {'W', {"###.............###",
           "###.............###",
           "###.............###",
           ".###.....#.....###.",
           ".###....###....###.",
           ".###....###....###.",
           "..###..#####..###..",
           "..###..##.##..###..",
           "..###.###.###.###..",
           "..###.###.###.###..",
           "...#####...#####...",
           "...#####...#####...",
           "...#####...#####...",
           "...####.....####...",
           "....###.....###....",
           "....###.....###...."}},
    {'i', {"...",
           "###",
           "###",
           "###",
           "...",
           "###",
           "###",
           "###",
           "###",
           "###",
           "###",
           "###",
           "###",
           "###",
           "###",
           "###"}},
    {'n', {"..........",
           "..........",
           "..........",
           "..........",
           "..........",
           "###.####..",
           "#########.",
           "####..####",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "###....###"}},
    {'d', {".......###",
           ".......###",
           ".......###",
           ".......###",
           ".......###",
           "..########",
           ".#########",
           "####..####",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "####..####",
           ".#########",
           "..########"}},
    {'o', {"..........",
           "..........",
           "..........",
           "..........",
           "..........",
           "..######..",
           ".########.",
           "####..####",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "####..####",
           ".########.",
           "..######.."}},
    {'w', {"...............",
           "...............",
           "...............",
           "...............",
           "...............",
           "###.........###",
           "###.........###",
           "###....#....###",
           ".###..###..###.",
           ".###..###..###.",
           ".###.#####.###.",
           ".###.##.##.###.",
           "..#####.#####..",
           "..####...####..",
           "..####...####..",
           "..###.....###.."}},
    {'s', {".........",
           ".........",
           ".........",
           ".........",
           ".........",
           "..######.",
           ".########",
           "###....#.",
           "###......",
           ".######..",
           "..######.",
           "......###",
           "......###",
           ".#....###",
           "########.",
           ".######.."}},
    {'9', {"..######..",
           ".########.",
           "####..####",
           "###....###",
           "###....###",
           "###....###",
           "####..####",
           ".#########",
           "..########",
           ".......###",
           ".......###",
           ".......###",
           "###....###",
           "####..####",
           ".########.",
           "..######.."}},
    {'8', {"..######..",
           ".########.",
           "###....###",
           "###....###",
           "###....###",
           ".###..###.",
           "..######..",
           ".########.",
           "####..####",
           "###....###",
           "###....###",
           "###....###",
           "###....###",
           "####..####",
           ".########.",
           "..######.."}},
    {' ', {"......", "......", "......", "......", "......", "......", "......", "......",
           "......", "......", "......", "......", "......", "......", "......", "......"}},
}};
// clang-format on

const Glyph& GlyphFor(char letter) {
    for (const Glyph& glyph : kFont) {
        if (glyph.letter == letter) {
            return glyph;
        }
    }
    throw std::logic_error("the banner font has no such letter");
}

// Colours are gathered as the banner is drawn; there must be room for them all.
class PaletteBuilder {
public:
    std::uint8_t IndexOf(Rgb colour) {
        for (std::size_t index = 0; index < colours_.size(); ++index) {
            if (colours_[index] == colour) {
                return static_cast<std::uint8_t>(index);
            }
        }
        if (colours_.size() == kPaletteSize) {
            throw std::logic_error("the banner needs more than 64 colours");
        }
        colours_.push_back(colour);
        return static_cast<std::uint8_t>(colours_.size() - 1);
    }

    // The palette filled up to its full size with black, which no pixel uses.
    std::vector<Rgb> Full() const {
        std::vector<Rgb> palette = colours_;
        palette.resize(kPaletteSize, Rgb{0, 0, 0});
        return palette;
    }

private:
    std::vector<Rgb> colours_;
};

// A slow wave along the flag, 0 at both ends and the middle, peaking at +-1 (0.0962 is the
// peak of the cubic).
double Wave(double along) {
    return along * (1.0 - along) * (1.0 - 2.0 * along) / 0.0962;
}
double WaveSlope(double along) {
    return (1.0 - 6.0 * along + 6.0 * along * along) / 0.0962;
}

// The emblem: a flag of four rounded panes, waving a little.
class Emblem {
public:
    static constexpr double kLeft = 5.0;
    static constexpr double kTop = 6.0;
    static constexpr double kFlagWidth = 40.0;
    static constexpr double kFlagHeight = 34.0;
    static constexpr double kWaveHeight = 2.4;
    static constexpr double kGap = 2.6;
    static constexpr double kCornerRadius = 3.0;

    // Which pane (0 red, 1 green, 2 blue, 3 yellow) covers a point, if any.
    static std::optional<int> PaneAt(double x, double y) {
        const double across = x - kLeft;
        const double along = across / kFlagWidth;
        if (along < 0.0 || along > 1.0) {
            return std::nullopt;
        }
        const double down = y - kTop - kWaveHeight * Wave(along);
        const double half = (kFlagWidth - kGap) / 2.0;
        const double halfHeight = (kFlagHeight - kGap) / 2.0;
        const int column = across < half ? 0 : (across > half + kGap ? 1 : -1);
        const int row = down < 0.0 || down > kFlagHeight
                            ? -1
                            : (down < halfHeight ? 0 : (down > halfHeight + kGap ? 1 : -1));
        if (column < 0 || row < 0) {
            return std::nullopt;
        }
        const double paneX = across - column * (half + kGap);
        const double paneY = down - row * (halfHeight + kGap);
        if (!InsideRoundedRectangle(paneX, paneY, half, halfHeight)) {
            return std::nullopt;
        }
        return row * 2 + column;
    }

    // A pane's colour, lighter where the wave faces the light and darker where it turns away.
    static Rgb PaneColour(int pane, double x) {
        constexpr std::array<Rgb, 4> kPanes{kRed, kGreen, kBlue, kYellow};
        const double slope = WaveSlope((x - kLeft) / kFlagWidth);
        if (slope > 0.45) {
            return Mix(kPanes[static_cast<std::size_t>(pane)], Rgb{255, 255, 255}, 0.28);
        }
        if (slope < -0.45) {
            return Mix(kPanes[static_cast<std::size_t>(pane)], Rgb{0, 0, 0}, 0.25);
        }
        return kPanes[static_cast<std::size_t>(pane)];
    }

private:
    static bool InsideRoundedRectangle(double x, double y, double width, double height) {
        const double nearestX = std::clamp(x, kCornerRadius, width - kCornerRadius);
        const double nearestY = std::clamp(y, kCornerRadius, height - kCornerRadius);
        const double dx = x - nearestX;
        const double dy = y - nearestY;
        return x >= 0.0 && y >= 0.0 && x <= width && y <= height &&
               dx * dx + dy * dy <= kCornerRadius * kCornerRadius;
    }
};

// Each emblem pixel is sampled 4 x 4 times; partly covered ones are blended with the window's
// blue in thirds, which keeps the edges smooth without many colours.
void DrawEmblem(IndexedImage& image, PaletteBuilder& palette) {
    constexpr int kSamples = 4;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x <= Emblem::kLeft + Emblem::kFlagWidth; ++x) {
            int covered = 0;
            int pane = 0;
            for (int sampleY = 0; sampleY < kSamples; ++sampleY) {
                for (int sampleX = 0; sampleX < kSamples; ++sampleX) {
                    const auto hit = Emblem::PaneAt(x + (sampleX + 0.5) / kSamples,
                                                    y + (sampleY + 0.5) / kSamples);
                    if (hit) {
                        ++covered;
                        pane = *hit;
                    }
                }
            }
            const int thirds = (covered * 3 + kSamples * kSamples / 2) / (kSamples * kSamples);
            if (thirds == 0) {
                continue;
            }
            const Rgb colour = Emblem::PaneColour(pane, x + 0.5);
            image.At(x, y) = palette.IndexOf(Mix(kWindowBlue, colour, thirds / 3.0));
        }
    }
}

// Returns the x just past the last letter.
int DrawWordmark(IndexedImage& image, PaletteBuilder& palette, std::string_view text, int left,
                 int top) {
    // White fading to a pale blue towards the baseline, with a deep blue shadow down-right.
    const std::uint8_t shadow = palette.IndexOf(Rgb{0, 0, 96});
    int x = left;
    for (char letter : text) {
        const Glyph& glyph = GlyphFor(letter);
        const int width = static_cast<int>(glyph.rows[0].size());
        for (int pass = 0; pass < 2; ++pass) {
            const int offset = pass == 0 ? 2 : 0;
            for (int row = 0; row < kGlyphHeight; ++row) {
                const std::uint8_t ink =
                    pass == 0 ? shadow
                              : palette.IndexOf(Mix(Rgb{255, 255, 255}, Rgb{196, 214, 255},
                                                    row < 8 ? 0.0 : (row - 7) / 9.0));
                for (int column = 0; column < width; ++column) {
                    if (glyph.rows[static_cast<std::size_t>(row)]
                                  [static_cast<std::size_t>(column)] == '#') {
                        image.At(x + column + offset, top + row + offset) = ink;
                    }
                }
            }
        }
        x += width + kLetterGap;
    }
    return x - kLetterGap;
}

// A line of four colours from the wordmark to the right edge, in equal parts.
void DrawColourLine(IndexedImage& image, PaletteBuilder& palette, int left, int top) {
    constexpr std::array<Rgb, 4> kColours{kRed, kYellow, kGreen, kBlue};
    const int length = kWidth - left;
    for (int x = left; x < kWidth; ++x) {
        const std::size_t part = static_cast<std::size_t>((x - left) * 4 / length);
        const std::uint8_t ink = palette.IndexOf(kColours[part]);
        for (int y = top; y < top + kLineThickness; ++y) {
            image.At(x, y) = ink;
        }
    }
}

} // namespace

IndexedImage DrawBanner() {
    PaletteBuilder palette;
    if (palette.IndexOf(kTransparent) != kBannerTransparentIndex) {
        throw std::logic_error("the transparent colour must come first");
    }
    IndexedImage image(kWidth, kHeight, {});
    // The wordmark is centred in the height, a little way past the emblem; the line runs on
    // from it along the baseline.
    constexpr int kWordmarkLeft = 54;
    constexpr int kWordmarkTop = 15;
    constexpr int kLineGap = 10;
    DrawEmblem(image, palette);
    const int wordmarkEnd = DrawWordmark(image, palette, "Windows 98", kWordmarkLeft, kWordmarkTop);
    DrawColourLine(image, palette, wordmarkEnd + kLineGap,
                   kWordmarkTop + kGlyphHeight - kLineThickness);
    image.palette = palette.Full();
    return image;
}

} // namespace penderlin::Assets
