#include "core/texture/TgaCheck.h"

#include "core/texture/Picture.h"
#include "core/texture/PictureCheck.h"

#include <cstddef>

namespace cssbinder {
namespace {

constexpr std::size_t kHeaderSize = 18;

int U16(std::span<const std::uint8_t> file, std::size_t at) {
    return file[at] | file[at + 1] << 8;
}

} // namespace

TgaFacts CheckTga(std::span<const std::uint8_t> file, int maxSide) {
    if (file.size() < kHeaderSize) {
        throw TextureError("truncated header");
    }
    const int idLength = file[0];
    const int colourMapType = file[1];
    const int imageType = file[2];
    const int mapFirst = U16(file, 3);
    const int mapLength = U16(file, 5);
    const int mapEntryBits = file[7];
    const int width = U16(file, 12);
    const int height = U16(file, 14);
    const int depth = file[16];
    const int descriptor = file[17];

    const bool colourMapped = imageType == 1 || imageType == 9;
    const bool grey = imageType == 3 || imageType == 11;
    const bool trueColour = imageType == 2 || imageType == 10;
    if (!(colourMapped || grey || trueColour) || colourMapType > 1) {
        throw TextureError("not a TGA, PNG, JPEG or BMP picture");
    }
    CheckSides(width, height, maxSide);

    std::size_t mapBytes = 0;
    if (colourMapped) {
        // The decoder reads indexes from the map's first entry, so a map that starts elsewhere would
        // give the wrong colours.
        if (colourMapType != 1 || mapLength == 0 || mapFirst != 0 ||
            !IsOneOf(mapEntryBits, {15, 16, 24, 32})) {
            throw TextureError("bad colour map");
        }
        if (!IsOneOf(depth, {8, 16})) {
            throw TextureError("unsupported pixel depth");
        }
        mapBytes = static_cast<std::size_t>(mapLength) * static_cast<std::size_t>((mapEntryBits + 7) / 8);
    } else {
        if (colourMapType != 0) {
            throw TextureError("bad colour map");
        }
        if (!(grey ? IsOneOf(depth, {8, 16}) : IsOneOf(depth, {15, 16, 24, 32}))) {
            throw TextureError("unsupported pixel depth");
        }
    }

    if (file.size() - kHeaderSize < static_cast<std::size_t>(idLength)) {
        throw TextureError("truncated header");
    }
    std::size_t at = kHeaderSize + static_cast<std::size_t>(idLength);
    if (file.size() - at < mapBytes) {
        throw TextureError("truncated colour map");
    }
    at += mapBytes;

    const std::size_t pixelBytes = static_cast<std::size_t>((depth + 7) / 8);
    // Checks `count` stored pixels from `at` and steps over them.
    const auto takePixels = [&](std::size_t count) {
        if (file.size() - at < count * pixelBytes) {
            throw TextureError("truncated pixel data");
        }
        for (std::size_t i = 0; colourMapped && i < count; ++i) {
            const std::size_t index = at + i * pixelBytes;
            if ((depth == 8 ? file[index] : U16(file, index)) >= mapLength) {
                throw TextureError("colour index outside the colour map");
            }
        }
        at += count * pixelBytes;
    };

    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (imageType < 8) {
        takePixels(pixels);
    } else {
        for (std::size_t done = 0; done < pixels;) {
            if (at == file.size()) {
                throw TextureError("truncated pixel data");
            }
            const int packet = file[at++];
            const std::size_t count = static_cast<std::size_t>((packet & 0x7F) + 1);
            if (count > pixels - done) {
                throw TextureError("run-length packet past the end of the picture");
            }
            takePixels((packet & 0x80) != 0 ? 1 : count);
            done += count;
        }
    }
    return TgaFacts{(descriptor & 0x10) != 0};
}

} // namespace cssbinder
