#include "core/texture/TgaCheck.h"

#include "core/texture/Picture.h"
#include "core/texture/PictureCheck.h"

namespace cssbinder {
namespace {

int U16(std::span<const std::uint8_t> head, std::size_t at) {
    return head[at] | head[at + 1] << 8;
}

TgaHeader ReadHeader(std::span<const std::uint8_t> head) {
    if (head.size() < kTgaHeaderSize) {
        throw TextureError("truncated header");
    }
    return TgaHeader{head[0], head[1],       head[2],       U16(head, 3), U16(head, 5),
                     head[7], U16(head, 12), U16(head, 14), head[16],     head[17]};
}

// The kinds of picture, sides, colour maps and depths the decoder reads right.
void CheckFormat(const TgaHeader& header, int maxSide) {
    if (!(header.ColourMapped() || header.Grey() || header.TrueColour()) || header.colourMapType > 1) {
        throw TextureError("not a TGA, PNG, JPEG or BMP picture");
    }
    CheckSides(header.width, header.height, maxSide);
    bool mapFits = header.colourMapType == 0;
    bool depthFits = header.Grey() ? IsOneOf(header.depth, {8, 16}) : IsOneOf(header.depth, {15, 16, 24, 32});
    if (header.ColourMapped()) {
        // The decoder reads indexes from the map's first entry, so a map that starts elsewhere would
        // give the wrong colours.
        mapFits = header.colourMapType == 1 && header.mapLength != 0 && header.mapFirst == 0 &&
                  IsOneOf(header.mapEntryBits, {15, 16, 24, 32});
        depthFits = IsOneOf(header.depth, {8, 16});
    }
    if (!mapFits) {
        throw TextureError("bad colour map");
    }
    if (!depthFits) {
        throw TextureError("unsupported pixel depth");
    }
}

// The fewest bytes the pixels take: each stored once, or, run-length coded, runs of 128 equal pixels.
std::uint64_t FewestPixelBytes(const TgaHeader& header) {
    if (!header.RunLength()) {
        return header.Pixels() * header.PixelBytes();
    }
    return (header.Pixels() + 127) / 128 * (1 + header.PixelBytes());
}

} // namespace

TgaHeader CheckTga(std::span<const std::uint8_t> head, std::uint64_t left, int maxSide) {
    const TgaHeader header = ReadHeader(head);
    CheckFormat(header, maxSide);
    if (left < static_cast<std::uint64_t>(header.idLength)) {
        throw TextureError("truncated header");
    }
    left -= static_cast<std::uint64_t>(header.idLength);
    if (left < header.ColourMapBytes()) {
        throw TextureError("truncated colour map");
    }
    CheckPixelDataFits(FewestPixelBytes(header), left - header.ColourMapBytes());
    return header;
}

} // namespace cssbinder
