#include "core/advanced/ConnectionPresets.h"
#include "core/advanced/GraphicsSwitches.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

std::vector<std::string> Lines(const ConfigDocument& document) {
    std::vector<std::string> lines;
    for (const ConfigEntry& entry : document.Entries()) {
        lines.push_back(entry.line);
    }
    return lines;
}

// The ten settings every preset stores, in this order.
constexpr const char* kSettings[] = {
    "rate",      "cl_rate",       "cl_cmdrate", "cl_cmdbackup",   "cl_updaterate",
    "cl_smooth", "cl_smoothtime", "cl_interp",  "cl_interpolate", "cl_lagcomp_errorcheck"};

struct PresetCase {
    ConnectionPreset preset;
    std::uint32_t defaultTtl;
    std::uint32_t windowSize;
    const char* values; // of the ten settings, blank-separated
};

// Another preset's lines are replaced where they stand, ahead of a bind stored after them.
TEST(ConnectionPresets, TenSettingsByNameAndThreeRegistryValues) {
    for (const PresetCase& expected :
         {PresetCase{ConnectionPreset::Modem56k, 64, 8192, "6400 6400 10 5 20 0 0.2 1 1 1"},
          PresetCase{ConnectionPreset::Adsl, 128, 101452, "20000 10000 45 5 85 0 0.1 0.05 1 1"},
          PresetCase{ConnectionPreset::Lan, 128, 255552, "25000 25000 150 5 150 0 0.1 0.05 1 1"}}) {
        ConfigDocument document;
        ApplyConnectionPreset(document, expected.preset == ConnectionPreset::Lan ? ConnectionPreset::Adsl
                                                                                 : ConnectionPreset::Lan);
        document.Store("x", "bind \"x\" \"say rate\"");
        ApplyConnectionPreset(document, expected.preset);
        std::vector<std::string> lines;
        std::istringstream values(expected.values);
        for (const char* setting : kSettings) {
            std::string value;
            values >> value;
            lines.push_back(std::string(setting) + " \"" + value + '"');
        }
        lines.push_back("bind \"x\" \"say rate\"");
        EXPECT_EQ(Lines(document), lines);

        std::string registry;
        for (const TcpipValue& value : TcpipValuesOf(expected.preset)) {
            registry += std::string(value.name) + '=' + std::to_string(value.value) + ' ';
        }
        EXPECT_EQ(registry, "DefaultTTL=" + std::to_string(expected.defaultTtl) +
                                " GlobalMaxTcpWindowSize=" + std::to_string(expected.windowSize) +
                                " TcpWindowSize=" + std::to_string(expected.windowSize) + ' ');
    }
}

TEST(ConnectionPresets, DefaultRemovesTheTenSettingsAndNothingThatOnlyContainsTheirNames) {
    ConfigDocument document;
    document.Store("x", "bind \"x\" \"say accurate rate cl_smooth\"");
    ApplyGraphicsSwitch(document, GraphicsSwitchOf(1083), false);
    document.Store("cl_smoothing", "cl_smoothing \"1\"");
    ApplyConnectionPreset(document, ConnectionPreset::Adsl);
    RemoveConnectionSettings(document);
    EXPECT_EQ(Lines(document), (std::vector<std::string>{"bind \"x\" \"say accurate rate cl_smooth\"",
                                                         "mat_reducefillrate \"1\"", "cl_smoothing \"1\""}));
}

TEST(DirectXLevel, EachButtonReplacesTheLevelAndDefaultRemovesIt) {
    ConfigDocument document;
    document.Store("mat_dxlevel_fallback", "mat_dxlevel_fallback \"1\"");
    ApplyDirectXLevel(document, 2);
    ApplyDirectXLevel(document, 3);
    EXPECT_EQ(Lines(document),
              (std::vector<std::string>{"mat_dxlevel_fallback \"1\"", "mat_dxlevel \"90\""}));
    ApplyDirectXLevel(document, 0);
    EXPECT_EQ(*document.Find("mat_dxlevel"), "mat_dxlevel \"70\"");
    RemoveDirectXLevel(document);
    EXPECT_EQ(Lines(document), std::vector<std::string>{"mat_dxlevel_fallback \"1\""});
}

TEST(GraphicsSwitches, UncheckingStoresTheLinesInOrderAndCheckingRemovesThem) {
    const std::pair<int, std::vector<std::string>> boxes[] = {
        {1073,
         {"r_rainalpha \"0\"", "r_rainalphapow \"0\"", "r_raindensity \"0\"", "r_rainlength \"0\"",
          "r_RainProfile \"0\"", "r_RainRadius \"0\"", "r_RainSideVel \"0\"", "r_RainSimulate \"0\"",
          "r_rainspeed \"0\"", "r_RainSplashPercentage \"0\"", "r_rainwidth \"0\""}},
        {1083, {"mat_reducefillrate \"1\""}},
        {1077, {"mat_bumpmap \"0\"", "mat_fastnobump \"1\""}},
        {1076, {"cl_show_bloodspray \"0\"", "cl_show_splashes \"0\""}},
        {1084, {"fog_enable \"0\"", "fog_enable_water_fog \"0\""}}};
    for (const auto& [controlId, lines] : boxes) {
        ConfigDocument document;
        document.Store("c", "bind \"c\" \"say r_shadows fog_enable r_rainalpha mat_bumpmap\"");
        ApplyGraphicsSwitch(document, GraphicsSwitchOf(controlId), false);
        std::vector<std::string> expected{"bind \"c\" \"say r_shadows fog_enable r_rainalpha mat_bumpmap\""};
        expected.insert(expected.end(), lines.begin(), lines.end());
        EXPECT_EQ(Lines(document), expected) << controlId;

        // A second uncheck rewrites the same lines in place.
        ApplyGraphicsSwitch(document, GraphicsSwitchOf(controlId), false);
        EXPECT_EQ(document.GetCount(), expected.size()) << controlId;

        // Checking takes exactly the box's settings; the say bind naming them stays.
        ApplyGraphicsSwitch(document, GraphicsSwitchOf(controlId), true);
        EXPECT_EQ(Lines(document), std::vector<std::string>{expected.front()}) << controlId;
    }
}

TEST(GraphicsSwitches, ElevenBoxesEachWithLinesOfItsOwn) {
    ConfigDocument document;
    std::size_t lineCount = 0;
    for (const GraphicsSwitch& box : GraphicsSwitches()) {
        ApplyGraphicsSwitch(document, box, false);
        lineCount += box.lines.size();
    }
    EXPECT_EQ(GraphicsSwitches().size(), 11u);
    // No two boxes share a line, so checking one never takes another's.
    EXPECT_EQ(document.GetCount(), lineCount);
    EXPECT_EQ(lineCount, 43u);
    EXPECT_THROW(GraphicsSwitchOf(1078), std::out_of_range);
}

} // namespace
} // namespace cssbinder
