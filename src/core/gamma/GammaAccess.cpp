#include "core/gamma/GammaAccess.h"

#include <algorithm>
#include <array>

namespace cssbinder {

bool WindowSystemAllowsGamma(std::string_view platformName) {
    constexpr std::array<std::string_view, 2> kAllowing{"xcb", "windows"};
    return std::find(kAllowing.begin(), kAllowing.end(), platformName) != kAllowing.end();
}

GammaAccess AccessOfXServer(const XServerFacts& facts) {
    const bool xwayland = facts.randrEmulation || facts.xwaylandExtension ||
                          std::ranges::any_of(facts.outputNames, [](const std::string& name) {
                              return name.starts_with("XWAYLAND");
                          });
    const bool anyRamp = std::ranges::any_of(facts.gammaSizes, [](int size) { return size > 0; });
    return xwayland || !anyRamp ? GammaAccess::NotChangeable : GammaAccess::Changeable;
}

} // namespace cssbinder
