#include "platform/BackgroundKit.h"

#include <QProcess>

#include <csignal>
#include <unistd.h>

namespace cssbinder {

KitCommand BackgroundKitCommand() {
    return {QStringLiteral("convert.sh"), QStringLiteral("sh"), {QStringLiteral("convert.sh")}};
}

// The script runs in a process group of its own, so that stopping it stops the converter too: a
// converter left running could still write its texture after the run was given up.
void PrepareKitProcess(QProcess& process) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

void StopKitProcess(QProcess& process) {
    ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
}

} // namespace cssbinder
