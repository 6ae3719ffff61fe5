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

enum class KeptRamps {
    Plausible,    // they can go back to the screen
    OtherOutputs, // the screen has another number of outputs now: they may fit again later
    Implausible,  // no screen's own ramps look like this: writing them could leave it black or white
};

// Whether ramps read from a recovery file may go back to a screen whose outputs now hold `current`:
// one ramp per output at that output's size, no channel ever falling, and one channel rising to at
// least a tenth of full output (the dimmest a night-light tool goes).
KeptRamps JudgeKeptRamps(const std::vector<GammaRamp>& kept, const std::vector<GammaRamp>& current);

} // namespace cssbinder
