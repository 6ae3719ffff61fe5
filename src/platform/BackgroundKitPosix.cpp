#include "platform/BackgroundKit.h"

#include <QProcess>

#include <csignal>
#include <unistd.h>

namespace cssbinder {

KitCommand BackgroundKitCommand() {
    return {QStringLiteral("convert.sh"), QStringLiteral("sh"), {QStringLiteral("convert.sh")}};
}

// The script runs in a process group of its own, which every process it starts joins.
struct KitProcessTree::Members {
    QProcess& process;
};

KitProcessTree::KitProcessTree(QProcess& process) : m_members(std::make_unique<Members>(process)) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

KitProcessTree::~KitProcessTree() = default;

void KitProcessTree::Stop() {
    ::kill(-static_cast<pid_t>(m_members->process.processId()), SIGKILL);
}

} // namespace cssbinder
