#pragma once

#include "platform/DisplayGamma.h"

namespace cssbinder {

// The X server named by DISPLAY, through XRandR's gamma of each CRTC.
std::unique_ptr<DisplayGamma> OpenX11DisplayGamma();

} // namespace cssbinder
