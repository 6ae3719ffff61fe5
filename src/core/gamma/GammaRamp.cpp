#include "core/gamma/GammaRamp.h"

#include <algorithm>
#include <cmath>

namespace cssbinder {

float ExponentForPosition(int position) {
    const int usable = position == kGammaSliderMax ? kGammaSliderMax - 3 : position;
    return static_cast<float>((kGammaSliderMax - usable) * 0.01);
}

GammaRamp BuildGammaRamp(float exponent, std::size_t size) {
    std::vector<std::uint16_t> channel(size);
    const double widened = static_cast<double>(exponent);
    for (std::size_t k = 0; k < size; ++k) {
        const double input = static_cast<double>(k + 1) / static_cast<double>(size);
        const double level = std::clamp(std::pow(input, widened) * 65535.0 + 0.5, 0.0, 65535.0);
        channel[k] = static_cast<std::uint16_t>(level);
    }
    return {channel, channel, channel};
}

int EstimatePosition(const GammaRamp& ramp) {
    const std::size_t size = ramp.Size();
    double sum = 0.0;
    int count = 0;
    for (std::size_t k = 1; k < size; ++k) {
        if (ramp.red[k] == 0) {
            continue;
        }
        sum += std::log(ramp.red[k] / 65536.0) / std::log(static_cast<double>(k) / static_cast<double>(size));
        ++count;
    }
    if (count == 0) {
        return 200;
    }
    const float mean = static_cast<float>(sum / count);
    return static_cast<int>(300.0 - static_cast<double>(mean) * 100.0);
}

int PositionForGamma(double gamma) {
    return static_cast<int>(std::lround(gamma * 100.0));
}

std::vector<std::uint8_t> ChannelLevels(const std::vector<std::uint16_t>& channel) {
    std::vector<std::uint8_t> levels(256);
    if (channel.empty()) {
        return levels;
    }
    for (std::size_t value = 0; value < levels.size(); ++value) {
        const std::size_t entry = value * (channel.size() - 1) / 255;
        levels[value] = static_cast<std::uint8_t>(channel[entry] >> 8);
    }
    return levels;
}

} // namespace cssbinder
