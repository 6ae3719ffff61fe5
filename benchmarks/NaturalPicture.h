#pragma once

#include "core/texture/Picture.h"

#include <cstdint>

namespace cssbinder {

// A landscape that compresses like a photograph: a sky graded from deep blue to a warm haze with soft,
// finely textured clouds, a pale sun with a hard rim, grassy hills below a wavy ridge line, and film
// grain over all. The same seed gives the same pixels.
Picture NaturalPicture(int width, int height, std::uint32_t seed);

} // namespace cssbinder
