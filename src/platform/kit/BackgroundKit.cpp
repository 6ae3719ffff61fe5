#include "platform/kit/BackgroundKit.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>

namespace cssbinder {
namespace {

QString ProgramRelative(const char* path) {
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(path)));
}

} // namespace

KitChoice BackgroundKitFolder() {
    return KitWorkingFolder({
        ProgramRelative("background"),
        ProgramRelative(CSSBINDER_INSTALLED_KIT_FROM_PROGRAM),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/cssbinder/background"),
    });
}

QString BackgroundKitScript(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(KitScriptName()));
}

KitRun RunBackgroundKit(const QString& folder, std::chrono::milliseconds timeLimit) {
    // The kit's child inherits the variable; without an installed converter the script takes the one
    // beside it.
    const QString installed = ProgramRelative(CSSBINDER_INSTALLED_CONVERTER_FROM_PROGRAM);
    if (QFileInfo(installed).isExecutable()) {
        qputenv("CSSBINDER_CONVERTER", QFile::encodeName(installed));
    } else {
        qunsetenv("CSSBINDER_CONVERTER");
    }
    const KitScriptRun run = RunKitScript(folder.toStdString(), timeLimit, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    return {run.outcome, QString::fromStdString(run.reason)};
}

} // namespace cssbinder
