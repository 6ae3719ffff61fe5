#include "core/gamma/GammaSetting.h"

#include "core/text/DialogNumber.h"

namespace cssbinder {
namespace {

constexpr char kGammaVariable[] = "mat_monitorgamma";

} // namespace

bool IsGammaInRange(float gamma) {
    return gamma >= kGammaMin && gamma <= kGammaMax;
}

double GammaForPosition(int position) {
    return position * 0.01;
}

std::string GammaLine(float gamma) {
    return std::string(kGammaVariable) + " \"" + FormatSixDecimals(static_cast<double>(gamma)) + '"';
}

void StoreGamma(ConfigDocument& document, float gamma) {
    document.RemoveSetting(kGammaVariable);
    const std::string line = GammaLine(gamma);
    document.Store(line, line);
}

} // namespace cssbinder
