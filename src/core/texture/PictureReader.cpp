#include "core/texture/PictureReader.h"

#include "core/texture/BmpCheck.h"
#include "core/texture/JpegCheck.h"
#include "core/texture/PictureCheck.h"
#include "core/texture/PictureDecoder.h"
#include "core/texture/PngCheck.h"
#include "core/texture/TgaCheck.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
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

// Runs the format's check: what a TGA file's header says that the decoder does not see, if it is one.
TgaFacts CheckPicture(std::span<const std::uint8_t> file, int maxSide) {
    const auto format = std::find_if(std::begin(kSignedFormats), std::end(kSignedFormats),
                                     [&](const SignedFormat& f) { return StartsWith(file, f.signature); });
    if (format == std::end(kSignedFormats)) {
        return CheckTga(file, maxSide);
    }
    format->check(file, maxSide);
    return {};
}

bool IsJpeg(std::span<const std::uint8_t> file) {
    return StartsWith(file, kSignedFormats[1].signature);
}

} // namespace

Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide, PictureSides atLeast) {
    const TgaFacts tga = CheckPicture(file, maxSide);
    Picture picture = IsJpeg(file) ? DecodeJpeg(file, atLeast) : DecodeWholePicture(file);
    CheckSides(picture.width, picture.height, maxSide);
    if (tga.rightToLeft) {
        MirrorRows(picture);
    }
    return picture;
}

std::optional<PictureSides> ReadPictureSides(std::span<const std::uint8_t> file) {
    try {
        CheckPicture(file, kMaxPictureSide);
        return ReadHeaderSides(file);
    } catch (const TextureError&) {
        return std::nullopt;
    }
}

} // namespace cssbinder
