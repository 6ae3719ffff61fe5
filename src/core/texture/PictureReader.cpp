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

Picture DecodeWhole(std::span<const std::uint8_t> file, PictureSides) {
    return DecodeWholePicture(file);
}

// The formats with a signature, each checked before it is decoded; only JPEG pictures are decoded
// smaller than their own size. A TGA file has no signature; its second byte (the colour map type, 0 or
// 1) can never start any of these.
struct SignedFormat {
    std::string_view signature;
    void (*check)(std::span<const std::uint8_t> file, int maxSide);
    Picture (*decode)(std::span<const std::uint8_t> file, PictureSides atLeast);
};
constexpr SignedFormat kSignedFormats[] = {
    {"\x89PNG\r\n\x1a\n", CheckPng, DecodeWhole},
    {"\xFF\xD8\xFF", CheckJpeg, DecodeJpeg},
    {"BM", CheckBmp, DecodeWhole},
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

// A file that passed its format's check: the format, or none for a TGA file, and what a TGA file's
// header says that the decoder does not see.
struct CheckedFile {
    const SignedFormat* format = nullptr;
    TgaFacts tga;
};

CheckedFile CheckPicture(std::span<const std::uint8_t> file, int maxSide) {
    const auto format = std::find_if(std::begin(kSignedFormats), std::end(kSignedFormats),
                                     [&](const SignedFormat& f) { return StartsWith(file, f.signature); });
    if (format == std::end(kSignedFormats)) {
        return {nullptr, CheckTga(file, maxSide)};
    }
    format->check(file, maxSide);
    return {format, {}};
}

} // namespace

Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide, PictureSides atLeast) {
    const CheckedFile checked = CheckPicture(file, maxSide);
    Picture picture = checked.format ? checked.format->decode(file, atLeast) : DecodeWholePicture(file);
    CheckSides(picture.width, picture.height, maxSide);
    if (checked.tga.rightToLeft) {
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
