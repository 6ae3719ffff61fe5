#include "core/texture/BmpCheck.h"

#include "core/texture/Picture.h"
#include "core/texture/PictureCheck.h"

#include <cstddef>
#include <cstdlib>

namespace cssbinder {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12; // the oldest header, with 16-bit sides
constexpr std::int64_t kUncompressed = 0;
constexpr std::int64_t kBitFields = 3;

} // namespace

void CheckBmp(std::span<const std::uint8_t> file, int maxSide) {
    if (file.size() < kFileHeaderSize + 4) {
        throw TextureError("truncated header");
    }
    const std::uint64_t pixelsAt = LittleEndian(file, 10, 4);
    const std::uint64_t headerSize = LittleEndian(file, 14, 4);
    if (!IsOneOf(static_cast<std::int64_t>(headerSize), {12, 40, 56, 108, 124})) {
        throw TextureError("not a TGA, PNG, JPEG or BMP picture");
    }
    if (file.size() < kFileHeaderSize + headerSize) {
        throw TextureError("truncated header");
    }
    const bool core = headerSize == kCoreHeaderSize;
    const std::size_t sideBytes = core ? 2 : 4;
    const auto width = static_cast<std::int64_t>(LittleEndian(file, 18, sideBytes));
    // A negative height stores the rows from the top.
    std::int64_t height = static_cast<std::int64_t>(LittleEndian(file, 18 + sideBytes, sideBytes));
    if (!core) {
        height = std::llabs(static_cast<std::int32_t>(height));
    }
    const auto depth = static_cast<std::int64_t>(LittleEndian(file, 20 + 2 * sideBytes, 2));
    const auto compression = core ? kUncompressed : static_cast<std::int64_t>(LittleEndian(file, 30, 4));
    CheckSides(width, height, maxSide);
    if (!IsOneOf(depth, {1, 4, 8, 16, 24, 32})) {
        throw TextureError("unsupported pixel depth");
    }
    if (!IsOneOf(compression, {kUncompressed, kBitFields})) {
        throw TextureError("unsupported compression");
    }
    // Each row is padded to a multiple of 4 bytes.
    const auto rowBytes = static_cast<std::uint64_t>((width * depth + 31) / 32 * 4);
    CheckPixelDataFits(pixelsAt + rowBytes * static_cast<std::uint64_t>(height), file.size());
}

} // namespace cssbinder
