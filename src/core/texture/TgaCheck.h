#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace cssbinder {

// A TGA file starts with a header of this many bytes.
inline constexpr std::size_t kTgaHeaderSize = 18;

// What a TGA file's header says.
struct TgaHeader {
    int idLength;
    int colourMapType;
    int imageType;
    int mapFirst;
    int mapLength;
    int mapEntryBits;
    int width;
    int height;
    int depth;
    int descriptor;

    bool ColourMapped() const { return imageType == 1 || imageType == 9; }
    bool Grey() const { return imageType == 3 || imageType == 11; }
    bool TrueColour() const { return imageType == 2 || imageType == 10; }
    bool RunLength() const { return imageType >= 8; }
    bool TopDown() const { return (descriptor & 0x20) != 0; }
    bool RightToLeft() const { return (descriptor & 0x10) != 0; }
    std::size_t PixelBytes() const { return static_cast<std::size_t>((depth + 7) / 8); }
    std::size_t MapEntryBytes() const { return static_cast<std::size_t>((mapEntryBits + 7) / 8); }
    std::size_t Pixels() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }
    std::size_t ColourMapBytes() const {
        return ColourMapped() ? static_cast<std::size_t>(mapLength) * MapEntryBytes() : 0;
    }
};

// Reads a TGA file's header from its first bytes and checks it, so that nothing is allocated for a file
// that cannot be right: colour-mapped (types 1, 9), true-colour (2, 10) and grey (3, 11) pictures with
// sides from 1 to maxSide, and `left`, the bytes after the header, enough for the identification, the
// colour map and the fewest bytes the pixels can take. Throws a TextureError with the first fault found,
// such as "truncated pixel data".
TgaHeader CheckTga(std::span<const std::uint8_t> head, std::uint64_t left, int maxSide);

} // namespace cssbinder
