#include "core/steam/SteamLibrary.h"

#include "core/steam/KeyValues.h"

#include <algorithm>

namespace cssbinder {
namespace {

constexpr char kAppManifest[] = "/steamapps/appmanifest_240.acf";

std::optional<KeyValues> ReadKeyValues(const std::string& path, const SteamFiles& files) {
    const std::optional<std::string> text = files.read(path);
    return text ? ParseKeyValues(*text) : std::nullopt;
}

// The Steam folder, then each library its libraryfolders.vdf lists: a block with its "path", or in
// files of older Steam clients the path as the value of a number. An empty path names no folder.
std::vector<std::string> Libraries(const std::string& steam, const SteamFiles& files) {
    std::vector<std::string> paths{steam};
    const std::optional<KeyValues> vdf = ReadKeyValues(steam + "/steamapps/libraryfolders.vdf", files);
    const KeyValues* libraryFolders = vdf ? vdf->Find("libraryfolders") : nullptr;
    if (libraryFolders == nullptr) {
        return paths;
    }
    for (const KeyValues& library : libraryFolders->children) {
        if (const KeyValues* path = library.Find("path"); path != nullptr && !path->value.empty()) {
            paths.push_back(path->value);
        } else if (path == nullptr && !library.value.empty() &&
                   library.key.find_first_not_of("0123456789") == std::string::npos) {
            paths.push_back(library.value);
        }
    }
    return paths;
}

std::optional<std::string> GameFolderIn(const std::string& library, const SteamFiles& files) {
    const std::optional<KeyValues> manifest = ReadKeyValues(library + kAppManifest, files);
    const KeyValues* appState = manifest ? manifest->Find("AppState") : nullptr;
    const KeyValues* installDir = appState != nullptr ? appState->Find("installdir") : nullptr;
    if (installDir == nullptr || installDir->value.empty()) {
        return std::nullopt;
    }
    const std::string folder = library + "/steamapps/common/" + installDir->value;
    if (!files.isFolder(folder + "/cstrike")) {
        return std::nullopt;
    }
    return folder;
}

} // namespace

std::optional<std::string> FindSteamGameFolder(const std::vector<std::string>& steamFolders,
                                               const SteamFiles& files) {
    std::vector<std::string> searched;
    for (const std::string& steam : steamFolders) {
        for (const std::string& path : Libraries(steam, files)) {
            const std::string library = files.canonical(path);
            if (library.empty() || std::ranges::find(searched, library) != searched.end()) {
                continue;
            }
            searched.push_back(library);
            if (std::optional<std::string> folder = GameFolderIn(library, files)) {
                return folder;
            }
        }
    }
    return std::nullopt;
}

} // namespace cssbinder
