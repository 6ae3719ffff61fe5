#include "core/advanced/ConnectionPresets.h"
#include "core/advanced/GraphicsSwitches.h"
#include "core/advanced/SubstituteRegistry.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
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

// Another preset's lines are replaced where they stand, ahead of a bind stored after them.
TEST(ConnectionPresets, TenSettingsByNameAndThreeRegistryValues) {
    for (const auto& [preset, values, ttl, window] :
         {std::tuple(ConnectionPreset::Modem56k, "6400 6400 10 5 20 0 0.2 1 1 1", 64u, 8192u),
          std::tuple(ConnectionPreset::Adsl, "20000 10000 45 5 85 0 0.1 0.05 1 1", 128u, 101452u),
          std::tuple(ConnectionPreset::Lan, "25000 25000 150 5 150 0 0.1 0.05 1 1", 128u, 255552u)}) {
        ConfigDocument document;
        ApplyConnectionPreset(document, preset == ConnectionPreset::Lan ? ConnectionPreset::Adsl
                                                                        : ConnectionPreset::Lan);
        document.Store("x", "bind \"x\" \"say rate\"");
        ApplyConnectionPreset(document, preset);
        std::vector<std::string> lines;
        std::istringstream words(values);
        for (std::string value; const char* setting : kSettings) {
            words >> value;
            lines.push_back(std::string(setting) + " \"" + value + '"');
        }
        lines.push_back("bind \"x\" \"say rate\"");
        EXPECT_EQ(Lines(document), lines);
        std::vector<std::pair<std::string, std::uint32_t>> registry;
        for (const TcpipValue& value : TcpipValuesOf(preset)) {
            registry.emplace_back(value.name, value.value);
        }
        EXPECT_EQ(registry,
                  (decltype(registry){
                      {"DefaultTTL", ttl}, {"GlobalMaxTcpWindowSize", window}, {"TcpWindowSize", window}}));
    }
}

// Each DirectX button replaces the level; the Default buttons remove the level and the ten settings,
// and nothing that only contains their names.
TEST(DirectXLevel, EachButtonReplacesTheLevelAndDefaultsRemoveOnlyTheirSettings) {
    ConfigDocument document;
    document.Store("x", "bind \"x\" \"say accurate rate cl_smooth\"");
    ApplyGraphicsSwitch(document, GraphicsSwitchOf(1083), false);
    document.Store("cl_smoothing", "cl_smoothing \"1\"");
    document.Store("mat_dxlevel_fallback", "mat_dxlevel_fallback \"1\"");
    ApplyConnectionPreset(document, ConnectionPreset::Adsl);
    for (const auto& [button, level] : {std::pair(2, "81"), std::pair(3, "90"), std::pair(0, "70")}) {
        ApplyDirectXLevel(document, button);
        EXPECT_EQ(*document.Find("mat_dxlevel"), "mat_dxlevel \"" + std::string(level) + '"');
    }
    RemoveConnectionSettings(document);
    RemoveDirectXLevel(document);
    EXPECT_EQ(Lines(document), (std::vector<std::string>{"bind \"x\" \"say accurate rate cl_smooth\"",
                                                         "mat_reducefillrate \"1\"", "cl_smoothing \"1\"",
                                                         "mat_dxlevel_fallback \"1\""}));
}

// Beside a say bind naming some settings: unchecking stores the box's lines in order, each keyed by
// itself, a second uncheck rewrites them in place, and checking takes exactly the box's own lines. The
// boxes here: the longest, one that writes a 1 beside a 0, one of a single line, and the fog.
TEST(GraphicsSwitches, EveryBoxWritesItsLinesAndCheckingTakesOnlyThem) {
    const std::pair<int, const char*> boxes[] = {
        {1073, "r_rainalpha 0 r_rainalphapow 0 r_raindensity 0 r_rainlength 0 r_RainProfile 0 r_RainRadius 0 "
               "r_RainSideVel 0 r_RainSimulate 0 r_rainspeed 0 r_RainSplashPercentage 0 r_rainwidth 0"},
        {1077, "mat_bumpmap 0 mat_fastnobump 1"},
        {1083, "mat_reducefillrate 1"},
        {1084, "fog_enable 0 fog_enable_water_fog 0"},
    };
    const std::string say = "bind \"c\" \"say r_shadows fog_enable r_rainalpha mat_bumpmap\"";
    ConfigDocument document;
    document.Store("c", say);
    std::vector<std::string> expected{say};
    std::vector<std::size_t> firstLineOf;
    for (const auto& [controlId, lines] : boxes) {
        ApplyGraphicsSwitch(document, GraphicsSwitchOf(controlId), false);
        ApplyGraphicsSwitch(document, GraphicsSwitchOf(controlId), false);
        firstLineOf.push_back(expected.size());
        std::istringstream words(lines);
        for (std::string name, value; words >> name >> value;) {
            expected.push_back(name + " \"" + value + '"');
        }
    }
    EXPECT_EQ(Lines(document), expected);
    for (const ConfigEntry& entry : document.Entries()) {
        EXPECT_EQ(entry.key, entry.line == say ? "c" : entry.line);
    }
    firstLineOf.push_back(expected.size());
    for (std::size_t box = std::size(boxes); box-- > 0;) {
        ApplyGraphicsSwitch(document, GraphicsSwitchOf(boxes[box].first), true);
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(firstLineOf[box]),
                       expected.begin() + static_cast<std::ptrdiff_t>(firstLineOf[box + 1]));
        EXPECT_EQ(Lines(document), expected) << boxes[box].first;
    }
    EXPECT_THROW(GraphicsSwitchOf(1078), std::out_of_range);
}

constexpr char kTcpip[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

// Keys are sections and values decimal. Lines it cannot read stay where they were; names and paths are
// found whatever their case; a missing value or key is no error to delete.
TEST(SubstituteRegistry, KeepsWhatItCannotReadAndIgnoresCase) {
    SubstituteRegistry registry =
        SubstituteRegistry::Parse("orphan=1\r\n[Key]\r\nA=12\r\nB=-3\r\nC=1e3\r\n"
                                  "D=99999999999\r\n=5\r\nno value\r\nE=7\r\n[KEY]\r\na=13");
    EXPECT_EQ(registry.Render(), "orphan=1\n[Key]\nA=13\nB=-3\nC=1e3\nD=99999999999\n=5\nno value\nE=7\n");
    EXPECT_EQ(registry.Value("kEY", "a"), 13u);
    EXPECT_EQ(registry.Value("Key", "B"), std::nullopt);
    registry.SetValue("key", "b", 5);
    registry.DeleteValue("KEY", "e");
    registry.DeleteValue("KEY", "e");
    registry.DeleteValue("Missing", "e");
    registry.SetValue("key", "F", 6);
    registry.CreateKey("Empty");
    registry.SetValue(kTcpip, "TcpWindowSize", 4294967295u);
    const std::string text = registry.Render();
    EXPECT_EQ(text, "orphan=1\n[Key]\nA=13\nB=5\nC=1e3\nD=99999999999\n=5\nno value\nF=6\n[Empty]\n"
                    "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\nTcpWindowSize=4294967295\n");
    const SubstituteRegistry read = SubstituteRegistry::Parse(text);
    EXPECT_EQ(read.Render(), text);
    EXPECT_TRUE(read.HasKey("Empty"));
    EXPECT_EQ(read.Value(kTcpip, "TcpWindowSize"), 4294967295u);
}

} // namespace
} // namespace cssbinder
