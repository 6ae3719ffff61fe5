#pragma once

#include <string_view>

namespace cssbinder {

// Why the gamma preview does not change the screen itself.
enum class GammaNote {
    ScreenCannotChange, // the platform lets no program change the screen's ramp
    RampUnreadable,     // the platform allows it, but the screen's ramp could not be read
};

// The line the gamma dialog shows for the case, in one of the five languages.
std::string_view GammaNoteText(GammaNote note, int language);

} // namespace cssbinder
