#include "core/advanced/GraphicsSwitches.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace cssbinder {
namespace {

constexpr auto kRain = std::to_array<OverrideLine>({
    {"r_rainalpha", "0"},
    {"r_rainalphapow", "0"},
    {"r_raindensity", "0"},
    {"r_rainlength", "0"},
    {"r_RainProfile", "0"},
    {"r_RainRadius", "0"},
    {"r_RainSideVel", "0"},
    {"r_RainSimulate", "0"},
    {"r_rainspeed", "0"},
    {"r_RainSplashPercentage", "0"},
    {"r_rainwidth", "0"},
});
constexpr auto kShadows = std::to_array<OverrideLine>({
    {"r_shadows", "0"},
    {"r_shadowmaxrendered", "0"},
    {"r_shadowpvs", "0"},
    {"r_shadowrendertotexture", "0"},
    {"r_shadowwireframe", "0"},
});
constexpr auto kBlood = std::to_array<OverrideLine>({
    {"violence_ablood", "0"},
    {"violence_hblood", "0"},
    {"violence_agibs", "0"},
    {"violence_hgibs", "0"},
});
// "Tags" switches off the blood spray and splashes, not the players' spray tags.
constexpr auto kTags = std::to_array<OverrideLine>({{"cl_show_bloodspray", "0"}, {"cl_show_splashes", "0"}});
constexpr auto kBumpMapping = std::to_array<OverrideLine>({{"mat_bumpmap", "0"}, {"mat_fastnobump", "1"}});
constexpr auto kDynLights = std::to_array<OverrideLine>({
    {"mat_forcedynamic", "0"},
    {"mat_softwarelighting", "0"},
    {"r_dynamic", "0"},
    {"r_lightaverage", "0"},
    {"r_lightinterp", "0"},
    {"r_maxdlights", "0"},
    {"r_worldlightmin", "0"},
    {"r_worldlights", "0"},
});
constexpr auto kC4DynLights = std::to_array<OverrideLine>({{"cl_c4dynamiclight", "0"}});
constexpr auto kMipmaps = std::to_array<OverrideLine>({{"mat_mipmaptextures", "0"}});
constexpr auto kEyesMovements = std::to_array<OverrideLine>({
    {"r_eyesize", "0"},
    {"r_eyeshift_z", "0"},
    {"r_eyeshift_y", "0"},
    {"r_eyeshift_x", "0"},
    {"r_eyemove", "0"},
    {"r_eyegloss", "0"},
});
// "Vertex" switches the fill-rate reduction on.
constexpr auto kVertex = std::to_array<OverrideLine>({{"mat_reducefillrate", "1"}});
constexpr auto kFog = std::to_array<OverrideLine>({{"fog_enable", "0"}, {"fog_enable_water_fog", "0"}});

constexpr auto kSwitches = std::to_array<GraphicsSwitch>({
    {1073, kRain},
    {1074, kShadows},
    {1075, kBlood},
    {1076, kTags},
    {1077, kBumpMapping},
    {1079, kDynLights},
    {1080, kC4DynLights},
    {1081, kMipmaps},
    {1082, kEyesMovements},
    {1083, kVertex},
    {1084, kFog},
});

} // namespace

std::span<const GraphicsSwitch> GraphicsSwitches() {
    return kSwitches;
}

const GraphicsSwitch& GraphicsSwitchOf(int controlId) {
    const auto found =
        std::find_if(kSwitches.begin(), kSwitches.end(),
                     [controlId](const GraphicsSwitch& box) { return box.controlId == controlId; });
    if (found == kSwitches.end()) {
        throw std::out_of_range("no graphics switch has this control ID");
    }
    return *found;
}

void ApplyGraphicsSwitch(ConfigDocument& document, const GraphicsSwitch& box, bool checked) {
    for (const OverrideLine& line : box.lines) {
        if (checked) {
            document.RemoveSetting(line.variable);
        } else {
            const std::string text = SettingLine(line.variable, line.value);
            document.Store(text, text);
        }
    }
}

} // namespace cssbinder
