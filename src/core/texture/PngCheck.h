#pragma once

#include <cstdint>
#include <span>

namespace cssbinder {

// Reads a PNG file's header and refuses (with a TextureError) sides of 0 or above maxSide, and a
// picture whose pixels could not fit in the file even at the best ratio deflate allows: a header that
// claims a huge picture is refused before anything is allocated for it.
void CheckPng(std::span<const std::uint8_t> file, int maxSide);

} // namespace cssbinder
