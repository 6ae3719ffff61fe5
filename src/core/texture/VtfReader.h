#pragma once

#include "core/texture/Picture.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace cssbinder {

// Where one image lies in a texture file.
struct VtfImage {
    int width = 0;
    int height = 0;
    std::size_t offset = 0;
    std::size_t size = 0;
};

// The header of a 7.2 DXT1 texture file and where its images lie.
struct VtfInfo {
    int width = 0;
    int height = 0;
    std::uint32_t flags = 0;
    int frames = 0;
    std::array<float, 3> reflectivity{};
    float bumpScale = 0;
    int mipmapCount = 0;
    VtfImage lowRes;
    std::vector<VtfImage> levels; // levels[0] is the full size
    std::size_t fileSize = 0;     // what the header's images add up to
};

// Reads and checks the header of a texture file as the converter writes it (version 7.2, one frame,
// DXT1 images); throws a TextureError when the header is wrong or the file too short for its images.
VtfInfo ReadVtfHeader(std::span<const std::uint8_t> file);

// The pixels of one image of a file whose header ReadVtfHeader accepted.
Picture DecodeVtfImage(std::span<const std::uint8_t> file, const VtfImage& image);

} // namespace cssbinder
