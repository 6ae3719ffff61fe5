#include "core/advanced/ConnectionPresets.h"

namespace cssbinder {
namespace {

// A network variable and its value in the 56k, ADSL and LAN presets, written as shown.
struct NetworkSetting {
    std::string_view variable;
    std::array<std::string_view, 3> values;
};

constexpr auto kNetworkSettings = std::to_array<NetworkSetting>({
    {"rate", {"6400", "20000", "25000"}},
    {"cl_rate", {"6400", "10000", "25000"}},
    {"cl_cmdrate", {"10", "45", "150"}},
    {"cl_cmdbackup", {"5", "5", "5"}},
    {"cl_updaterate", {"20", "85", "150"}},
    {"cl_smooth", {"0", "0", "0"}},
    {"cl_smoothtime", {"0.2", "0.1", "0.1"}},
    {"cl_interp", {"1", "0.05", "0.05"}},
    {"cl_interpolate", {"1", "1", "1"}},
    {"cl_lagcomp_errorcheck", {"1", "1", "1"}},
});

struct TcpipPreset {
    std::uint32_t defaultTtl;
    std::uint32_t windowSize;
};
constexpr std::array<TcpipPreset, 3> kTcpipPresets{{{64, 8192}, {128, 101452}, {128, 255552}}};

constexpr std::string_view kDirectXVariable = "mat_dxlevel";
constexpr std::array<std::string_view, kDirectXLevelCount> kDirectXLevels{"70", "80", "81", "90"};

void StoreSetting(ConfigDocument& document, std::string_view variable, std::string_view value) {
    document.Store(variable, SettingLine(variable, value));
}

} // namespace

void ApplyConnectionPreset(ConfigDocument& document, ConnectionPreset preset) {
    for (const NetworkSetting& setting : kNetworkSettings) {
        StoreSetting(document, setting.variable, setting.values.at(static_cast<std::size_t>(preset)));
    }
}

void RemoveConnectionSettings(ConfigDocument& document) {
    for (const NetworkSetting& setting : kNetworkSettings) {
        document.RemoveSetting(setting.variable);
    }
}

std::array<TcpipValue, 3> TcpipValuesOf(ConnectionPreset preset) {
    const TcpipPreset& values = kTcpipPresets.at(static_cast<std::size_t>(preset));
    return {{{kTcpipValueNames[0], values.defaultTtl},
             {kTcpipValueNames[1], values.windowSize},
             {kTcpipValueNames[2], values.windowSize}}};
}

std::vector<std::string_view> VariablesStoredByName() {
    std::vector<std::string_view> names;
    names.reserve(kNetworkSettings.size() + 1);
    for (const NetworkSetting& setting : kNetworkSettings) {
        names.push_back(setting.variable);
    }
    names.push_back(kDirectXVariable);
    return names;
}

void ApplyDirectXLevel(ConfigDocument& document, int levelIndex) {
    StoreSetting(document, kDirectXVariable, kDirectXLevels.at(static_cast<std::size_t>(levelIndex)));
}

void RemoveDirectXLevel(ConfigDocument& document) {
    document.RemoveSetting(kDirectXVariable);
}

} // namespace cssbinder
