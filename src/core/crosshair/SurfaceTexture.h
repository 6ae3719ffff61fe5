#pragma once

#include <cstdint>
#include <vector>

namespace cssbinder {

// The size of the crosshair preview and of the surface drawn behind it, in pixels.
inline constexpr int kPreviewWidth = 137;
inline constexpr int kPreviewHeight = 126;

// A gritty sand surface of width x height pixels (both above 0): RGB bytes, row by row, 3 bytes a pixel.
// The same seed gives the same bytes everywhere; the average colour is the crosshair background,
// red 141, green 118, blue 68, so that a blended crosshair matches what it is drawn over.
std::vector<std::uint8_t> MakeSurfaceTexture(int width, int height, std::uint32_t seed);

} // namespace cssbinder
