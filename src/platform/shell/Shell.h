#pragma once

#include <QString>

namespace cssbinder {

// Opens a web or mail link with the desktop's handler; a failure shows nothing.
void OpenLink(const QString& link);

} // namespace cssbinder
