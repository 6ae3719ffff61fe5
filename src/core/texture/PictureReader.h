#pragma once

#include "core/texture/Picture.h"

#include <cstdint>
#include <span>

namespace cssbinder {

// Decodes a TGA, PNG, JPEG or BMP file held in memory. A file without the PNG, JPEG or BMP signature
// is taken as TGA and checked whole before it is decoded; the others have their size checked before
// any pixel is decoded. Sides of 0 or above maxSide are refused. Throws a TextureError with the reason.
Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide = kMaxPictureSide);

} // namespace cssbinder
