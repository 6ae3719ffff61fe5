#include "core/texture/PictureReader.h"

#include "core/texture/BmpCheck.h"
#include "core/texture/JpegCheck.h"
#include "core/texture/PictureCheck.h"
#include "core/texture/PngCheck.h"
#include "core/texture/TgaCheck.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

namespace cssbinder {
namespace {

bool StartsWith(std::span<const std::uint8_t> file, std::string_view signature) {
    return file.size() >= signature.size() &&
           std::equal(signature.begin(), signature.end(), file.begin(),
                      [](char s, std::uint8_t b) { return static_cast<std::uint8_t>(s) == b; });
}

// The formats with a signature, each checked before it is decoded. A TGA file has none; its second
// byte (the colour map type, 0 or 1) can never start any of these.
struct SignedFormat {
    std::string_view signature;
    void (*check)(std::span<const std::uint8_t> file, int maxSide);
};
constexpr SignedFormat kSignedFormats[] = {
    {"\x89PNG\r\n\x1a\n", CheckPng},
    {"\xFF\xD8\xFF", CheckJpeg},
    {"BM", CheckBmp},
};

[[noreturn]] void ThrowDecoderFailure() {
    throw TextureError(std::string("cannot decode the picture (") + stbi_failure_reason() + ")");
}

void MirrorRows(Picture& picture) {
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4;
    for (std::size_t row = 0; row < picture.rgba.size(); row += rowBytes) {
        const auto left = picture.rgba.begin() + static_cast<std::ptrdiff_t>(row);
        for (std::size_t x = 0; x < rowBytes / 8; ++x) {
            const auto pixel = left + static_cast<std::ptrdiff_t>(x * 4);
            std::swap_ranges(pixel, pixel + 4, left + static_cast<std::ptrdiff_t>(rowBytes - 4 - x * 4));
        }
    }
}

} // namespace

Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide) {
    if (file.size() > static_cast<std::size_t>(INT_MAX)) {
        throw TextureError("file too large");
    }
    const auto size = static_cast<int>(file.size());
    const auto format = std::find_if(std::begin(kSignedFormats), std::end(kSignedFormats),
                                     [&](const SignedFormat& f) { return StartsWith(file, f.signature); });
    TgaFacts tga;
    if (format != std::end(kSignedFormats)) {
        format->check(file, maxSide);
    } else {
        tga = CheckTga(file, maxSide);
    }

    Picture picture;
    int channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(file.data(), size, &picture.width, &picture.height, &channels, 4),
        stbi_image_free);
    if (!pixels) {
        ThrowDecoderFailure();
    }
    CheckSides(picture.width, picture.height, maxSide);
    picture.rgba.assign(pixels.get(),
                        pixels.get() + static_cast<std::size_t>(picture.width) * picture.height * 4);
    if (tga.rightToLeft) {
        MirrorRows(picture);
    }
    return picture;
}

} // namespace cssbinder
