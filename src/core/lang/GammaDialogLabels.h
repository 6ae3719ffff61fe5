#pragma once

#include <string_view>

namespace cssbinder {

// Why the gamma preview does not change the screen itself, or what it found of an earlier run.
enum class GammaNote {
    ScreenCannotChange, // the platform lets no program change the screen's ramp
    RampUnreadable,     // the platform allows it, but the screen's ramp could not be read
    RecoveryInUse,      // %1: the recovery file, which another running copy keeps
    RecoveryNotApplied, // %1: the recovery file, whose ramps the screen cannot take back now
    RecoveryNotWritten, // %1: the recovery file, %2: the system's reason
    RecoverySetAside,   // %1: the recovery file, %2: where its implausible ramps were moved
};

// The line the gamma dialog shows for the case, in one of the five languages.
std::string_view GammaNoteText(GammaNote note, int language);

} // namespace cssbinder
