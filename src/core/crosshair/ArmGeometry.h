#pragma once

namespace cssbinder {

// The preview's arms for a crosshair scale: each arm's length and its distance from the centre, in pixels.
struct ArmGeometry {
    int armLength;
    int gap;
    bool operator==(const ArmGeometry&) const = default;
};

// Two linear fits of the game's crosshair, one for scales up to 1000 and one above, truncated toward zero.
ArmGeometry ArmGeometryForScale(int scale);

// Long arms are drawn two pixels thick: 2 from a length of 21, else 1.
int ArmThickness(int armLength);

// A pixel rectangle; right and bottom are exclusive.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PixelRect&) const = default;
};

struct ArmRects {
    PixelRect left;
    PixelRect right;
    PixelRect top;
    PixelRect bottom;
};

// The four arms around the centre pixel (cx, cy), which itself stays empty: `gap` free pixels lie to
// its left and above it, gap - 1 to its right and below it.
ArmRects ComputeArmRects(int cx, int cy, int armLength, int gap, int thickness);

struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint&) const = default;
};

// The crosshair's centre in the preview rectangle: (left + 69, top + 63) for the 137 x 126 preview.
PixelPoint PreviewCentre(const PixelRect& preview);

} // namespace cssbinder
