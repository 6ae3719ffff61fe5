#include "core/texture/Dxt1.h"
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

Picture Uniform(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Picture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        picture.rgba.insert(picture.rgba.end(), {r, g, b, 255});
    }
    return picture;
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
        const auto name = std::to_string(test.options.width) + "x" + std::to_string(test.options.height);
        const Bytes file = MakeVtf(source, test.options);
        ASSERT_EQ(file.size(), test.fileSize) << name;
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
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 80), header) << name;

        const VtfInfo info = ReadVtfHeader(file);
        EXPECT_EQ(std::tuple(info.lowRes.offset, info.levels.back().offset, info.levels.front().offset,
                             info.fileSize),
                  std::tuple(std::size_t{80}, test.smallestOffset, test.fullOffset, test.fileSize))
            << name;
    }
}

TEST(VtfFile, LowResolutionIsHalvedToAtMost16) {
    for (const auto& [width, height, lowWidth, lowHeight] :
         {std::tuple(4096, 256, 16, 1), std::tuple(32, 8, 16, 4), std::tuple(8, 4, 8, 4),
          std::tuple(1, 1, 1, 1)}) {
        const LowResSize size = LowResSizeOf(width, height);
        EXPECT_EQ(std::pair(size.width, size.height), std::pair(lowWidth, lowHeight))
            << width << "x" << height;
    }
}

TEST(VtfFile, ReflectivityIsTheMeanLinearLight) {
    Picture halves = Uniform(4, 4, 255, 255, 255);
    std::fill(halves.rgba.begin(), halves.rgba.begin() + 32, std::uint8_t{0});
    for (const auto& [picture, expected] :
         {std::pair(Uniform(4, 4, 255, 0, 128), std::array{1.0, 0.0, std::pow(128 / 255.0, 2.2)}),
          std::pair(halves, std::array{0.5, 0.5, 0.5})}) {
        const auto reflectivity = ReadVtfHeader(MakeVtf(picture, {4, 4, false})).reflectivity;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            EXPECT_NEAR(reflectivity[channel], expected[channel], 1e-5) << "channel " << channel;
        }
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
    for (const VtfImage& image : info.levels) {
        EXPECT_LT(
            MeanDifference(DecodeVtfImage(file, image), ScalePicture(source, image.width, image.height)),
            10.0)
            << image.width << "x" << image.height;
    }
    EXPECT_LT(MeanDifference(DecodeVtfImage(file, info.lowRes), ScalePicture(source, 16, 8)), 10.0);
}

TEST(VtfFile, RefusesSidesThatAreNotPowersOfTwo) {
    const Picture source = Uniform(4, 4, 1, 2, 3);
    for (const auto& [width, height] :
         {std::pair(0, 4), std::pair(4, 3), std::pair(100, 64), std::pair(8192, 8)}) {
        EXPECT_EQ(ReasonOf([&] {
                      MakeVtf(source, {width, height, false});
                  }),
                  "texture sides must be powers of two from 1 to 4096")
            << width << "x" << height;
    }
    EXPECT_EQ(MakeVtf(source, {1, 1, true}).size(), 80u + 8 + 8);
}

TEST(VtfFile, ReaderRefusesBrokenFiles) {
    const Bytes good = MakeVtf(Uniform(4, 4, 1, 2, 3), {8, 8, true});
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
// transparent fourth entry; edge blocks cover what is left of the picture.
TEST(Dxt1, DecodesBothBlockModesAndEdges) {
    const Bytes mixed{0x00, 0xF8, 0x1F, 0x00, 0xAA, 0xAA, 0xAA, 0xAA}; // red, blue; all index 2
    const Bytes transparent{0x1F, 0x00, 0x00, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecompressDxt1(mixed, 1, 1).rgba, (Bytes{170, 0, 85, 255}));
    EXPECT_EQ(DecompressDxt1(transparent, 1, 1).rgba, (Bytes{0, 0, 0, 0}));
    for (const auto& [width, height, size] :
         {std::tuple(1, 1, 8u), std::tuple(4, 4, 8u), std::tuple(5, 4, 16u), std::tuple(6, 9, 48u)}) {
        EXPECT_EQ(Dxt1Size(width, height), size) << width << "x" << height;
    }
    const Picture odd = Uniform(6, 9, 255, 0, 255);
    const Picture* pictures[] = {&odd};
    EXPECT_EQ(DecompressDxt1(CompressDxt1(pictures)[0], 6, 9), odd);
    EXPECT_EQ(ReasonOf([&] { DecompressDxt1(Bytes(47), 6, 9); }), "truncated texture data");
}

} // namespace
} // namespace cssbinder
