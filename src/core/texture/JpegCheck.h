#pragma once

#include <cstdint>
#include <span>

namespace cssbinder {

// Walks a JPEG file's marker segments and refuses (with a TextureError) a Huffman table that declares
// more than 256 codes (the picture decoder would write past its tables on such a file), sides of 0 or
// above maxSide, and a frame that claims more pixels than the file can hold.
void CheckJpeg(std::span<const std::uint8_t> file, int maxSide);

} // namespace cssbinder
