#pragma once

#include <array>
#include <cstdint>

namespace cssbinder {

// A Windows colour value, 0x00BBGGRR: red in the lowest byte, the top byte always 0.
using ColorRef = std::uint32_t;

// Each channel keeps only its low 8 bits, so no channel can spill into its neighbour.
constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
           (static_cast<ColorRef>(b & 0xFF) << 16);
}
constexpr int RedOf(ColorRef color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(ColorRef color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

// The crosshair colours by radio index, which is also the game's cl_crosshaircolor value:
// green, red, blue, yellow, lightblue.
inline constexpr std::array<ColorRef, 5> kCrosshairColors{
    Rgb(0, 255, 0), Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(255, 255, 0), Rgb(128, 128, 255),
};

// The sand colour of the preview surface, with which a transparent crosshair is blended.
inline constexpr ColorRef kCrosshairBackground = 0x0044768D;

// The opaque colour that stands for `current` drawn at `alpha` (0..255) over `background`. Each channel
// is (b*(255-a))/255 + (f*a)/255 with both quotients truncated apart, kept to its low 8 bits.
ColorRef BlendDrawColor(ColorRef background, ColorRef current, int alpha);

// The game's cl_crosshairalpha value for an alpha of 0..255: floor(alpha * 3.1372549), so 255 gives 799.
int ConsoleAlphaValue(int alpha);

} // namespace cssbinder
