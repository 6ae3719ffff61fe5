#include "core/crosshair/CrosshairColors.h"

#include <cmath>

namespace cssbinder {
namespace {

int BlendChannel(int background, int current, int alpha) {
    return background * (255 - alpha) / 255 + current * alpha / 255;
}

} // namespace

ColorRef BlendDrawColor(ColorRef background, ColorRef current, int alpha) {
    return Rgb(BlendChannel(RedOf(background), RedOf(current), alpha),
               BlendChannel(GreenOf(background), GreenOf(current), alpha),
               BlendChannel(BlueOf(background), BlueOf(current), alpha));
}

int ConsoleAlphaValue(int alpha) {
    // The factor is a little under 800/255, which keeps full opacity at 799.
    constexpr double kConsoleAlphaFactor = 3.1372549;
    return static_cast<int>(std::floor(alpha * kConsoleAlphaFactor));
}

} // namespace cssbinder
