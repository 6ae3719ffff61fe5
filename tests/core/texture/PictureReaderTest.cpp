#include "core/texture/PictureReader.h"

#include "TextureSamples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace cssbinder {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every kind and orientation gives back the card's pixels: grey kinds the red channel, 5-bit kinds
// within their rounding.
TEST(PictureReader, ReadsEveryTgaKindAndOrientation) {
    const Picture card = TestCard(9, 6);
    for (const TgaKind& kind : AllTgaKinds()) {
        const Picture read = ReadPicture(EncodeTga(card, kind));
        ASSERT_EQ(std::pair(read.width, read.height), std::pair(card.width, card.height)) << kind.Name();
        const bool grey = kind.imageType % 8 == 3;
        const int tolerance = kind.bits == 15 || (kind.bits == 16 && !grey) ? 8 : 0;
        for (std::size_t i = 0; i < card.rgba.size(); ++i) {
            const std::size_t channel = i % 4;
            const int expected = channel == 3 ? 255 : card.rgba[grey ? i - channel : i];
            ASSERT_LE(std::abs(read.rgba[i] - expected), tolerance)
                << kind.Name() << ", pixel " << i / 4 << ", channel " << channel;
        }
    }
}

// A 2 x 2 24-bit BMP file, the other way pictures reach the converter. Its rows run from the bottom;
// only the first pixel of the second row has colour, red.
Bytes Bmp() {
    Bytes file{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24};
    file.resize(62);
    file.insert(file.end(), {0, 0, 100, 0, 0, 0, 0, 0});
    return file;
}

// Both sides up to the limit are taken; a run-length coded file of 16384 pixels is only 512 bytes.
TEST(PictureReader, ReadsBmpAndPngAndTheLargestSide) {
    const Picture red{2, 2, {100, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}};
    for (const Bytes& file : {Bmp(), EncodePng(red)}) {
        EXPECT_EQ(ReadPicture(file), red);
    }
    EXPECT_EQ(ReadPicture(EncodeTga(Picture{16384, 1, Bytes(16384 * 4, 255)}, {10, 24, false, false})).width,
              16384);
}

// A file that cannot be right is refused with its fault, before its pixels are decoded.
TEST(PictureReader, RefusesBrokenFiles) {
    const Bytes trueColour = EncodeTga(TestCard(9, 6), {2, 24, false, false});
    const Bytes runLength = EncodeTga(TestCard(9, 6), {10, 24, false, false});
    const Bytes mapped = EncodeTga(TestCard(9, 6), {1, 24, false, false});
    const Bytes bmp = Bmp();
    const Bytes png = EncodePng(TestCard(9, 6));
    // A grey baseline frame, 9 x 6.
    const Bytes jpegFrame{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00,
                          0x06, 0x00, 0x09, 0x01, 0x01, 0x11, 0x00};
    // A Huffman table segment whose 16 code counts add up to 257.
    const Bytes jpeg{0xFF, 0xD8, 0xFF, 0xC4, 0x00, 0x13, 0x00, 255, 2, 0, 0, 0,
                     0,    0,    0,    0,    0,    0,    0,    0,   0, 0, 0};
    const std::size_t mappedPixels = mapped.size() - 9 * 6; // first index byte
    const char* large = "larger than 16384 pixels on a side";
    const char* cut = "truncated pixel data";
    struct Case {
        const char* what;
        const Bytes& file;
        std::function<void(Bytes&)> spoil;
        const char* reason;
    };
    const Case cases[] = {
        {"header cut", trueColour, [](Bytes& f) { f.resize(17); }, "truncated header"},
        {"zero width", trueColour, [](Bytes& f) { PutU16(f, 12, 0); }, "zero width or height"},
        {"zero height", runLength, [](Bytes& f) { PutU16(f, 14, 0); }, "zero width or height"},
        {"too wide", runLength, [](Bytes& f) { PutU16(f, 12, 16385); }, large},
        {"too tall", trueColour, [](Bytes& f) { PutU16(f, 14, 65535); }, large},
        {"image type 4", trueColour, [](Bytes& f) { f[2] = 4; }, "not a TGA, PNG, JPEG or BMP picture"},
        {"colour map type 2", trueColour, [](Bytes& f) { f[1] = 2; }, "not a TGA, PNG, JPEG or BMP picture"},
        {"true colour with a map", trueColour, [](Bytes& f) { f[1] = 1; }, "bad colour map"},
        {"indexes without a map", mapped, [](Bytes& f) { f[1] = 0; }, "bad colour map"},
        {"empty map", mapped, [](Bytes& f) { PutU16(f, 5, 0); }, "bad colour map"},
        {"map not from entry 0", mapped, [](Bytes& f) { PutU16(f, 3, 1); }, "bad colour map"},
        {"8-bit map entries", mapped, [](Bytes& f) { f[7] = 8; }, "bad colour map"},
        {"index past the map", mapped, [&](Bytes& f) { f[mappedPixels] = 6; },
         "colour index outside the colour map"},
        {"map cut", mapped, [](Bytes& f) { f.resize(18 + 2 + 10); }, "truncated colour map"},
        {"8-bit true colour", trueColour, [](Bytes& f) { f[16] = 8; }, "unsupported pixel depth"},
        {"24-bit grey", trueColour, [](Bytes& f) { f[2] = 3; }, "unsupported pixel depth"},
        {"32-bit indexes", mapped, [](Bytes& f) { f[16] = 32; }, "unsupported pixel depth"},
        {"last byte missing", trueColour, [](Bytes& f) { f.pop_back(); }, cut},
        {"packets missing", runLength, [](Bytes& f) { f.resize(f.size() - 4); }, cut},
        {"packet cut", runLength, [](Bytes& f) { f.pop_back(); }, cut},
        {"image id too long", trueColour, [](Bytes& f) { f[0] = 255; }, "truncated header"},
        {"run past the end", runLength, [](Bytes& f) { f[f.size() - 4] |= 0x7F; },
         "run-length packet past the end of the picture"},
        {"257 Huffman codes", jpeg, [](Bytes&) {}, "bad Huffman table"},
        {"Huffman codes past the segment", jpeg, [](Bytes& f) { f[5] = 3; }, "bad Huffman table"},
        {"BMP too wide", bmp, [](Bytes& f) { PutU16(f, 18, 20000); }, large},
        {"PNG too wide", png, [](Bytes& f) { PutU32BigEndian(f, 16, 16385); }, large},
        {"JPEG too tall", jpegFrame, [](Bytes& f) { f[7] = 0xFF; }, large},
        {"BMP cut short", bmp, [](Bytes& f) { f.pop_back(); }, cut},
        // Sides of 16384 that the file's bytes cannot hold, even compressed as well as the format can.
        {"BMP 16384 square", bmp, [](Bytes& f) { PutU16(f, 18, 16384), PutU16(f, 22, 16384); }, cut},
        {"PNG 16384 square", png,
         [](Bytes& f) { PutU32BigEndian(f, 16, 16384), PutU32BigEndian(f, 20, 16384); }, cut},
        {"JPEG 16384 square", jpegFrame, [](Bytes& f) { f[7] = f[9] = 0x40, f[8] = f[10] = 0; }, cut},
    };
    for (const Case& test : cases) {
        Bytes file = test.file;
        test.spoil(file);
        EXPECT_EQ(ReasonOf([&] { ReadPicture(file); }), test.reason) << test.what;
    }
}

} // namespace
} // namespace cssbinder
