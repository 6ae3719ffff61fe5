#include "core/texture/VtfWriter.h"

#include "core/texture/Dxt1.h"
#include "core/texture/HalvePicture.h"
#include "core/texture/VtfLayout.h"

#include <stb/stb_image_resize.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <deque>
#include <future>
#include <string>

namespace cssbinder {
namespace {

// Whether halving the picture keeps both its sides at least those given.
bool CanHalve(const Picture& picture, PictureSides sides) {
    return picture.width >= 2 * sides.width && picture.height >= 2 * sides.height;
}

bool IsTextureSide(int side) {
    return side >= 1 && side <= kMaxTextureSide && std::has_single_bit(static_cast<unsigned>(side));
}

// Little-endian fields written at their fixed offsets into the zeroed header.
class HeaderWriter {
public:
    explicit HeaderWriter(std::vector<std::uint8_t>& file) : m_file(file) {}
    void Bytes(std::size_t at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            m_file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    }
    void U8(std::size_t at, int value) { Bytes(at, static_cast<std::uint32_t>(value), 1); }
    void U16(std::size_t at, int value) { Bytes(at, static_cast<std::uint32_t>(value), 2); }
    void U32(std::size_t at, std::uint32_t value) { Bytes(at, value, 4); }
    void F32(std::size_t at, float value) { Bytes(at, std::bit_cast<std::uint32_t>(value), 4); }

private:
    std::vector<std::uint8_t>& m_file;
};

void WriteHeader(std::vector<std::uint8_t>& file, const VtfOptions& options, int mipmapCount,
                 LowResSize lowRes, const std::array<float, 3>& reflectivity) {
    HeaderWriter header(file);
    header.U32(0, 0x00465456); // "VTF\0"
    header.U32(4, 7);
    header.U32(8, 2);
    header.U32(12, kVtfHeaderSize);
    header.U16(16, options.width);
    header.U16(18, options.height);
    header.U32(20, options.mipmaps ? 0 : kVtfFlagsWithoutMipmaps);
    header.U16(24, 1); // frames
    header.U16(26, 0); // first frame
    for (std::size_t channel = 0; channel < 3; ++channel) {
        header.F32(32 + 4 * channel, reflectivity[channel]);
    }
    header.F32(48, 1.0f); // bump scale
    header.U32(52, static_cast<std::uint32_t>(kVtfFormatDxt1));
    header.U8(56, mipmapCount);
    header.U32(57, static_cast<std::uint32_t>(kVtfFormatDxt1));
    header.U8(61, lowRes.width);
    header.U8(62, lowRes.height);
    header.U16(63, 1); // depth
}

} // namespace

PictureSides LargestSides(std::span<const VtfOptions> textures) {
    PictureSides largest;
    for (const VtfOptions& texture : textures) {
        largest = {std::max(largest.width, texture.width), std::max(largest.height, texture.height)};
    }
    return largest;
}

Picture ScalePicture(const Picture& picture, int width, int height) {
    Picture scaled{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    if (stbir_resize_uint8_srgb(picture.rgba.data(), picture.width, picture.height, 0, scaled.rgba.data(),
                                width, height, 0, 4, STBIR_ALPHA_CHANNEL_NONE, 0) == 0) {
        throw TextureError("cannot scale the picture");
    }
    return scaled;
}

std::array<float, 3> Reflectivity(const Picture& picture) {
    std::array<double, 256> linear{};
    for (std::size_t c = 0; c < linear.size(); ++c) {
        linear[c] = std::pow(static_cast<double>(c) / 255.0, 2.2);
    }
    std::array<double, 3> sums{};
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
            sums[channel] += linear[picture.rgba[i + channel]];
        }
    }
    const double pixels = static_cast<double>(picture.rgba.size() / 4);
    return {static_cast<float>(sums[0] / pixels), static_cast<float>(sums[1] / pixels),
            static_cast<float>(sums[2] / pixels)};
}

std::vector<std::uint8_t> MakeVtf(const Picture& picture, const VtfOptions& options) {
    if (!IsTextureSide(options.width) || !IsTextureSide(options.height)) {
        throw TextureError("texture sides must be powers of two from 1 to " +
                           std::to_string(kMaxTextureSide));
    }
    const int mipmapCount = options.mipmaps ? FullMipmapCount(options.width, options.height) : 1;
    const LowResSize lowResSize = LowResSizeOf(options.width, options.height);

    // A picture at least twice the full size is halved first, as often as it can be: halving reads each
    // pixel once, where scaling reads it for every tap of its filter. The full size is scaled from what
    // is left (unless it has that size already), each smaller level halved from the one above it.
    std::deque<Picture> made; // keeps its pictures in place as it grows
    const Picture* source = &picture;
    for (; CanHalve(*source, {options.width, options.height}); source = &made.back()) {
        made.push_back(HalvePicture(*source));
    }
    if (source->width != options.width || source->height != options.height) {
        made.push_back(ScalePicture(*source, options.width, options.height));
        source = &made.back();
    }
    const Picture& full = *source;
    std::vector<const Picture*> levels{&full};
    for (int level = 1; level < mipmapCount; ++level) {
        made.push_back(HalvePicture(*levels.back()));
        levels.push_back(&made.back());
    }
    const Picture lowRes = ScalePicture(full, lowResSize.width, lowResSize.height);

    std::vector<const Picture*> toCompress{&lowRes};
    toCompress.insert(toCompress.end(), levels.rbegin(), levels.rend());
    const auto compressed = CompressDxt1(toCompress);

    std::vector<std::uint8_t> file(kVtfHeaderSize);
    WriteHeader(file, options, mipmapCount, lowResSize, Reflectivity(full));
    for (const auto& part : compressed) {
        file.insert(file.end(), part.begin(), part.end());
    }
    return file;
}

std::vector<std::vector<std::uint8_t>> MakeVtfs(Picture picture, std::span<const VtfOptions> textures) {
    const PictureSides largest = LargestSides(textures);
    while (CanHalve(picture, largest)) {
        HalveInPlace(picture);
    }
    std::vector<std::future<std::vector<std::uint8_t>>> making;
    for (const VtfOptions& texture : textures) {
        making.push_back(
            std::async(std::launch::async, [&picture, texture] { return MakeVtf(picture, texture); }));
    }
    std::vector<std::vector<std::uint8_t>> made;
    for (auto& texture : making) {
        made.push_back(texture.get());
    }
    return made;
}

} // namespace cssbinder
