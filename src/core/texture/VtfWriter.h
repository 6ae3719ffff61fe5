#pragma once

#include "core/texture/Picture.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace cssbinder {

// What texture to make. The defaults are those of the game's own menu background.
struct VtfOptions {
    int width = 1024;
    int height = 1024;
    bool mipmaps = false;
};

// The sides a picture needs at least for every one of these textures: the largest of each.
PictureSides LargestSides(std::span<const VtfOptions> textures);

// The largest texture side the converter writes; sides must be powers of two.
inline constexpr int kMaxTextureSide = 4096;

// Scales in linear light to width x height, stretching: the game spreads the texture over the whole
// screen, so the picture's own aspect does not matter.
Picture ScalePicture(const Picture& picture, int width, int height);

// Per channel the mean of (c / 255)^2.2 over the picture: how much light the texture sends back.
std::array<float, 3> Reflectivity(const Picture& picture);

// The whole texture file: the 80-byte 7.2 header, the low-resolution image and the levels from the
// smallest to the full size, all DXT1. Throws a TextureError for a size that is not a power of two
// from 1 to kMaxTextureSide.
std::vector<std::uint8_t> MakeVtf(const Picture& picture, const VtfOptions& options);

// Every texture asked for, in order, each made as MakeVtf makes it, side by side; the picture is first
// halved as far as every texture allows, so that each scales from as few pixels as it can.
std::vector<std::vector<std::uint8_t>> MakeVtfs(Picture picture, std::span<const VtfOptions> textures);

} // namespace cssbinder
