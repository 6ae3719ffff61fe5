#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cssbinder {

// Whether the screen's gamma can be previewed on the screen itself.
enum class GammaAccess {
    Changeable,    // the ramps were read and can be written back
    NotChangeable, // no program may change them here (Wayland, XWayland, a screen without gamma)
    Unreadable,    // the platform allows it, but reading failed
};

// Whether the toolkit's window system lets a program set the screen's ramps at all: X11 and Windows
// do; a native Wayland session and the others do not.
bool WindowSystemAllowsGamma(std::string_view platformName);

// What an X server's outputs and CRTC gamma sizes allow. XWayland takes and stores a ramp but never
// shows it (its outputs are named XWAYLAND0, XWAYLAND1...); a CRTC of size 0 has no ramp.
GammaAccess AccessOfOutputs(const std::vector<std::string>& outputNames, const std::vector<int>& gammaSizes);

} // namespace cssbinder
