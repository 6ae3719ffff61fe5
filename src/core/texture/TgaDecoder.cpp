#include "core/texture/PictureDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace cssbinder {
namespace {

// What follows the header, read a megabyte at a time (or all of it, when less is left) and taken a few
// bytes at a time.
class PieceReader {
public:
    explicit PieceReader(PictureSource& source)
        : m_source(source), m_buffer(std::min<std::uint64_t>(source.Left(), std::uint64_t{1} << 20)) {}

    // The next `count` bytes, valid until the next call.
    const std::uint8_t* Take(std::size_t count) {
        if (m_end - m_at < count) {
            Refill(count);
        }
        const std::uint8_t* taken = m_buffer.data() + m_at;
        m_at += count;
        return taken;
    }

private:
    void Refill(std::size_t count) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_at, m_end - m_at);
        m_end -= m_at;
        m_at = 0;
        m_end += m_source.Read(std::span(m_buffer).subspan(m_end));
        if (m_end < count) {
            throw TextureError("truncated pixel data");
        }
    }

    PictureSource& m_source;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_at = 0;
    std::size_t m_end = 0;
};

// Each stored colour into red, green, blue and alpha, as every decoder of the format turns it: 5-bit
// channels scaled to 255 with the 16th bit ignored, blue first in 24 and 32 bits, grey with its alpha.
constexpr auto kGrey = [](const std::uint8_t* in, std::uint8_t* out) {
    out[0] = out[1] = out[2] = in[0], out[3] = 255;
};
constexpr auto kGreyAlpha = [](const std::uint8_t* in, std::uint8_t* out) {
    out[0] = out[1] = out[2] = in[0], out[3] = in[1];
};
constexpr auto kFiveBits = [](const std::uint8_t* in, std::uint8_t* out) {
    const int packed = in[0] | in[1] << 8;
    for (int channel = 0; channel < 3; ++channel) {
        out[channel] = static_cast<std::uint8_t>((packed >> (10 - 5 * channel) & 31) * 255 / 31);
    }
    out[3] = 255;
};
constexpr auto kBlueGreenRed = [](const std::uint8_t* in, std::uint8_t* out) {
    out[0] = in[2], out[1] = in[1], out[2] = in[0], out[3] = 255;
};
constexpr auto kBlueGreenRedAlpha = [](const std::uint8_t* in, std::uint8_t* out) {
    out[0] = in[2], out[1] = in[1], out[2] = in[0], out[3] = in[3];
};

// Calls `use` with the conversion of a colour stored in that many bits.
template <typename Use> void WithColour(int bits, bool grey, Use use) {
    if (grey) {
        bits == 8 ? use(kGrey) : use(kGreyAlpha);
    } else if (bits <= 16) {
        use(kFiveBits);
    } else {
        bits == 24 ? use(kBlueGreenRed) : use(kBlueGreenRedAlpha);
    }
}

// Where each pixel goes, in the order the file stores them: rows from the bottom unless the header
// says from the top, pixels from the left unless it says from the right.
class PixelPlace {
public:
    PixelPlace(Picture& picture, const TgaHeader& header)
        : m_picture(picture), m_rowStep(header.TopDown() ? 1 : -1),
          m_pixelStep(header.RightToLeft() ? -4 : 4), m_row(header.TopDown() ? 0 : picture.height - 1) {}

    std::uint8_t* Next() {
        if (m_leftInRow == 0) {
            const std::size_t rowBytes = static_cast<std::size_t>(m_picture.width) * 4;
            m_at = m_picture.rgba.data() + static_cast<std::size_t>(m_row) * rowBytes +
                   (m_pixelStep < 0 ? rowBytes - 4 : 0);
            m_row += m_rowStep;
            m_leftInRow = m_picture.width;
        }
        --m_leftInRow;
        std::uint8_t* at = m_at;
        m_at += m_pixelStep;
        return at;
    }

private:
    Picture& m_picture;
    int m_rowStep;
    std::ptrdiff_t m_pixelStep;
    int m_row;
    int m_leftInRow = 0;
    std::uint8_t* m_at = nullptr;
};

// The pixels, stored one by one or in run-length packets: a byte, then either one pixel repeated or as
// many stored pixels as it counts.
template <typename Convert>
void DecodePixels(const TgaHeader& header, PieceReader& in, Picture& picture, Convert convert) {
    const std::size_t pixelBytes = header.PixelBytes();
    const std::size_t pixels = header.Pixels();
    PixelPlace place(picture, header);
    for (std::size_t done = 0; done < pixels;) {
        std::size_t count = pixels;
        bool repeated = false;
        if (header.RunLength()) {
            const int packet = *in.Take(1);
            count = static_cast<std::size_t>((packet & 0x7F) + 1);
            repeated = (packet & 0x80) != 0;
            if (count > pixels - done) {
                throw TextureError("run-length packet past the end of the picture");
            }
        }
        if (repeated) {
            std::uint8_t colour[4];
            convert(in.Take(pixelBytes), colour);
            for (std::size_t i = 0; i < count; ++i) {
                std::memcpy(place.Next(), colour, 4);
            }
        } else {
            for (std::size_t i = 0; i < count; ++i) {
                convert(in.Take(pixelBytes), place.Next());
            }
        }
        done += count;
    }
}

} // namespace

Picture DecodeTga(const TgaHeader& header, PictureSource& rest) {
    PieceReader in(rest);
    in.Take(static_cast<std::size_t>(header.idLength));
    std::vector<std::uint8_t> colours;
    if (header.ColourMapped()) {
        colours.resize(static_cast<std::size_t>(header.mapLength) * 4);
        WithColour(header.mapEntryBits, false, [&](auto convert) {
            for (std::size_t entry = 0; entry < colours.size(); entry += 4) {
                convert(in.Take(header.MapEntryBytes()), &colours[entry]);
            }
        });
    }
    Picture picture{header.width, header.height, std::vector<std::uint8_t>(header.Pixels() * 4)};
    if (header.ColourMapped()) {
        DecodePixels(header, in, picture, [&](const std::uint8_t* stored, std::uint8_t* out) {
            const std::size_t index =
                header.depth == 8 ? stored[0] : static_cast<std::size_t>(stored[0] | stored[1] << 8);
            if (index * 4 >= colours.size()) {
                throw TextureError("colour index outside the colour map");
            }
            std::memcpy(out, &colours[index * 4], 4);
        });
    } else {
        WithColour(header.depth, header.Grey(),
                   [&](auto convert) { DecodePixels(header, in, picture, convert); });
    }
    return picture;
}

} // namespace cssbinder
