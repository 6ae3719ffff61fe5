#pragma once

#include <cstdint>
#include <span>

namespace cssbinder {

// What the picture decoder does not see for itself in a TGA file.
struct TgaFacts {
    bool rightToLeft = false; // pixels stored from the right edge of each row
};

// Walks a TGA file's header, colour map and pixel data (run-length packets included) without decoding
// it, so that nothing is allocated for a file that cannot be right. Accepts colour-mapped (types 1, 9),
// true-colour (2, 10) and grey (3, 11) pictures with sides from 1 to maxSide; throws a TextureError with
// the first fault found, such as "truncated pixel data".
TgaFacts CheckTga(std::span<const std::uint8_t> file, int maxSide);

} // namespace cssbinder
