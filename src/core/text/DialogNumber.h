#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cssbinder {

// A float as a dialog field shows it: the shortest form of six significant digits (2.2 shows as "2.2").
std::string FormatDialogFloat(float value);

// The number a dialog field holds: optional blanks around one decimal number, nothing else.
std::optional<float> ParseDialogFloat(std::string_view text);

} // namespace cssbinder
