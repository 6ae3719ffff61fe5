#pragma once

#include <QString>

namespace cssbinder {

// The folder of the menu background's conversion kit: the folder `background` beside the program
// when it is usable there, else the user's working copy of the installed kit.
QString BackgroundKitFolder();

} // namespace cssbinder
