#include "platform/SteamGame.h"

#include "core/steam/SteamLibrary.h"
#include "platform/FileSystem.h"
#include "platform/SteamFolders.h"

#include <QFile>
#include <QFileInfo>

namespace cssbinder {
namespace {

// Steam's files are a few kilobytes; a larger one is not read whole.
constexpr qint64 kLargestSteamFile = 4 << 20;

} // namespace

QString SteamGameFolder() {
    const SteamFiles files{
        [](const std::string& path) -> std::optional<std::string> {
            QFile file(QString::fromStdString(path));
            if (!file.open(QIODevice::ReadOnly)) {
                return std::nullopt;
            }
            return file.read(kLargestSteamFile).toStdString();
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
