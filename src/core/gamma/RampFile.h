#pragma once

#include "core/gamma/GammaRamp.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cssbinder {

// The text of the recovery file that keeps the display's own ramps while a preview has changed them,
// one ramp per output, so that a later start can put them back after the tool was killed.
std::string SerializeRamps(const std::vector<GammaRamp>& ramps);

// The ramps of a recovery file, or nothing when the text is not one whole such file.
std::optional<std::vector<GammaRamp>> ParseRamps(std::string_view text);

} // namespace cssbinder
