#include "platform/steam/SteamGame.h"

#include "core/steam/SteamLibrary.h"
#include "platform/files/FileSystem.h"
#include "platform/files/RegularFiles.h"
#include "platform/steam/SteamFolders.h"

#include <QFileInfo>

#include <utility>

namespace cssbinder {

QString SteamGameFolder() {
    const SteamFiles files{
        [](const std::string& path) -> std::optional<std::string> {
            FileRead file = ReadRegularFile(path, kSettingsFileCap);
            return file ? std::optional(std::move(file.bytes)) : std::nullopt;
        },
        IsExistingFolder,
        [](const std::string& path) {
            return QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString();
        },
    };
    const std::optional<std::string> folder = FindSteamGameFolder(SteamFolders(), files);
    return folder ? QString::fromStdString(*folder) : QString();
}

} // namespace cssbinder
