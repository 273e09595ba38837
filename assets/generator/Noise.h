#pragma once

#include <cstdint>

namespace penderlin::Assets {

// Smooth value noise on an integer hash. A seed always gives the same field, and only exactly
// rounded arithmetic is used, so the pictures come out byte for byte the same on every machine.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed_(seed) {}

    // In [0, 1); changes over about one unit.
    double At(double x, double y) const;

    // Octaves of halving size and weight added up, in [0, 1).
    double Fractal(double x, double y, int octaves) const;

    // A value in [0, 1) for one lattice point: white noise.
    double Lattice(int x, int y) const { return LatticeFor(seed_, x, y); }

private:
    static double LatticeFor(std::uint32_t seed, int x, int y);
    static double AtFor(std::uint32_t seed, double x, double y);

    std::uint32_t seed_;
};

} // namespace penderlin::Assets
