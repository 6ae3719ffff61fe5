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

// What an X server tells of its outputs, gathered before any ramp is touched.
struct XServerFacts {
    std::vector<std::string> outputNames;
    std::vector<int> gammaSizes; // of every CRTC; 0 where a CRTC has no ramp
    bool randrEmulation = false; // an output carries the "RANDR Emulation" property
    bool xwaylandExtension = false;
};

// XWayland takes and stores a ramp but never shows it. Older releases name its outputs XWAYLAND0,
// XWAYLAND1...; newer ones take the compositor's names (eDP-1) but mark their outputs with the
// "RANDR Emulation" property, and the newest offer the XWAYLAND extension. A CRTC of size 0 has no ramp.
GammaAccess AccessOfXServer(const XServerFacts& facts);

} // namespace cssbinder
