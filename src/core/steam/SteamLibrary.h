#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cssbinder {

// How the look-up reaches the file system, so that it runs on any tree.
struct SteamFiles {
    // The file's bytes, or nothing when it cannot be read.
    std::function<std::optional<std::string>(const std::string& path)> read;
    std::function<bool(const std::string& path)> isFolder;
    // The path with every link followed, or an empty text when nothing is there.
    std::function<std::string(const std::string& path)> canonical;
};

// The folder of Counter-Strike: Source (Steam app 240): in each library, the install folder that the
// library's steamapps/appmanifest_240.acf names under steamapps/common, kept only when it holds
// cstrike. The libraries of a Steam folder are the folder itself (which older files do not list)
// and then those its steamapps/libraryfolders.vdf lists, when it can be read. Each library is searched
// once, however many links lead to it. The first found, Steam folders and libraries taken in order,
// on the library's canonical path; nothing when none is found.
std::optional<std::string> FindSteamGameFolder(const std::vector<std::string>& steamFolders,
                                               const SteamFiles& files);

} // namespace cssbinder
