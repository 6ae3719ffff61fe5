#pragma once

#include <QString>

namespace cssbinder {

// The folder where Steam installed Counter-Strike: Source for this user, or an empty text.
QString SteamGameFolder();

} // namespace cssbinder
