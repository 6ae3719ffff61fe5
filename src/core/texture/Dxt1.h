#pragma once

#include "core/texture/Picture.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace cssbinder {

// DXT1 (BC1) keeps every 4 x 4 pixels, or what there is of them at an edge, in one 8-byte block.
std::size_t Dxt1Size(int width, int height);

// Compresses each picture to DXT1 blocks, rows of blocks from the top, in the high-quality mode. The
// rows of blocks of all pictures are shared among the processor's cores. Alpha is ignored.
std::vector<std::vector<std::uint8_t>> CompressDxt1(std::span<const Picture* const> pictures);

// Decodes width x height pixels from DXT1 blocks (at least Dxt1Size bytes).
Picture DecompressDxt1(std::span<const std::uint8_t> blocks, int width, int height);

} // namespace cssbinder
