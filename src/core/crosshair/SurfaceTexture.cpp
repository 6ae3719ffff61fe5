#include "core/crosshair/SurfaceTexture.h"

#include "core/crosshair/CrosshairColors.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace cssbinder {
namespace {

// A PCG-style generator of our own: std:: distributions give different numbers on different libraries,
// and the surface must be the same everywhere.
class SurfaceRandom {
public:
    explicit SurfaceRandom(std::uint32_t seed) : m_state(seed * kMultiplier + kIncrement) {}

    std::uint32_t Next() {
        const std::uint32_t state = m_state;
        m_state = state * kMultiplier + kIncrement;
        const std::uint32_t word = ((state >> ((state >> 28u) + 4u)) ^ state) * 277803737u;
        return (word >> 22u) ^ word;
    }
    // Uniform in [-1, 1).
    double Signed() { return Next() / 2147483648.0 - 1.0; }
    // Uniform in [0, 1).
    double Unit() { return Next() / 4294967296.0; }

private:
    static constexpr std::uint32_t kMultiplier = 747796405u;
    static constexpr std::uint32_t kIncrement = 2891336453u;
    std::uint32_t m_state;
};

// Soft relief in [-1, 1]: random heights on a lattice of `cell` pixels, eased smoothly between them.
// The lattice cell and easing of every column and row are worked out once, not for every pixel.
class ValueNoise {
public:
    ValueNoise(int width, int height, int cell, SurfaceRandom& random)
        : m_columns(width / cell + 2),
          m_heights(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(height / cell + 2)),
          m_x(Steps(width, cell)), m_y(Steps(height, cell)) {
        for (double& h : m_heights) {
            h = random.Signed();
        }
    }

    double At(int x, int y) const {
        const Step& across = m_x[static_cast<std::size_t>(x)];
        const Step& down = m_y[static_cast<std::size_t>(y)];
        const double upper =
            Lerp(Height(across.cell, down.cell), Height(across.cell + 1, down.cell), across.ease);
        const double lower =
            Lerp(Height(across.cell, down.cell + 1), Height(across.cell + 1, down.cell + 1), across.ease);
        return Lerp(upper, lower, down.ease);
    }

private:
    struct Step {
        int cell;
        double ease;
    };

    static std::vector<Step> Steps(int length, int cell) {
        std::vector<Step> steps(static_cast<std::size_t>(length));
        for (int i = 0; i < length; ++i) {
            steps[static_cast<std::size_t>(i)] = {i / cell, Ease(static_cast<double>(i % cell) / cell)};
        }
        return steps;
    }
    static double Ease(double t) { return t * t * (3.0 - 2.0 * t); }
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    double Height(int column, int row) const {
        return m_heights[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
                         static_cast<std::size_t>(column)];
    }

    int m_columns;
    std::vector<double> m_heights;
    std::vector<Step> m_x;
    std::vector<Step> m_y;
};

// Brightness layers, as fractions of the sand colour. Together they stay within +-0.33, so every channel
// stays within 0.33 x its base + kTintJitter of it, and so does the shift that centres the average: blue
// 68 +- 51 and red 141 +- 99 never leave 0..255.
constexpr int kBlotchCell = 28;
constexpr double kBlotchDepth = 0.10;
constexpr int kDuneCell = 9;
constexpr double kDuneDepth = 0.05;
constexpr double kGrainDepth = 0.06;
constexpr double kGritChance = 0.04;
constexpr double kGritDepth = 0.12;
// Per-channel jitter in colour units, so that grains differ slightly in hue.
constexpr double kTintJitter = 3.0;

} // namespace

std::vector<std::uint8_t> MakeSurfaceTexture(int width, int height, std::uint32_t seed) {
    const std::array<double, 3> sand{static_cast<double>(RedOf(kCrosshairBackground)),
                                     static_cast<double>(GreenOf(kCrosshairBackground)),
                                     static_cast<double>(BlueOf(kCrosshairBackground))};
    SurfaceRandom random(seed);
    const ValueNoise blotches(width, height, kBlotchCell, random);
    const ValueNoise dunes(width, height, kDuneCell, random);

    const std::size_t pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<double> channels(pixelCount * 3);
    std::array<double, 3> sums{};
    std::size_t index = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double shade = kBlotchDepth * blotches.At(x, y) + kDuneDepth * dunes.At(x, y) +
                           kGrainDepth * random.Signed();
            if (random.Unit() < kGritChance) {
                shade -= kGritDepth;
            }
            for (std::size_t c = 0; c < 3; ++c, ++index) {
                channels[index] = sand[c] * (1.0 + shade) + kTintJitter * random.Signed();
                sums[c] += channels[index];
            }
        }
    }

    // Shift each channel so that its average is exactly the sand colour before rounding.
    std::array<double, 3> shifts{};
    for (std::size_t c = 0; c < 3; ++c) {
        shifts[c] = sand[c] - sums[c] / static_cast<double>(pixelCount);
    }
    std::vector<std::uint8_t> pixels(channels.size());
    for (std::size_t i = 0; i < channels.size(); ++i) {
        pixels[i] = static_cast<std::uint8_t>(std::lround(channels[i] + shifts[i % 3]));
    }
    return pixels;
}

} // namespace cssbinder
