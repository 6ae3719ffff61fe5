#include "core/crosshair/SurfaceTexture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>

namespace cssbinder {
namespace {

TEST(SurfaceTexture, HasThreeBytesAPixelAndIsTheSameForTheSameSeed) {
    const auto preview = MakeSurfaceTexture(kPreviewWidth, kPreviewHeight, 133);
    EXPECT_EQ(preview.size(), 137u * 126u * 3u);
    EXPECT_EQ(MakeSurfaceTexture(kPreviewWidth, kPreviewHeight, 133), preview);
    EXPECT_NE(MakeSurfaceTexture(kPreviewWidth, kPreviewHeight, 134), preview);
}

TEST(SurfaceTexture, AveragesTheSandColourAndEveryGrainKeepsItsHue) {
    const struct {
        int width;
        int height;
        std::uint32_t seed;
    } cases[] = {
        {kPreviewWidth, kPreviewHeight, 133}, {kPreviewWidth, kPreviewHeight, 0xFFFFFFFFu}, {40, 25, 7}};
    for (const auto& c : cases) {
        const auto pixels = MakeSurfaceTexture(c.width, c.height, c.seed);
        double sums[3] = {};
        for (std::size_t i = 0; i < pixels.size(); i += 3) {
            ASSERT_TRUE(pixels[i] > pixels[i + 1] && pixels[i + 1] > pixels[i + 2]) << "pixel " << i / 3;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                sums[channel] += pixels[i + channel];
            }
        }
        const double count = c.width * c.height;
        EXPECT_NEAR(sums[0] / count, 141.0, 2.0) << "seed " << c.seed;
        EXPECT_NEAR(sums[1] / count, 118.0, 2.0) << "seed " << c.seed;
        EXPECT_NEAR(sums[2] / count, 68.0, 2.0) << "seed " << c.seed;
    }
}

// Neighbouring pixels differ (grain) and so do regions of 16 x 16 pixels (blotches).
TEST(SurfaceTexture, IsGrittyAndBlotchy) {
    const auto pixels = MakeSurfaceTexture(kPreviewWidth, kPreviewHeight, 133);
    const auto green = [&pixels](int x, int y) {
        return pixels[static_cast<std::size_t>(y * kPreviewWidth + x) * 3 + 1];
    };
    double neighbourDifference = 0.0;
    for (int y = 0; y < kPreviewHeight; ++y) {
        for (int x = 1; x < kPreviewWidth; ++x) {
            neighbourDifference += std::abs(green(x, y) - green(x - 1, y));
        }
    }
    EXPECT_GT(neighbourDifference / (kPreviewHeight * (kPreviewWidth - 1)), 2.0);

    double darkest = 255.0;
    double brightest = 0.0;
    for (int by = 0; by + 16 <= kPreviewHeight; by += 16) {
        for (int bx = 0; bx + 16 <= kPreviewWidth; bx += 16) {
            double sum = 0.0;
            for (int i = 0; i < 256; ++i) {
                sum += green(bx + i % 16, by + i / 16);
            }
            darkest = std::min(darkest, sum / 256);
            brightest = std::max(brightest, sum / 256);
        }
    }
    EXPECT_GT(brightest - darkest, 6.0);
}

} // namespace
} // namespace cssbinder
