#pragma once

#include "ui/app/DialogTemplate.h"

#include <span>

namespace cssbinder {

// The Advanced Parameters dialog, dialog template 141: 414 by 413 dialog units.
inline constexpr int kAdvancedDialogWidth = 414;
inline constexpr int kAdvancedDialogHeight = 413;
std::span<const ControlTemplate> AdvancedDialogControls();

} // namespace cssbinder
