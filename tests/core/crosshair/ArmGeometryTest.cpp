#include "core/crosshair/ArmGeometry.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <tuple>

namespace cssbinder {

void PrintTo(const PixelRect& r, std::ostream* out) {
    *out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

constexpr PixelRect kPreview{0, 0, 137, 126};

std::array<PixelRect, 4> Arms(const ArmRects& arms) {
    return {arms.left, arms.right, arms.top, arms.bottom};
}

TEST(ArmGeometry, EveryReachableScaleFitsThePreviewAndLeavesTheCentreFree) {
    const struct {
        int scale;
        int armLength;
        int gap;
        int thickness;
    } rows[] = {
        {200, 36, 22, 2}, {400, 30, 19, 2}, {600, 25, 16, 2}, {800, 19, 13, 1}, {1000, 13, 10, 1},
        {1200, 8, 6, 1},  {1400, 7, 6, 1},  {1600, 6, 5, 1},  {1800, 6, 5, 1},  {2000, 5, 5, 1},
        {2200, 4, 4, 1},  {2400, 4, 4, 1},  {2600, 3, 3, 1},  {2800, 2, 3, 1},  {3000, 2, 2, 1},
    };
    const PixelPoint c = PreviewCentre(kPreview);
    for (const auto& row : rows) {
        const ArmGeometry g = ArmGeometryForScale(row.scale);
        const int thickness = ArmThickness(g.armLength);
        EXPECT_EQ(std::tuple(g.armLength, g.gap, thickness),
                  std::tuple(row.armLength, row.gap, row.thickness))
            << "scale " << row.scale;
        for (const PixelRect& a : Arms(ComputeArmRects(c.x, c.y, g.armLength, g.gap, thickness))) {
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= 137 && a.bottom <= 126) << row.scale;
            EXPECT_FALSE(c.x >= a.left && c.x < a.right && c.y >= a.top && c.y < a.bottom) << row.scale;
        }
    }
}

// Left, right, top and bottom arm. The centre rounds toward the right and the top. The start arms (8 long,
// gap 8) leave 8 free pixels before it and 7 after it; scale 200 draws 2-pixel arms from cx - 58 to cx + 57.
TEST(ComputeArmRects, StartAndLargestCrosshairAroundThePreviewCentre) {
    const PixelPoint c = PreviewCentre(kPreview);
    ASSERT_EQ(c, (PixelPoint{69, 63}));
    EXPECT_EQ(
        Arms(ComputeArmRects(c.x, c.y, 8, 8, 1)),
        (std::array<PixelRect, 4>{{{53, 63, 61, 64}, {77, 63, 85, 64}, {69, 47, 70, 55}, {69, 71, 70, 79}}}));
    EXPECT_EQ(Arms(ComputeArmRects(c.x, c.y, 36, 22, 2)),
              (std::array<PixelRect, 4>{
                  {{11, 63, 47, 65}, {91, 63, 127, 65}, {69, 5, 71, 41}, {69, 85, 71, 121}}}));
}

} // namespace
} // namespace cssbinder
