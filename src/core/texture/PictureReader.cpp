#include "core/texture/PictureReader.h"

#include "core/texture/BmpCheck.h"
#include "core/texture/JpegCheck.h"
#include "core/texture/PictureCheck.h"
#include "core/texture/PictureDecoder.h"
#include "core/texture/PngCheck.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

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
// 1) can never start any of these, whose signatures all fit in its header.
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

const SignedFormat* FormatOf(std::span<const std::uint8_t> file) {
    const auto format = std::find_if(std::begin(kSignedFormats), std::end(kSignedFormats),
                                     [&](const SignedFormat& f) { return StartsWith(file, f.signature); });
    return format == std::end(kSignedFormats) ? nullptr : format;
}

// The first bytes of a file: a TGA file's header, long enough for every signature.
std::span<const std::uint8_t> Head(std::span<const std::uint8_t> file) {
    return file.first(std::min(file.size(), kTgaHeaderSize));
}

} // namespace

Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide, PictureSides atLeast) {
    if (const SignedFormat* format = FormatOf(file)) {
        format->check(file, maxSide);
        Picture picture = format->decode(file, atLeast);
        CheckSides(picture.width, picture.height, maxSide);
        return picture;
    }
    MemoryPictureSource rest(file.subspan(Head(file).size()));
    return DecodeTga(CheckTga(Head(file), rest.Left(), maxSide), rest);
}

Picture ReadPicture(PictureSource& file, int maxSide, PictureSides atLeast) {
    std::vector<std::uint8_t> bytes(std::min<std::uint64_t>(file.Left(), kTgaHeaderSize));
    bytes.resize(file.Read(bytes));
    if (FormatOf(bytes) == nullptr) {
        return DecodeTga(CheckTga(bytes, file.Left(), maxSide), file);
    }
    // The other formats are decoded from the whole file.
    const std::size_t head = bytes.size();
    bytes.resize(head + file.Left());
    bytes.resize(head + file.Read(std::span(bytes).subspan(head)));
    return ReadPicture(std::span<const std::uint8_t>(bytes), maxSide, atLeast);
}

std::optional<PictureSides> ReadPictureSides(std::span<const std::uint8_t> file) {
    try {
        if (const SignedFormat* format = FormatOf(file)) {
            format->check(file, kMaxPictureSide);
            return ReadHeaderSides(file);
        }
        const TgaHeader header = CheckTga(Head(file), file.size() - Head(file).size(), kMaxPictureSide);
        return PictureSides{header.width, header.height};
    } catch (const TextureError&) {
        return std::nullopt;
    }
}

} // namespace cssbinder
