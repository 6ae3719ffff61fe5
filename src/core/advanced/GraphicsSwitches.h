#pragma once

#include "core/document/ConfigDocument.h"

#include <span>
#include <string_view>

namespace cssbinder {

// One console variable and the value that overrides the game's own.
struct OverrideLine {
    std::string_view variable;
    std::string_view value;
};

// A check box of the graphics group and the lines that unchecking it writes, in writing order.
struct GraphicsSwitch {
    int controlId;
    std::span<const OverrideLine> lines;
};

// The eleven boxes, in the order of their handlers' control IDs: 1073 to 1084 without 1078.
std::span<const GraphicsSwitch> GraphicsSwitches();
const GraphicsSwitch& GraphicsSwitchOf(int controlId);

// What a click leaves in the document: an unchecked box stores each of its lines keyed by the line
// itself; a checked one removes exactly the settings of its variables.
void ApplyGraphicsSwitch(ConfigDocument& document, const GraphicsSwitch& box, bool checked);

} // namespace cssbinder
