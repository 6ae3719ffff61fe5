#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cssbinder {

// How the game folder rules see the file system: whether a path names an existing folder.
using IsFolder = std::function<bool(const std::string& path)>;

// The folder the game reads its configuration from, inside the game folder.
std::string GameConfigFolder(std::string_view gamePath, char separator);

// Whether the folder is the game's: it holds a cstrike folder. An empty path holds nothing.
bool HoldsGame(std::string_view folder, char separator, const IsFolder& isFolder);

// The game folder to keep for a folder the user picked: the folder itself when it holds cstrike. A
// folder named cstrike (in any case) that does not is the game's own cstrike folder, picked one level
// too deep: its parent is kept. Nothing when neither is the game's, so the pick is refused.
std::optional<std::string> GameFolderForPick(std::string_view picked, char separator,
                                             const IsFolder& isFolder);

// Where the save dialog opens: the game's configuration folder when it exists, else the game folder
// when it exists, else the home folder; never the folder the program was started from.
std::string SaveDialogStartFolder(std::string_view gamePath, std::string_view homeFolder, char separator,
                                  const IsFolder& isFolder);

} // namespace cssbinder
