#pragma once

#include "core/texture/Picture.h"

#include <cstdint>
#include <span>

namespace cssbinder {

// Decodes a TGA, PNG, JPEG or BMP file held in memory. A file without the PNG, JPEG or BMP signature
// is taken as TGA. Before any pixel is decoded, each format's check reads its header: sides of 0 or
// above maxSide, and more pixels than the file's bytes can hold, are refused with the same words in
// every format (a TGA file is walked whole). Throws a TextureError with the reason.
Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide = kMaxPictureSide);

} // namespace cssbinder
