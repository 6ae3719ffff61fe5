#include "core/gamma/GammaAccess.h"

#include <algorithm>
#include <array>

namespace cssbinder {

bool WindowSystemAllowsGamma(std::string_view platformName) {
    constexpr std::array<std::string_view, 2> kAllowing{"xcb", "windows"};
    return std::find(kAllowing.begin(), kAllowing.end(), platformName) != kAllowing.end();
}

GammaAccess AccessOfOutputs(const std::vector<std::string>& outputNames, const std::vector<int>& gammaSizes) {
    const bool xwayland = std::any_of(outputNames.begin(), outputNames.end(),
                                      [](const std::string& name) { return name.starts_with("XWAYLAND"); });
    const bool anyRamp = std::any_of(gammaSizes.begin(), gammaSizes.end(), [](int size) { return size > 0; });
    return xwayland || !anyRamp ? GammaAccess::NotChangeable : GammaAccess::Changeable;
}

} // namespace cssbinder
