#pragma once

#include "ui/app/DialogTemplate.h"

#include <span>

namespace cssbinder {

// The main window, dialog template 102: 414 by 413 dialog units.
inline constexpr int kMainDialogWidth = 414;
inline constexpr int kMainDialogHeight = 413;
std::span<const ControlTemplate> MainDialogControls();

} // namespace cssbinder
