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
    std::size_t PixelBytes() const { return static_cast<std::size_t>((depth + 7) / 8); }
    std::size_t Pixels() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }
    std::size_t ColourMapBytes() const {
        return ColourMapped()
                   ? static_cast<std::size_t>(mapLength) * static_cast<std::size_t>((mapEntryBits + 7) / 8)
                   : 0;
    }
};

TgaHeader ReadHeader(std::span<const std::uint8_t> file) {
    if (file.size() < kHeaderSize) {
        throw TextureError("truncated header");
    }
    return TgaHeader{file[0], file[1],       file[2],       U16(file, 3), U16(file, 5),
                     file[7], U16(file, 12), U16(file, 14), file[16],     file[17]};
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

// Where the pixels start, past the picture's identification and its colour map.
std::size_t PixelDataStart(std::span<const std::uint8_t> file, const TgaHeader& header) {
    if (file.size() - kHeaderSize < static_cast<std::size_t>(header.idLength)) {
        throw TextureError("truncated header");
    }
    const std::size_t mapStart = kHeaderSize + static_cast<std::size_t>(header.idLength);
    if (file.size() - mapStart < header.ColourMapBytes()) {
        throw TextureError("truncated colour map");
    }
    return mapStart + header.ColourMapBytes();
}

// Steps over the stored pixels, checking that every one is there and that each colour index is in
// the map.
class PixelWalk {
public:
    PixelWalk(std::span<const std::uint8_t> file, const TgaHeader& header)
        : m_file(file), m_header(header), m_at(PixelDataStart(file, header)) {}

    void Walk() {
        if (m_header.RunLength()) {
            WalkPackets();
        } else {
            Take(m_header.Pixels());
        }
    }

private:
    // A packet is one byte, then either one pixel repeated or as many stored pixels as it counts.
    void WalkPackets() {
        const std::size_t pixels = m_header.Pixels();
        for (std::size_t done = 0; done < pixels;) {
            if (m_at == m_file.size()) {
                throw TextureError("truncated pixel data");
            }
            const int packet = m_file[m_at++];
            const std::size_t count = static_cast<std::size_t>((packet & 0x7F) + 1);
            if (count > pixels - done) {
                throw TextureError("run-length packet past the end of the picture");
            }
            Take((packet & 0x80) != 0 ? 1 : count);
            done += count;
        }
    }

    void Take(std::size_t count) {
        const std::size_t pixelBytes = m_header.PixelBytes();
        if (m_file.size() - m_at < count * pixelBytes) {
            throw TextureError("truncated pixel data");
        }
        for (std::size_t i = 0; m_header.ColourMapped() && i < count; ++i) {
            const std::size_t index = m_at + i * pixelBytes;
            if ((m_header.depth == 8 ? m_file[index] : U16(m_file, index)) >= m_header.mapLength) {
                throw TextureError("colour index outside the colour map");
            }
        }
        m_at += count * pixelBytes;
    }

    std::span<const std::uint8_t> m_file;
    const TgaHeader& m_header;
    std::size_t m_at;
};

} // namespace

TgaFacts CheckTga(std::span<const std::uint8_t> file, int maxSide) {
    const TgaHeader header = ReadHeader(file);
    CheckFormat(header, maxSide);
    PixelWalk(file, header).Walk();
    return TgaFacts{(header.descriptor & 0x10) != 0};
}

} // namespace cssbinder
