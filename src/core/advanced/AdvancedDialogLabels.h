#pragma once

#include "core/lang/MainWindowLabels.h"

#include <vector>

namespace cssbinder {

// The captions of the Advanced Parameters dialog in one language, in the order they are set. The
// two "Default" radio buttons (1094 first, then 1095) always get the same text; the title, "OK",
// "56k", "ADSL", "LAN" and the DirectX levels are never relabelled.
std::vector<ControlCaption> AdvancedDialogCaptions(int language);

// The tool-tips of the eleven graphics boxes: French for French, English for every other language.
std::vector<ControlCaption> AdvancedDialogToolTips(int language);

} // namespace cssbinder
