#pragma once

#include <string>
#include <vector>

namespace cssbinder {

// The folders where Steam may keep its own files for this user, most likely first. Free of Qt, so
// that every back end builds alone.
std::vector<std::string> SteamFolders();

} // namespace cssbinder
