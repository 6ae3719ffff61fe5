#include "core/crosshair/ArmGeometry.h"

namespace cssbinder {
namespace {

// arm = armBase - scale * armSlope; gap = (gapBase - scale * gapSlope) / 2.
struct ScaleFit {
    double armBase;
    double armSlope;
    double gapBase;
    double gapSlope;
};

constexpr ScaleFit kLargeCrosshairFit{42.2857145, 0.028571429, 50.2857145, 0.03};
constexpr ScaleFit kSmallCrosshairFit{11.9999996, 0.003333333, 18.9999996, 0.004444444};
// A smaller scale is a larger crosshair; the game's curve bends at this scale.
constexpr int kFitBoundaryScale = 1000;
constexpr int kThickArmLength = 21;

} // namespace

ArmGeometry ArmGeometryForScale(int scale) {
    const ScaleFit& fit = scale > kFitBoundaryScale ? kSmallCrosshairFit : kLargeCrosshairFit;
    const double s = scale;
    return {static_cast<int>(fit.armBase - s * fit.armSlope),
            static_cast<int>((fit.gapBase - s * fit.gapSlope) * 0.5)};
}

int ArmThickness(int armLength) {
    return armLength >= kThickArmLength ? 2 : 1;
}

ArmRects ComputeArmRects(int cx, int cy, int armLength, int gap, int thickness) {
    const int length = armLength;
    const int t = thickness;
    return {
        {cx - length - gap, cy, cx - gap, cy + t},
        {cx + gap, cy, cx + gap + length, cy + t},
        {cx, cy - length - gap, cx + t, cy - gap},
        {cx, cy + gap, cx + t, cy + gap + length},
    };
}

PixelPoint PreviewCentre(const PixelRect& preview) {
    return {preview.right - (preview.right - preview.left) / 2,
            preview.top + (preview.bottom - preview.top) / 2};
}

} // namespace cssbinder
