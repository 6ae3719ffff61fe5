#include "platform/steam/SteamFolders.h"

#include <cstdlib>

namespace cssbinder {

std::vector<std::string> SteamFolders() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return {};
    }
    const std::string base(home);
    // The native client, its older link and the Flatpak's sandboxed home.
    return {base + "/.steam/steam", base + "/.local/share/Steam",
            base + "/.var/app/com.valvesoftware.Steam/.local/share/Steam"};
}

} // namespace cssbinder
