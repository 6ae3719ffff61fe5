#include "core/texture/PictureDecoder.h"

namespace cssbinder {

// Without libjpeg-turbo (the Windows tree), stb decodes the whole picture and the writer scales it.
Picture DecodeJpeg(std::span<const std::uint8_t> file, PictureSides) {
    return DecodeWholePicture(file);
}

} // namespace cssbinder
