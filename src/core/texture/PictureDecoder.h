#pragma once

#include "core/texture/Picture.h"
#include "core/texture/PictureSource.h"
#include "core/texture/TgaCheck.h"

#include <cstdint>
#include <span>

namespace cssbinder {

// Decodes a PNG or BMP file (or a JPEG file, where no JPEG decoder of its own is built) that its
// format's check has passed, at its own size.
Picture DecodeWholePicture(std::span<const std::uint8_t> file);

// The sides a checked PNG, JPEG or BMP file's header gives, read without decoding any pixel.
PictureSides ReadHeaderSides(std::span<const std::uint8_t> file);

// Decodes a TGA file whose header passed CheckTga straight into the picture, reading what follows the
// header from `rest` a piece at a time. Throws a TextureError for a fault in the pixels, such as
// "truncated pixel data" or "colour index outside the colour map".
Picture DecodeTga(const TgaHeader& header, PictureSource& rest);

// Decodes a JPEG file that its check has passed, one back end per build: with libjpeg-turbo, at the
// smallest of its scales (1/8, 1/4, 1/2) that keeps both sides at least those asked for, or at its own
// size; without it, always at its own size.
Picture DecodeJpeg(std::span<const std::uint8_t> file, PictureSides atLeast);

} // namespace cssbinder
