#include "core/texture/Dxt1.h"
#include "core/texture/PictureReader.h"
#include "core/texture/VtfLayout.h"
#include "core/texture/VtfReader.h"
#include "core/texture/VtfWriter.h"

#include "TextureSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace cssbinder {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every kind and orientation decodes to the very pixels stb decodes, which reads rows stored from the
// right as if from the left: a file of the same kind stored from the left gives them.
TEST(PictureReader, ReadsEveryTgaKindAsStbDoes) {
    const Picture card = TestCard(9, 6);
    for (const TgaKind& kind : AllTgaKinds()) {
        const Picture expected =
            DecodeTgaWithStb(EncodeTga(card, {kind.imageType, kind.bits, kind.topLeft, false}));
        EXPECT_EQ(ReadPicture(EncodeTga(card, kind)), expected) << kind.Name();
    }
}

// A 2 x 2 picture as a 24-bit BMP file and as a deflated PNG file, the other ways pictures reach the
// converter: only the first pixel of the top row has colour, red.
Bytes Bmp() {
    Bytes file{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24};
    file.resize(62); // the bottom row first
    file.insert(file.end(), {0, 0, 100, 0, 0, 0, 0, 0});
    return file;
}

Bytes Png() {
    static constexpr char kFile[] =
        "\211PNG\15\12\32\12\0\0\0\15IHDR\0\0\0\2\0\0\0\2\10\6\0\0\0r\266\15\44\0\0\0\21IDATx\332cHa\140\370"
        "\317\0\301\20\6\0\44\230\4av\45\307\230\0\0\0\0IEND\256B\140\202";
    return Bytes(kFile, kFile + sizeof kFile - 1);
}

// Both sides up to the limit are taken; a run-length coded file of 16384 pixels is only 512 bytes. The
// header gives the sides without decoding, and nothing for a file that fails its check. Where the
// decoder can, a JPEG picture is decoded at the smallest of 1/8, 1/4 and 1/2 that keeps the sides asked
// for, as close to the picture scaled to that size as a whole decode is.
TEST(PictureReader, ReadsBmpPngJpegAndTheLargestSide) {
    const Picture red{2, 2, {100, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}};
    for (Bytes file : {Bmp(), Png()}) {
        EXPECT_EQ(ReadPicture(file), red);
        EXPECT_EQ(ReadPictureSides(file)->width, 2);
        file.resize(10); // the header cut
        EXPECT_FALSE(ReadPictureSides(file));
    }
    EXPECT_EQ(ReadPicture(EncodeTga(Picture{16384, 1, Bytes(16384 * 4, 255)}, {10, 24, false, false})).width,
              16384);
    const Picture source = GradedPicture(256, 128);
    const Bytes jpeg = EncodeJpeg(source, 95);
    for (const auto& [atLeast, width, height] :
         {std::tuple(kFullSize, 256, 128), std::tuple(PictureSides{100, 64}, 128, 64),
          std::tuple(PictureSides{32, 10}, 32, 16), std::tuple(PictureSides{8, 300}, 256, 128)}) {
        const Picture read = ReadPicture(jpeg, kMaxPictureSide, atLeast);
        const auto sides = JPEG_DECODER_SCALES ? std::pair(width, height) : std::pair(256, 128);
        ASSERT_EQ(std::pair(read.width, read.height), sides) << atLeast.width;
        EXPECT_GE(Psnr(read, ScalePicture(source, read.width, read.height)), 38.0) << atLeast.width;
    }
}

