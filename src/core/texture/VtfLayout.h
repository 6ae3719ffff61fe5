#pragma once

#include <cstdint>

namespace cssbinder {

// The fixed parts of the game's texture format as we write it: version 7.2, DXT1, one frame.
inline constexpr int kVtfHeaderSize = 80;
inline constexpr std::int32_t kVtfFormatDxt1 = 13;
// No mipmaps and no level of detail: the game then never picks a smaller level for a menu background.
inline constexpr std::uint32_t kVtfFlagsWithoutMipmaps = 0x100 | 0x200;

// The number of levels of a full mipmap chain, from width x height down to 1 x 1.
int FullMipmapCount(int width, int height);

// One side at a mipmap level: halved per level, never below 1.
inline int MipmapSide(int side, int level) {
    return side >> level > 0 ? side >> level : 1;
}

// The small preview image stored before the levels: the picture halved until both sides are at most 16.
struct LowResSize {
    int width;
    int height;
};
LowResSize LowResSizeOf(int width, int height);

} // namespace cssbinder
