#pragma once

#include "ui/app/DialogTemplate.h"

#include <span>

namespace cssbinder {

// The gamma preview, dialog template 136: 547 by 462 dialog units.
inline constexpr int kGammaDialogWidth = 547;
inline constexpr int kGammaDialogHeight = 462;
// The line that says why the screen itself does not show the preview.
inline constexpr int kGammaNoteId = 1114;
std::span<const ControlTemplate> GammaDialogControls();

} // namespace cssbinder
