#pragma once

#include "platform/gamma/DisplayGamma.h"

namespace cssbinder {

// The X server named by DISPLAY, through XRandR's gamma of each CRTC.
std::unique_ptr<DisplayGamma> OpenX11DisplayGamma();

// What the server named by DISPLAY tells of its outputs, as the back end above judges it; empty when
// there is no server.
XServerFacts ReadXServerFacts();

} // namespace cssbinder
