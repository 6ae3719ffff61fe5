#include "core/texture/VtfLayout.h"

#include <algorithm>

namespace cssbinder {

int FullMipmapCount(int width, int height) {
    int levels = 1;
    for (int side = std::max(width, height); side > 1; side /= 2) {
        ++levels;
    }
    return levels;
}

LowResSize LowResSizeOf(int width, int height) {
    while (width > 16 || height > 16) {
        width = std::max(1, width / 2);
        height = std::max(1, height / 2);
    }
    return {width, height};
}

} // namespace cssbinder
