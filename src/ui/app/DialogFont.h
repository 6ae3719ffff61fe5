#pragma once

#include <QFont>

namespace cssbinder {

// The font of the dialog templates: a small sans serif whose average character fits the dialog
// units (6 by 13 pixels of base units). A window scaled down to fit its screen takes it at its scale,
// never larger than the units it is laid out in.
QFont DialogFont(double scale = 1.0);

} // namespace cssbinder
