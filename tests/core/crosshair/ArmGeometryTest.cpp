#include "core/crosshair/ArmGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace cssbinder {

void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << '{' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << '}';
}

namespace {

constexpr PixelRect kPreview{0, 0, 137, 126};

struct ScaleRow {
    int scale;
    int armLength;
    int gap;
    int thickness;
};

const ScaleRow kScaleRows[] = {
    {200, 36, 22, 2}, {400, 30, 19, 2}, {600, 25, 16, 2}, {800, 19, 13, 1}, {1000, 13, 10, 1},
    {1200, 8, 6, 1},  {1400, 7, 6, 1},  {1600, 6, 5, 1},  {1800, 6, 5, 1},  {2000, 5, 5, 1},
    {2200, 4, 4, 1},  {2400, 4, 4, 1},  {2600, 3, 3, 1},  {2800, 2, 3, 1},  {3000, 2, 2, 1},
};

TEST(ArmGeometry, EveryReachableScale) {
    for (const ScaleRow& row : kScaleRows) {
        const ArmGeometry geometry = ArmGeometryForScale(row.scale);
        EXPECT_EQ(geometry, (ArmGeometry{row.armLength, row.gap})) << "scale " << row.scale;
        EXPECT_EQ(ArmThickness(geometry.armLength), row.thickness) << "scale " << row.scale;
    }
    EXPECT_EQ(ArmThickness(20), 1);
    EXPECT_EQ(ArmThickness(21), 2);
}

// The centre rounds toward the right and the top; the start arms leave it free, gap 8 before it, 7 after.
TEST(ComputeArmRects, StartGeometryAroundThePreviewCentre) {
    EXPECT_EQ(PreviewCentre({201, 181, 338, 307}), (PixelPoint{270, 244}));
    const PixelPoint centre = PreviewCentre(kPreview);
    ASSERT_EQ(centre, (PixelPoint{69, 63}));
    const int cx = centre.x;
    const int cy = centre.y;

    const ArmRects arms = ComputeArmRects(cx, cy, 8, 8, 1);
    EXPECT_EQ(arms.left, (PixelRect{cx - 16, cy, cx - 8, cy + 1}));
    EXPECT_EQ(arms.right, (PixelRect{cx + 8, cy, cx + 16, cy + 1}));
    EXPECT_EQ(arms.top, (PixelRect{cx, cy - 16, cx + 1, cy - 8}));
    EXPECT_EQ(arms.bottom, (PixelRect{cx, cy + 8, cx + 1, cy + 16}));
}

TEST(ComputeArmRects, LargestCrosshairIsTwoPixelsThick) {
    const ArmGeometry geometry = ArmGeometryForScale(200);
    const ArmRects arms =
        ComputeArmRects(40, 90, geometry.armLength, geometry.gap, ArmThickness(geometry.armLength));
    EXPECT_EQ(arms.left, (PixelRect{40 - 58, 90, 40 - 22, 92}));
    EXPECT_EQ(arms.right, (PixelRect{40 + 22, 90, 40 + 58, 92}));
    EXPECT_EQ(arms.top, (PixelRect{40, 90 - 58, 42, 90 - 22}));
    EXPECT_EQ(arms.bottom, (PixelRect{40, 90 + 22, 42, 90 + 58}));
}

TEST(ComputeArmRects, EveryReachableScaleFitsThePreviewWithTheCentreFree) {
    const PixelPoint c = PreviewCentre(kPreview);
    for (const ScaleRow& row : kScaleRows) {
        const ArmRects arms = ComputeArmRects(c.x, c.y, row.armLength, row.gap, row.thickness);
        for (const PixelRect& arm : {arms.left, arms.right, arms.top, arms.bottom}) {
            EXPECT_TRUE(arm.left >= 0 && arm.top >= 0 && arm.right <= 137 && arm.bottom <= 126) << row.scale;
            EXPECT_FALSE(c.x >= arm.left && c.x < arm.right && c.y >= arm.top && c.y < arm.bottom)
                << row.scale;
            const bool horizontal = arm.top == c.y;
            EXPECT_EQ(arm.right - arm.left, horizontal ? row.armLength : row.thickness) << row.scale;
            EXPECT_EQ(arm.bottom - arm.top, horizontal ? row.thickness : row.armLength) << row.scale;
        }
    }
}

} // namespace
} // namespace cssbinder
