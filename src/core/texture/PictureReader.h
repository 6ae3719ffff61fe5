#pragma once

#include "core/texture/Picture.h"
#include "core/texture/PictureSource.h"

#include <cstdint>
#include <optional>
#include <span>

namespace cssbinder {

// Decodes a TGA, PNG, JPEG or BMP file held in memory. A file without the PNG, JPEG or BMP signature
// is taken as TGA. Before any pixel is decoded, each format's check reads its header: sides of 0 or
// above maxSide, and more pixels than the file's bytes can hold, are refused with the same words in
// every format. A JPEG picture may be decoded smaller than its own size, but never below atLeast on
// either side (nor below its own), as the textures made of it need no more. Throws a TextureError
// with the reason.
Picture ReadPicture(std::span<const std::uint8_t> file, int maxSide = kMaxPictureSide,
                    PictureSides atLeast = kFullSize);

// The same, read from the source: a TGA file a piece at a time straight into its pixels, any other
// file whole.
Picture ReadPicture(PictureSource& file, int maxSide = kMaxPictureSide, PictureSides atLeast = kFullSize);

// The sides of a picture file that passes its format's check, read from its header; nothing when it
// cannot be read.
std::optional<PictureSides> ReadPictureSides(std::span<const std::uint8_t> file);

} // namespace cssbinder
