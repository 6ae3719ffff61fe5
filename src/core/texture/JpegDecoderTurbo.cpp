#include "core/texture/PictureDecoder.h"

#include <turbojpeg.h>

#include <algorithm>
#include <memory>
#include <string>

namespace cssbinder {
namespace {

using Decompressor = std::unique_ptr<void, int (*)(tjhandle)>;

[[noreturn]] void ThrowDecoderFailure(tjhandle handle) {
    throw TextureError(std::string("cannot decode the picture (") + tjGetErrorStr2(handle) + ")");
}

// The scales the decoder reaches by dropping frequencies, smallest first: the cheapest way to a
// smaller picture, and a filtered one.
constexpr tjscalingfactor kScales[] = {{1, 8}, {1, 4}, {1, 2}};

// The smallest scale that keeps both sides at least those asked for (or the picture's own, where
// they are smaller); the whole size when none does.
tjscalingfactor SmallestScale(PictureSides sides, PictureSides atLeast) {
    for (const tjscalingfactor scale : kScales) {
        if (TJSCALED(sides.width, scale) >= std::min(atLeast.width, sides.width) &&
            TJSCALED(sides.height, scale) >= std::min(atLeast.height, sides.height)) {
            return scale;
        }
    }
    return {1, 1};
}

} // namespace

Picture DecodeJpeg(std::span<const std::uint8_t> file, PictureSides atLeast) {
    const Decompressor decompressor(tjInitDecompress(), tjDestroy);
    tjhandle handle = decompressor.get();
    if (handle == nullptr) {
        throw TextureError("cannot start the JPEG decoder");
    }
    PictureSides sides;
    int subsampling = 0;
    int colourSpace = 0;
    if (tjDecompressHeader3(handle, file.data(), file.size(), &sides.width, &sides.height, &subsampling,
                            &colourSpace) != 0) {
        ThrowDecoderFailure(handle);
    }
    // libjpeg-turbo gives CMYK pictures only as CMYK: stb turns them into RGB, at their own size.
    if (colourSpace == TJCS_CMYK || colourSpace == TJCS_YCCK) {
        return DecodeWholePicture(file);
    }
    const tjscalingfactor scale = SmallestScale(sides, atLeast);
    Picture picture{TJSCALED(sides.width, scale), TJSCALED(sides.height, scale), {}};
    picture.rgba.resize(static_cast<std::size_t>(picture.width) * picture.height * 4);
    // A damaged stream only warns, and its missing part is filled as other decoders fill it; a file
    // with thousands of progressive scans is refused rather than decoded for minutes.
    if (tjDecompress2(handle, file.data(), file.size(), picture.rgba.data(), picture.width, 0, picture.height,
                      TJPF_RGBA, TJFLAG_LIMITSCANS) != 0 &&
        tjGetErrorCode(handle) != TJERR_WARNING) {
        ThrowDecoderFailure(handle);
    }
    return picture;
}

} // namespace cssbinder
