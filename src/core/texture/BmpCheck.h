#pragma once

#include <cstdint>
#include <span>

namespace cssbinder {

// Reads a BMP file's headers and refuses (with a TextureError) sides of 0 or above maxSide, a kind
// the decoder cannot read, and pixel rows that the file does not hold whole, so that nothing is
// allocated for a file that cannot be right and a file cut short is not decoded as black.
void CheckBmp(std::span<const std::uint8_t> file, int maxSide);

} // namespace cssbinder
