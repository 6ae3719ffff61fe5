#include "core/crosshair/SurfaceTexture.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <tuple>

namespace cssbinder {
namespace {

// Three bytes a pixel, the same bytes for the same seed, the sand colour on average, and neighbouring
// pixels that differ: gritty, not flat.
TEST(SurfaceTexture, IsAGrittySandOfTheSeed) {
    for (const auto& [width, height, seed] :
         {std::tuple(kPreviewWidth, kPreviewHeight, 133u),
          std::tuple(kPreviewWidth, kPreviewHeight, 0xFFFFFFFFu), std::tuple(40, 25, 7u)}) {
        const auto pixels = MakeSurfaceTexture(width, height, seed);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width * height * 3));
        EXPECT_EQ(MakeSurfaceTexture(width, height, seed), pixels);
        EXPECT_NE(MakeSurfaceTexture(width, height, seed + 1), pixels);
        double sums[3] = {};
        double grain = 0.0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            sums[i % 3] += pixels[i];
            grain += i < 3 ? 0 : std::abs(pixels[i] - pixels[i - 3]);
        }
        const double count = width * height;
        EXPECT_NEAR(sums[0] / count, 141.0, 2.0) << "seed " << seed;
        EXPECT_NEAR(sums[1] / count, 118.0, 2.0) << "seed " << seed;
        EXPECT_NEAR(sums[2] / count, 68.0, 2.0) << "seed " << seed;
        EXPECT_GT(grain / count / 3, 2.0) << "seed " << seed;
    }
}

} // namespace
} // namespace cssbinder
