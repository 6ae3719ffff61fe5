#include "core/advanced/ConnectionPresets.h"
#include "core/advanced/GraphicsSwitches.h"

#include <gtest/gtest.h>

#include <string>
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

struct PresetCase {
    ConnectionPreset preset;
    std::vector<std::string> lines;
    std::uint32_t defaultTtl;
    std::uint32_t windowSize;
};

class ConnectionPresetLines : public testing::TestWithParam<PresetCase> {};

TEST_P(ConnectionPresetLines, TenSettingsByNameAndThreeRegistryValues) {
    const PresetCase& expected = GetParam();
    ConfigDocument document;
    ApplyConnectionPreset(document, expected.preset);
    EXPECT_EQ(Lines(document), expected.lines);
    EXPECT_EQ(document.Entries().front().key, "rate");

    const auto values = TcpipValuesOf(expected.preset);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, "DefaultTTL");
    EXPECT_EQ(values[0].value, expected.defaultTtl);
    EXPECT_EQ(values[1].name, "GlobalMaxTcpWindowSize");
    EXPECT_EQ(values[1].value, expected.windowSize);
    EXPECT_EQ(values[2].name, "TcpWindowSize");
    EXPECT_EQ(values[2].value, expected.windowSize);
}

INSTANTIATE_TEST_SUITE_P(
    Presets, ConnectionPresetLines,
    testing::Values(
        PresetCase{ConnectionPreset::Modem56k,
                   {"rate \"6400\"", "cl_rate \"6400\"", "cl_cmdrate \"10\"", "cl_cmdbackup \"5\"",
                    "cl_updaterate \"20\"", "cl_smooth \"0\"", "cl_smoothtime \"0.2\"", "cl_interp \"1\"",
                    "cl_interpolate \"1\"", "cl_lagcomp_errorcheck \"1\""},
                   64,
                   8192},
        PresetCase{ConnectionPreset::Adsl,
                   {"rate \"20000\"", "cl_rate \"10000\"", "cl_cmdrate \"45\"", "cl_cmdbackup \"5\"",
                    "cl_updaterate \"85\"", "cl_smooth \"0\"", "cl_smoothtime \"0.1\"", "cl_interp \"0.05\"",
                    "cl_interpolate \"1\"", "cl_lagcomp_errorcheck \"1\""},
                   128,
                   101452},
        PresetCase{ConnectionPreset::Lan,
                   {"rate \"25000\"", "cl_rate \"25000\"", "cl_cmdrate \"150\"", "cl_cmdbackup \"5\"",
                    "cl_updaterate \"150\"", "cl_smooth \"0\"", "cl_smoothtime \"0.1\"", "cl_interp \"0.05\"",
                    "cl_interpolate \"1\"", "cl_lagcomp_errorcheck \"1\""},
                   128,
                   255552}));

TEST(ConnectionPresets, AnotherPresetReplacesTheLinesWhereTheyStand) {
    ConfigDocument lanOnly;
    ApplyConnectionPreset(lanOnly, ConnectionPreset::Lan);
    ConfigDocument document;
    ApplyConnectionPreset(document, ConnectionPreset::Modem56k);
    ApplyConnectionPreset(document, ConnectionPreset::Lan);
    EXPECT_EQ(Lines(document), Lines(lanOnly));
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

} // namespace
} // namespace cssbinder
