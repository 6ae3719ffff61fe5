#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cssbinder {

// The correction tables of one display output: red, green and blue, each with the output's own
// number of entries (256 on most adapters; 1024 and 4096 exist). Entry 0 is the output level for the
// darkest input; 65535 is full output.
struct GammaRamp {
    std::vector<std::uint16_t> red;
    std::vector<std::uint16_t> green;
    std::vector<std::uint16_t> blue;

    std::size_t Size() const { return red.size(); }
    bool operator==(const GammaRamp&) const = default;
};

// The slider's range: the game's gamma value is position / 100.
inline constexpr int kGammaSliderMin = 100;
inline constexpr int kGammaSliderMax = 300;

// The exponent the preview applies for a slider position: (300 - p) / 100, so 200 is the identity;
// the right end is taken as 297, since an exponent of 0 would turn the screen white.
float ExponentForPosition(int position);

// The ramp for an exponent: entry k is the output for input (k + 1) / size, rounded to the nearest
// level. The three channels are equal; the last entry is always 65535.
GammaRamp BuildGammaRamp(float exponent, std::size_t size = 256);

// The slider position whose ramp comes nearest to the red channel of a ramp (it is not limited to the
// slider's range). A ramp with no lit entry has no exponent to estimate: it gives the identity, 200.
int EstimatePosition(const GammaRamp& ramp);

// The position a confirmed gamma value reopens at: the nearest whole position, so that 1.16 (which
// is a little below 116 / 100 as a double) reopens at 116.
int PositionForGamma(double gamma);

// The 256 levels an 8-bit channel value becomes under one channel of a ramp of any size: how the
// preview pictures show a ramp where the screen itself cannot.
std::vector<std::uint8_t> ChannelLevels(const std::vector<std::uint16_t>& channel);

} // namespace cssbinder
