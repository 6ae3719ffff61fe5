#include "core/texture/PictureCheck.h"

#include "core/texture/Picture.h"

#include <algorithm>
#include <string>

namespace cssbinder {

std::uint64_t LittleEndian(std::span<const std::uint8_t> file, std::size_t at, std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = bytes; i-- > 0;) {
        value = value << 8 | file[at + i];
    }
    return value;
}

std::uint64_t BigEndian(std::span<const std::uint8_t> file, std::size_t at, std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        value = value << 8 | file[at + i];
    }
    return value;
}

bool IsOneOf(std::int64_t value, std::initializer_list<std::int64_t> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

void CheckSides(std::int64_t width, std::int64_t height, int maxSide) {
    if (width <= 0 || height <= 0) {
        throw TextureError("zero width or height");
    }
    if (width > maxSide || height > maxSide) {
        throw TextureError("larger than " + std::to_string(maxSide) + " pixels on a side");
    }
}

void CheckPixelDataFits(std::uint64_t needed, std::uint64_t available) {
    if (needed > available) {
        throw TextureError("truncated pixel data");
    }
}

} // namespace cssbinder
