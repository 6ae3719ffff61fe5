#pragma once

#include "core/document/ConfigDocument.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace cssbinder {

// The connection group's presets, by their radio index.
enum class ConnectionPreset { Modem56k = 0, Adsl = 1, Lan = 2 };

// A TCP/IP parameter of the system and the value a preset gives it.
struct TcpipValue {
    std::string_view name;
    std::uint32_t value;
};

// The key under the local machine's hive that holds the TCP/IP parameters.
inline constexpr std::string_view kTcpipKeyPath = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
// The three values the presets write and Default deletes, in that order.
inline constexpr std::array<std::string_view, 3> kTcpipValueNames{"DefaultTTL", "GlobalMaxTcpWindowSize",
                                                                  "TcpWindowSize"};

// Stores the preset's ten network settings, each keyed by its variable.
void ApplyConnectionPreset(ConfigDocument& document, ConnectionPreset preset);
// Removes exactly the ten settings a preset stores, and nothing else.
void RemoveConnectionSettings(ConfigDocument& document);
// The registry values of the preset, in writing order.
std::array<TcpipValue, 3> TcpipValuesOf(ConnectionPreset preset);

// The variables the presets store keyed by their name, in the presets' own spelling.
std::vector<std::string_view> VariablesStoredByName();

// The DirectX group: levels 7, 8, 8.1 and 9 by their radio index 0 to 3.
inline constexpr int kDirectXLevelCount = 4;
void ApplyDirectXLevel(ConfigDocument& document, int levelIndex);
void RemoveDirectXLevel(ConfigDocument& document);

} // namespace cssbinder
