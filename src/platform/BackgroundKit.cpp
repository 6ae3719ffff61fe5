#include "platform/BackgroundKit.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace cssbinder {
namespace {

constexpr int kStartLimitMs = 5000;
constexpr int kStopLimitMs = 2000;

QString ErrorOutput(QProcess& process) {
    return QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
}

} // namespace

KitChoice BackgroundKitFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    return KitWorkingFolder({
        program.filePath(QStringLiteral("background")),
        QDir::cleanPath(program.filePath(QStringLiteral(CSSBINDER_INSTALLED_KIT_FROM_PROGRAM))),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/cssbinder/background"),
    });
}

KitRun RunBackgroundKit(const QString& folder, std::chrono::milliseconds timeLimit) {
    const KitCommand command = BackgroundKitCommand();
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setStandardInputFile(QProcess::nullDevice());
    KitProcessTree tree(process);
    process.start(command.program, command.arguments);
    if (!process.waitForStarted(kStartLimitMs)) {
        return {KitRun::Outcome::NotStarted, process.errorString()};
    }

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(timeLimit);
    if (process.state() != QProcess::NotRunning) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (process.state() != QProcess::NotRunning) {
        tree.Stop();
        process.waitForFinished(kStopLimitMs);
        return {KitRun::Outcome::TimedOut, ErrorOutput(process)};
    }
    const QString errors = ErrorOutput(process);
    if (process.exitStatus() == QProcess::CrashExit) {
        return {KitRun::Outcome::Failed, errors.isEmpty() ? QStringLiteral("the kit crashed") : errors};
    }
    if (process.exitCode() != 0) {
        return {KitRun::Outcome::Failed,
                errors.isEmpty() ? QStringLiteral("exit code %1").arg(process.exitCode()) : errors};
    }
    return {KitRun::Outcome::Finished, errors};
}

} // namespace cssbinder
