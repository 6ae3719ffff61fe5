#include "core/texture/PngCheck.h"

#include "core/texture/Picture.h"
#include "core/texture/PictureCheck.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace cssbinder {
namespace {

// The signature, then the first chunk's length and type, then the header's fields.
constexpr std::size_t kHeaderType = 12;
constexpr std::size_t kHeaderEnd = 29;
// Deflate codes at best a match of 258 bytes in 2 bits.
constexpr std::uint64_t kDeflateBestRatio = 1032;
// Samples a pixel by colour type (grey, -, RGB, palette index, grey and alpha, -, RGBA); 1 for a type
// that does not exist.
constexpr std::array<std::uint64_t, 7> kSamples{1, 1, 3, 1, 2, 1, 4};

} // namespace

void CheckPng(std::span<const std::uint8_t> file, int maxSide) {
    if (file.size() < kHeaderEnd) {
        throw TextureError("truncated header");
    }
    constexpr std::array<std::uint8_t, 4> kHeaderName{'I', 'H', 'D', 'R'};
    if (!std::equal(kHeaderName.begin(), kHeaderName.end(), file.begin() + kHeaderType)) {
        throw TextureError("not a TGA, PNG, JPEG or BMP picture");
    }
    const auto width = static_cast<std::int64_t>(BigEndian(file, 16, 4));
    const auto height = static_cast<std::int64_t>(BigEndian(file, 20, 4));
    CheckSides(width, height, maxSide);
    // The decoder refuses a bit depth or colour type that does not exist; here they only bound the size.
    const std::uint64_t bits =
        std::max<std::uint64_t>(1, file[24] * (file[25] < kSamples.size() ? kSamples[file[25]] : 1));
    // Each row starts with its filter byte.
    const std::uint64_t raw =
        static_cast<std::uint64_t>(height) * (1 + (static_cast<std::uint64_t>(width) * bits + 7) / 8);
    CheckPixelDataFits((raw + kDeflateBestRatio - 1) / kDeflateBestRatio, file.size());
}

} // namespace cssbinder
