#pragma once

#include <QFont>

namespace cssbinder {

// The font of the dialog templates: a small sans serif whose average character fits the dialog
// units (6 by 13 pixels of base units).
QFont DialogFont();

} // namespace cssbinder
