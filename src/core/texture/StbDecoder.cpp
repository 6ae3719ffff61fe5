#include "core/texture/PictureDecoder.h"

#include <stb/stb_image.h>

#include <climits>
#include <memory>
#include <string>

namespace cssbinder {
namespace {

int FileSize(std::span<const std::uint8_t> file) {
    if (file.size() > static_cast<std::size_t>(INT_MAX)) {
        throw TextureError("file too large");
    }
    return static_cast<int>(file.size());
}

[[noreturn]] void ThrowDecoderFailure() {
    throw TextureError(std::string("cannot decode the picture (") + stbi_failure_reason() + ")");
}

} // namespace

Picture DecodeWholePicture(std::span<const std::uint8_t> file) {
    Picture picture;
    int channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(file.data(), FileSize(file), &picture.width, &picture.height, &channels, 4),
        stbi_image_free);
    if (!pixels) {
        ThrowDecoderFailure();
    }
    picture.rgba.assign(pixels.get(),
                        pixels.get() + static_cast<std::size_t>(picture.width) * picture.height * 4);
    return picture;
}

PictureSides ReadHeaderSides(std::span<const std::uint8_t> file) {
    PictureSides sides;
    int channels = 0;
    if (stbi_info_from_memory(file.data(), FileSize(file), &sides.width, &sides.height, &channels) == 0) {
        ThrowDecoderFailure();
    }
    return sides;
}

} // namespace cssbinder
