#pragma once

#include "core/gamma/GammaAccess.h"
#include "core/gamma/GammaRamp.h"

#include <functional>
#include <memory>
#include <vector>

namespace cssbinder {

struct DisplayRamps {
    GammaAccess access = GammaAccess::NotChangeable;
    // One ramp per output of the screen, each at the output's own size; empty unless Changeable.
    std::vector<GammaRamp> ramps;
};

// The gamma ramps of every output of the screen. No header of a window system is seen here: each
// back end lives in a file of its own.
class DisplayGamma {
public:
    virtual ~DisplayGamma() = default;
    virtual DisplayRamps ReadRamps() = 0;
    // Writes one ramp per output, in the order and at the sizes ReadRamps gives; a ramp is never
    // resampled. False when the screen refused them or has other outputs now.
    virtual bool WriteRamps(const std::vector<GammaRamp>& ramps) = 0;
};

// The screen of this session.
std::unique_ptr<DisplayGamma> OpenDisplayGamma();

// Tests put a display of their own in place of the screen's; an empty factory gives the screen back.
using DisplayGammaFactory = std::function<std::unique_ptr<DisplayGamma>()>;
void SetDisplayGammaFactoryForTests(DisplayGammaFactory factory);

// The back ends, one file each, chosen by the build; the platform's own chooses among them.
std::unique_ptr<DisplayGamma> OpenSystemDisplayGamma();
std::unique_ptr<DisplayGamma> OpenUnchangeableDisplayGamma();

} // namespace cssbinder
