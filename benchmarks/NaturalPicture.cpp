#include "NaturalPicture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace cssbinder {
namespace {

// A value in [0, 1) for a lattice point: the same everywhere for the same point and seed.
double Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^
                      static_cast<std::uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h / 4294967296.0;
}

// Smoothly eased noise with features `cell` pixels apart.
double ValueNoise(double x, double y, double cell, std::uint32_t seed) {
    const double fx = x / cell;
    const double fy = y / cell;
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const auto ease = [](double t) {
        return t * t * (3 - 2 * t);
    };
    const double tx = ease(fx - x0);
    const double ty = ease(fy - y0);
    const double top = Hash(x0, y0, seed) + (Hash(x0 + 1, y0, seed) - Hash(x0, y0, seed)) * tx;
    const double bottom = Hash(x0, y0 + 1, seed) + (Hash(x0 + 1, y0 + 1, seed) - Hash(x0, y0 + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

Picture NaturalPicture(int width, int height, std::uint32_t seed) {
    Picture picture{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    const double scale = std::max(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = x / scale;
            const double v = y / scale;
            // A sky from deep blue at the top to a warm haze at the horizon, with soft clouds.
            double clouds = 0;
            for (int octave = 0; octave < 8; ++octave) {
                clouds += ValueNoise(x, y, scale / (4 << octave), seed + static_cast<std::uint32_t>(octave)) /
                          (1 << octave);
            }
            clouds = std::clamp((clouds - 0.9) * 1.6, 0.0, 1.0) + 0.25 * ValueNoise(x, y, 4, seed + 20);
            double r = 40 + 170 * v + 120 * clouds;
            double g = 80 + 110 * v + 110 * clouds + 20 * std::sin(9 * u);
            double b = 190 - 60 * v + 60 * clouds;
            // Hills below a wavy ridge line: a sharp edge and a grassy texture.
            const double ridge = 0.62 + 0.06 * std::sin(7 * u + seed) + 0.03 * std::sin(23 * u);
            if (v > ridge) {
                const double grass =
                    ValueNoise(x, y, scale / 128, seed + 9) + 1.5 * ValueNoise(x, y, 2.5, seed + 10);
                r = 40 + 50 * grass + 60 * (v - ridge);
                g = 60 + 80 * grass - 40 * (v - ridge);
                b = 20 + 25 * grass;
            }
            // A pale sun with a hard rim.
            if (std::hypot(u - 0.75, v - 0.22) < 0.07) {
                r = 250;
                g = 240;
                b = 200;
            }
            const double grain = (Hash(x, y, seed + 99) - 0.5) * 12;
            const auto at = (static_cast<std::size_t>(y) * width + x) * 4;
            picture.rgba[at] = Channel(r + grain);
            picture.rgba[at + 1] = Channel(g + grain);
            picture.rgba[at + 2] = Channel(b + grain);
            picture.rgba[at + 3] = 255;
        }
    }
    return picture;
}

} // namespace cssbinder
