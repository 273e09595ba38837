#include "assets/generator/Noise.h"
#include "assets/generator/Pictures.h"

#include <algorithm>
#include <array>

namespace penderlin::Assets {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
// 32 bands of sky times 8 cloud levels fill the 256 colours. Flat bands and few levels give
// long runs of one colour, which keeps the run-length encoded file small.
constexpr int kBands = 32;
constexpr int kLevels = 8;
constexpr Rgb kZenith{34, 92, 190};
constexpr Rgb kHorizon{156, 200, 242};

// Level 0 is clear sky, 1 and 2 the thin fringe of a cloud, 3 to 7 its body from the shaded
// underside to the sunlit top. Each is a tone laid over the band's sky with some opacity.
struct CloudLevel {
    Rgb tone;
    double opacity;
};
constexpr std::array<CloudLevel, kLevels> kCloudLevels{{
    {{255, 255, 255}, 0.0},
    {{255, 255, 255}, 0.35},
    {{250, 252, 255}, 0.65},
    {{168, 182, 210}, 0.9},
    {{196, 207, 228}, 0.95},
    {{221, 228, 241}, 1.0},
    {{240, 244, 250}, 1.0},
    {{255, 255, 255}, 1.0},
}};

// A cumulus cloud: a dome over a flat base, roughened by noise.
struct Cloud {
    double centreX;
    double centreY;
    double radiusX;
    double radiusY;
};
// The first ones sit in the top-left corner that the window shows; smaller ones lower down
// read as farther away.
constexpr std::array<Cloud, 9> kClouds{{
    {70, 52, 92, 40},
    {240, 98, 78, 34},
    {300, 24, 60, 22},
    {470, 58, 110, 42},
    {610, 150, 70, 26},
    {130, 200, 96, 30},
    {400, 235, 80, 24},
    {570, 300, 70, 20},
    {220, 330, 80, 20},
}};

// A cloud is a wide base with a few rounded domes on top, all sharing one flat underside.
class CloudField {
public:
    struct Sample {
        double density = -1.0;
        // How high above the underside of its cloud the point is, in units of the cloud's height.
        double height = 0.0;
    };

    Sample At(double x, double y) const {
        Sample sample;
        for (std::size_t index = 0; index < kClouds.size(); ++index) {
            const Cloud& cloud = kClouds[index];
            const double base = cloud.centreY + 0.35 * cloud.radiusY;
            double shape =
                Dome(x, y, cloud.centreX, cloud.centreY, cloud.radiusX, cloud.radiusY, base);
            for (int dome = 0; dome < kDomes; ++dome) {
                const double spread = (dome + 0.5) / kDomes * 2.0 - 1.0;
                const double size = 0.45 + 0.3 * domes_.Lattice(static_cast<int>(index), dome);
                const double radius = cloud.radiusY * size * 1.25;
                shape = std::max(shape, Dome(x, y, cloud.centreX + 0.62 * spread * cloud.radiusX,
                                             base - radius * 1.05, radius * 1.3, radius, base));
            }
            if (shape > sample.density) {
                sample = {shape, (base - y) / cloud.radiusY};
            }
        }
        sample.density += 0.9 * (billows_.Fractal(x / 38.0, y / 30.0, 4) - 0.5);
        return sample;
    }

private:
    static constexpr int kDomes = 4;

    // 1 in the middle of an ellipse, 0 on its edge, squeezed flat below the cloud's base.
    static double Dome(double x, double y, double centreX, double centreY, double radiusX,
                       double radiusY, double base) {
        const double across = (x - centreX) / radiusX;
        double down = (y - centreY) / radiusY;
        if (y > base) {
            down += (y - base) / radiusY * 2.5;
        }
        return 1.0 - across * across - down * down;
    }

    ValueNoise billows_{20240611u};
    ValueNoise domes_{20240612u};
};

int CloudLevelAt(const CloudField& field, double x, double y) {
    const CloudField::Sample sample = field.At(x, y);
    const double density = sample.density;
    if (density <= 0.0) {
        return 0;
    }
    if (density < 0.05) {
        return 1;
    }
    if (density < 0.1) {
        return 2;
    }
    // Sunlight comes from the upper left: the underside is in shade, and where the cloud thins
    // towards the sun it is lit.
    const double towardsSun = field.At(x - 5.0, y - 9.0).density;
    const double lift = std::clamp(sample.height / 0.7, 0.0, 1.0);
    const double light = 0.2 + 0.6 * lift + 1.4 * (density - towardsSun);
    const int body = static_cast<int>(std::clamp(light, 0.0, 0.999) * 5.0);
    return 3 + body;
}

} // namespace

IndexedImage DrawSky() {
    std::vector<Rgb> palette;
    for (int band = 0; band < kBands; ++band) {
        const Rgb sky = Mix(kZenith, kHorizon, band / (kBands - 1.0));
        for (const CloudLevel& level : kCloudLevels) {
            palette.push_back(Mix(sky, level.tone, level.opacity));
        }
    }

    IndexedImage image(kWidth, kHeight, std::move(palette));
    const CloudField field;
    for (int y = 0; y < kHeight; ++y) {
        const int band = y * kBands / kHeight;
        for (int x = 0; x < kWidth; ++x) {
            const int level = CloudLevelAt(field, x, y);
            image.At(x, y) = static_cast<std::uint8_t>(band * kLevels + level);
        }
    }
    return image;
}

} // namespace penderlin::Assets
