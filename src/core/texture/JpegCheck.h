#pragma once

#include <cstdint>
#include <span>

namespace cssbinder {

// Walks a JPEG file's marker segments and refuses (with a TextureError) a Huffman table that declares
// more than 256 codes: the picture decoder would write past its tables on such a file.
void CheckJpegTables(std::span<const std::uint8_t> file);

} // namespace cssbinder
