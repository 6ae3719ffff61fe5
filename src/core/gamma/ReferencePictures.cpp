#include "core/gamma/ReferencePictures.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace cssbinder {
namespace {

struct Rgb {
    double r;
    double g;
    double b;
};

Rgb Grey(double level) {
    return {level, level, level};
}

using Shader = Rgb (*)(int x, int y);

std::uint8_t Byte(double level) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(level, 0.0, 255.0)));
}

// Two rows of eight patches: levels 2 to 30 over black, then 225 to 253 under white.
Rgb NearBlackSteps(int x, int y) {
    const bool top = y < kReferenceHeight / 2;
    const int column = x * 8 / kReferenceWidth;
    const int inRow = top ? y : y - kReferenceHeight / 2;
    const int inColumn = x % (kReferenceWidth / 8);
    const bool patch = inColumn >= 8 && inColumn < 42 && inRow >= 40 && inRow < 120;
    if (top) {
        return Grey(patch ? 2.0 + column * 4.0 : 0.0);
    }
    return Grey(patch ? 225.0 + column * 4.0 : 255.0);
}

// A smooth wedge above, sixteen even steps below.
Rgb GreyWedge(int x, int y) {
    const double fraction = x / static_cast<double>(kReferenceWidth - 1);
    if (y < kReferenceHeight / 2) {
        return Grey(fraction * 255.0);
    }
    return Grey(std::floor(fraction * 15.999) * 17.0);
}

Rgb ColourRamps(int x, int y) {
    const double level = x / static_cast<double>(kReferenceWidth - 1) * 255.0;
    switch (y * 4 / kReferenceHeight) {
    case 0:
        return {level, 0.0, 0.0};
    case 1:
        return {0.0, level, 0.0};
    case 2:
        return {0.0, 0.0, level};
    default:
        return Grey(level);
    }
}

// A small hash of a lattice cell, in [0, 1): the grain of walls and floor.
double Grain(int u, int v) {
    std::uint32_t h = static_cast<std::uint32_t>(u) * 374761393u + static_cast<std::uint32_t>(v) * 668265263u;
    h = (h ^ (h >> 13u)) * 1274126177u;
    return ((h ^ (h >> 16u)) & 0xFFFFu) / 65536.0;
}

// A corridor seen down its length: brick walls and a tiled floor fade into the dark towards a lit
// doorway; a crate stands in the shadow on the left.
Rgb DarkCorridor(int x, int y) {
    constexpr double kCentreX = kReferenceWidth / 2.0;
    constexpr double kCentreY = kReferenceHeight * 0.45;
    const double dx = (x - kCentreX) / kCentreX;
    const double dy = (y - kCentreY) / kCentreY;
    // The doorway at the far end.
    if (std::abs(dx) < 0.12 && dy > -0.25 && dy < 0.16) {
        const double glow = 1.0 - std::abs(dx) / 0.12 * 0.3;
        return {200.0 * glow, 170.0 * glow, 110.0 * glow};
    }
    const bool wall = std::abs(dx) > std::abs(dy) * 1.2;
    const double nearness = wall ? std::abs(dx) : std::abs(dy);
    const double depth = 1.0 / std::max(nearness, 0.05);
    const double light = std::clamp(0.9 / depth + 0.25 * std::exp(-nearness * 6.0), 0.0, 1.0);
    double base;
    Rgb tint;
    if (wall) {
        const double along = depth * 4.0;
        const double up = dy * depth * 6.0;
        const int row = static_cast<int>(std::floor(up));
        const double shifted = along + (row % 2 != 0 ? 0.5 : 0.0);
        const bool mortar = up - row < 0.08 || shifted - std::floor(shifted) < 0.05;
        base = mortar ? 18.0 : 40.0 + 14.0 * Grain(static_cast<int>(std::floor(shifted)), row);
        tint = {1.0, 0.85, 0.7};
    } else {
        const double along = depth * 3.0;
        const double across = dx * depth * 3.0;
        const bool joint = along - std::floor(along) < 0.06 || across - std::floor(across) < 0.06;
        base = joint ? 14.0
                     : 34.0 + 10.0 * Grain(static_cast<int>(std::floor(across)),
                                           static_cast<int>(std::floor(along)));
        tint = dy > 0 ? Rgb{0.8, 0.8, 0.85} : Rgb{0.6, 0.6, 0.7};
    }
    // The crate: a dark box whose planks differ by a few levels only.
    if (x > 40 && x < 130 && y > 200 && y < 290) {
        const bool plank = (y - 200) % 18 < 2 || x < 44 || x > 126;
        base = plank ? 10.0 : 22.0 + 4.0 * Grain((x - 40) / 30, (y - 200) / 18);
        return {base * 1.0, base * 0.8, base * 0.55};
    }
    const double level = base * light * 1.5;
    return {level * tint.r, level * tint.g, level * tint.b};
}

Shader ShaderOf(ReferencePicture picture) {
    switch (picture) {
    case ReferencePicture::NearBlackSteps:
        return NearBlackSteps;
    case ReferencePicture::GreyWedge:
        return GreyWedge;
    case ReferencePicture::ColourRamps:
        return ColourRamps;
    case ReferencePicture::DarkCorridor:
        return DarkCorridor;
    }
    return GreyWedge;
}

} // namespace

std::vector<std::uint8_t> MakeReferencePicture(ReferencePicture picture) {
    const Shader shade = ShaderOf(picture);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kReferenceWidth) * kReferenceHeight * 3);
    std::size_t at = 0;
    for (int y = 0; y < kReferenceHeight; ++y) {
        for (int x = 0; x < kReferenceWidth; ++x) {
            const Rgb colour = shade(x, y);
            pixels[at++] = Byte(colour.r);
            pixels[at++] = Byte(colour.g);
            pixels[at++] = Byte(colour.b);
        }
    }
    return pixels;
}

} // namespace cssbinder
