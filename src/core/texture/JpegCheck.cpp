#include "core/texture/JpegCheck.h"

#include "core/texture/Picture.h"
#include "core/texture/PictureCheck.h"

#include <cstddef>

namespace cssbinder {
namespace {

constexpr int kDefineHuffmanTables = 0xC4;

// Each table of a DHT segment: a class and number byte, 16 code counts, then the codes. Bytes past the
// end of the file count as 0, as the decoder reads them.
void CheckHuffmanSegment(std::span<const std::uint8_t> file, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t i) {
        return i < file.size() ? file[i] : 0;
    };
    // Like the decoder, a table is read whenever any of the segment is left, even past its end.
    for (std::size_t left = length; left > 0;) {
        std::size_t codes = 0;
        for (std::size_t i = 1; i <= 16; ++i) {
            codes += byte(at + i);
        }
        if (codes > 256) {
            throw TextureError("bad Huffman table");
        }
        at += 17 + codes;
        left = left > 17 + codes ? left - 17 - codes : 0;
    }
}

bool IsStartOfFrame(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != kDefineHuffmanTables && marker != 0xC8 &&
           marker != 0xCC;
}

// A frame header: precision, height, width. The decoder needs every 8 x 8 block of the picture in the
// file, each at least one bit (its DC code), so a header that claims more blocks than the file has
// bits is refused before anything is allocated.
void CheckFrame(std::span<const std::uint8_t> file, std::size_t at, int maxSide) {
    if (file.size() < at + 5) {
        throw TextureError("truncated header");
    }
    const auto height = static_cast<std::int64_t>(BigEndian(file, at + 1, 2));
    const auto width = static_cast<std::int64_t>(BigEndian(file, at + 3, 2));
    CheckSides(width, height, maxSide);
    const auto blocks = static_cast<std::uint64_t>((width + 7) / 8 * ((height + 7) / 8));
    CheckPixelDataFits((blocks + 7) / 8, file.size());
}

} // namespace

void CheckJpeg(std::span<const std::uint8_t> file, int maxSide) {
    bool framed = false;
    for (std::size_t at = 2; at + 4 <= file.size();) {
        const int marker = file[at + 1];
        // Entropy-coded data, fill bytes, stuffed zeros and the markers that carry no length.
        if (file[at] != 0xFF || marker == 0xFF) {
            ++at;
        } else if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9)) {
            at += 2;
        } else {
            const std::size_t length = static_cast<std::size_t>(file[at + 2] << 8 | file[at + 3]);
            if (marker == kDefineHuffmanTables && length > 2) {
                CheckHuffmanSegment(file, at + 4, length - 2);
            } else if (IsStartOfFrame(marker) && !framed) {
                CheckFrame(file, at + 4, maxSide);
                framed = true;
            }
            at += 2 + length;
        }
    }
}

} // namespace cssbinder
