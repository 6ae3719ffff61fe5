#include "platform/files/FileSystem.h"

#include <QFileInfo>
#include <QString>

namespace cssbinder {

bool IsExistingFolder(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isDir();
}

} // namespace cssbinder
