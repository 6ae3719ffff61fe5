#include "platform/steam/SteamFolders.h"

#include <windows.h>

namespace cssbinder {

// The Steam client records its folder for the user who installed it; the rest of the look-up
// takes paths as UTF-8.
std::vector<std::string> SteamFolders() {
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof(path);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", RRF_RT_REG_SZ, nullptr, path,
                     &size) != ERROR_SUCCESS ||
        path[0] == L'\0') {
        return {};
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, path, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path, -1, utf8.data(), length, nullptr, nullptr);
    return {utf8};
}

} // namespace cssbinder
