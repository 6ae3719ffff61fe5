#include "core/layout/WindowFit.h"

#include <algorithm>

namespace cssbinder {

double WindowFitScale(const WindowFitSizes& sizes) {
    constexpr double kSmallest = 0.1;
    if (sizes.width <= 0 || sizes.height <= 0) {
        return 1.0;
    }
    const double across = static_cast<double>(sizes.availableWidth - sizes.frameWidth) / sizes.width;
    const double down = static_cast<double>(sizes.availableHeight - sizes.frameHeight) / sizes.height;
    return std::clamp(std::min(across, down), kSmallest, 1.0);
}

} // namespace cssbinder
