#include "core/texture/HalvePicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace cssbinder {
namespace {

// Linear light in 16 bits: fine enough that the darkest colours survive the round trip.
constexpr int kLinearSteps = 65536;

double SrgbToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct LightTables {
    std::array<std::uint16_t, 256> toLinear{};
    std::array<std::uint8_t, kLinearSteps> toSrgb{};

    LightTables() {
        for (std::size_t c = 0; c < toLinear.size(); ++c) {
            toLinear[c] =
                static_cast<std::uint16_t>(std::lround(SrgbToLinear(c / 255.0) * (kLinearSteps - 1)));
        }
        // Each linear value maps to the sRGB byte whose linear value is nearest.
        std::size_t c = 0;
        for (std::size_t linear = 0; linear < toSrgb.size(); ++linear) {
            while (c < 255 && linear * 2 > static_cast<std::size_t>(toLinear[c]) + toLinear[c + 1]) {
                ++c;
            }
            toSrgb[linear] = static_cast<std::uint8_t>(c);
        }
    }
};

const LightTables& Tables() {
    static const LightTables tables;
    return tables;
}

// The next level's pixels written from `out` on, which may be the picture's own first pixel: each
// pixel is written behind every pixel still to be read.
void HalveInto(const Picture& picture, PictureSides half, std::uint8_t* out) {
    const LightTables& tables = Tables();
    const auto at = [&](int x, int y) {
        return (static_cast<std::size_t>(std::min(y, picture.height - 1)) * picture.width +
                static_cast<std::size_t>(std::min(x, picture.width - 1))) *
               4;
    };
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) {
            const std::array<std::size_t, 4> corners{at(2 * x, 2 * y), at(2 * x + 1, 2 * y),
                                                     at(2 * x, 2 * y + 1), at(2 * x + 1, 2 * y + 1)};
            for (std::size_t channel = 0; channel < 3; ++channel) {
                int sum = 0;
                for (const std::size_t corner : corners) {
                    sum += tables.toLinear[picture.rgba[corner + channel]];
                }
                *out++ = tables.toSrgb[static_cast<std::size_t>((sum + 2) / 4)];
            }
            int alpha = 0;
            for (const std::size_t corner : corners) {
                alpha += picture.rgba[corner + 3];
            }
            *out++ = static_cast<std::uint8_t>((alpha + 2) / 4);
        }
    }
}

PictureSides HalfSides(const Picture& picture) {
    return {std::max(1, picture.width / 2), std::max(1, picture.height / 2)};
}

} // namespace

Picture HalvePicture(const Picture& picture) {
    const PictureSides half = HalfSides(picture);
    Picture halved{half.width, half.height,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(half.width) * half.height * 4)};
    HalveInto(picture, half, halved.rgba.data());
    return halved;
}

void HalveInPlace(Picture& picture) {
    const PictureSides half = HalfSides(picture);
    HalveInto(picture, half, picture.rgba.data());
    picture.rgba.resize(static_cast<std::size_t>(half.width) * half.height * 4);
    picture.width = half.width;
    picture.height = half.height;
}

} // namespace cssbinder
