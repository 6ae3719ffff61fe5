#include "platform/BackgroundKit.h"

#include "platform/KitWorkingCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace cssbinder {

QString BackgroundKitFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    return KitWorkingFolder({
        program.filePath(QStringLiteral("background")),
        QDir::cleanPath(program.filePath(QStringLiteral(CSSBINDER_INSTALLED_KIT_FROM_PROGRAM))),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/cssbinder/background"),
    });
}

} // namespace cssbinder
