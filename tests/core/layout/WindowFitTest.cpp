#include "core/layout/WindowFit.h"

#include <gtest/gtest.h>

#include <utility>

namespace cssbinder {
namespace {

// The main window (621 x 671), the gamma dialog (820 x 750) and a wide window, with a title bar and
// borders of 42 x 8, on the free room of common screens at common scales.
constexpr std::pair<WindowFitSizes, double> kCases[] = {
    {{621, 671, 8, 42, 1920, 1080}, 1.0},           // fits: left as it is
    {{621, 671, 8, 42, 629, 713}, 1.0},             // fits to the pixel
    {{820, 750, 8, 42, 1366, 768}, 726.0 / 750},    // too tall by its title bar
    {{1200, 300, 8, 42, 1024, 640}, 1016.0 / 1200}, // too wide
    {{621, 671, 8, 42, 40, 30}, 0.1},               // no room at all
};

TEST(WindowFit, ScalesJustEnoughToFit) {
    for (const auto& [sizes, scale] : kCases) {
        EXPECT_DOUBLE_EQ(WindowFitScale(sizes), scale)
            << sizes.width << " x " << sizes.height << " in " << sizes.availableWidth << " x "
            << sizes.availableHeight;
    }
}

} // namespace
} // namespace cssbinder
