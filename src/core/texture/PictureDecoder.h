#pragma once

#include "core/texture/Picture.h"

#include <cstdint>
#include <span>

namespace cssbinder {

// Decodes a TGA, PNG or BMP file (or a JPEG file, where no JPEG decoder of its own is built) that
// its format's check has passed, at its own size.
Picture DecodeWholePicture(std::span<const std::uint8_t> file);

// The sides a checked file's header gives, read without decoding any pixel.
PictureSides ReadHeaderSides(std::span<const std::uint8_t> file);

// Decodes a JPEG file that its check has passed, one back end per build: with libjpeg-turbo, at the
// smallest of its scales (1/8, 1/4, 1/2) that keeps both sides at least those asked for, or at its own
// size; without it, always at its own size.
Picture DecodeJpeg(std::span<const std::uint8_t> file, PictureSides atLeast);

} // namespace cssbinder
