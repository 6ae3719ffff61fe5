#include "platform/kit/KitScript.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <csignal>
#include <unistd.h>

namespace cssbinder {

const char* KitScriptName() {
    return "convert.sh";
}

// The script runs in a process group of its own, so that stopping it stops the converter too.
KitScriptRun RunKitScript(const std::string& folder, std::chrono::milliseconds timeLimit,
                          const std::function<void()>& whileWaiting) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start(QStringLiteral("sh"), {QString::fromLatin1(KitScriptName())});
    if (!process.waitForStarted(static_cast<int>(kKitStopLimit.count()))) {
        return {KitScriptRun::Outcome::NotStarted, process.errorString().toStdString()};
    }
    const QDeadlineTimer deadline(timeLimit);
    while (!process.waitForFinished(static_cast<int>(kKitPollInterval.count())) &&
           process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
            process.waitForFinished(static_cast<int>(kKitStopLimit.count()));
            return KitScriptOutcome(KitScriptEnd::Stopped, 0, process.readAllStandardError().toStdString());
        }
        whileWaiting();
    }
    return KitScriptOutcome(process.exitStatus() == QProcess::CrashExit ? KitScriptEnd::Crashed
                                                                        : KitScriptEnd::Exited,
                            process.exitCode(), process.readAllStandardError().toStdString());
}

} // namespace cssbinder