// A file that cannot be right is refused with its fault, before its pixels are decoded.
TEST(PictureReader, RefusesBrokenFiles) {
    const Bytes trueColour = EncodeTga(TestCard(9, 6), {2, 24, false, false});
    const Bytes runLength = EncodeTga(TestCard(9, 6), {10, 24, false, false});
    const Bytes mapped = EncodeTga(TestCard(9, 6), {1, 24, false, false});
    const Bytes bmp = Bmp();
    const Bytes png = Png();
    // A grey baseline frame, 9 x 6.
    const Bytes jpegFrame{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00,
                          0x06, 0x00, 0x09, 0x01, 0x01, 0x11, 0x00};
    // A Huffman table segment whose 16 code counts add up to 257.
    const Bytes jpeg{0xFF, 0xD8, 0xFF, 0xC4, 0x00, 0x13, 0x00, 255, 2, 0, 0, 0,
                     0,    0,    0,    0,    0,    0,    0,    0,   0, 0, 0};
    const char* large = "larger than 16384 pixels on a side";
    const char* cut = "truncated pixel data";
    struct Case {
        const char* what;
        const Bytes& file;
        void (*spoil)(Bytes&);
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
        {"index past the map", mapped, [](Bytes& f) { f[f.size() - 9 * 6] = 6; },
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
        {"PNG too wide", png, [](Bytes& f) { f[18] = 0x40, f[19] = 1; }, large},
        {"JPEG too tall", jpegFrame, [](Bytes& f) { f[7] = 0xFF; }, large},
        {"BMP cut short", bmp, [](Bytes& f) { f.pop_back(); }, cut},
        // Sides of 16384 that the file's bytes cannot hold, even compressed as well as the format can.
        {"BMP 16384 square", bmp, [](Bytes& f) { PutU16(f, 18, 16384), PutU16(f, 22, 16384); }, cut},
        {"PNG 16384 square", png, [](Bytes& f) { f[18] = f[22] = 0x40, f[19] = f[23] = 0; }, cut},
        {"JPEG 16384 square", jpegFrame, [](Bytes& f) { f[7] = f[9] = 0x40, f[8] = f[10] = 0; }, cut},
    };
    for (const Case& test : cases) {
        Bytes file = test.file;
        test.spoil(file);
        EXPECT_EQ(ReasonOf([&] { ReadPicture(file); }), test.reason) << test.what;
    }
}

// The whole header (reflectivity aside), the file's size and where the images lie: the game's own menu
// background size, a full mipmap chain, and a widescreen texture with its 16 x 8 low-resolution image.
TEST(VtfFile, HeaderAndLayout) {
    struct Case {
        VtfOptions options;
        std::size_t fileSize;
        std::uint32_t flags;
        std::uint8_t mipmaps, lowResWidth, lowResHeight;
        std::size_t smallestOffset, fullOffset;
    };
    const Picture source = GradedPicture(64, 64);
    for (const Case& test : {Case{{1024, 1024, false}, 524496, 0x300, 1, 16, 16, 208, 208},
                             Case{{2048, 2048, true}, 2796424, 0, 12, 16, 16, 208, 699272},
                             Case{{2048, 1024, false}, 1048720, 0x300, 1, 16, 8, 144, 144}}) {
        const Bytes file = MakeVtf(source, test.options);
        ASSERT_EQ(file.size(), test.fileSize);
        Bytes header{'V', 'T', 'F', 0, 7, 0, 0, 0, 2, 0, 0, 0, 80, 0, 0, 0};
        const auto put = [&header](std::uint64_t value, int count) {
            for (int i = 0; i < count; ++i) {
                header.push_back(static_cast<std::uint8_t>(value >> 8 * i));
            }
        };
        put(test.options.width, 2), put(test.options.height, 2), put(test.flags, 4), put(1, 2), put(0, 6);
        header.insert(header.end(), file.begin() + 32, file.begin() + 44); // reflectivity
        put(0, 4), put(0x3F800000, 4), put(13, 4), put(test.mipmaps, 1), put(13, 4);
        put(test.lowResWidth, 1), put(test.lowResHeight, 1), put(1, 2);
        header.resize(80);
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 80), header) << test.fileSize;

        const VtfInfo info = ReadVtfHeader(file);
        EXPECT_EQ(std::tuple(info.lowRes.offset, info.levels.back().offset, info.levels.front().offset,
                             info.fileSize),
                  std::tuple(std::size_t{80}, test.smallestOffset, test.fullOffset, test.fileSize));
    }
}

// Every level, and the low-resolution image, decodes close to the picture scaled to its size: a level
// out of place or out of order would not.
TEST(VtfFile, DecodedImagesAreNearTheSource) {
    const Picture source = GradedPicture(512, 256);
    const Bytes file = MakeVtf(source, {512, 256, true});
    const VtfInfo info = ReadVtfHeader(file);
    ASSERT_EQ(info.levels.size(), 10u);
    EXPECT_GE(Psnr(DecodeVtfImage(file, info.levels[0]), source), 36.0);
    std::vector<VtfImage> images = info.levels;
    images.push_back(info.lowRes);
    for (const VtfImage& image : images) {
        const Picture decoded = DecodeVtfImage(file, image);
        EXPECT_GE(Psnr(decoded, ScalePicture(source, image.width, image.height)), 26.0) << image.width;
    }
    // Made together, from the picture halved before it is scaled, a texture stays as near.
    const auto made = MakeVtfs(source, std::array{VtfOptions{64, 64, false}, VtfOptions{128, 32, false}});
    ASSERT_EQ(made.size(), 2u);
    EXPECT_GE(Psnr(DecodeVtfImage(made[1], ReadVtfHeader(made[1]).levels[0]), ScalePicture(source, 128, 32)),
              36.0);
}

