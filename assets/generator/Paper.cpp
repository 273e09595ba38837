#include "assets/generator/Noise.h"
#include "assets/generator/Pictures.h"

#include <algorithm>
#include <cmath>

namespace penderlin::Assets {
namespace {

constexpr int kWidth = 374;
constexpr int kHeight = 383;
// The palette is the 128 greys from 128 to 255, so a pixel's index is its grey minus 128.
constexpr int kGreys = 128;
constexpr int kDarkestGrey = 256 - kGreys;
constexpr double kPaperGrey = 238.0;

// The woven band across the lower third: a raised rim above and below a diagonal weave.
constexpr double kBandTop = 268.0;
constexpr double kBandBottom = 342.0;
constexpr double kRimWidth = 4.0;
constexpr double kWeaveInset = 8.0;
constexpr double kStrandPitch = 15.0;
constexpr double kStrandGap = 0.16; // of the pitch

// A rounded ridge across [0, 1]: 1 in the middle, 0 at both edges.
double Ridge(double t) {
    const double centred = 2.0 * t - 1.0;
    return std::sqrt(std::max(0.0, 1.0 - centred * centred));
}

// How high a strand stands across its width, 0 in the gaps between strands.
double StrandProfile(double across) {
    if (across < kStrandGap / 2.0 || across > 1.0 - kStrandGap / 2.0) {
        return 0.0;
    }
    return Ridge((across - kStrandGap / 2.0) / (1.0 - kStrandGap));
}

// The height of the relief, 0 for flat paper.
double BandHeight(double x, double y) {
    if (y < kBandTop || y > kBandBottom) {
        return 0.0;
    }
    if (y < kBandTop + kRimWidth) {
        return 0.7 * Ridge((y - kBandTop) / kRimWidth);
    }
    if (y > kBandBottom - kRimWidth) {
        return 0.7 * Ridge((kBandBottom - y) / kRimWidth);
    }
    if (y < kBandTop + kWeaveInset || y > kBandBottom - kWeaveInset) {
        return 0.0;
    }
    // Two families of strands at 45 degrees; in each crossing one passes over the other, taking
    // turns like a plain weave, and arches up where it is on top.
    const double rising = (x + y) / kStrandPitch;
    const double falling = (x - y + 4.0 * kHeight) / kStrandPitch;
    const double risingCell = std::floor(rising);
    const double fallingCell = std::floor(falling);
    const double acrossRising = rising - risingCell;
    const double acrossFalling = falling - fallingCell;
    const bool risingOnTop = static_cast<long>(risingCell + fallingCell) % 2 == 0;
    const auto arch = [](double along) {
        const double centred = 2.0 * along - 1.0;
        return 0.55 + 0.45 * (1.0 - centred * centred);
    };
    const double risingHeight =
        StrandProfile(acrossRising) * (risingOnTop ? arch(acrossFalling) : 0.35);
    const double fallingHeight =
        StrandProfile(acrossFalling) * (risingOnTop ? 0.35 : arch(acrossRising));
    return std::max(risingHeight, fallingHeight);
}

// Fine grain, soft blotches and a few long fibres, all faint.
class PaperGrain {
public:
    double At(double x, double y) const {
        const double grain = grain_.At(x / 1.3, y / 1.3) - 0.5;
        const double blotches = blotches_.Fractal(x / 70.0, y / 70.0, 3) - 0.5;
        const double fibre = fibres_.Fractal(x / 24.0, y / 1.6, 2);
        double value = 9.0 * grain + 10.0 * blotches;
        if (fibre > 0.74) {
            value += 5.0;
        } else if (fibre < 0.24) {
            value -= 4.0;
        }
        return value;
    }

private:
    ValueNoise grain_{7001u};
    ValueNoise blotches_{7002u};
    ValueNoise fibres_{7003u};
};

} // namespace

IndexedImage DrawPaper() {
    std::vector<Rgb> palette;
    for (int index = 0; index < kGreys; ++index) {
        const auto grey = static_cast<std::uint8_t>(kDarkestGrey + index);
        palette.push_back({grey, grey, grey});
    }

    IndexedImage image(kWidth, kHeight, std::move(palette));
    const PaperGrain grain;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // Embossed: lit from above and a little from the left, so that slopes facing the
            // light are lighter; from straight above-left one family of strands would go flat.
            const double relief = BandHeight(x - 0.5, y - 1.2) - BandHeight(x + 0.5, y + 1.2);
            const double grey = kPaperGrey + grain.At(x, y) + 44.0 * relief;
            const long level = std::clamp(std::lround(grey), static_cast<long>(kDarkestGrey), 255L);
            image.At(x, y) = static_cast<std::uint8_t>(level - kDarkestGrey);
        }
    }
    return image;
}

} // namespace penderlin::Assets
