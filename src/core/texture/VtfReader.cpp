#include "core/texture/VtfReader.h"

#include "core/texture/Dxt1.h"
#include "core/texture/VtfLayout.h"

#include <bit>

namespace cssbinder {
namespace {

std::uint32_t Read(std::span<const std::uint8_t> file, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | file[at + static_cast<std::size_t>(i)];
    }
    return value;
}

int U8(std::span<const std::uint8_t> file, std::size_t at) {
    return file[at];
}
int U16(std::span<const std::uint8_t> file, std::size_t at) {
    return static_cast<int>(Read(file, at, 2));
}
std::uint32_t U32(std::span<const std::uint8_t> file, std::size_t at) {
    return Read(file, at, 4);
}
float F32(std::span<const std::uint8_t> file, std::size_t at) {
    return std::bit_cast<float>(Read(file, at, 4));
}

void Require(bool condition, const char* fault) {
    if (!condition) {
        throw TextureError(fault);
    }
}

} // namespace

VtfInfo ReadVtfHeader(std::span<const std::uint8_t> file) {
    Require(file.size() >= kVtfHeaderSize, "truncated header");
    Require(U32(file, 0) == 0x00465456, "not a VTF texture");
    Require(U32(file, 4) == 7 && U32(file, 8) == 2, "unsupported VTF version");
    Require(U32(file, 12) == kVtfHeaderSize, "unexpected header size");
    Require(U32(file, 52) == kVtfFormatDxt1 && U32(file, 57) == kVtfFormatDxt1, "image format is not DXT1");
    Require(U16(file, 63) == 1, "unsupported texture depth");

    VtfInfo info;
    info.width = U16(file, 16);
    info.height = U16(file, 18);
    info.flags = U32(file, 20);
    info.frames = U16(file, 24);
    for (std::size_t channel = 0; channel < 3; ++channel) {
        info.reflectivity[channel] = F32(file, 32 + 4 * channel);
    }
    info.bumpScale = F32(file, 48);
    info.mipmapCount = U8(file, 56);
    Require(info.width > 0 && info.height > 0, "zero width or height");
    Require(info.frames == 1, "unsupported frame count");
    Require(info.mipmapCount >= 1 && info.mipmapCount <= FullMipmapCount(info.width, info.height),
            "bad mipmap count");

    std::size_t offset = kVtfHeaderSize;
    const auto place = [&](int width, int height) {
        const VtfImage image{width, height, offset, Dxt1Size(width, height)};
        offset += image.size;
        return image;
    };
    info.lowRes = place(U8(file, 61), U8(file, 62));
    info.levels.resize(static_cast<std::size_t>(info.mipmapCount));
    for (int level = info.mipmapCount - 1; level >= 0; --level) {
        info.levels[static_cast<std::size_t>(level)] =
            place(MipmapSide(info.width, level), MipmapSide(info.height, level));
    }
    info.fileSize = offset;
    Require(file.size() >= info.fileSize, "truncated texture data");
    return info;
}

Picture DecodeVtfImage(std::span<const std::uint8_t> file, const VtfImage& image) {
    return DecompressDxt1(file.subspan(image.offset, image.size), image.width, image.height);
}

} // namespace cssbinder
