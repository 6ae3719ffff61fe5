#include "core/document/GameFolder.h"

#include <algorithm>
#include <cctype>

namespace cssbinder {
namespace {

constexpr std::string_view kGameSubfolder = "cstrike";

std::string Join(std::string_view folder, char separator, std::string_view name) {
    std::string path(folder);
    path += separator;
    path += name;
    return path;
}

bool IsGameSubfolderName(std::string_view name) {
    return std::ranges::equal(name, kGameSubfolder, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

} // namespace

std::string GameConfigFolder(std::string_view gamePath, char separator) {
    return Join(Join(gamePath, separator, kGameSubfolder), separator, "cfg");
}

bool HoldsGame(std::string_view folder, char separator, const IsFolder& isFolder) {
    return !folder.empty() && isFolder(Join(folder, separator, kGameSubfolder));
}

std::optional<std::string> GameFolderForPick(std::string_view picked, char separator,
                                             const IsFolder& isFolder) {
    if (HoldsGame(picked, separator, isFolder)) {
        return std::string(picked);
    }
    while (picked.size() > 1 && picked.back() == separator) {
        picked.remove_suffix(1);
    }
    const std::size_t lastSeparator = picked.rfind(separator);
    if (lastSeparator == std::string_view::npos || !IsGameSubfolderName(picked.substr(lastSeparator + 1))) {
        return std::nullopt;
    }
    // The root keeps its separator, and so does a drive ("C:\").
    std::string_view parent = picked.substr(0, lastSeparator);
    if (parent.empty() || parent.back() == ':') {
        parent = picked.substr(0, lastSeparator + 1);
    }
    // The parent must hold the game under its own name, which a file system that tells case apart
    // does not grant a "CStrike" folder.
    if (!HoldsGame(parent, separator, isFolder)) {
        return std::nullopt;
    }
    return std::string(parent);
}

std::string SaveDialogStartFolder(std::string_view gamePath, std::string_view homeFolder, char separator,
                                  const IsFolder& isFolder) {
    if (!gamePath.empty()) {
        std::string configFolder = GameConfigFolder(gamePath, separator);
        if (isFolder(configFolder)) {
            return configFolder;
        }
        if (isFolder(std::string(gamePath))) {
            return std::string(gamePath);
        }
    }
    return std::string(homeFolder);
}

} // namespace cssbinder
