#include "assets/generator/Noise.h"

#include <cmath>

namespace penderlin::Assets {
namespace {

std::uint32_t Hash(std::uint32_t seed, int x, int y) {
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double SmoothStep(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double ValueNoise::LatticeFor(std::uint32_t seed, int x, int y) {
    return Hash(seed, x, y) / 4294967296.0;
}

double ValueNoise::AtFor(std::uint32_t seed, double x, double y) {
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const int left = static_cast<int>(cellX);
    const int top = static_cast<int>(cellY);
    const double across = SmoothStep(x - cellX);
    const double down = SmoothStep(y - cellY);
    const double upper = LatticeFor(seed, left, top) +
                         (LatticeFor(seed, left + 1, top) - LatticeFor(seed, left, top)) * across;
    const double lower =
        LatticeFor(seed, left, top + 1) +
        (LatticeFor(seed, left + 1, top + 1) - LatticeFor(seed, left, top + 1)) * across;
    return upper + (lower - upper) * down;
}

double ValueNoise::At(double x, double y) const {
    return AtFor(seed_, x, y);
}

double ValueNoise::Fractal(double x, double y, int octaves) const {
    double sum = 0.0;
    double weight = 1.0;
    double totalWeight = 0.0;
    double scale = 1.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // Each octave has its own seed, so their lattices do not line up at the origin.
        sum +=
            AtFor(seed_ + static_cast<std::uint32_t>(octave) * 101u, x * scale, y * scale) * weight;
        totalWeight += weight;
        weight *= 0.5;
        scale *= 2.0;
    }
    return sum / totalWeight;
}

} // namespace penderlin::Assets