// Sides are powers of two up to 4096; the low-resolution image is halved to at most 16 on a side.
TEST(VtfFile, SidesAndLowResolution) {
    for (const auto& [width, height, lowWidth, lowHeight] :
         {std::tuple(4096, 256, 16, 1), std::tuple(32, 8, 16, 4), std::tuple(8, 4, 8, 4)}) {
        const LowResSize size = LowResSizeOf(width, height);
        EXPECT_EQ(std::pair(size.width, size.height), std::pair(lowWidth, lowHeight))
            << width << "x" << height;
    }
    const Picture source = GradedPicture(4, 4);
    for (const auto& [width, height] :
         {std::pair(0, 4), std::pair(4, 3), std::pair(100, 64), std::pair(8192, 8)}) {
        const std::string reason = ReasonOf([&] { MakeVtf(source, {width, height, false}); });
        EXPECT_EQ(reason, "texture sides must be powers of two from 1 to 4096") << width << "x" << height;
    }
    EXPECT_EQ(MakeVtf(source, {1, 1, true}).size(), 80u + 8 + 8);
}

// Reflectivity is the mean light per channel: (c / 255)^2.2 averaged, not the mean byte raised.
TEST(VtfFile, ReflectivityIsTheMeanLinearLight) {
    Picture halves{4, 4, Bytes(64, 0)}; // the top half black, the bottom half (255, 0, 128)
    for (std::size_t i = 32; i < 64; i += 4) {
        halves.rgba[i] = 255, halves.rgba[i + 2] = 128;
    }
    const auto reflectivity = ReadVtfHeader(MakeVtf(halves, {4, 4, false})).reflectivity;
    const std::array expected{0.5, 0.0, std::pow(128 / 255.0, 2.2) / 2};
    for (std::size_t channel = 0; channel < 3; ++channel) {
        EXPECT_NEAR(reflectivity[channel], expected[channel], 1e-5) << "channel " << channel;
    }
}

TEST(VtfFile, ReaderRefusesBrokenFiles) {
    const Bytes good = MakeVtf(GradedPicture(4, 4), {8, 8, true});
    const struct {
        const char* what;
        void (*spoil)(Bytes&);
        const char* reason;
    } cases[] = {
        {"cut header", [](Bytes& f) { f.resize(79); }, "truncated header"},
        {"cut image", [](Bytes& f) { f.pop_back(); }, "truncated texture data"},
        {"other magic", [](Bytes& f) { f[0] = 'X'; }, "not a VTF texture"},
        {"version 7.5", [](Bytes& f) { f[8] = 5; }, "unsupported VTF version"},
        {"DXT5", [](Bytes& f) { f[52] = 15; }, "image format is not DXT1"},
        {"too many levels", [](Bytes& f) { f[56] = 5; }, "bad mipmap count"},
    };
    for (const auto& test : cases) {
        Bytes file = good;
        test.spoil(file);
        EXPECT_EQ(ReasonOf([&] { ReadVtfHeader(file); }), test.reason) << test.what;
    }
}

// Blocks made by hand: the four-colour mode mixes its two colours, the three-colour mode has a
// transparent fourth entry; edge blocks cover what is left of the picture, a whole block each.
TEST(Dxt1, DecodesBothBlockModesAndEdges) {
    const Bytes mixed{0x00, 0xF8, 0x1F, 0x00, 0xAA, 0xAA, 0xAA, 0xAA}; // red, blue; all index 2
    const Bytes transparent{0x1F, 0x00, 0x00, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecompressDxt1(mixed, 1, 1).rgba, (Bytes{170, 0, 85, 255}));
    EXPECT_EQ(DecompressDxt1(transparent, 1, 1).rgba, (Bytes{0, 0, 0, 0}));
    const Picture odd{6, 9, Bytes(6 * 9 * 4, 255)};
    const Picture* pictures[] = {&odd};
    EXPECT_EQ(DecompressDxt1(CompressDxt1(pictures)[0], 6, 9), odd);
    EXPECT_EQ(ReasonOf([&] { DecompressDxt1(Bytes(47), 6, 9); }), "truncated texture data");
}

} // namespace
} // namespace cssbinder
